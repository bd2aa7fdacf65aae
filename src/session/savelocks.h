#pragma once
// The folders a save reads settings files from and writes them to: the backup folder and the
// "GSM\" folder of every usable drive. Held from the opening to the end of a save, their locks
// keep two saves on one card from losing each other's change.

#include <vector>

#include "platform/folderlock.h"

namespace wks {

std::vector<files::FolderLock> lockSettingsFolders();

}  // namespace wks
