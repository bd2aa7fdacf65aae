#include "audio/converter.h"

#include <filesystem>
#include <optional>

#include "platform/files.h"
#include "platform/process.h"
#include "platform/prompts.h"
#include "util/cutil.h"

namespace fsys = std::filesystem;

namespace wks {
namespace {

// Works on native paths, so that an entry whose name holds a backslash is not taken for a
// path into a sub-folder.
bool emptyNativeFolder(const std::string& folder) {
    auto entries = files::listFolder(folder);
    if (!entries) return true;  // nothing listed, nothing failed to be deleted
    bool allDeleted = true;
    for (const auto& entry : *entries) {
        const std::string path = folder + "/" + entry.name;
        if (entry.folder) {
            if (!emptyNativeFolder(path)) allDeleted = false;
        } else if (!files::deleteFile(path)) {
            allDeleted = false;
        }
    }
    return allDeleted;
}

// A link at the converter's folder is no folder of ours: it goes as a link, and what it
// leads to is never emptied.
bool removeLinkedFolder() {
    return files::isLink(kConverterFolder) && files::removeFolder(kConverterFolder);
}

}  // namespace

bool EmptyFolder(const std::string& folder) {
    auto native = files::native(folder);
    if (!native) return true;
    return emptyNativeFolder(*native);
}

bool PlaceProgram(const std::string& installed, const std::string& path) {
    auto native = files::native(path);
    if (!native) return false;
    std::error_code ec;
    if (fsys::exists(fsys::symlink_status(*native, ec)) && !files::deleteFile(*native)) return false;
    fsys::create_symlink(installed, *native, ec);
    if (!ec) return true;
    // File systems without symbolic links (FAT, for one) get a copy; it keeps the mode bits.
    if (fsys::copy_file(installed, *native, fsys::copy_options::none, ec)) return true;
    fsys::remove(*native, ec);
    return false;
}

bool StageConverter() {
    removeLinkedFolder();
    bool emptied = true;
    if (files::exists(kConverterFolder)) {
        if (!EmptyFolder(kConverterFolder)) {
            emptied = false;
            showMessage(kAppTitle, "Delete Directory \"C:\\WKS_TEMP\" failed !", Buttons::Ok,
                        Icon::None);
        }
    } else {
        files::createFolder(kConverterFolder);
    }
    std::optional<std::string> installed = findProgramOnPath(kInstalledConverter);
    bool placed = installed && PlaceProgram(*installed, kConverterPath);
    files::setAttributes(kConverterFolder, files::kHidden);
    return emptied && placed;
}

bool RemoveConverter() {
    if (removeLinkedFolder()) return true;
    EmptyFolder(kConverterFolder);
    CUtil::ClearReadOnly(kConverterFolder);
    return files::removeFolder(kConverterFolder);
}

}  // namespace wks
