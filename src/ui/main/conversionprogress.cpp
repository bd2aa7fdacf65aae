// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/conversionprogress.h"

#include <QApplication>
#include <QProgressDialog>

#include "session/prompts.h"

namespace wks::ui {

ConversionProgress::ConversionProgress(ProcessRunner& runner, QWidget* parent)
    : runner_(runner), parent_(parent) {
    runner_.setObserver(this);
}

ConversionProgress::~ConversionProgress() {
    close();
    runner_.setObserver(nullptr);
}

void ConversionProgress::processStarted(const std::string&, const std::vector<std::string>&) {
    QApplication::setOverrideCursor(Qt::BusyCursor);
    busy_ = true;
    window_ = new QProgressDialog(
        QCoreApplication::translate("wks::ui::ConversionProgress", kText),
        QCoreApplication::translate("wks::ui::ConversionProgress", "Cancel"), 0, 0, parent_);
    window_->setObjectName("conversionProgress");
    window_->setWindowTitle(kAppTitle);
    window_->setWindowModality(Qt::ApplicationModal);
    window_->setMinimumDuration(0);
    window_->setAutoReset(false);
    window_->setAutoClose(false);
    // The cursor over the window stays an arrow, so its Cancel button looks usable.
    window_->setCursor(Qt::ArrowCursor);
    QObject::connect(window_, &QProgressDialog::canceled, window_, [this] { runner_.cancel(); });
    window_->show();
}

void ConversionProgress::processFinished(const ProcessResult&) { close(); }

void ConversionProgress::close() {
    delete window_;
    if (busy_) QApplication::restoreOverrideCursor();
    busy_ = false;
}

}  // namespace wks::ui
