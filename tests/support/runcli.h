// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// wks-settings run as a script runs it: no terminal to ask on, and optionally a data folder of
// its own (and so a drive C: of its own).

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace wks::test {

struct CliRun {
    int code = -1;  // -1 when it did not end by itself (or in time)
    QByteArray out, err;
};

// Waits for the run to end, at most `waitMs` when given; a run that takes longer is killed.
CliRun runSettings(const QStringList& args, const QString& dataHome = {}, int waitMs = -1);

}  // namespace wks::test
