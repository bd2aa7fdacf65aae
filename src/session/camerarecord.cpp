// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/camerarecord.h"

#include "session/camerarules.h"

namespace wks {
namespace {

// The position of the last checked button; -1 when none is.
std::int32_t checkedPosition(const std::vector<bool>& buttons) {
    std::int32_t position = -1;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]) position = static_cast<std::int32_t>(i);
    }
    return position;
}

}  // namespace

void CameraRecordEditor::openGameCall() {
    if (state_.cameraParams.GameCall == 1) {
        screenAudio_ = CUtil::TrimToLength(state_.gameCallAudioPath, -1);
        if (screenAudio_.empty()) screenAudio_ = kAudioHint;
    } else {
        screenAudio_ = kAudioHint;
        state_.gameCallAudioPath.clear();
    }
}

bool CameraRecordEditor::openClock() {
    if (!clockValid(state_.cameraParams)) state_.clockFollowsPc = true;
    return state_.clockFollowsPc;
}

void CameraRecordEditor::store(const CameraChoices& c) {
    CameraParams& p = state_.cameraParams;
    for (const ListChoice& l : c.lists) p.*l.field = valueOf(l.position, l.offset);
    if (c.gameCallOn) {
        if (*c.gameCallOn && !screenAudio_.empty() && screenAudio_ != kAudioHint) {
            state_.gameCallAudioPath = CUtil::TrimToLength(screenAudio_, -1);
        } else {
            screenAudio_.clear();
            state_.gameCallAudioPath.clear();
        }
    }
    if (c.days) {
        p.WorkDay = 0;
        for (std::size_t d = 0; d < c.days->size(); ++d) {
            if ((*c.days)[d]) p.WorkDay |= kDayBits[d];
        }
    }
    if (c.sendTo) p.SendTo = checkedPosition(*c.sendTo);
    if (c.sendMode) p.SendMode = checkedPosition(*c.sendMode);

    if (c.setClock) {
        state_.clockFollowsPc = true;
        return;
    }
    p.setClock(c.pickers);
    state_.clockFollowsPc = !clockValid(p);
}

}  // namespace wks
