// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/registry.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/drives.h"
#include "platform/files.h"

namespace fsys = std::filesystem;

// A key is its path of names below the hive; the hive's folder is found at each call, so a
// change of $XDG_DATA_HOME is followed.
struct HKEY__ {
    std::vector<std::string> names;
};

namespace {

HKEY__ machineHive;

std::mutex& handlesLock() {
    static std::mutex m;
    return m;
}
std::set<HKEY>& openHandles() {
    static std::set<HKEY> handles;
    return handles;
}

bool isOpen(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) return true;
    std::lock_guard lock(handlesLock());
    return openHandles().count(key) != 0;
}

LONG fromErrno(int err, LONG otherwise) {
    switch (err) {
        case ENOENT:
            return ERROR_FILE_NOT_FOUND;
        case EACCES:
        case EPERM:
        case EROFS:
        case ENOTDIR:
        case EEXIST:
            return ERROR_ACCESS_DENIED;
        case ENOSPC:
        case EDQUOT:
            return ERROR_DISK_FULL;
        default:
            return otherwise;
    }
}

// The registry result of a file layer failure; its own reasons (a link that leads out, no
// regular file) refuse access.
LONG fromError(const std::error_code& error, LONG otherwise) {
    if (error.category() != std::generic_category()) return ERROR_ACCESS_DENIED;
    return fromErrno(error.value(), otherwise);
}

// Whether the deepest existing part of folder leads out of the hive through a link. A key
// that leads out is no key of the hive: it counts as absent, and is not made.
bool leadsOut(const fsys::path& folder) {
    std::error_code ec;
    const fsys::path hive = fsys::canonical(wks::registryHive(), ec);
    if (ec) return false;  // no hive yet: nothing in it can lead anywhere
    fsys::path probe = folder;
    while (!fsys::exists(fsys::symlink_status(probe, ec)) && probe.has_relative_path()) {
        probe = probe.parent_path();
    }
    const fsys::path real = fsys::canonical(probe, ec);
    if (ec) return true;  // a link to nothing
    return std::mismatch(hive.begin(), hive.end(), real.begin(), real.end()).first != hive.end();
}

// The names of a key path ("Software\Velmora\UserModelSel"); nothing when a name could leave
// the key's folder or stand for its value file.
std::optional<std::vector<std::string>> splitKeyPath(const char* subKey) {
    std::vector<std::string> names;
    if (!subKey || !*subKey) return names;
    std::string_view rest(subKey);
    while (true) {
        const std::size_t cut = rest.find('\\');
        std::string name(rest.substr(0, cut));
        if (name.empty() || name == "." || name == ".." || name == "@" ||
            name.find('/') != std::string::npos) {
            return std::nullopt;
        }
        names.push_back(std::move(name));
        if (cut == std::string_view::npos) return names;
        rest.remove_prefix(cut + 1);
    }
}

struct Target {
    LONG error = ERROR_SUCCESS;
    std::vector<std::string> names;
    fsys::path folder;
    bool outside = false;  // a link on the way leads out of the hive

    static Target failed(LONG error) {
        Target t;
        t.error = error;
        return t;
    }
};

// The key that subKey names under key, or the reason it cannot be reached. With keepLast the
// key itself may be a link (that is to be deleted); the keys above it must lead inside.
Target target(HKEY key, const char* subKey, bool keepLast = false) {
    if (!key || !isOpen(key)) return Target::failed(ERROR_INVALID_HANDLE);
    const auto names = splitKeyPath(subKey);
    if (!names) return Target::failed(ERROR_INVALID_PARAMETER);
    Target t;
    t.folder = wks::registryHive();
    for (const auto& n : key->names) t.folder /= n;
    std::error_code ec;
    if (key != HKEY_LOCAL_MACHINE && !fsys::is_directory(t.folder, ec)) {
        return Target::failed(ERROR_KEY_DELETED);
    }
    t.names = key->names;
    for (const auto& n : *names) {
        t.names.push_back(n);
        t.folder /= n;
    }
    t.outside = leadsOut(keepLast ? t.folder.parent_path() : t.folder);
    return t;
}

LONG makeKey(const fsys::path& folder) {
    std::error_code ec;
    fsys::create_directories(folder, ec);
    if (ec) return fromErrno(ec.value(), ERROR_WRITE_FAULT);
    return fsys::is_directory(folder, ec) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

bool keyExists(const fsys::path& folder) {
    std::error_code ec;
    return fsys::is_directory(folder, ec);
}

}  // namespace

