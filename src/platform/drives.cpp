#include "platform/drives.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <stdexcept>
#include <system_error>
#include <vector>

namespace fsys = std::filesystem;

namespace wks {
namespace {

DriveTable& current() {
    static DriveTable table;
    return table;
}

char upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

std::vector<fsys::path> mountedMedia() {
    std::vector<fsys::path> found;
    const char* user = std::getenv("USER");
    if (!user || !*user) return found;
    for (const fsys::path& base : {fsys::path("/media") / user, fsys::path("/run/media") / user}) {
        std::error_code ec;
        for (const auto& entry : fsys::directory_iterator(base, ec)) {
            if (entry.is_directory(ec)) found.push_back(entry.path());
        }
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool sameLetters(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [](char x, char y) { return upper(x) == upper(y); });
}

// The entry of `folder` that is `name` byte for byte, else the first (by name) that differs
// only in letter case: the way Windows finds "GSM\X.TXT" as "gsm/x.txt". Nothing when neither
// is there (a folder that cannot be listed shows none).
std::optional<std::string> matchLetterCase(const fsys::path& folder, const std::string& name) {
    struct stat st{};
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

DriveTable DriveTable::forUser() {
    DriveTable table;
    const fsys::path dos = dataHome() / "dosdevices";
    std::error_code ec;
    fsys::create_directories(dos, ec);
    fsys::create_directories(dataHome() / "drive_c", ec);
    if (!fsys::exists(fsys::symlink_status(dos / "c:", ec))) {
        fsys::create_directory_symlink("../drive_c", dos / "c:", ec);
    }
    for (const auto& entry : fsys::directory_iterator(dos, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 2 && name[1] == ':' && std::isalpha(static_cast<unsigned char>(name[0]))) {
            table.set(name[0], entry.path());
        }
    }
    // A medium that a link of the user's already names keeps that letter only.
    std::vector<fsys::path> named;
    for (const auto& [letter, folder] : table.letters()) {
        named.push_back(fsys::weakly_canonical(folder, ec));
    }
    char next = 'D';
    for (const auto& media : mountedMedia()) {
        if (std::find(named.begin(), named.end(), fsys::weakly_canonical(media, ec)) != named.end()) {
            continue;
        }
        while (next <= 'Z' && table.folderOf(next)) ++next;
        if (next > 'Z') break;
        table.set(next, media);
    }
    return table;
}

void DriveTable::set(char letter, fsys::path folder) { letters_[upper(letter)] = std::move(folder); }

void DriveTable::remove(char letter) { letters_.erase(upper(letter)); }

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
    if (!folder) return std::nullopt;
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

DriveTable& drives() { return current(); }
void setDrives(DriveTable table) { current() = std::move(table); }

ScopedDrives::ScopedDrives(DriveTable table) : previous_(current()) {
    current() = std::move(table);
}
ScopedDrives::~ScopedDrives() { current() = std::move(previous_); }

}  // namespace wks
