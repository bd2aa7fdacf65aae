// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/gamecallsave.h"

#include "session/prompts.h"

namespace wks {
namespace {

// Shows the step's messages; the result when the step ended the game call.
std::optional<GameCallResult> shown(GameCallStep step) {
    for (const Message& message : step.messages) showMessage(message);
    return step.ended;
}

}  // namespace

GameCallResult SaveGameCallAudio(const std::string& savePath, const std::string& gameCallAudioPath,
                                 ProcessRunner& runner) {
    GameCallPlacement call(savePath, gameCallAudioPath);
    if (auto ended = shown(call.prepare())) return *ended;
    if (const std::optional<Message> question = call.renameQuestion()) {
        if (auto ended = shown(call.makeRoom(showMessage(*question)))) return *ended;
    }
    if (auto ended = shown(call.stage())) return *ended;
    return shown(call.convert(runner)).value_or(GameCallResult::Failed);
}

}  // namespace wks
