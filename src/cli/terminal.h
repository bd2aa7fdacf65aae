// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text between the terminal and settings files. The terminal speaks UTF-8; a settings file
// holds Latin-1 bytes, one per character, as the screens keep them. Whatever a file or a path
// holds is printed through platform/terminaltext.h, so that it can never act on the terminal.

#include <optional>
#include <string>
#include <string_view>

#include "platform/terminaltext.h"
#include "util/latin1.h"

namespace wks::cli {

using wks::printable;
using wks::printablePath;

using wks::latin1FromUtf8;
// The same for a command-line value; UsageError naming `what` when it cannot be converted.
std::string latin1Argument(const std::string& what, const std::string& utf8);

}  // namespace wks::cli
