// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/startupprobe.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWindow>
#include <cstdlib>

namespace wks::ui {
namespace {

class ExitWhenShown : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose) {
            auto* window = qobject_cast<QWindow*>(watched);
            // The window paints while it handles this event; the process ends right after.
            if (window && window->isExposed())
                QMetaObject::invokeMethod(
                    this, [] { std::_Exit(0); }, Qt::QueuedConnection);
        }
        return false;
    }
};

}  // namespace

void installStartupProbe(QCoreApplication& app) {
    if (qEnvironmentVariableIsEmpty("WKS_EXIT_WHEN_SHOWN")) return;
    app.installEventFilter(new ExitWhenShown(&app));
}

}  // namespace wks::ui
