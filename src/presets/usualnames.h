// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The usual English names of the countries and operators whose names in the preset table differ
// ("Czech" for the table's "Chech", "Netherlands" for "Holland"). They only lead a mistyped name
// to the table's: the table's names stay as they are wherever they are shown or written.

#include <string>
#include <vector>

#include "util/nearnames.h"

namespace wks {

const std::vector<NameSpelling>& usualCountryNames();
// The usual names of the country's operators (the table's name of the country).
std::vector<NameSpelling> usualOperatorNames(const std::string& country);

}  // namespace wks
