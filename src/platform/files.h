// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// File operations with the results a Windows program relies on. Every path may be a native
// path or a drive-letter path ("E:\GSM\X.TXT"), resolved through the drive table in force.
// An operation that changes something returns a Status, one that finds something a Result:
// each carries the reason of a failure with it, for the caller to report.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <utility>
#include <vector>

namespace wks::files {

inline constexpr std::uint32_t kInvalidAttributes = 0xFFFFFFFFu;
inline constexpr std::uint32_t kReadOnly = 0x01;
inline constexpr std::uint32_t kHidden = 0x02;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kNormal = 0x80;

// A settings file is under 2 KB; anything past this bound is not read.
inline constexpr std::size_t kMaxReadBytes = 1024 * 1024;

// Success, or the reason of a failure: an errno value, or a reason of this layer's own (a link
// that leads outside its drive, something that is no regular file).
class [[nodiscard]] Status {
  public:
    Status() = default;
    Status(std::error_code error) : error_(error) {}
    bool ok() const { return !error_; }
    explicit operator bool() const { return ok(); }
    const std::error_code& error() const { return error_; }
    std::string message() const { return error_.message(); }

  private:
    std::error_code error_;
};

// A value, or the reason there is none.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : value_(std::move(value)) {}
    Result(std::error_code error) : error_(error) {}
    Result(const Status& failed) : error_(failed.error()) {}
    bool has_value() const { return value_.has_value(); }
    explicit operator bool() const { return has_value(); }
    T& operator*() { return *value_; }
    const T& operator*() const { return *value_; }
    T* operator->() { return &*value_; }
    const T* operator->() const { return &*value_; }
    template <class U>
    T value_or(U&& otherwise) const {
        return value_.value_or(std::forward<U>(otherwise));
    }
    const std::error_code& error() const { return error_; }
    std::string message() const { return error_.message(); }

  private:
    std::optional<T> value_;
    std::error_code error_;
};

// Read-only is the absence of the owner's write bit; hidden is kept in the user.DOSATTRIB
// extended attribute where the file system has them.
std::uint32_t getAttributes(const std::string& path);
// Sets read-only and hidden as given; the directory bit is ignored.
Status setAttributes(const std::string& path, std::uint32_t attributes);

bool exists(const std::string& path);
// True when both paths lead to the same existing file, whatever letters or links lead there.
bool sameFile(const std::string& a, const std::string& b);
bool isFolder(const std::string& path);
bool isFile(const std::string& path);  // a regular file, or a link to one
bool isLink(const std::string& path);  // the path itself is a symbolic link
bool isReadOnly(const std::string& path);

Status createFolder(const std::string& path);  // fails when it exists or its parent is missing
// Fails on a read-only file, a folder, nothing there; a link goes as a link.
Status deleteFile(const std::string& path);
Status removeFolder(const std::string& path);                            // fails when not empty
Status renameNoReplace(const std::string& from, const std::string& to);  // never replaces

struct Entry {
    std::string name;
    bool folder = false;
};
// The entries of a folder, without "." and "..", sorted by name.
Result<std::vector<Entry>> listFolder(const std::string& path);

// Reads a whole file; fails past maxBytes (EFBIG) rather than reading it.
Result<std::string> readFile(const std::string& path, std::size_t maxBytes = kMaxReadBytes);
// Creates the file anew (replacing one that is there) and writes the bytes.
Status writeNewFile(const std::string& path, std::string_view bytes);
// Replaces the file's content in one step: a temporary file beside it is written, flushed and
// renamed over it, so the file is always either the old whole file or the new whole file.
// A read-only file, one whose owner or group this process may not keep, something that is no
// regular file, and bytes past `maxBytes` (the read bound unless told) are refused before
// anything is written. The
// file's owner, group, mode and hidden flag stay where the file system keeps them. What a
// killed replacement of the same file left beside it goes first. A file that is a link is
// replaced where the link leads, or, with LinkAtPath::Replace, the link itself is replaced.
enum class LinkAtPath { Follow, Replace };
Status replaceAtomically(const std::string& path, std::string_view bytes,
                         LinkAtPath link = LinkAtPath::Follow,
                         std::size_t maxBytes = kMaxReadBytes);
// Puts a finished file in place of another in one step, once its bytes are on the disk: `from`,
// which must be a regular file itself (no link), is flushed, renamed over `to` (a link there is
// replaced, never written through) and their folder is flushed. A failure before the rename
// leaves `to` as it was; one after it (the folder's flush) leaves the new file in place.
Status moveInPlace(const std::string& from, const std::string& to);
// Removes what killed replacements of the file left beside it, waiting for a running one.
void removeLeftovers(const std::string& path);

// The native form of a path; nothing when its drive letter has no folder or a link on the way
// leads outside the drive's folder. Operations that act on a link itself (delete, rename,
// remove a folder) let the last part be a link that leads out.
Result<std::string> native(const std::string& path);
// The same, but the last part may be a link that leads anywhere: the name of a program to run
// or a file to read, never one to write through.
Result<std::string> nativeName(const std::string& path);

// Failures on purpose, for tests: every operation above that changes something on disk
// (create, write, flush of a file or a folder, rename, delete, set attributes) is counted, and
// the chosen one fails.
namespace faults {
enum class Op { Create, Write, Flush, Rename, Delete, SetAttributes };
// The nth changing operation from now (n >= 1) fails with err (EIO, ENOSPC, EACCES ...);
// counting starts again at 0.
void failAt(long n, int err);
// Counting starts again at 0 and nothing fails.
void reset();
// The changing operations since the last failAt or reset.
long count();
// Whether the armed failure has happened.
bool fired();
// Called by each changing operation: the error to fail with, or 0.
int check(Op op);
}  // namespace faults

// Joins a Windows-form folder and a name with a backslash ("C:\WKS_TEMP" + "x" -> "C:\WKS_TEMP\x").
std::string join(const std::string& folder, const std::string& name);

}  // namespace wks::files
