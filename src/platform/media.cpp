// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/media.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fsys = std::filesystem;

namespace wks {
namespace {

// "/media/anna" under the root: a path as the system names it, found in the root's tree.
fsys::path under(const fsys::path& root, const std::string& systemPath) {
    return root / fsys::path(systemPath).relative_path();
}

int hexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return c >= 'a' && c <= 'f' ? c - 'a' + 10 : -1;
}

// The mount table writes a blank as "\040" (octal); udev names a label's blank "\x20" (hex).
std::string unescape(const std::string& text, bool hex) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && hex && i + 3 < text.size() && text[i + 1] == 'x' &&
            hexValue(text[i + 2]) >= 0 && hexValue(text[i + 3]) >= 0) {
            out += static_cast<char>(hexValue(text[i + 2]) * 16 + hexValue(text[i + 3]));
            i += 3;
        } else if (text[i] == '\\' && !hex && i + 3 < text.size() &&
                   std::all_of(text.begin() + i + 1, text.begin() + i + 4,
                               [](char c) { return c >= '0' && c <= '7'; })) {
            out += static_cast<char>((text[i + 1] - '0') * 64 + (text[i + 2] - '0') * 8 +
                                     (text[i + 3] - '0'));
            i += 3;
        } else {
            out += text[i];
        }
    }
    return out;
}

bool startsWith(const std::string& text, const std::string& prefix) {
    return text.compare(0, prefix.size(), prefix) == 0;
}

bool inTree(const std::string& path, const std::string& top) {
    return path == top || startsWith(path, top + "/");
}

// Folders of the system itself: a removable disk mounted there (a system run from a USB disk)
// is no medium.
bool systemFolder(const std::string& mountPoint) {
    static const char* const kFolders[] = {"/", "/home", "/opt", "/srv", "/tmp", "/root"};
    static const char* const kTrees[] = {"/boot", "/efi", "/usr", "/var", "/etc",
                                         "/proc", "/sys", "/dev", "/run", "/snap"};
    return std::any_of(std::begin(kFolders), std::end(kFolders),
                       [&](const char* f) { return mountPoint == f; }) ||
           std::any_of(std::begin(kTrees), std::end(kTrees),
                       [&](const char* t) { return inTree(mountPoint, t); });
}

// "sdb1" for "/dev/sdb1" and for a link such as "/dev/disk/by-uuid/1234-ABCD" that leads to it.
std::string blockName(const fsys::path& root, const std::string& device) {
    if (!startsWith(device, "/dev/")) return {};
    const fsys::path node = under(root, device);
    std::error_code ec;
    if (fsys::is_symlink(node, ec)) {
        const fsys::path real = fsys::canonical(node, ec);
        if (!ec) return real.filename().string();
    }
    return node.filename().string();
}

}  // namespace

std::vector<Mount> readMounts(const fsys::path& root) {
    std::vector<Mount> mounts;
    std::ifstream in(root / "proc/self/mounts");
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        Mount m;
        if (!(fields >> m.device >> m.mountPoint >> m.type)) continue;
        m.device = unescape(m.device, false);
        m.mountPoint = unescape(m.mountPoint, false);
        mounts.push_back(std::move(m));
    }
    return mounts;
}

bool isRemovableDevice(const fsys::path& root, const std::string& name) {
    if (name.empty()) return false;
    std::error_code ec;
    const fsys::path real = fsys::canonical(root / "sys/class/block" / name, ec);
    if (ec) return false;
    // A partition's folder lies in its disk's folder, which holds the flag.
    const fsys::path disk = fsys::exists(real / "partition", ec) ? real.parent_path() : real;
    std::ifstream flag(disk / "removable");
    char c = '0';
    if (flag >> c && c == '1') return true;
    const fsys::path devices = real.lexically_relative(fsys::canonical(root / "sys", ec));
    return std::any_of(devices.begin(), devices.end(), [](const fsys::path& part) {
        const std::string p = part.string();
        return p == "mmc_host" || (startsWith(p, "usb") && p.size() > 3 &&
                                   std::isdigit(static_cast<unsigned char>(p[3])));
    });
}

CardSlot cardSlotOf(const fsys::path& root, const std::string& name) {
    if (name.empty()) return CardSlot::Unknown;
    std::error_code ec;
    const fsys::path real = fsys::canonical(root / "sys/class/block" / name, ec);
    if (ec) return CardSlot::Unknown;
    const fsys::path disk = fsys::exists(real / "partition", ec) ? real.parent_path() : real;
    const fsys::path devices = disk.lexically_relative(fsys::canonical(root / "sys", ec));
    if (std::any_of(devices.begin(), devices.end(),
                    [](const fsys::path& part) { return startsWith(part.string(), "mmc"); }))
        return CardSlot::Card;
    std::ifstream flag(disk / "removable");
    char c = 0;
    if (!(flag >> c)) return CardSlot::Unknown;
    return c == '1' ? CardSlot::Card : CardSlot::NotCard;
}

std::string volumeLabel(const fsys::path& root, const std::string& name) {
    std::error_code ec;
    for (const auto& entry : fsys::directory_iterator(root / "dev/disk/by-label", ec)) {
        std::error_code linkEc;
        const fsys::path target = fsys::read_symlink(entry.path(), linkEc);
        if (!linkEc && target.filename() == name) {
            return unescape(entry.path().filename().string(), true);
        }
    }
    return {};
}

std::vector<Medium> mountedMedia(const fsys::path& root, const std::string& user,
                                 const std::vector<std::string>& ownFolders) {
    std::vector<Medium> media;
    const std::string bases[] = {"/media/" + user + "/", "/run/media/" + user + "/"};
    for (const Mount& m : readMounts(root)) {
        const bool desktop =
            !user.empty() &&
            std::any_of(std::begin(bases), std::end(bases), [&](const std::string& b) {
                return startsWith(m.mountPoint, b) && m.mountPoint.size() > b.size() &&
                       m.mountPoint.find('/', b.size()) == std::string::npos;
            });
        const std::string name = blockName(root, m.device);
        if (!desktop && (systemFolder(m.mountPoint) || !isRemovableDevice(root, name))) continue;
        // The disk that holds the user's home is the user's, however it is plugged in.
        if (std::any_of(ownFolders.begin(), ownFolders.end(),
                        [&](const std::string& own) { return inTree(own, m.mountPoint); })) {
            continue;
        }
        // A folder mounted over again is still one medium.
        if (std::any_of(media.begin(), media.end(),
                        [&](const Medium& x) { return x.mountPoint == m.mountPoint; })) {
            continue;
        }
        media.push_back({under(root, m.mountPoint), m.mountPoint, volumeLabel(root, name)});
    }
    std::sort(media.begin(), media.end(),
              [](const Medium& a, const Medium& b) { return a.mountPoint < b.mountPoint; });
    return media;
}

}  // namespace wks
