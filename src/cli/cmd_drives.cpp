// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// drives: the letters as the program sees them now, the first thing to look at when a card is
// not offered.

#include <iostream>

#include "cli/commands.h"
#include "cli/terminal.h"
#include "platform/driveprobe.h"

namespace wks::cli {

int cmdDrives(Args& args) {
    args.expect(0, "wks-settings drives");
    const DriveTable table = DriveTable::forUser();
    std::string letters;
    for (const auto& [letter, folder] : table.letters()) {
        if (letter >= 'C' && letter <= 'Z') letters += letter;
    }
    for (const DriveReport& r : examineDrives(table, letters)) {
        std::cout << r.letter << ":\t" << printablePath(r.folder) << "\t"
                  << (r.label.empty() ? "-" : printablePath(r.label)) << "\t"
                  << (r.freeBytes ? sizeText(*r.freeBytes) + " free" : "-") << "\t"
                  << (r.usable() ? "usable" : std::string("not usable: ") + driveProblem(r.state))
                  << "\n";
    }
    return kExitOk;
}

}  // namespace wks::cli
