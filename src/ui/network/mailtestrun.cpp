// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/network/mailtestrun.h"

#include <QLabel>
#include <QProgressDialog>

#include "session/prompts.h"

namespace wks::ui {

QString screenLine(const mail::Words& words) {
    constexpr int kLongest = 30;  // characters without a chance to break the line
    const QString text = mail::translated(words);
    QString out;
    int run = 0;
    for (QChar c : text) {
        run = c.isSpace() ? 0 : run + 1;
        if (run > kLongest) {
            out += QChar(0x00AD);
            run = 1;
        }
        out += c;
    }
    return out;
}

MailTestRun::MailTestRun(const mail::MailAccount& account, const mail::MailTestOptions& options,
                         const QString& note, QWidget* parent)
    : QObject(parent), test_(account, {}, options) {
    window_ = new QProgressDialog(parent);
    window_->setObjectName("mailTestProgress");
    window_->setWindowTitle(kAppTitle);
    // The lines quote the server: shown as the text they are, never as markup.
    auto* label = new QLabel(window_);
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    window_->setLabel(label);
    window_->setCancelButtonText(tr("Cancel"));
    window_->setRange(0, 0);
    window_->setWindowModality(Qt::WindowModal);
    window_->setMinimumDuration(0);
    window_->setAutoReset(false);
    window_->setAutoClose(false);
    connect(window_, &QProgressDialog::canceled, this, [this] { test_.cancel(); });
    if (!note.isEmpty()) lines_ << note;
    showLine({});
    window_->show();

    thread_ = std::thread([this] {
        const auto report = test_.run([this](const mail::StepLine& line) {
            const QString text = screenLine(line.words);
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
    if (!line.isEmpty()) lines_ << line;
    if (!window_) return;
    QStringList text{tr("Testing the e-mail account\u2026")};
    window_->setLabelText((text << lines_).join('\n'));
}

void MailTestRun::end(const mail::MailTestReport& report) {
    if (thread_.joinable()) thread_.join();
    delete window_;
    emit finished(report);
}

}  // namespace wks::ui
