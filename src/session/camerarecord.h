// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a camera screen changes in the shared state, apart from any widget: on opening (the
// game call's audio file, the clock flag), when Game Call is switched off, and on a confirmed
// OK, given what the screen's controls hold. The screen reads its controls into CameraChoices
// and hands them over; a test hands over plain values.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/appstate.h"
#include "util/cutil.h"

namespace wks {

struct ListChoice {
    std::int32_t CameraParams::*field;
    std::int32_t offset;  // the code of the list's first item
    int position;         // -1: nothing selected
};

// The screen's controls at OK; a group the screen does not have stays empty.
struct CameraChoices {
    std::vector<ListChoice> lists;              // every list, enabled or not
    std::optional<bool> gameCallOn;             // the Game Call list is at "ON"
    std::optional<std::array<bool, 7>> days;    // the day boxes, Sunday first
    std::optional<std::vector<bool>> sendTo;    // the Send To buttons, when they are buttons
    std::optional<std::vector<bool>> sendMode;  // the Send Mode buttons
    bool setClock = false;                      // "Set Clock" ticked
    DateTimeRecord pickers{};                   // the date and time pickers
};

class CameraRecordEditor {
  public:
    explicit CameraRecordEditor(AppState& state) : state_(state) {}

    // Opening a screen with a game call: with the record's Game Call exactly 1 the screen
    // shows the remembered file (trimmed), or the hint when there is none; otherwise the hint,
    // and the remembered file is forgotten.
    void openGameCall();
    // Game Call switched to OFF forgets the remembered file; the screen's own path stays, so
    // switching on again and confirming keeps it.
    void gameCallOff() { state_.gameCallAudioPath.clear(); }
    const std::string& screenAudio() const { return screenAudio_; }
    void setScreenAudio(std::string path) { screenAudio_ = std::move(path); }

    // Opening: a record clock that is no valid date and time makes the camera follow the
    // computer's clock. Returns the flag.
    bool openClock();

    // OK: every list by its position, the audio file, the work days, the two button groups
    // (the last checked button counts) and the clock with its flag.
    void store(const CameraChoices& choices);

  private:
    AppState& state_;
    std::string screenAudio_;
};

}  // namespace wks
