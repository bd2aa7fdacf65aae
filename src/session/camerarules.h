// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The decisions of the camera screens, apart from any widget: how a stored value maps to a
// list position, which controls a choice enables, the work-day states, the camera clock's
// validity and what "Add Audio" does with the file the user left in the dialog.

#include <QString>
#include <Qt>
#include <QtGlobal>
#include <array>
#include <cstdint>

#include "settings/cameraparams.h"

namespace wks {

// A stored value's list position (value - offset), or -1 when it is not in a list of count items.
int positionOf(std::int32_t value, int offset, int count);
// The value a list position stands for (position + offset); -1 when nothing is selected.
std::int32_t valueOf(int position, int offset);

// The start and stop lists follow Work Hour: enabled unless it is "OFF" (nothing chosen counts
// as on, so the camera's times can still be set).
bool workHourTimesEnabled(int workHourPosition);

// Work Day bits, Sunday first.
inline constexpr std::array<std::int32_t, 7> kDayBits = {64, 32, 16, 8, 4, 2, 1};
bool dayChecked(std::int32_t workDay, int day);
Qt::CheckState selectAllState(int checkedDays);
// A click on " Select All" checks every day unless all were checked already.
bool selectAllChecksEveryDay(Qt::CheckState before);

// Send Mode: 0 Manual, 1 Daily Report, 2 Instant, 3 Off; anything else is none.
struct SendModeEnabling {
    bool sendTime;
    bool maxNumber;
};
SendModeEnabling sendModeEnabling(std::int32_t sendMode);
// The camera counts anything above 100 as unlimited, the list's last item.
std::int32_t shownMaxNumber(std::int32_t maxNumber);

// The camera would never take a picture with both Time Lapse (0) and PIR Trigger (3) off.
inline constexpr int kTimeLapseOff = 0;
inline constexpr int kPirTriggerOff = 3;
bool timeLapseAndPirBothOff(int timeLapsePosition, int pirTriggerPosition);

// The record's six clock fields make a date and time the camera accepts.
bool clockValid(const CameraParams& p);

// Game call: the list is "OFF", "ON"; anything but OFF keeps the game-call controls usable.
bool gameCallControlsEnabled(int gameCallPosition);
// The screen shows the hint in the user's language; the rules know it by these words.
inline constexpr const char* kAudioHint = QT_TRANSLATE_NOOP(
    "wks::ui::CameraScreen", "You can click the left button to add audio file if GameCall is ON !");

// What "Add Audio" does once the file dialog has closed.
enum class AudioOutcome {
    TakeFile,        // the chosen file exists: it becomes the screen's audio file
    AskKeepMissing,  // missing file while a path is shown: ask whether to keep that path
    WarnMissing,     // missing file while the hint is shown
    AskKeep,         // no file while a path is shown: ask whether to keep that path
    Nothing,
};
AudioOutcome audioOutcome(bool fileChosen, bool fileExists, const QString& shownText);

}  // namespace wks
