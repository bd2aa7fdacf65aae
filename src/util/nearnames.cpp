// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "util/nearnames.h"

#include <algorithm>
#include <cctype>
#include <limits>

namespace wks {
namespace {

// Letters in lower case and digits; blanks and punctuation dropped. Bytes beyond ASCII stay.
std::string folded(const std::string& text) {
    std::string out;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80 || std::isalnum(c)) out += static_cast<char>(std::tolower(c));
    }
    return out;
}

// Edits (insert, delete, replace, swap two neighbours) that turn a into b.
std::size_t distance(const std::string& a, const std::string& b) {
    std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        for (std::size_t j = 1; j <= b.size(); ++j) {
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1,
                                d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
        }
    }
    return d[a.size()][b.size()];
}

// How many edits still count as a slip: one in a short word, up to three in a long one.
std::size_t slips(std::size_t length) { return length <= 4 ? 1 : length <= 8 ? 2 : 3; }

}  // namespace

std::vector<std::string> nearNames(const std::string& typed, const std::vector<std::string>& names,
                                   const std::vector<NameSpelling>& spellings) {
    const std::string t = folded(typed);
    if (t.empty() || names.empty()) return {};
    std::vector<NameSpelling> all = spellings;
    for (const auto& n : names) all.emplace_back(n, n);

    std::vector<std::size_t> best(names.size(), std::numeric_limits<std::size_t>::max());
    std::vector<bool> holds(names.size(), false);
    for (const auto& [spelling, name] : all) {
        const auto at = std::find(names.begin(), names.end(), name);
        if (at == names.end()) continue;
        const auto i = static_cast<std::size_t>(at - names.begin());
        const std::string s = folded(spelling);
        best[i] = std::min(best[i], distance(t, s));
        holds[i] = holds[i] || (t.size() >= 3 && s.find(t) != std::string::npos);
    }
    // Those that differ only in case and blanks; else the nearest by edits, and every name that
    // holds what was typed.
    const std::size_t nearest = *std::min_element(best.begin(), best.end());
    std::vector<std::string> out;
    for (std::size_t i = 0; i < names.size(); ++i) {
        const bool near = best[i] == nearest && nearest <= slips(t.size());
        if (near || (nearest > 0 && holds[i])) out.push_back(names[i]);
    }
    return out;
}

std::string didYouMean(const std::string& typed, const std::vector<std::string>& names,
                       const std::vector<NameSpelling>& spellings) {
    const auto near = nearNames(typed, names, spellings);
    if (near.empty()) return {};
    std::string text = "; did you mean ";
    for (std::size_t i = 0; i < near.size(); ++i) {
        if (i > 0) text += i + 1 == near.size() ? " or " : ", ";
        text += "\"" + near[i] + "\"";
    }
    return text + "?";
}

}  // namespace wks
