// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text for a terminal. Whatever came from outside — a folder name, a volume label, a file's
// value, a server's reply, a message that carries one — is printed through here, so that none
// of it can act on the terminal: a control character (C0, DEL and C1, such as ESC or the
// one-byte CSI U+009B) is printed as \xNN, one escape per byte it takes in the source.

#include <string>
#include <string_view>

namespace wks {

// Latin-1 bytes (a settings file's section, key or value, a server's reply) as UTF-8.
std::string printable(std::string_view latin1);
// UTF-8 text (a native path, a label, a message); a byte that is no part of a well-formed
// UTF-8 character is printed as \xNN too.
std::string printablePath(std::string_view utf8);
// The same for a message of several lines: its line breaks are kept.
std::string printableLines(std::string_view utf8);

}  // namespace wks
