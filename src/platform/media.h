// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Removable media as the system shows them: the mount table (proc/self/mounts), the block
// devices (sys/class/block) and their volume labels (dev/disk/by-label). Every reader takes the
// folder that stands for "/", so tests build a system of real folders and links.

#include <filesystem>
#include <string>
#include <vector>

namespace wks {

struct Mount {
    std::string device;      // "/dev/sdb1", "tmpfs", ...
    std::string mountPoint;  // as the system names it ("/media/anna/TRAIL CAM")
    std::string type;
};

// The mounted file systems, in the table's order; octal escapes ("\040") decoded.
std::vector<Mount> readMounts(const std::filesystem::path& root);

// True when the block device (a name such as "sdb1" or "mmcblk0p1") is removable media: its disk
// says so, or it hangs on a USB or SD/MMC bus (a card reader's or a USB disk's own flag is often
// 0).
bool isRemovableDevice(const std::filesystem::path& root, const std::string& name);

// Whether the block device's medium sits in a card slot, as far as sysfs tells: on an SD/MMC
// host, or on a disk whose medium is removable (a card reader's slot; a USB disk says it is
// not). Unknown when sysfs does not have the device.
enum class CardSlot { Card, NotCard, Unknown };
CardSlot cardSlotOf(const std::filesystem::path& root, const std::string& name);

// The device's volume label as the system keeps it (bytes as they are), empty when it has none.
std::string volumeLabel(const std::filesystem::path& root, const std::string& name);

struct Medium {
    std::filesystem::path folder;  // the mount point under root
    std::string mountPoint;
    std::string label;
};

// The media mounted now, in mount-path order: whatever is mounted in /media/<user>/ or
// /run/media/<user>/, and any file system of a removable device mounted elsewhere except on a
// system folder ("/", "/home", "/boot/efi", ...). Nothing mounted on one of `ownFolders` (system
// paths: the user's home, say) or on a folder above one is a medium.
std::vector<Medium> mountedMedia(const std::filesystem::path& root, const std::string& user,
                                 const std::vector<std::string>& ownFolders = {});

}  // namespace wks
