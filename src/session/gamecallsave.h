// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game call's save as the user sees it: the placement's steps in turn, each step's
// messages shown before the next starts, the rename question asked between them.

#include <string>

#include "audio/gamecall.h"
#include "platform/process.h"

namespace wks {

// Converts gameCallAudioPath onto the card that holds savePath (see GameCallPlacement),
// showing its messages and asking its question with the prompter in force.
GameCallResult SaveGameCallAudio(const std::string& savePath, const std::string& gameCallAudioPath,
                                 ProcessRunner& runner);

}  // namespace wks
