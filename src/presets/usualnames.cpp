// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/usualnames.h"

namespace wks {
namespace {

struct OperatorSpelling {
    const char* country;
    const char* usual;
    const char* name;
};

constexpr OperatorSpelling kOperators[] = {
    {"Germany", "O2", "Germany-02"},   {"Finland", "Sonera", "Sonera(Oletusasetus)"},
    {"USA", "AT&T", "Cingular(AT&T)"}, {"USA", "Cingular", "Cingular(AT&T)"},
    {"Austria", "A1", "Austria-A1"},   {"Mexico", "Telcel", "lcel"},
};

}  // namespace

const std::vector<NameSpelling>& usualCountryNames() {
    static const std::vector<NameSpelling> names = {
        {"Czech", "Chech"},         {"Czech Republic", "Chech"},
        {"Czechia", "Chech"},       {"United States of America", "USA"},
        {"Netherlands", "Holland"}, {"The Netherlands", "Holland"},
        {"Latvia", "Latvian"},      {"United States", "USA"},
        {"America", "USA"},         {"United Kingdom", "UK"},
        {"Great Britain", "UK"},    {"Britain", "UK"},
        {"England", "UK"},          {"Hong Kong", "China HongKong"},
    };
    return names;
}

std::vector<NameSpelling> usualOperatorNames(const std::string& country) {
    std::vector<NameSpelling> names;
    for (const auto& o : kOperators) {
        if (country == o.country) names.emplace_back(o.usual, o.name);
    }
    return names;
}

}  // namespace wks
