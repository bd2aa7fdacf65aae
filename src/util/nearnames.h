// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The names that a mistyped one was probably meant to be, for "did you mean ...?". Letter case,
// blanks and punctuation are ignored ("kt470rx 8pro" is "KT470RX-8PRO"); then a name within a
// small edit distance (a letter missing, extra, wrong or two swapped) or one that holds what was
// typed is near. Other spellings may lead to a name ("Czech" to "Chech").

#include <string>
#include <utility>
#include <vector>

namespace wks {

// Another spelling of a name, and the name it leads to.
using NameSpelling = std::pair<std::string, std::string>;

// The names near `typed`, in the order of `names`; none when nothing is near.
std::vector<std::string> nearNames(const std::string& typed, const std::vector<std::string>& names,
                                   const std::vector<NameSpelling>& spellings = {});

// "; did you mean \"A\" or \"B\"?" for the names near `typed`, empty when none is.
std::string didYouMean(const std::string& typed, const std::vector<std::string>& names,
                       const std::vector<NameSpelling>& spellings = {});

}  // namespace wks
