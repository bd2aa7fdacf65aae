// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/converter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <optional>

#include "platform/files.h"
#include "platform/process.h"
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

// This run's hold on the folder: the folder opened, with a shared lock on it. One per process.
int g_hold = -1;

void releaseHold() {
    if (g_hold >= 0) ::close(g_hold);  // closing the descriptor lets the lock go
    g_hold = -1;
}

// Whether the hold is on the folder that is at the converter's path now; the last run out
// may have removed the folder this run opened.
bool holdIsCurrent() {
    if (g_hold < 0) return false;
    auto native = files::nativeName(kConverterFolder);
    struct stat held {
    }, now{};
    return native && ::fstat(g_hold, &held) == 0 && ::lstat(native->c_str(), &now) == 0 &&
           held.st_dev == now.st_dev && held.st_ino == now.st_ino;
}

int lock(int fd, int operation) {
    int rc;
    do {
        rc = ::flock(fd, operation);
    } while (rc != 0 && errno == EINTR);
    return rc == 0 ? 0 : errno;
}

enum class Holders { None, Alone, Shared };

// Takes this run's hold on the folder: Alone when no other run holds it (what is in it is
// then a killed run's or nobody's) and the lock is exclusive, to be shared once the folder is
// made ready; Shared when other runs hold it too; None when there is no folder to hold.
Holders takeHold() {
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (!holdIsCurrent()) {
            releaseHold();
            auto native = files::nativeName(kConverterFolder);
            if (native)
                g_hold = ::open(native->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
            if (g_hold < 0) return Holders::None;
        }
        int err = lock(g_hold, LOCK_EX | LOCK_NB);
        // Where the file system has no locks, every run is alone, as without coordination.
        const bool alone = err != EWOULDBLOCK;
        if (!alone) lock(g_hold, LOCK_SH);
        if (holdIsCurrent()) return alone ? Holders::Alone : Holders::Shared;
        // The last run out removed the folder while this one waited: it is made again.
        releaseHold();
        (void)files::createFolder(kConverterFolder);  // not made: the next round holds nothing
    }
    return Holders::None;
}

bool converterPlaced() {
    auto native = files::nativeName(kConverterPath);
    return native && ::access(native->c_str(), X_OK) == 0;
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
    if (fsys::exists(fsys::symlink_status(*native, ec)) && !files::deleteFile(*native))
        return false;
    fsys::create_symlink(installed, *native, ec);
    if (!ec) return true;
    // File systems without symbolic links (FAT, for one) get a copy; it keeps the mode bits.
    if (fsys::copy_file(installed, *native, fsys::copy_options::none, ec)) return true;
    fsys::remove(*native, ec);
    return false;
}

Staging StageConverter() {
    Staging staging;
    if (removeLinkedFolder()) releaseHold();
    // A folder that cannot be made is not held, and the converter is then not placed.
    if (!files::exists(kConverterFolder)) (void)files::createFolder(kConverterFolder);
    const Holders holders = takeHold();
    bool emptied = true;
    if (holders != Holders::Shared && files::exists(kConverterFolder) &&
        !EmptyFolder(kConverterFolder)) {
        emptied = false;
        staging.message = Message{
            kAppTitle, QT_TRANSLATE_NOOP("Message", "Delete Directory \"C:\\WKS_TEMP\" failed !")};
    }
    bool placed = holders == Holders::Shared && converterPlaced();
    if (!placed) {
        std::optional<std::string> installed = findProgramOnPath(kInstalledConverter);
        placed = installed && PlaceProgram(*installed, kConverterPath);
    }
    // Hidden is kept only where the file system has extended attributes; elsewhere the folder
    // shows, and works the same.
    (void)files::setAttributes(kConverterFolder, files::kHidden);
    if (holders == Holders::Alone) lock(g_hold, LOCK_SH);
    staging.ready = emptied && placed;
    return staging;
}

std::optional<Message> EnsureConverter() {
    if (holdIsCurrent() && converterPlaced()) return std::nullopt;
    return StageConverter().message;
}

bool RemoveConverter() {
    if (removeLinkedFolder()) {
        releaseHold();
        return true;
    }
    if (!holdIsCurrent()) {
        releaseHold();
        auto native = files::nativeName(kConverterFolder);
        if (native)
            g_hold = ::open(native->c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    }
    // Another run still holds the folder: it is left to the last one out.
    if (g_hold >= 0 && lock(g_hold, LOCK_EX | LOCK_NB) == EWOULDBLOCK) {
        releaseHold();
        return false;
    }
    (void)EmptyFolder(kConverterFolder);  // what stays keeps the folder, which the result says
    CUtil::ClearReadOnly(kConverterFolder);
    const bool removed = files::removeFolder(kConverterFolder).ok();
    releaseHold();
    return removed;
}

}  // namespace wks