const HKEY HKEY_LOCAL_MACHINE = &machineHive;

namespace wks {
fsys::path registryHive() { return DriveTable::dataHome() / "registry" / "HKEY_LOCAL_MACHINE"; }
}  // namespace wks

LONG RegCreateKeyA(HKEY key, const char* subKey, PHKEY result) {
    if (!result) return ERROR_INVALID_PARAMETER;
    Target t = target(key, subKey);
    if (t.error != ERROR_SUCCESS) return t.error;
    if (t.outside) return ERROR_ACCESS_DENIED;
    if (LONG err = makeKey(t.folder); err != ERROR_SUCCESS) return err;
    HKEY opened = new HKEY__{std::move(t.names)};
    std::lock_guard lock(handlesLock());
    openHandles().insert(opened);
    *result = opened;
    return ERROR_SUCCESS;
}

LONG RegSetValueA(HKEY key, const char* subKey, DWORD type, const char* data, DWORD /*size*/) {
    if (type != REG_SZ || !data) return ERROR_INVALID_PARAMETER;
    Target t = target(key, subKey);
    if (t.error != ERROR_SUCCESS) return t.error;
    if (t.outside) return ERROR_ACCESS_DENIED;
    if (LONG err = makeKey(t.folder); err != ERROR_SUCCESS) return err;
    // A value file that is a link is replaced, never written through.
    const wks::files::Status written = wks::files::replaceAtomically(
        (t.folder / "@").string(), data, wks::files::LinkAtPath::Replace);
    return written ? ERROR_SUCCESS : fromError(written.error(), ERROR_WRITE_FAULT);
}

LONG RegQueryValueA(HKEY key, const char* subKey, char* data, PLONG size) {
    if (!size) return ERROR_INVALID_PARAMETER;
    Target t = target(key, subKey);
    if (t.error != ERROR_SUCCESS) return t.error;
    if (t.outside || !keyExists(t.folder)) return ERROR_FILE_NOT_FOUND;
    std::string value;
    const fsys::path file = t.folder / "@";
    std::error_code ec;
    if (fsys::exists(fsys::symlink_status(file, ec))) {
        auto bytes = wks::files::readFile(file.string());
        if (!bytes) return fromError(bytes.error(), ERROR_ACCESS_DENIED);
        value = std::move(*bytes);
    }
    const LONG needed = static_cast<LONG>(value.size() + 1);
    if (data && *size < needed) {
        *size = needed;
        return ERROR_MORE_DATA;
    }
    *size = needed;
    if (data) std::memcpy(data, value.c_str(), value.size() + 1);
    return ERROR_SUCCESS;
}

LONG RegDeleteKeyA(HKEY key, const char* subKey) {
    if (!subKey || !*subKey) return ERROR_INVALID_PARAMETER;
    Target t = target(key, subKey, true);
    if (t.error != ERROR_SUCCESS) return t.error;
    if (t.outside) return ERROR_FILE_NOT_FOUND;
    std::error_code ec;
    // A key that is a link goes as a link; what it leads to is never touched.
    if (fsys::is_symlink(fsys::symlink_status(t.folder, ec))) {
        return ::unlink(t.folder.c_str()) == 0 ? ERROR_SUCCESS
                                               : fromErrno(errno, ERROR_ACCESS_DENIED);
    }
    if (!keyExists(t.folder)) return ERROR_FILE_NOT_FOUND;
    std::vector<fsys::path> values;
    for (const auto& entry : fsys::directory_iterator(t.folder, ec)) {
        if (entry.is_directory(ec)) return ERROR_ACCESS_DENIED;  // a key with subkeys stays
        values.push_back(entry.path());
    }
    if (ec) return fromErrno(ec.value(), ERROR_ACCESS_DENIED);
    for (const auto& v : values) {
        fsys::remove(v, ec);
        if (ec) return fromErrno(ec.value(), ERROR_ACCESS_DENIED);
    }
    fsys::remove(t.folder, ec);
    if (ec) return fromErrno(ec.value(), ERROR_ACCESS_DENIED);
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
    if (key == HKEY_LOCAL_MACHINE) return ERROR_SUCCESS;
    {
        std::lock_guard lock(handlesLock());
        if (openHandles().erase(key) == 0) return ERROR_INVALID_HANDLE;
    }
    delete key;
    return ERROR_SUCCESS;
}
