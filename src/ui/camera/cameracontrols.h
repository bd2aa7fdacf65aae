// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What a camera screen hands the behaviour the four share: its opening steps in its order and
// its controls, taken from the members of its layout's generated class (ui->photoSize), so a
// control the layout lacks fails the build. Which fields a screen shows, in which order and
// with which options, comes from the family's key table in settings/.
//
// The groups that every screen having them lays out alike are read from the layout by the
// templates below; a screen lists its other drop-down lists and its Send To buttons itself.

#include <array>
#include <cstdint>
#include <vector>

#include "session/camerarules.h"
#include "settings/cameraparams.h"

class QAbstractButton;
class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

namespace wks::ui::camera {

// The opening steps; a family's list holds those it applies, in its order.
enum class Step {
    ModelCheck,    // the Group 1 screen's check that it was opened for one of its models
    Lists,         // every drop-down field from the record
    GameCall,      // Game Call enabling and the screen's audio file
    WorkHour,      // start and stop lists enabled by Work Hour
    WorkDay,       // day boxes and " Select All"
    SendTo,        // the Send To radio buttons
    SendMode,      // Send Time, Max Number and the Send Mode buttons
    Clock,         // the pickers, "Set Clock" and the one-second timer
    TimeLapsePir,  // Time Lapse and PIR Trigger may not both be OFF
};

// A drop-down list that shows a field of the record.
struct FieldList {
    std::int32_t CameraParams::*field;
    QComboBox* list;
    QLabel* label;
    const char* spokenName = nullptr;  // when the label's words alone do not say what it is
    bool part = false;  // the second part under the label, as a time's minutes beside its hours
    std::int32_t (*shown)(std::int32_t) = nullptr;  // the value it shows, when not the stored one
};

struct CameraControls {
    std::vector<Step> opening;
    std::vector<FieldList> lists;
    std::vector<QAbstractButton*> sendTo;        // by position; empty where Send To is a list
    std::array<QAbstractButton*, 4> sendMode{};  // Manual, Daily Report, Instant, Off
    QCheckBox* selectAll = nullptr;
    std::array<QCheckBox*, 7> days{};  // Sunday first
    QAbstractButton* addAudio = nullptr;
    QLineEdit* audioPath = nullptr;
    QCheckBox* setClock = nullptr;
    QDateEdit* clockDate = nullptr;
    QTimeEdit* clockTime = nullptr;
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
};

// The controls every screen has: "Set Clock" with its pickers, OK and Cancel.
template <typename Ui>
CameraControls commonControls(const Ui& ui) {
    CameraControls c;
    c.setClock = ui.setClock;
    c.clockDate = ui.clockDate;
    c.clockTime = ui.clockTime;
    c.ok = ui.okButton;
    c.cancel = ui.cancelButton;
    return c;
}

template <typename Ui>
void addWorkHour(CameraControls& c, const Ui& ui) {
    using P = CameraParams;
    c.lists.insert(
        c.lists.end(),
        {{&P::WorkHour, ui.workHour, ui.workHourLabel},
         {&P::WorkHourStartH, ui.workHourStartH, ui.startTimeLabel, "Start Time hour"},
         {&P::WorkHourStartM, ui.workHourStartM, ui.startTimeLabel, "Start Time minute", true},
         {&P::WorkHourStopH, ui.workHourStopH, ui.stopTimeLabel, "Stop Time hour"},
         {&P::WorkHourStopM, ui.workHourStopM, ui.stopTimeLabel, "Stop Time minute", true}});
}

template <typename Ui>
void addWorkDay(CameraControls& c, const Ui& ui) {
    c.selectAll = ui.selectAll;
    c.days = {ui.sunday, ui.monday, ui.tuesday, ui.wednesday, ui.thursday, ui.friday, ui.saturday};
}

// The Send Mode buttons and the lists beside them.
template <typename Ui>
void addSendMode(CameraControls& c, const Ui& ui) {
    using P = CameraParams;
    c.sendMode = {ui.sendModeManual, ui.sendModeDailyReport, ui.sendModeInstant, ui.sendModeOff};
    c.lists.insert(
        c.lists.end(),
        {{&P::MaxNumber, ui.maxNumber, ui.maxNumberLabel, nullptr, false, shownMaxNumber},
         {&P::DrTimeH, ui.drTimeH, ui.sendTimeLabel, "Send Time hour"},
         {&P::DrTimeM, ui.drTimeM, ui.sendTimeLabel, "Send Time minute", true}});
}

// The Game Call lists, "Add Audio" and the audio file's box.
template <typename Ui>
void addGameCall(CameraControls& c, const Ui& ui) {
    using P = CameraParams;
    c.lists.insert(
        c.lists.end(),
        {{&P::GameCall, ui.gameCall, ui.gameCallLabel},
         {&P::GameCallHour, ui.gameCallHour, ui.gameCallHourLabel, "Game Call hour"},
         {&P::GameCallMinute, ui.gameCallMinute, ui.gameCallMinuteLabel, "Game Call minute"},
         {&P::GameCallPlayTime, ui.gameCallPlayTime, ui.gameCallPlayTimeLabel}});
    c.addAudio = ui.addAudio;
    c.audioPath = ui.audioPath;
}

}  // namespace wks::ui::camera
