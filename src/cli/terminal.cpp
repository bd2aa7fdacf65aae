// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/terminal.h"

#include "cli/args.h"

namespace wks::cli {

std::string latin1Argument(const std::string& what, const std::string& utf8) {
    auto latin1 = latin1FromUtf8(utf8);
    if (!latin1) {
        throw UsageError(what +
                         " holds a character that the camera's files cannot hold (Latin-1 only)");
    }
    return *latin1;
}

}  // namespace wks::cli
