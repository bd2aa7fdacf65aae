// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The camera's shooting parameters, one field per key of "Camera Setting". A value is the
// position of a list entry or an option button counted from 0; -1 means nothing chosen
// (for GameCallPlayTime: OFF).

#include <cstdint>

namespace wks {

struct CameraParams {
    std::int32_t WorkMode = -1;
    std::int32_t Language = -1;
    std::int32_t CameraMode = -1;
    std::int32_t SecurityMode = -1;
    std::int32_t CameraPosition = -1;
    std::int32_t PhotoBurst = -1;
    std::int32_t TimeLapse = -1;
    std::int32_t PirTrigger = -1;
    std::int32_t PirInterval = -1;
    std::int32_t SmsControl = -1;
    std::int32_t PhotoSize = -1;
    std::int32_t VideoSize = -1;
    std::int32_t VideoLength = -1;
    std::int32_t GameCall = -1;
    std::int32_t GameCallHour = -1;
    std::int32_t GameCallMinute = -1;
    std::int32_t GameCallPlayTime = -1;
    std::int32_t WorkHour = -1;
    std::int32_t WorkHourStartH = -1;
    std::int32_t WorkHourStartM = -1;
    std::int32_t WorkHourStopH = -1;
    std::int32_t WorkHourStopM = -1;
    std::int32_t ClockYear = -1;
    std::int32_t ClockMonth = -1;
    std::int32_t ClockDay = -1;
    std::int32_t ClockHour = -1;
    std::int32_t ClockMinute = -1;
    std::int32_t ClockSecond = -1;
    std::int32_t WorkDay = -1;
    std::int32_t SendTo = -1;
    std::int32_t SendMode = -1;
    std::int32_t MaxNumber = -1;
    std::int32_t DrTimeH = -1;
    std::int32_t DrTimeM = -1;

    bool operator==(const CameraParams&) const = default;

    // The six clock fields from any record of year, month, day, hour, minute and second.
    template <typename Time>
    void setClock(const Time& t) {
        ClockYear = t.year;
        ClockMonth = t.month;
        ClockDay = t.day;
        ClockHour = t.hour;
        ClockMinute = t.minute;
        ClockSecond = t.second;
    }
};

}  // namespace wks
