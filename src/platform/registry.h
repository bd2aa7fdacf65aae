// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The registry calls the program uses, with their Win32 results, over a folder tree: the
// machine-wide hive is $XDG_DATA_HOME/wks-config/registry/HKEY_LOCAL_MACHINE/, a key is a
// folder under it (its path written as the program spells it), and a key's default string
// value is the file "@" inside the key's folder, holding the text without a terminating NUL.
// On Linux the system's machine-wide places are not writable for an ordinary user, so the
// hive lives in the user's data folder.

#include <cstdint>
#include <filesystem>

using DWORD = std::uint32_t;
using LONG = std::int32_t;
using PLONG = LONG*;

struct HKEY__;
using HKEY = HKEY__*;
using PHKEY = HKEY*;

// The machine-wide hive. Never closed; closing it succeeds and does nothing.
extern const HKEY HKEY_LOCAL_MACHINE;

inline constexpr DWORD REG_SZ = 1;

inline constexpr LONG ERROR_SUCCESS = 0;
inline constexpr LONG ERROR_FILE_NOT_FOUND = 2;
inline constexpr LONG ERROR_ACCESS_DENIED = 5;
inline constexpr LONG ERROR_INVALID_HANDLE = 6;
inline constexpr LONG ERROR_WRITE_FAULT = 29;
inline constexpr LONG ERROR_DISK_FULL = 112;
inline constexpr LONG ERROR_INVALID_PARAMETER = 87;
inline constexpr LONG ERROR_MORE_DATA = 234;
inline constexpr LONG ERROR_KEY_DELETED = 1018;

// Opens the key subKey under key, making it and every missing key above it. An empty or null
// subKey opens key itself again. Key names must not be empty, ".", ".." or "@", nor hold "/".
[[nodiscard]] LONG RegCreateKeyA(HKEY key, const char* subKey, PHKEY result);

// Sets the default value of subKey under key (made when missing; key itself when subKey is
// empty or null) to the text data. Only REG_SZ is taken; size is ignored, as the text's own
// length counts. The value is replaced atomically.
[[nodiscard]] LONG RegSetValueA(HKEY key, const char* subKey, DWORD type, const char* data,
                                DWORD size);

// Reads the default value of subKey under key. *size is the buffer's size in, the bytes
// needed out (the text and its NUL); a key without a value reads as the empty text. With a
// null data only the size is reported. A buffer too small gives ERROR_MORE_DATA and leaves
// the buffer alone. A missing key gives ERROR_FILE_NOT_FOUND.
[[nodiscard]] LONG RegQueryValueA(HKEY key, const char* subKey, char* data, PLONG size);

// Deletes subKey under key with its value. A key that has subkeys is not deleted
// (ERROR_ACCESS_DENIED). subKey must name a key.
[[nodiscard]] LONG RegDeleteKeyA(HKEY key, const char* subKey);

LONG RegCloseKey(HKEY key);

namespace wks {
// The folder of the machine-wide hive: $XDG_DATA_HOME/wks-config/registry/HKEY_LOCAL_MACHINE.
std::filesystem::path registryHive();
}  // namespace wks
