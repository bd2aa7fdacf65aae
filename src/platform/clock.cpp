// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/clock.h"

#include <ctime>

namespace wks {
namespace {
std::optional<LocalTime>& fixed() {
    static std::optional<LocalTime> t;
    return t;
}
}  // namespace

LocalTime now() {
    if (fixed()) return *fixed();
    std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return LocalTime{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                     tm.tm_hour,        tm.tm_min,     tm.tm_sec};
}

void fixClock(std::optional<LocalTime> t) { fixed() = t; }

}  // namespace wks
