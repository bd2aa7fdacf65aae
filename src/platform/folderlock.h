// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An advisory lock on a folder, held by whoever reads and then replaces a settings file in it,
// so that two saves on one card never lose each other's change. The folder itself is locked
// (flock), so nothing is left on the card. A second process waits for the lock; the process
// that holds it may take it again. On a file system without locks nothing waits.

#include <sys/types.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace wks::files {

class FolderLock {
  public:
    FolderLock() = default;
    // Waits until the folder (a native path) is this process's.
    explicit FolderLock(const std::string& nativeFolder);
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    bool held() const { return key_.has_value(); }

    // Locks each existing folder of the list (drive-letter or native paths), in an order that
    // every process shares, so that two processes taking several never wait for each other.
    static std::vector<FolderLock> lockAll(const std::vector<std::string>& folders);

  private:
    void release();
    std::optional<std::pair<dev_t, ino_t>> key_;
};

}  // namespace wks::files
