// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The computer's local date and time, broken into its parts; a test can fix it.

#include <optional>

namespace wks {

struct LocalTime {
    int year = 0;
    int month = 0;   // 1..12
    int day = 0;     // 1..31
    int hour = 0;    // 0..23
    int minute = 0;  // 0..59
    int second = 0;  // 0..59
    bool operator==(const LocalTime&) const = default;
};

LocalTime now();
// Fixes the clock to a time (tests, the command line's --clock); nothing returns to the real one.
void fixClock(std::optional<LocalTime> t);

}  // namespace wks
