// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/smtpservers.h"

#include <QFile>
#include <QTcpServer>

namespace wks::test {

SmtpServers::SmtpServers(bool shortPorts) {
    // The distribution's python has the distribution's aiosmtpd; another python3 may come first
    // on PATH.
    for (const QString& python : {QStringLiteral("/usr/bin/python3"), QStringLiteral("python3")}) {
        QStringList args{WKS_SMTP_SERVERS_PY, dir_.path()};
        if (shortPorts) args << "--short-ports";
        process_.start(python, args);
        if (!process_.waitForStarted(10000)) continue;
        while (!process_.canReadLine() && process_.state() == QProcess::Running)
            process_.waitForReadyRead(30000);
        if (process_.canReadLine()) {
            for (const QString& pair : QString(process_.readLine()).trimmed().split(' ')) {
                const QStringList kv = pair.split('=');
                if (kv.size() == 2) ports_[kv[0]] = kv[1].toInt();
            }
            failure_.clear();
            return;
        }
        process_.waitForFinished(10000);
        failure_ = QString::fromLocal8Bit(process_.readAllStandardError()).trimmed();
    }
    if (failure_.isEmpty()) failure_ = "no python3 to run the mail servers";
}

SmtpServers::~SmtpServers() {
    if (process_.state() != QProcess::Running) return;
    process_.closeWriteChannel();
    if (!process_.waitForFinished(10000)) process_.kill();
    process_.waitForFinished();
}

int SmtpServers::count(const QString& kind, const QString& event) const {
    QFile log(dir_.filePath("log/" + kind));
    if (!log.open(QIODevice::ReadOnly)) return 0;
    return static_cast<int>(log.readAll().split('\n').count(event.toUtf8()));
}

int SmtpServers::closedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    return probe.serverPort();  // closed again when probe goes
}

}  // namespace wks::test
