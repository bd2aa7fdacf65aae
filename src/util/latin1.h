// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A settings file holds Latin-1 bytes, one per character; terminals and camera lists speak UTF-8.

#include <optional>
#include <string>
#include <string_view>

namespace wks {

// The Latin-1 bytes of UTF-8 text; nothing when it is no UTF-8 or holds a character that
// Latin-1 cannot hold.
std::optional<std::string> latin1FromUtf8(std::string_view utf8);

}  // namespace wks
