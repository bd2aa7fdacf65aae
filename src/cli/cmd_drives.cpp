// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// drives: the letters as the program sees them now, the first thing to look at when a card is
// not offered.

#include <QJsonArray>
#include <iostream>

#include "cli/commands.h"
#include "cli/json.h"
#include "cli/terminal.h"
#include "platform/driveprobe.h"

namespace wks::cli {

int cmdDrives(Args& args) {
    args.expect(0, "wks-settings drives [--json]");
    const DriveTable table = DriveTable::forUser();
    std::string letters;
    for (const auto& [letter, folder] : table.letters()) {
        if (letter >= 'C' && letter <= 'Z') letters += letter;
    }
    const auto reports = examineDrives(table, letters);
    if (args.flag(kJsonOption)) {
        QJsonArray drives;
        for (const DriveReport& r : reports) {
            drives.append(QJsonObject{
                {"letter", QString(QLatin1Char(r.letter))},
                {"folder", pathJson(r.folder)},
                {"medium", r.medium},
                {"label", r.label.empty() ? QJsonValue() : QJsonValue(pathJson(r.label))},
                {"freeBytes",
                 r.freeBytes ? QJsonValue(static_cast<double>(*r.freeBytes)) : QJsonValue()},
                {"usable", r.usable()},
                {"problem", r.usable() ? QJsonValue() : QJsonValue(driveProblem(r.state))}});
        }
        printJson({{"drives", drives}});
        return kExitOk;
    }
    for (const DriveReport& r : reports) {
        std::cout << r.letter << ":\t" << printablePath(r.folder) << "\t"
                  << (r.label.empty() ? "-" : printablePath(r.label)) << "\t"
                  << (r.freeBytes ? sizeText(*r.freeBytes) + " free" : "-") << "\t"
                  << (r.usable() ? "usable" : std::string("not usable: ") + driveProblem(r.state))
                  << "\n";
    }
    return kExitOk;
}

}  // namespace wks::cli
