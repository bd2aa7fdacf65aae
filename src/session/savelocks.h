// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A save reads and writes settings files on every usable drive: the card files in "GSM\",
// the backup on C:. Held from the opening to the end of a save, the locks of the drives'
// folders keep two saves on one card from losing each other's change. Each write also holds
// the lock of its own folder, briefly and taking no other; so whoever waits, nobody waits in
// a circle.

#include <vector>

#include "platform/driveprobe.h"
#include "platform/folderlock.h"

namespace wks {

// The locks of the drives the examination found usable; a silent drive is not waited on.
std::vector<files::FolderLock> lockSettingsFolders(const std::vector<DriveReport>& drives);

}  // namespace wks
