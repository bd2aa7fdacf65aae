#include "platform/files.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>

#include "platform/drives.h"

namespace wks::files {
namespace {

thread_local std::error_code g_lastError;

bool fail(int err) {
    g_lastError = std::error_code(err, std::generic_category());
    return false;
}
bool ok() {
    g_lastError.clear();
    return true;
}

constexpr const char* kDosAttrib = "user.DOSATTRIB";

// Samba and Wine keep DOS attributes as "0x<hex>" in this extended attribute.
std::uint32_t readDosAttrib(const std::string& p) {
    char buf[64] = {};
    ssize_t n = ::getxattr(p.c_str(), kDosAttrib, buf, sizeof buf - 1);
    if (n <= 0) return 0;
    return static_cast<std::uint32_t>(std::strtoul(buf, nullptr, 0));
}

bool writeDosAttrib(const std::string& p, std::uint32_t attrs) {
    if (attrs == 0) {
        if (::removexattr(p.c_str(), kDosAttrib) == 0 || errno == ENODATA) return true;
        return errno == ENOTSUP;  // nowhere to keep it: hidden is simply not kept
    }
    char buf[16];
    int n = std::snprintf(buf, sizeof buf, "0x%x", attrs);
    if (::setxattr(p.c_str(), kDosAttrib, buf, static_cast<size_t>(n), 0) == 0) return true;
    return errno == ENOTSUP;
}

bool writeAll(int fd, std::string_view bytes) {
    const char* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t n = ::write(fd, p, left);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

struct FaultPlan {
    long count = 0;
    long failAt = 0;
    int error = 0;
    bool fired = false;
};
FaultPlan g_faults;

}  // namespace

namespace faults {
void failAt(long n, int err) { g_faults = FaultPlan{0, n, err, false}; }
void reset() { g_faults = FaultPlan{}; }
long count() { return g_faults.count; }
bool fired() { return g_faults.fired; }
int check(Op) {
    if (++g_faults.count != g_faults.failAt) return 0;
    g_faults.fired = true;
    return g_faults.error;
}
}  // namespace faults

std::error_code lastError() { return g_lastError; }

std::optional<std::string> native(const std::string& path) {
    auto p = drives().resolve(path);
    if (!p) return std::nullopt;
    return p->string();
}

std::string join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

std::uint32_t getAttributes(const std::string& path) {
    auto p = native(path);
    if (!p) return fail(ENODEV), kInvalidAttributes;
    struct stat st{};
    if (::stat(p->c_str(), &st) != 0) return fail(errno), kInvalidAttributes;
    std::uint32_t attrs = readDosAttrib(*p) & kHidden;
    if (S_ISDIR(st.st_mode)) attrs |= kDirectory;
    if (!(st.st_mode & S_IWUSR)) attrs |= kReadOnly;
    if (attrs == 0) attrs = kNormal;
    ok();
    return attrs;
}

bool setAttributes(const std::string& path, std::uint32_t attributes) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    struct stat st{};
    if (::stat(p->c_str(), &st) != 0) return fail(errno);
    const mode_t was = st.st_mode & 07777;
    mode_t now = was;
    const mode_t mode =
        (attributes & kReadOnly) ? (was & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (was | S_IWUSR);
    // Only a writer may change user.* attributes, so the mark changes while the owner may write.
    const std::uint32_t oldDos = readDosAttrib(*p);
    const std::uint32_t dos = (oldDos & ~kHidden) | (attributes & kHidden);
    if (dos == oldDos && mode == was) return ok();
    if (int err = faults::check(faults::Op::SetAttributes)) return fail(err);
    if (dos != oldDos) {
        if (!(now & S_IWUSR)) {
            if (::chmod(p->c_str(), now | S_IWUSR) != 0) return fail(errno);
            now |= S_IWUSR;
        }
        if (!writeDosAttrib(*p, dos)) {
            int err = errno;
            ::chmod(p->c_str(), was);
            return fail(err);
        }
    }
    if (mode != now && ::chmod(p->c_str(), mode) != 0) return fail(errno);
    return ok();
}

bool exists(const std::string& path) {
    auto p = native(path);
    struct stat st{};
    return p && ::stat(p->c_str(), &st) == 0;
}

bool sameFile(const std::string& a, const std::string& b) {
    auto pa = native(a);
    auto pb = native(b);
    struct stat sa{}, sb{};
    return pa && pb && ::stat(pa->c_str(), &sa) == 0 && ::stat(pb->c_str(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool isFolder(const std::string& path) {
    auto p = native(path);
    struct stat st{};
    return p && ::stat(p->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isReadOnly(const std::string& path) {
    std::uint32_t a = getAttributes(path);
    return a != kInvalidAttributes && (a & kReadOnly);
}

bool createFolder(const std::string& path) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    if (int err = faults::check(faults::Op::Create)) return fail(err);
    if (::mkdir(p->c_str(), 0777) != 0) return fail(errno);
    return ok();
}

bool deleteFile(const std::string& path) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    struct stat st{};
    if (::lstat(p->c_str(), &st) != 0) return fail(errno);
    if (S_ISDIR(st.st_mode)) return fail(EISDIR);
    if (!S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) return fail(EACCES);
    if (int err = faults::check(faults::Op::Delete)) return fail(err);
    if (::unlink(p->c_str()) != 0) return fail(errno);
    return ok();
}

bool removeFolder(const std::string& path) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    if (int err = faults::check(faults::Op::Delete)) return fail(err);
    if (::rmdir(p->c_str()) != 0) return fail(errno);
    return ok();
}

bool renameNoReplace(const std::string& from, const std::string& to) {
    auto a = native(from);
    auto b = native(to);
    if (!a || !b) return fail(ENODEV);
    if (int err = faults::check(faults::Op::Rename)) return fail(err);
    if (::renameat2(AT_FDCWD, a->c_str(), AT_FDCWD, b->c_str(), RENAME_NOREPLACE) == 0) return ok();
    if (errno != EINVAL && errno != ENOSYS) return fail(errno);
    // File systems without RENAME_NOREPLACE: a hard link refuses an existing name too.
    struct stat st{};
    if (::lstat(b->c_str(), &st) == 0) return fail(EEXIST);
    if (::rename(a->c_str(), b->c_str()) != 0) return fail(errno);
    return ok();
}

std::optional<std::vector<Entry>> listFolder(const std::string& path) {
    auto p = native(path);
    if (!p) return fail(ENODEV), std::nullopt;
    DIR* dir = ::opendir(p->c_str());
    if (!dir) return fail(errno), std::nullopt;
    std::vector<Entry> entries;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st{};
        bool folder = ::lstat((*p + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        entries.push_back({name, folder});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& x, const Entry& y) { return x.name < y.name; });
    ok();
    return entries;
}

std::optional<std::string> readFile(const std::string& path, std::size_t maxBytes) {
    auto p = native(path);
    if (!p) return fail(ENODEV), std::nullopt;
    int fd = ::open(p->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return fail(errno), std::nullopt;
    struct stat st{};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        return fail(err), std::nullopt;
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return fail(EISDIR), std::nullopt;
    }
    if (static_cast<std::size_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return fail(EFBIG), std::nullopt;
    }
    std::string data;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            return fail(err), std::nullopt;
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
        if (data.size() > maxBytes) {  // grew while being read
            ::close(fd);
            return fail(EFBIG), std::nullopt;
        }
    }
    ::close(fd);
    ok();
    return data;
}

bool writeNewFile(const std::string& path, std::string_view bytes) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    if (int err = faults::check(faults::Op::Create)) return fail(err);
    int fd = ::open(p->c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) return fail(errno);
    int err = faults::check(faults::Op::Write);
    if (!err && !writeAll(fd, bytes)) err = errno;
    if (!err) err = faults::check(faults::Op::Flush);
    if (err) {
        ::close(fd);
        return fail(err);
    }
    if (::close(fd) != 0) return fail(errno);
    return ok();
}

bool replaceAtomically(const std::string& path, std::string_view bytes) {
    auto p = native(path);
    if (!p) return fail(ENODEV);
    // A settings file that is a link is replaced where the link leads; the link stays.
    char target[PATH_MAX];
    if (::realpath(p->c_str(), target) != nullptr) *p = target;
    struct stat old{};
    bool hadOld = ::stat(p->c_str(), &old) == 0;
    if (hadOld && !(old.st_mode & S_IWUSR)) return fail(EACCES);
    if (hadOld && !S_ISREG(old.st_mode)) return fail(EISDIR);

    std::string tmp = *p + ".wkstmp-XXXXXX";
    if (int err = faults::check(faults::Op::Create)) return fail(err);
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return fail(errno);
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return fail(err);
    };
    mode_t mode = hadOld ? (old.st_mode & 07777) : 0666 & ~[] {
        mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    if (int err = faults::check(faults::Op::SetAttributes)) return abandon(err);
    if (::fchmod(fd, mode) != 0) return abandon(errno);
    if (const std::uint32_t dos = hadOld ? readDosAttrib(*p) : 0; dos != 0) {
        if (int err = faults::check(faults::Op::SetAttributes)) return abandon(err);
        if (!writeDosAttrib(tmp, dos)) return abandon(errno);
    }
    if (int err = faults::check(faults::Op::Write)) return abandon(err);
    if (!writeAll(fd, bytes)) return abandon(errno);
    if (int err = faults::check(faults::Op::Flush)) return abandon(err);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        return fail(err);
    }
    int err = faults::check(faults::Op::Rename);
    if (!err && ::rename(tmp.c_str(), p->c_str()) != 0) err = errno;
    if (err) {
        ::unlink(tmp.c_str());
        return fail(err);
    }
    // The new name reaches the disk too, before anyone is told that the file is saved and
    // takes the card out. Not every file system can sync a folder; the file itself is safe.
    const std::string folder = p->substr(0, p->find_last_of('/') + 1);
    if (int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return ok();
}

}  // namespace wks::files
