// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/wapitems.h"

#include <algorithm>
#include <cstdio>

#include "util/cutil.h"

namespace wks {
namespace {

constexpr int kPortLimit = 4;
constexpr int kTextLimit = 100;

// The walk over a text with exactly three dots: digits gather into a group, a dot or the end
// closes it.
std::optional<IpParts> parseDotted(const std::string& text) {
    if (text.empty() || std::count(text.begin(), text.end(), '.') != 3) return std::nullopt;
    IpParts parts{};
    std::size_t group = 0;
    std::string digits;
    for (std::size_t i = 0; i <= text.size() && group < parts.size(); ++i) {
        const char c = i < text.size() ? text[i] : '.';
        if (c >= '0' && c <= '9') {
            digits += c;
            continue;
        }
        if (c != '.') return std::nullopt;
        // A group of more than three digits cannot come from the field: treated as no address.
        if (digits.size() > 3) return std::nullopt;
        const int value = digits.empty() ? 0 : std::stoi(digits);
        if (value > 255) return std::nullopt;
        parts[group++] = value;
        digits.clear();
    }
    return parts;
}

}  // namespace

std::optional<IpParts> TextToIpField(const std::string& text, std::string& target) {
    std::optional<IpParts> parts = parseDotted(text);
    if (!parts) target.assign(1, ' ');
    return parts;
}

void IpFieldToText(const IpParts& field, std::string& target) {
    char text[16];
    std::snprintf(text, sizeof text, "%d.%d.%d.%d", field[0], field[1], field[2], field[3]);
    target = std::string(text) == "0.0.0.0" ? std::string() : std::string(text);
}

void SaveWapTexts(const WapTexts& texts, NetworkPreset& target) {
    const auto fields = target.fields();
    for (std::size_t item = 0; item < texts.size(); ++item) {
        if (item == kIpItem)
            *fields[item] = texts[item];
        else
            *fields[item] =
                CUtil::TrimToLength(texts[item], isPortItem(item) ? kPortLimit : kTextLimit);
    }
}

bool SenderItemsDiffer(const WapTexts& texts, const NetworkPreset& held) {
    const auto fields = held.fields();
    for (std::size_t item = kFirstSenderItem; item < texts.size(); ++item)
        if (CUtil::TrimToLength(texts[item], -1) != *fields[item]) return true;
    return false;
}

}  // namespace wks
