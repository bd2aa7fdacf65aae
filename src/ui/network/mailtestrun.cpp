// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/network/mailtestrun.h"

#include <QLabel>
#include <QProgressDialog>

#include "platform/prompts.h"

namespace wks::ui {

MailTestRun::MailTestRun(const mail::MailAccount& account, QWidget* parent)
    : QObject(parent), test_(account) {
    window_ =
        new QProgressDialog(QString::fromUtf8(kBusyText), QStringLiteral("Cancel"), 0, 0, parent);
    window_->setObjectName("mailTestProgress");
    // The steps quote the server's replies: shown as the characters they are, never as markup.
    auto* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    window_->setLabel(label);
    window_->setLabelText(QString::fromUtf8(kBusyText));
    window_->setWindowTitle(kAppTitle);
    window_->setWindowModality(Qt::WindowModal);
    window_->setMinimumDuration(0);
    window_->setAutoReset(false);
    window_->setAutoClose(false);
    connect(window_, &QProgressDialog::canceled, this, [this] { test_.cancel(); });
    window_->show();

    thread_ = std::thread([this] {
        const auto report = test_.run([this](const mail::StepLine& line) {
            const QString text =
                QString::fromLatin1(line.text.data(), static_cast<qsizetype>(line.text.size()));
            QMetaObject::invokeMethod(
                this, [this, text] { showLine(text); }, Qt::QueuedConnection);
        });
        QMetaObject::invokeMethod(
            this, [this, report] { end(report); }, Qt::QueuedConnection);
    });
}

MailTestRun::~MailTestRun() {
    test_.cancel();
    if (thread_.joinable()) thread_.join();
    delete window_;
}

void MailTestRun::showLine(const QString& line) {
    lines_ << line;
    if (window_) window_->setLabelText(QString::fromUtf8(kBusyText) + "\n" + lines_.join('\n'));
}

void MailTestRun::end(const mail::MailTestReport& report) {
    if (thread_.joinable()) thread_.join();
    delete window_;
    emit finished(report);
}

}  // namespace wks::ui
