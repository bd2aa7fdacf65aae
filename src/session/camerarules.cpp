// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/camerarules.h"

#include "util/cutil.h"

namespace wks {

int positionOf(std::int32_t value, int offset, int count) {
    const long long position = static_cast<long long>(value) - offset;
    return position < 0 || position >= count ? -1 : static_cast<int>(position);
}

std::int32_t valueOf(int position, int offset) { return position < 0 ? -1 : position + offset; }

bool workHourTimesEnabled(int workHourPosition) { return workHourPosition != 0; }

bool dayChecked(std::int32_t workDay, int day) {
    return workDay >= 0 && (workDay & kDayBits[static_cast<std::size_t>(day)]) != 0;
}

Qt::CheckState selectAllState(int checkedDays) {
    if (checkedDays == 0) return Qt::Unchecked;
    return checkedDays == int(kDayBits.size()) ? Qt::Checked : Qt::PartiallyChecked;
}

bool selectAllChecksEveryDay(Qt::CheckState before) { return before != Qt::Checked; }

SendModeEnabling sendModeEnabling(std::int32_t sendMode) {
    switch (sendMode) {
        case 0:
            return {false, false};
        case 1:
            return {true, false};
        case 2:
            return {false, true};
        case 3:
            return {false, false};
        default:
            return {true, true};
    }
}

std::int32_t shownMaxNumber(std::int32_t maxNumber) { return maxNumber > 100 ? 100 : maxNumber; }

bool timeLapseAndPirBothOff(int timeLapsePosition, int pirTriggerPosition) {
    return timeLapsePosition == kTimeLapseOff && pirTriggerPosition == kPirTriggerOff;
}

bool clockValid(const CameraParams& p) {
    return CUtil::ChkDateTime({p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute,
                               p.ClockSecond}) == 0;
}

bool gameCallControlsEnabled(int gameCallPosition) { return gameCallPosition != 0; }

AudioOutcome audioOutcome(bool fileChosen, bool fileExists, const QString& shownText) {
    const bool hintShown = shownText == QLatin1String(kAudioHint);
    if (fileChosen && fileExists) return AudioOutcome::TakeFile;
    if (fileChosen) return hintShown ? AudioOutcome::WarnMissing : AudioOutcome::AskKeepMissing;
    return hintShown || shownText.isEmpty() ? AudioOutcome::Nothing : AudioOutcome::AskKeep;
}

}  // namespace wks
