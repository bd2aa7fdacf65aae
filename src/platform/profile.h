// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Private-profile (INI) files with the behaviour of the Win32 calls of the same names.
// Both primitives work on ProfileDocument, which whole-file operations use directly: load
// once, apply the key writes in order, replace the file once.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/files.h"

using DWORD = std::uint32_t;
using BOOL = int;

// Copies the value of the first matching key of the first matching section (names compared
// without regard to case; blanks around the value removed, one pair of enclosing quotes dropped)
// into buffer, at most size - 1 bytes and a terminating zero, and returns the bytes copied.
// A missing file, section or key gives the default. A null section or key is not supported:
// the buffer is emptied and 0 returned.
DWORD GetPrivateProfileStringA(const char* section, const char* key, const char* defaultValue,
                               char* buffer, DWORD size, const char* path);

// Sets one value: a missing file is created (its folder must exist), a missing section is
// appended at the end, a missing key becomes the last entry of its section, an existing value is
// replaced in place; every other line keeps its bytes. A read-only file is refused. The file is
// replaced atomically. Null section, key or value is not supported and gives FALSE.
[[nodiscard]] BOOL WritePrivateProfileStringA(const char* section, const char* key,
                                              const char* value, const char* path);

namespace wks {

class ProfileDocument {
  public:
    static ProfileDocument parse(std::string_view bytes);
    // The document of the file at path (native or drive-letter). A missing file gives an empty
    // document; a file that cannot be read, or is larger than files::kMaxReadBytes, gives the
    // reason.
    static files::Result<ProfileDocument> load(const std::string& path);

    // The value as the read primitive sees it, before it is cut to a buffer; nothing when the
    // section or key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The read primitive's result for a buffer of `size` bytes: at most size - 1 bytes.
    std::string read(std::string_view section, std::string_view key, std::string_view defaultValue,
                     DWORD size) const;
    void write(std::string_view section, std::string_view key, std::string_view value);

    std::string serialize() const;
    // Replaces the file with this document atomically.
    files::Status save(const std::string& path) const;

    struct Entry {
        std::string section;
        std::string key;
        std::string value;  // as the read primitive sees it
        bool read;          // it is the entry a read of its section and key finds
    };
    // Every entry in file order, in one pass however large the file.
    std::vector<Entry> entries() const;
    // Keys of the first section of that name, in file order.
    std::vector<std::string> keys(std::string_view section) const;

  private:
    struct Line {
        std::string text;
        std::string eol;        // "\r\n", "\n", or "" for a last line without one
        std::u16string wide{};  // a UTF-16 file's line that Latin-1 cannot hold, as it was read
    };
    // A file saved as "Unicode" (UTF-16 with a byte-order mark) is read as Latin-1 text, as the
    // ANSI calls read it, and written back in UTF-16.
    enum class Encoding { Ansi, Utf8Bom, Utf16LE, Utf16BE };
    void parseUtf16(std::string_view bytes);
    // [begin, end) of the first section of that name, begin being its header line.
    std::optional<std::pair<std::size_t, std::size_t>> findSection(std::string_view name) const;
    std::optional<std::size_t> findKey(std::size_t begin, std::size_t end,
                                       std::string_view key) const;
    void insertLine(std::size_t at, std::string text);

    std::vector<Line> lines_;
    Encoding encoding_ = Encoding::Ansi;
};

// WritePrivateProfileStringA with the reason of a failure.
files::Status writeProfileString(const char* section, const char* key, const char* value,
                                 const char* path);

}  // namespace wks
