// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/readonlyfolder.h"

#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

namespace wks::test {

ReadOnlyFolder::ReadOnlyFolder(std::filesystem::path folder) : folder_(std::move(folder)) {
    if (::geteuid() != 0) {
        ok_ = ::chmod(folder_.c_str(), 0555) == 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(folder_)) {
            if (e.is_directory()) ok_ = ::chmod(e.path().c_str(), 0555) == 0 && ok_;
        }
        return;
    }
    static const bool ownNamespace =
        ::unshare(CLONE_NEWNS) == 0 &&
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0;
    mounted_ =
        ownNamespace && ::mount(folder_.c_str(), folder_.c_str(), nullptr, MS_BIND, nullptr) == 0;
    ok_ = mounted_ && ::mount(nullptr, folder_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                              nullptr) == 0;
}

ReadOnlyFolder::~ReadOnlyFolder() {
    if (mounted_) {
        ::umount2(folder_.c_str(), MNT_DETACH);
        return;
    }
    ::chmod(folder_.c_str(), 0755);
    for (const auto& e : std::filesystem::recursive_directory_iterator(folder_)) {
        if (e.is_directory()) ::chmod(e.path().c_str(), 0755);
    }
}

}  // namespace wks::test
