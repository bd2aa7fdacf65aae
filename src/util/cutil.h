// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Stateless calendar, text and file helpers.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/message.h"

struct DateTimeRecord {
    std::int32_t year = 0;
    std::int32_t month = 0;
    std::int32_t day = 0;
    std::int32_t hour = 0;
    std::int32_t minute = 0;
    std::int32_t second = 0;
};

struct [[nodiscard]] MonthDays {
    int days = 28;
    std::optional<wks::Message> report;  // the internal error of an impossible year or month
};

class CUtil {
  public:
    // Days in the month; an impossible year or month gives 28 and the report.
    static MonthDays GetDayForYMonth(int year, int month);
    // 0 when the record is a date and time the camera accepts, 1 when not.
    static int ChkDateTime(const DateTimeRecord& t);
    // Blanks removed at both ends, then cut to n bytes; n = 0 gives "", negative n only trims.
    static std::string TrimToLength(const std::string& text, int n);
    // Removes the read-only attribute and keeps the others; a missing path is left alone.
    static void ClearReadOnly(const std::string& path);
    // 1 when old exists and cannot be renamed to new (something is there already), else 0.
    [[nodiscard]] static int RenameIfExists(const std::string& oldPath, const std::string& newPath);
};
