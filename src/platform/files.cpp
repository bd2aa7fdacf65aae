// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
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
#include "platform/folderlock.h"

namespace wks::files {
namespace {

// Reasons of our own, where no errno says it.
enum class Reason { OutsideDrive = 1, NotAFile, NoAnswer };

class ReasonCategory : public std::error_category {
  public:
    const char* name() const noexcept override { return "wks-files"; }
    std::string message(int reason) const override {
        switch (static_cast<Reason>(reason)) {
            case Reason::OutsideDrive:
                return "a link leads outside the drive";
            case Reason::NotAFile:
                return "not a regular file";
            case Reason::NoAnswer:
                return "the drive did not answer in time";
        }
        return "unknown reason";
    }
};

std::error_code failure(Reason reason) {
    static const ReasonCategory category;
    return std::error_code(static_cast<int>(reason), category);
}

std::error_code failure(int err) { return std::error_code(err, std::generic_category()); }

constexpr const char* kDosAttrib = "user.DOSATTRIB";

// Samba and Wine keep DOS attributes as "0x<hex>" in this extended attribute.
std::uint32_t readDosAttrib(const std::string& p) {
    char buf[64] = {};
    ssize_t n = ::getxattr(p.c_str(), kDosAttrib, buf, sizeof buf - 1);
    if (n <= 0) return 0;
    return static_cast<std::uint32_t>(std::strtoul(buf, nullptr, 0));
}

// A card that cannot keep modes or extended attributes (FAT through FUSE, some shares)
// refuses the change with one of these.
bool unsupported(int err) {
    return err == ENOTSUP || err == EOPNOTSUPP || err == ENOSYS || err == EPERM;
}

bool writeDosAttrib(const std::string& p, std::uint32_t attrs) {
    if (attrs == 0) {
        if (::removexattr(p.c_str(), kDosAttrib) == 0 || errno == ENODATA) return true;
        return errno == ENOTSUP || errno == ENOSYS;  // nowhere to keep it: hidden is not kept
    }
    char buf[16];
    int n = std::snprintf(buf, sizeof buf, "0x%x", attrs);
    if (::setxattr(p.c_str(), kDosAttrib, buf, static_cast<size_t>(n), 0) == 0) return true;
    return errno == ENOTSUP || errno == ENOSYS;
}

bool inside(const std::string& real, const std::string& root) {
    if (real.compare(0, root.size(), root) != 0) return false;
    return real.size() == root.size() || root.back() == '/' || real[root.size()] == '/';
}

enum class Last { Follow, Keep };

// The native form of a path. A drive path must stay inside its drive's folder through every
// link it passes (its last part's too, when the operation follows it): a card's "GSM" that
// leads elsewhere on the computer is never written through.
Result<std::string> nativeInside(const std::string& path, Last last) {
    // Nothing is asked of a drive that did not answer its examination: it might never answer.
    if (DriveTable::isDrivePath(path) && drives().isSilent(path[0])) {
        return failure(Reason::NoAnswer);
    }
    std::filesystem::path present;
    auto p = drives().resolve(path, &present);
    if (!p) return failure(ENODEV);
    if (!DriveTable::isDrivePath(path)) return p->string();
    const std::filesystem::path folder = *drives().folderOf(path[0]);
    char root[PATH_MAX], real[PATH_MAX];
    if (!::realpath(folder.c_str(), root)) return failure(errno);
    std::filesystem::path probe = (last == Last::Keep && *p != folder) ? p->parent_path() : *p;
    // The deepest part that exists tells where the path leads; none past what resolving
    // found missing does.
    if (probe.native().size() > present.native().size()) probe = present;
    const auto resolves = [&](const std::filesystem::path& at) {
        if (at != folder) return ::realpath(at.c_str(), real) != nullptr;
        std::strcpy(real, root);  // the drive's folder leads where it did a moment ago
        return true;
    };
    while (!resolves(probe)) {
        if (errno != ENOENT && errno != ENOTDIR) return p->string();  // the operation says why
        struct stat st {};
        // There, but it does not resolve: a link to nothing.
        if (::lstat(probe.c_str(), &st) == 0) return failure(ENOENT);
        if (probe == folder || !probe.has_relative_path()) return p->string();
        probe = probe.parent_path();
    }
    if (!inside(real, root)) return failure(Reason::OutsideDrive);
    return p->string();
}

// Removes what a killed replacement of `name` left in `folder`: "<name>.wkstmp-XXXXXX".
// The caller holds the folder's lock, so no running replacement is writing one.
void removeLeftoversIn(const std::string& folder, const std::string& name) {
    const std::string prefix = name + ".wkstmp-";
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return;
    std::vector<std::string> gone;
    while (const dirent* e = ::readdir(dir)) {
        const std::string entry = e->d_name;
        if (entry.size() != prefix.size() + 6) continue;
        if (std::equal(prefix.begin(), prefix.end(), entry.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) ==
                       std::tolower(static_cast<unsigned char>(b));
            })) {
            gone.push_back(entry);
        }
    }
    ::closedir(dir);
    for (const auto& entry : gone) ::unlink((folder + "/" + entry).c_str());
}

