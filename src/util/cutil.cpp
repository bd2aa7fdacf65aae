// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/cutil.h"

#include "platform/files.h"

MonthDays CUtil::GetDayForYMonth(int year, int month) {
    if (year < 0 || month < 1 || month > 12) {
        return {28, wks::Message{
                        wks::kCaptionTips,
                        QT_TRANSLATE_NOOP("Message", "Invalid call for CUtil::GetDayForYMonth() !"),
                        wks::Buttons::Ok, wks::Icon::Warning}};
    }
    switch (month) {
        case 4:
        case 6:
        case 9:
        case 11:
            return {30, std::nullopt};
        case 2: {
            bool leap = year % 400 == 0 || (year % 4 == 0 && year % 100 != 0);
            return {leap ? 29 : 28, std::nullopt};
        }
        default:
            return {31, std::nullopt};
    }
}

int CUtil::ChkDateTime(const DateTimeRecord& t) {
    if (t.year < 1753 || t.year > 9999) return 1;
    if (t.month < 1 || t.month > 12) return 1;
    if (t.day < 1 || t.day > GetDayForYMonth(t.year, t.month).days) return 1;
    if (t.hour < 0 || t.hour > 23) return 1;
    if (t.minute < 0 || t.minute > 59) return 1;
    if (t.second < 0 || t.second > 59) return 1;
    return 0;
}

std::string CUtil::TrimToLength(const std::string& text, int n) {
    if (n == 0 || text.empty()) return {};
    const char* blanks = " \t\n\v\f\r";
    auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos) return {};
    auto last = text.find_last_not_of(blanks);
    std::string trimmed = text.substr(first, last - first + 1);
    if (n > 0 && trimmed.size() > static_cast<std::size_t>(n))
        trimmed.resize(static_cast<std::size_t>(n));
    return trimmed;
}

void CUtil::ClearReadOnly(const std::string& path) {
    std::uint32_t attrs = wks::files::getAttributes(path);
    if (attrs == wks::files::kInvalidAttributes) return;
    // A file that stays read-only fails where it is written or deleted, and is reported there.
    (void)wks::files::setAttributes(path, attrs & ~wks::files::kReadOnly);
}

int CUtil::RenameIfExists(const std::string& oldPath, const std::string& newPath) {
    if (!wks::files::exists(oldPath)) return 0;
    return wks::files::renameNoReplace(oldPath, newPath) ? 0 : 1;
}
