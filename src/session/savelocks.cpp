#include "session/savelocks.h"

#include "platform/drives.h"
#include "session/mainsession.h"

namespace wks {

std::vector<files::FolderLock> lockSettingsFolders() {
    std::vector<std::string> folders{kBackupFolder};
    for (const auto& root : MainSession::driveRoots()) {
        if (drives().canEnter(root)) folders.push_back(root + kSettingsFolder);
    }
    return files::FolderLock::lockAll(folders);
}

}  // namespace wks
