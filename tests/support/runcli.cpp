// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/runcli.h"

#include <QProcess>

namespace wks::test {

CliRun runSettings(const QStringList& args, const QString& dataHome, int waitMs) {
    QProcess p;
    if (!dataHome.isEmpty()) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", dataHome);
        p.setProcessEnvironment(env);
    }
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(WKS_SETTINGS_EXE, args);
    if (!p.waitForFinished(waitMs) || p.exitStatus() != QProcess::NormalExit) return {};
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace wks::test
