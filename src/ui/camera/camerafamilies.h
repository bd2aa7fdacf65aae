// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the four camera screens differ in, as data: the control that shows each field as a
// list, the opening steps each family runs in its order, and its Send To buttons. Which fields
// a screen shows, in which order and with which options, comes from the family's key table in
// settings/.

#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "app/catalogue.h"
#include "settings/cameraparams.h"

namespace wks::ui::camera {

// The drop-down list that shows a field: the same objectNames on every screen that has it.
struct ListControl {
    std::int32_t CameraParams::*field;
    const char* control;     // objectName of the QComboBox
    const char* label;       // its QLabel's objectName: nullptr for "<control>Label",
                             // "" when it shares the label of the list before it
    const char* spokenName;  // when the label's words alone do not say it, or nullptr; the
                             // screen translates it
    // The value the list shows, when not the stored one.
    std::int32_t (*shown)(std::int32_t) = nullptr;
};

// The list control of a field, or nullptr when the field is shown otherwise (option buttons,
// day boxes, the clock pickers).
const ListControl* listControl(std::int32_t CameraParams::*field, bool sendToIsList);

// The opening steps; a family's list holds those it applies, in its order.
enum class Step {
    ModelRules,    // the Group 1 model check and adaptation
    Lists,         // every drop-down field from the record
    GameCall,      // Game Call enabling and the screen's audio file
    WorkHour,      // start and stop lists enabled by Work Hour
    WorkDay,       // day boxes and " Select All"
    SendTo,        // the Send To radio buttons
    SendMode,      // Send Time, Max Number and the Send Mode buttons
    Clock,         // the pickers, "Set Clock" and the one-second timer
    TimeLapsePir,  // Time Lapse and PIR Trigger may not both be OFF
};

struct FamilyScreen {
    std::vector<Step> opening;
    std::vector<const char*> sendToButtons;  // by position; empty when Send To is a list
};

const FamilyScreen& familyScreen(CameraFamily family);

// The objectNames every camera screen shares.
namespace controls {
inline constexpr const char* kOk = "okButton";
inline constexpr const char* kCancel = "cancelButton";
inline constexpr const char* kSetClock = "setClock";
inline constexpr const char* kClockDate = "clockDate";
inline constexpr const char* kClockTime = "clockTime";
inline constexpr const char* kClockTimer = "clockTimer";
inline constexpr const char* kSelectAll = "selectAll";
inline constexpr std::array<const char*, 7> kDays = {"sunday",   "monday", "tuesday", "wednesday",
                                                     "thursday", "friday", "saturday"};
inline constexpr std::array<const char*, 4> kSendModes = {"sendModeManual", "sendModeDailyReport",
                                                          "sendModeInstant", "sendModeOff"};
inline constexpr const char* kAddAudio = "addAudio";
inline constexpr const char* kAudioPath = "audioPath";
}  // namespace controls

}  // namespace wks::ui::camera
