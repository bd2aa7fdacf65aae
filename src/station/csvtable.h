// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// CSV files (RFC 4180: quotes, commas and line breaks inside fields) read and written with
// libcsv: camera lists and the station's reports.

#include <string>
#include <variant>
#include <vector>

#include "platform/message.h"

namespace wks {

struct CsvRow {
    int line = 0;  // where the row begins in the file, from 1
    std::vector<std::string> fields;
};

// The rows of the file, the header first; empty lines are no rows. The words of the reason
// (with the line) when it cannot be read or is no CSV.
std::variant<std::vector<CsvRow>, Text> readCsv(const std::string& path);

// One row as a line of the file, fields quoted where they need it, ending in CRLF.
std::string csvLine(const std::vector<std::string>& fields);

}  // namespace wks
