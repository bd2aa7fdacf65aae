// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/drives.h"

#include <dirent.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

#include "platform/media.h"

namespace fsys = std::filesystem;

namespace wks {
namespace {

DriveTable& current() {
    static DriveTable table;
    return table;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

// Where a link leads, worked out from its text alone: no look-up on a drive that may be dead.
fsys::path linkTarget(const fsys::path& link) {
    std::error_code ec;
    const fsys::path target = fsys::read_symlink(link, ec);
    const fsys::path leads = ec ? link : (link.parent_path() / target).lexically_normal();
    return leads.has_filename() ? leads : leads.parent_path();  // "/media/x/" is "/media/x"
}

std::string currentUser() {
    const char* user = std::getenv("USER");
    if (user && *user) return user;
    const passwd* pw = ::getpwuid(::getuid());
    return pw ? pw->pw_name : "";
}

bool sameLetters(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

// The entry of `folder` that is `name` byte for byte, else the first (by name) that differs
// only in letter case: the way Windows finds "GSM\X.TXT" as "gsm/x.txt". Nothing when neither
// is there (a folder that cannot be listed shows none).
std::optional<std::string> matchLetterCase(const fsys::path& folder, const std::string& name) {
    struct stat st {};
    if (::lstat((folder / name).c_str(), &st) == 0 || errno != ENOENT) return name;
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return std::nullopt;
    std::string found;
    while (const dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        if (sameLetters(entry, name) && (found.empty() || entry < found)) found = entry;
    }
    ::closedir(dir);
    if (found.empty()) return std::nullopt;
    return found;
}

bool absolute(const char* path) { return path && path[0] == '/'; }

// The user's home folder: HOME when absolute, else the account's; empty when neither is known.
std::string homeFolder() {
    const char* home = std::getenv("HOME");
    if (absolute(home)) return fsys::path(home).lexically_normal().string();
    const passwd* pw = ::getpwuid(::getuid());
    return pw && absolute(pw->pw_dir) ? fsys::path(pw->pw_dir).lexically_normal().string() : "";
}

}  // namespace

DriveTable::DriveTable(std::map<char, fsys::path> letters) {
    for (auto& [letter, folder] : letters) set(letter, std::move(folder));
}

fsys::path DriveTable::dataHome() {
    // A relative XDG_DATA_HOME is to be ignored; without an absolute HOME there is no place
    // that is the user's, and the current folder is not one.
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (absolute(xdg)) return fsys::path(xdg) / "wks-config";
    const char* home = std::getenv("HOME");
    if (!absolute(home)) {
        throw std::runtime_error(
            "no folder for the program's data: set HOME (or XDG_DATA_HOME) to an absolute path");
    }
    return fsys::path(home) / ".local/share/wks-config";
}

struct DriveTable::Source {
    fsys::path dosdevices;
    fsys::path root;
    std::string user;
    std::vector<std::string> ownFolders;
    std::map<std::string, char> remembered;  // mount point -> the letter it had this run
};

DriveTable DriveTable::forUser() {
    const fsys::path data = dataHome();
    const fsys::path dos = data / "dosdevices";
    std::error_code ec;
    fsys::create_directories(dos, ec);
    fsys::create_directories(data / "drive_c", ec);
    if (!fsys::exists(fsys::symlink_status(dos / "c:", ec))) {
        fsys::create_directory_symlink("../drive_c", dos / "c:", ec);
    }
    std::vector<std::string> own{data.lexically_normal().string()};
    if (const std::string home = homeFolder(); !home.empty()) own.push_back(home);
    return live(dos, "/", currentUser(), std::move(own));
}

DriveTable DriveTable::live(fsys::path dosdevices, fsys::path root, std::string user,
                            std::vector<std::string> ownFolders) {
    DriveTable table;
    table.source_ = std::make_shared<Source>(
        Source{std::move(dosdevices), std::move(root), std::move(user), std::move(ownFolders), {}});
    table.refresh();
    return table;
}

void DriveTable::refresh() {
    if (!source_) return;
    letters_.clear();
    labels_.clear();
    targets_.clear();
    std::error_code ec;
    std::map<fsys::path, char> linked;  // where each link leads
    for (const auto& entry : fsys::directory_iterator(source_->dosdevices, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 2 && name[1] == ':' &&
            std::isalpha(static_cast<unsigned char>(name[0]))) {
            set(name[0], entry.path());
            targets_[upper(name[0])] = linkTarget(entry.path());
            linked.emplace(targets_[upper(name[0])], upper(name[0]));
        }
    }
    std::vector<Medium> unlettered;
    for (auto& medium : mountedMedia(source_->root, source_->user, source_->ownFolders)) {
        auto link = linked.find(medium.folder.lexically_normal());
        if (link != linked.end()) {
            labels_[link->second] = medium.label;
            continue;
        }
        auto had = source_->remembered.find(medium.mountPoint);
        if (had != source_->remembered.end() && !folderOf(had->second)) {
            set(had->second, medium.folder);
            labels_[had->second] = medium.label;
        } else {
            unlettered.push_back(std::move(medium));
        }
    }
    char next = 'D';
    for (auto& medium : unlettered) {
        while (next <= 'Z' && folderOf(next)) ++next;
        if (next > 'Z') break;
        set(next, medium.folder);
        labels_[next] = medium.label;
        // The letter is this medium's now: one that had it before and comes back gets another.
        std::erase_if(source_->remembered, [&](const auto& had) { return had.second == next; });
        source_->remembered[medium.mountPoint] = next;
    }
}

fsys::path DriveTable::shownFolder(char letter) const {
    auto target = targets_.find(upper(letter));
    if (target != targets_.end()) return target->second;
    return folderOf(letter).value_or(fsys::path());
}

bool DriveTable::isMedium(char letter) const { return labels_.count(upper(letter)) != 0; }

std::string DriveTable::labelOf(char letter) const {
    auto it = labels_.find(upper(letter));
    return it == labels_.end() ? std::string() : it->second;
}

void DriveTable::set(char letter, fsys::path folder) {
    letters_[upper(letter)] = std::move(folder);
    labels_.erase(upper(letter));
    targets_.erase(upper(letter));
}

void DriveTable::remove(char letter) {
    letters_.erase(upper(letter));
    labels_.erase(upper(letter));
    targets_.erase(upper(letter));
}

std::optional<fsys::path> DriveTable::folderOf(char letter) const {
    auto it = letters_.find(upper(letter));
    if (it == letters_.end()) return std::nullopt;
    return it->second;
}

bool DriveTable::isDrivePath(const std::string& path) {
    // "c:notes.ini" is a file name; a drive path goes on with a separator or ends.
    return path.size() >= 2 && path[1] == ':' &&
           std::isalpha(static_cast<unsigned char>(path[0])) &&
           (path.size() == 2 || path[2] == '\\' || path[2] == '/');
}

std::optional<fsys::path> DriveTable::resolve(const std::string& path, fsys::path* present) const {
    if (!isDrivePath(path)) {
        if (present) *present = path;
        return fsys::path(path);
    }
    auto folder = folderOf(path[0]);
    if (!folder || silent_.count(*folder)) return std::nullopt;
    // As on a drive, ".." stops at the root: a path never leads out of the drive's folder.
    std::vector<std::string> parts;
    std::string part;
    for (char ch : path.substr(2) + "\\") {
        if (ch != '\\' && ch != '/') {
            part += ch;
            continue;
        }
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        part.clear();
    }
    fsys::path result = *folder;
    if (present) *present = result;
    bool there = true;
    for (const auto& p : parts) {
        // Nothing is under a name that is not there: the rest is not looked up.
        const auto match = there ? matchLetterCase(result, p) : std::nullopt;
        there = match.has_value();
        result /= match.value_or(p);
        if (there && present) *present = result;
    }
    return result;
}

bool DriveTable::canEnter(const std::string& path) const {
    fsys::path present;
    auto native = resolve(path, &present);
    // A name on the way that is not there needs no further look-up.
    if (!native || native->empty() || present != *native) return false;
    std::error_code ec;
    return fsys::is_directory(*native, ec) && ::access(native->c_str(), X_OK) == 0;
}

void DriveTable::setAnswering(char letter, bool answering) {
    const auto folder = folderOf(letter);
    if (!folder) return;
    if (answering) {
        silent_.erase(*folder);
    } else {
        silent_.insert(*folder);
    }
}

bool DriveTable::isSilent(char letter) const {
    const auto folder = folderOf(letter);
    return folder && silent_.count(*folder) != 0;
}

DriveTable& drives() { return current(); }
void setDrives(DriveTable table) { current() = std::move(table); }

ScopedDrives::ScopedDrives(DriveTable table) : previous_(current()) {
    current() = std::move(table);
}
ScopedDrives::~ScopedDrives() { current() = std::move(previous_); }

}  // namespace wks