std::pair<std::string, std::string> splitNative(const std::string& p) {
    const auto slash = p.find_last_of('/');
    if (slash == std::string::npos) return {"", p};
    return {slash == 0 ? "/" : p.substr(0, slash), p.substr(slash + 1)};
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

// The new name reaches the disk too, before anyone is told that the file is saved and takes
// the card out: the folder is flushed. A file system that cannot flush a folder says so
// (EINVAL, ENOTSUP, ENOSYS, EROFS), and that is no failure; any other error is.
int syncFolder(const std::string& folder) {
    if (int err = faults::check(faults::Op::Flush)) return err;
    int dir = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return errno;
    int err = ::fsync(dir) == 0 ? 0 : errno;
    if (err == EINVAL || err == ENOTSUP || err == ENOSYS || err == EROFS) err = 0;
    if (::close(dir) != 0 && !err) err = errno;
    return err;
}

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

Result<std::string> native(const std::string& path) { return nativeInside(path, Last::Follow); }
Result<std::string> nativeName(const std::string& path) { return nativeInside(path, Last::Keep); }

std::string join(const std::string& folder, const std::string& name) {
    if (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) return folder + name;
    return folder + "\\" + name;
}

std::uint32_t getAttributes(const std::string& path) {
    auto p = native(path);
    if (!p) return kInvalidAttributes;
    struct stat st {};
    if (::stat(p->c_str(), &st) != 0) return kInvalidAttributes;
    std::uint32_t attrs = readDosAttrib(*p) & kHidden;
    if (S_ISDIR(st.st_mode)) attrs |= kDirectory;
    if (!(st.st_mode & S_IWUSR)) attrs |= kReadOnly;
    if (attrs == 0) attrs = kNormal;
    return attrs;
}

Status setAttributes(const std::string& path, std::uint32_t attributes) {
    auto p = native(path);
    if (!p) return p.error();
    struct stat st {};
    if (::stat(p->c_str(), &st) != 0) return failure(errno);
    const mode_t was = st.st_mode & 07777;
    mode_t now = was;
    const mode_t mode =
        (attributes & kReadOnly) ? (was & ~mode_t(S_IWUSR | S_IWGRP | S_IWOTH)) : (was | S_IWUSR);
    // Only a writer may change user.* attributes, so the mark changes while the owner may write.
    const std::uint32_t oldDos = readDosAttrib(*p);
    const std::uint32_t dos = (oldDos & ~kHidden) | (attributes & kHidden);
    if (dos == oldDos && mode == was) return {};
    if (int err = faults::check(faults::Op::SetAttributes)) return failure(err);
    if (dos != oldDos) {
        if (!(now & S_IWUSR)) {
            if (::chmod(p->c_str(), now | S_IWUSR) != 0) return failure(errno);
            now |= S_IWUSR;
        }
        if (!writeDosAttrib(*p, dos)) {
            int err = errno;
            ::chmod(p->c_str(), was);
            return failure(err);
        }
    }
    if (mode != now && ::chmod(p->c_str(), mode) != 0) return failure(errno);
    return {};
}

bool exists(const std::string& path) {
    auto p = native(path);
    struct stat st {};
    return p && ::stat(p->c_str(), &st) == 0;
}

bool sameFile(const std::string& a, const std::string& b) {
    auto pa = native(a);
    auto pb = native(b);
    struct stat sa {
    }, sb{};
    return pa && pb && ::stat(pa->c_str(), &sa) == 0 && ::stat(pb->c_str(), &sb) == 0 &&
           sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

bool isFolder(const std::string& path) {
    auto p = native(path);
    struct stat st {};
    return p && ::stat(p->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isFile(const std::string& path) {
    auto p = native(path);
    struct stat st {};
    return p && ::stat(p->c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool isLink(const std::string& path) {
    auto p = nativeInside(path, Last::Keep);
    struct stat st {};
    return p && ::lstat(p->c_str(), &st) == 0 && S_ISLNK(st.st_mode);
}

bool isReadOnly(const std::string& path) {
    std::uint32_t a = getAttributes(path);
    return a != kInvalidAttributes && (a & kReadOnly);
}

Status createFolder(const std::string& path) {
    auto p = nativeInside(path, Last::Keep);
    if (!p) return p.error();
    if (int err = faults::check(faults::Op::Create)) return failure(err);
    if (::mkdir(p->c_str(), 0777) != 0) return failure(errno);
    return {};
}

Status deleteFile(const std::string& path) {
    auto p = nativeInside(path, Last::Keep);
    if (!p) return p.error();
    struct stat st {};
    if (::lstat(p->c_str(), &st) != 0) return failure(errno);
    if (S_ISDIR(st.st_mode)) return failure(EISDIR);
    if (!S_ISLNK(st.st_mode) && !(st.st_mode & S_IWUSR)) return failure(EACCES);
    if (int err = faults::check(faults::Op::Delete)) return failure(err);
    if (::unlink(p->c_str()) != 0) return failure(errno);
    return {};
}

Status removeFolder(const std::string& path) {
    auto p = nativeInside(path, Last::Keep);
    if (!p) return p.error();
    struct stat st {
    }, target{};
    const bool link = ::lstat(p->c_str(), &st) == 0 && S_ISLNK(st.st_mode);
    if (link && (::stat(p->c_str(), &target) != 0 || !S_ISDIR(target.st_mode))) {
        return failure(ENOTDIR);
    }
    if (int err = faults::check(faults::Op::Delete)) return failure(err);
    // A link to a folder is removed as a link; what it leads to is not touched.
    if ((link ? ::unlink(p->c_str()) : ::rmdir(p->c_str())) != 0) return failure(errno);
    return {};
}

Status renameNoReplace(const std::string& from, const std::string& to) {
    auto a = nativeInside(from, Last::Keep);
    if (!a) return a.error();
    auto b = nativeInside(to, Last::Keep);
    if (!b) return b.error();
    if (int err = faults::check(faults::Op::Rename)) return failure(err);
    if (::renameat2(AT_FDCWD, a->c_str(), AT_FDCWD, b->c_str(), RENAME_NOREPLACE) == 0) return {};
    if (errno != EINVAL && errno != ENOSYS) return failure(errno);
    // File systems without RENAME_NOREPLACE: a hard link refuses an existing name too.
    struct stat st {};
    if (::lstat(b->c_str(), &st) == 0) return failure(EEXIST);
    if (::rename(a->c_str(), b->c_str()) != 0) return failure(errno);
    return {};
}

Result<std::vector<Entry>> listFolder(const std::string& path) {
    auto p = native(path);
    if (!p) return p.error();
    DIR* dir = ::opendir(p->c_str());
    if (!dir) return failure(errno);
    std::vector<Entry> entries;
    while (dirent* e = ::readdir(dir)) {
        std::string name = e->d_name;
        if (name == "." || name == "..") continue;
        struct stat st {};
        bool folder = ::lstat((*p + "/" + name).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
        entries.push_back({name, folder});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const Entry& x, const Entry& y) { return x.name < y.name; });
    return entries;
}

Result<std::string> readFile(const std::string& path, std::size_t maxBytes) {
    auto p = native(path);
    if (!p) return p.error();
    // Not blocking: a FIFO or device at the path is refused, not waited on.
    int fd = ::open(p->c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failure(errno);
    struct stat st {};
    if (::fstat(fd, &st) != 0) {
        int err = errno;
        ::close(fd);
        return failure(err);
    }
    if (!S_ISREG(st.st_mode)) {
        ::close(fd);
        return S_ISDIR(st.st_mode) ? failure(EISDIR) : failure(Reason::NotAFile);
    }
    if (static_cast<std::size_t>(st.st_size) > maxBytes) {
        ::close(fd);
        return failure(EFBIG);
    }
    std::string data;
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            return failure(err);
        }
        if (n == 0) break;
        data.append(buf, static_cast<std::size_t>(n));
        if (data.size() > maxBytes) {  // grew while being read
            ::close(fd);
            return failure(EFBIG);
        }
    }
    ::close(fd);
    return data;
}

Status writeNewFile(const std::string& path, std::string_view bytes) {
    auto p = native(path);
    if (!p) return p.error();
    if (int err = faults::check(faults::Op::Create)) return failure(err);
    // Not blocking, and nothing cut before the type is known: only a regular file is written.
    int fd = ::open(p->c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return errno == ENXIO ? failure(Reason::NotAFile) : failure(errno);  // a FIFO unread
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return failure(Reason::NotAFile);
    }
    int err = ::ftruncate(fd, 0) == 0 ? faults::check(faults::Op::Write) : errno;
    if (!err && !writeAll(fd, bytes)) err = errno;
    if (!err) err = faults::check(faults::Op::Flush);
    if (err) {
        ::close(fd);
        return failure(err);
    }
    if (::close(fd) != 0) return failure(errno);
    return {};
}

Status replaceAtomically(const std::string& path, std::string_view bytes, LinkAtPath link,
                         std::size_t maxBytes) {
    // Nothing is written that a read would refuse.
    if (bytes.size() > maxBytes) return failure(EFBIG);
    const bool follow = link == LinkAtPath::Follow;
    auto p = nativeInside(path, follow ? Last::Follow : Last::Keep);
    if (!p) return p.error();
    // A settings file that is a link is replaced where the link leads; the link stays.
    char target[PATH_MAX];
    if (follow && ::realpath(p->c_str(), target) != nullptr) *p = target;
    const auto [folder, name] = splitNative(*p);
    // Held from the leftovers' removal to the rename, so a running replacement's temporary
    // file is never taken for a leftover.
    FolderLock lock(folder.empty() ? "." : folder);
    removeLeftoversIn(folder, name);
    struct stat old {};
    const bool linkReplaced = !follow && ::lstat(p->c_str(), &old) == 0 && S_ISLNK(old.st_mode);
    const bool hadOld = !linkReplaced && ::stat(p->c_str(), &old) == 0;
    if (hadOld && S_ISDIR(old.st_mode)) return failure(EISDIR);
    if (hadOld && !S_ISREG(old.st_mode)) return failure(Reason::NotAFile);
    if (hadOld && !(old.st_mode & S_IWUSR)) return failure(EACCES);

    std::string tmp = *p + ".wkstmp-XXXXXX";
    if (int err = faults::check(faults::Op::Create)) return failure(err);
    int fd = ::mkstemp(tmp.data());
    if (fd < 0) return failure(errno);
    auto abandon = [&](int err) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return failure(err);
    };
    mode_t mode = hadOld ? (old.st_mode & 07777) : 0666 & ~[] {
        mode_t m = ::umask(0);
        ::umask(m);
        return m;
    }();
    // The file keeps its owner and group; who may not give them is refused, as for a
    // read-only file, rather than taking the file over.
    struct stat made {};
    if (::fstat(fd, &made) != 0) return abandon(errno);
    if (hadOld && (made.st_uid != old.st_uid || made.st_gid != old.st_gid) &&
        ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        return abandon(errno == EPERM ? EACCES : errno);
    }
    // Modes and attributes that the card cannot keep are left as the card gives them.
    int modeErr = faults::check(faults::Op::SetAttributes);
    if (!modeErr && ::fchmod(fd, mode) != 0) modeErr = errno;
    if (modeErr && !unsupported(modeErr)) return abandon(modeErr);
    if (const std::uint32_t dos = hadOld ? readDosAttrib(*p) : 0; dos != 0) {
        int err = faults::check(faults::Op::SetAttributes);
        if (!err && !writeDosAttrib(tmp, dos)) err = errno;
        if (err && !unsupported(err)) return abandon(err);
    }
    if (int err = faults::check(faults::Op::Write)) return abandon(err);
    if (!writeAll(fd, bytes)) return abandon(errno);
    if (int err = faults::check(faults::Op::Flush)) return abandon(err);
    if (::fsync(fd) != 0) return abandon(errno);
    if (::close(fd) != 0) {
        int err = errno;
        ::unlink(tmp.c_str());
        return failure(err);
    }
    int err = faults::check(faults::Op::Rename);
    if (!err && ::rename(tmp.c_str(), p->c_str()) != 0) err = errno;
    if (err) {
        ::unlink(tmp.c_str());
        return failure(err);
    }
    if (int err = syncFolder(folder)) return failure(err);
    return {};
}

Status moveInPlace(const std::string& from, const std::string& to) {
    auto a = nativeInside(from, Last::Keep);
    if (!a) return a.error();
    auto b = nativeInside(to, Last::Keep);
    if (!b) return b.error();
    // Opened without following a link, so what is flushed is what the rename moves.
    int fd = ::open(a->c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return errno == ELOOP ? failure(Reason::NotAFile) : failure(errno);
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : S_ISREG(st.st_mode) ? 0 : -1;
    if (!err) err = faults::check(faults::Op::Flush);
    if (!err && ::fsync(fd) != 0) err = errno;
    if (::close(fd) != 0 && !err) err = errno;
    if (err) return err < 0 ? failure(Reason::NotAFile) : failure(err);
    if (int fault = faults::check(faults::Op::Rename)) return failure(fault);
    if (::rename(a->c_str(), b->c_str()) != 0) return failure(errno);
    if (int fault = syncFolder(splitNative(*b).first)) return failure(fault);
    return {};
}

void removeLeftovers(const std::string& path) {
    auto p = native(path);
    if (!p) return;
    const auto [folder, name] = splitNative(*p);
    FolderLock lock(folder.empty() ? "." : folder);
    removeLeftoversIn(folder, name);
}

}  // namespace wks::files
