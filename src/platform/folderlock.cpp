// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/folderlock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <map>
#include <mutex>

#include "platform/files.h"

namespace wks::files {
namespace {

using Key = std::pair<dev_t, ino_t>;

struct Held {
    int fd;
    int count;
};

std::mutex g_mutex;
std::map<Key, Held> g_held;  // this process's locks, each taken once from the system

std::optional<Key> keyOf(const std::string& folder) {
    struct stat st {};
    if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return std::nullopt;
    return Key{st.st_dev, st.st_ino};
}

}  // namespace

FolderLock::FolderLock(const std::string& nativeFolder) {
    std::lock_guard guard(g_mutex);
    int fd = ::open(nativeFolder.c_str(), O_RDONLY | O_DIRECTORY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return;
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return;
    }
    const Key key{st.st_dev, st.st_ino};
    if (auto it = g_held.find(key); it != g_held.end()) {
        ::close(fd);
        ++it->second.count;
        key_ = key;
        return;
    }
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {  // no locks here: nothing to wait for
        ::close(fd);
        return;
    }
    g_held.emplace(key, Held{fd, 1});
    key_ = key;
}

void FolderLock::release() {
    if (!key_) return;
    std::lock_guard guard(g_mutex);
    auto it = g_held.find(*key_);
    if (it != g_held.end() && --it->second.count == 0) {
        ::close(it->second.fd);  // closing the last descriptor releases the lock
        g_held.erase(it);
    }
    key_.reset();
}

FolderLock::~FolderLock() { release(); }

FolderLock::FolderLock(FolderLock&& other) noexcept
    : key_(std::exchange(other.key_, std::nullopt)) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        release();
        key_ = std::exchange(other.key_, std::nullopt);
    }
    return *this;
}

std::vector<FolderLock> FolderLock::lockAll(const std::vector<std::string>& folders) {
    std::vector<std::pair<Key, std::string>> order;
    for (const auto& folder : folders) {
        auto path = native(folder);
        auto key = path ? keyOf(*path) : std::nullopt;
        if (key) order.emplace_back(*key, *path);
    }
    std::sort(order.begin(), order.end());
    order.erase(std::unique(order.begin(), order.end(),
                            [](const auto& a, const auto& b) { return a.first == b.first; }),
                order.end());
    std::vector<FolderLock> locks;
    for (const auto& [key, folder] : order) locks.emplace_back(folder);
    return locks;
}

}  // namespace wks::files
