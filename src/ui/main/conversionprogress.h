// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Shows that the game call is being converted: a busy cursor and a small modal window with a
// Cancel button that ends the converter. A converter that never ends would otherwise leave the
// program waiting with no way out.

#include <QPointer>
#include <QtGlobal>

#include "platform/process.h"

class QProgressDialog;
class QWidget;

namespace wks::ui {

class ConversionProgress final : public ProcessObserver {
  public:
    // Watches the runner's programs for the life of this object.
    ConversionProgress(ProcessRunner& runner, QWidget* parent);
    ~ConversionProgress() override;
    ConversionProgress(const ConversionProgress&) = delete;
    ConversionProgress& operator=(const ConversionProgress&) = delete;

    void processStarted(const std::string& program, const std::vector<std::string>& args) override;
    void processFinished(const ProcessResult& result) override;
    bool takesInput() const override { return true; }

    static constexpr const char* kText =
        QT_TRANSLATE_NOOP("wks::ui::ConversionProgress", "Converting the game call\u2026");

  private:
    void close();

    ProcessRunner& runner_;
    QWidget* parent_;
    QPointer<QProgressDialog> window_;
    bool busy_ = false;  // the busy cursor is set
};

}  // namespace wks::ui
