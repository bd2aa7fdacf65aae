// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/realfolder.h"

#include "platform/drives.h"

namespace wks::cli {

std::string withRealFolder(const std::string& path, const RealPathOf& realPathOf) {
    const std::string real = realPathOf(path);
    return real.empty() || real == path ? path : path + " (" + real + ")";
}

Answer RealFolderPrompter::show(const Message& message) {
    Message named = message;
    std::vector<Text> lines;
    for (const std::string& value : message.text.args) {
        // A file or folder on a drive, not a bare drive root ("E:\").
        if (!DriveTable::isDrivePath(value) || value.size() <= 3) continue;
        const std::string line = withRealFolder(value, realPathOf_);
        if (line != value) lines.push_back(Text::verbatim(line));
    }
    named.notes.insert(named.notes.begin(), lines.begin(), lines.end());
    return shown_.show(named);
}

}  // namespace wks::cli
