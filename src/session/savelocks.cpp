// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/savelocks.h"

namespace wks {

std::vector<files::FolderLock> lockSettingsFolders(const std::vector<DriveReport>& drives) {
    std::vector<std::string> roots;
    for (const DriveReport& drive : drives) {
        if (drive.usable()) roots.push_back(std::string(1, drive.letter) + ":\\");
    }
    return files::FolderLock::lockAll(roots);
}

}  // namespace wks
