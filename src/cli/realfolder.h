// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Paths on drives as the command line names them: the program's own form, which its messages
// keep word for word, then where the file is on this computer, which a Linux user needs to
// find it: "E:\GSM\KT470RX.TXT (/media/anna/TRAILCAM/GSM/KT470RX.TXT)".

#include <functional>
#include <string>

#include "session/prompts.h"

namespace wks::cli {

// Where a drive path is on this computer; empty when that is not known.
using RealPathOf = std::function<std::string(const std::string& drivePath)>;

// "E:\GSM\KT470RX.TXT (/media/anna/TRAILCAM/GSM/KT470RX.TXT)", or the path alone when its real
// folder is not known. Not yet escaped for the terminal.
std::string withRealFolder(const std::string& path, const RealPathOf& realPathOf);

// Shows each message through another prompter, a line after its words naming each file on a
// drive that the words name, with its real folder.
class RealFolderPrompter : public Prompter {
  public:
    RealFolderPrompter(Prompter& shown, RealPathOf realPathOf)
        : shown_(shown), realPathOf_(std::move(realPathOf)) {}
    Answer show(const Message& message) override;
    std::optional<std::string> openFile(const OpenFileRequest& request) override {
        return shown_.openFile(request);
    }

  private:
    Prompter& shown_;
    RealPathOf realPathOf_;
};

}  // namespace wks::cli
