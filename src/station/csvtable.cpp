// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/csvtable.h"

#include <csv.h>

#include <cstring>
#include <optional>

#include "platform/files.h"

namespace wks {
namespace {

struct Reading {
    std::vector<CsvRow> rows;
    CsvRow current;
    int line = 1;  // the line being fed
    int rowStart = 1;
};

void onField(void* data, std::size_t size, void* out) {
    auto* r = static_cast<Reading*>(out);
    if (r->current.fields.empty()) r->current.line = r->rowStart;
    r->current.fields.emplace_back(static_cast<const char*>(data), size);
}

void onRow(int, void* out) {
    auto* r = static_cast<Reading*>(out);
    r->rows.push_back(std::move(r->current));
    r->current = {};
    r->rowStart = r->line + 1;
}

// A line's problem, libcsv's own words beside it.
Text atLine(int line, const char* why) {
    return Text(QT_TRANSLATE_NOOP("Message", "line %1: %2"), {std::to_string(line), why});
}

}  // namespace

std::variant<std::vector<CsvRow>, Text> readCsv(const std::string& path) {
    auto bytes = files::readFile(path);
    if (!bytes)
        return Text(QT_TRANSLATE_NOOP("Message", "cannot read \"%1\": %2"),
                    {path, bytes.message()});
    std::string_view text = *bytes;
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);  // a spreadsheet's mark
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        return Text(QT_TRANSLATE_NOOP("Message", "out of memory"));
    Reading r;
    std::optional<Text> error;
    // Fed a line at a time, so that each row knows the line it began on.
    while (!text.empty() && !error) {
        const std::size_t end = text.find('\n');
        const std::string_view piece =
            text.substr(0, end == std::string_view::npos ? end : end + 1);
        if (csv_parse(&parser, piece.data(), piece.size(), onField, onRow, &r) != piece.size())
            error = atLine(r.line, csv_strerror(csv_error(&parser)));
        text.remove_prefix(piece.size());
        ++r.line;
    }
    --r.line;
    if (!error && csv_fini(&parser, onField, onRow, &r) != 0)
        error = atLine(r.line, csv_strerror(csv_error(&parser)));
    csv_free(&parser);
    if (error) return *error;
    return std::move(r.rows);
}

std::string csvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i) line += ',';
        const std::string& f = fields[i];
        // Blanks around a field are no part of it unless it is quoted.
        const bool blankEnd = !f.empty() && (f.front() == ' ' || f.front() == '\t' ||
                                             f.back() == ' ' || f.back() == '\t');
        if (f.find_first_of(",\"\r\n") == std::string::npos && !blankEnd) {
            line += f;
            continue;
        }
        std::string quoted(f.size() * 2 + 2, '\0');
        quoted.resize(csv_write(quoted.data(), quoted.size(), f.data(), f.size()));
        line += quoted;
    }
    return line + "\r\n";
}

}  // namespace wks
