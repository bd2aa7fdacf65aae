// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Real mail servers on 127.0.0.1 for as long as this object lives (smtpservers.py on aiosmtpd):
// "plain", "tls" (self-signed), "verified" and "expired" (signed by caFile()), "starttls",
// "silent", "echo" (echoes the password in its refusal) and "huge" (a 276 KB greeting), knowing
// the account camera@example.test with the password "right-pw", with certificates made for the
// run.

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <map>

namespace wks::test {

class SmtpServers {
  public:
    // shortPorts: every port below 10000, for a screen that keeps 4 digits of a port.
    explicit SmtpServers(bool shortPorts = false);
    ~SmtpServers();

    // Empty when the servers run; else why not (aiosmtpd missing, say), for a skip message.
    const QString& failure() const { return failure_; }
    int port(const QString& kind) const { return ports_.at(kind); }
    // Where each delivered message is summed up as N.txt, its attachments beside it.
    QString mailFolder() const { return dir_.filePath("mail"); }
    // The authority that signed the certificates of "verified" and "expired".
    QString caFile() const { return dir_.filePath("ca.pem"); }
    // How often a server took a connection ("connect", TLS or not) or was asked to log in
    // ("auth") since it started.
    int count(const QString& kind, const QString& event) const;
    // A port on 127.0.0.1 that nobody listens on.
    static int closedPort();

  private:
    QTemporaryDir dir_;
    QProcess process_;
    std::map<QString, int> ports_;
    QString failure_;
};

}  // namespace wks::test
