// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Runs the e-mail account test off the screen's thread, with a busy window whose Cancel stops
// it, so the screen keeps painting while the mail server is asked.

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <thread>

#include "mail/mailtest.h"

class QProgressDialog;
class QWidget;

namespace wks::ui {

// A line of the test as a screen shows it: translated, and breakable where a server's text runs
// on without a blank (by soft hyphens), so that no window grows wider than the screen.
QString screenLine(const mail::Words& words);

class MailTestRun : public QObject {
    Q_OBJECT
  public:
    // Starts the test at once and shows the busy window over parent, `note` (when given) above
    // the lines of the steps.
    MailTestRun(const mail::MailAccount& account, const mail::MailTestOptions& options,
                const QString& note, QWidget* parent);
    // Stops a test still running and waits for its thread.
    ~MailTestRun() override;

  signals:
    // The test ended, also when it was cancelled (report.cancelled).
    void finished(const wks::mail::MailTestReport& report);

  private:
    void showLine(const QString& line);
    void end(const mail::MailTestReport& report);

    mail::MailTest test_;
    QPointer<QProgressDialog> window_;
    QStringList lines_;
    std::thread thread_;
};

}  // namespace wks::ui
