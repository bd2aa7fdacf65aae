// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text between the terminal and settings files. The terminal speaks UTF-8; a settings file
// holds Latin-1 bytes, one per character, as the screens keep them. Whatever a file or a path
// holds is printed so that it can never act on the terminal.

#include <optional>
#include <string>
#include <string_view>

namespace wks::cli {

// The Latin-1 bytes of UTF-8 text; nothing when it is no UTF-8 or holds a character that
// Latin-1 cannot hold.
std::optional<std::string> latin1FromUtf8(std::string_view utf8);
// The same for a command-line value; UsageError naming `what` when it cannot be converted.
std::string latin1Argument(const std::string& what, const std::string& utf8);

// Latin-1 bytes (a file's section, key or value) as UTF-8; control characters (C0, DEL and
// C1) as \xNN.
std::string printable(std::string_view latin1);
// A native path or a message for the terminal: C0 control characters and DEL as \xNN, every
// other byte as it is (file names are UTF-8 already).
std::string printablePath(std::string_view text);

}  // namespace wks::cli
