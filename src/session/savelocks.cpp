// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/savelocks.h"

#include "platform/drives.h"
#include "session/mainsession.h"

namespace wks {

std::vector<files::FolderLock> lockSettingsFolders() {
    std::vector<std::string> roots;
    for (const auto& root : MainSession::driveRoots()) {
        if (drives().canEnter(root)) roots.push_back(root);
    }
    return files::FolderLock::lockAll(roots);
}

}  // namespace wks
