// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/cameralist.h"

#include <cstdio>
#include <map>
#include <set>

#include "station/csvtable.h"
#include "util/cutil.h"
#include "util/latin1.h"

namespace wks {
namespace {

// The columns of a Camtrap DP deployments table besides cameraID: carried into the report.
const std::set<std::string> kDeploymentColumns = {
    "deploymentID",          "locationID",      "locationName",      "latitude",    "longitude",
    "coordinateUncertainty", "deploymentStart", "deploymentEnd",     "setupBy",     "cameraModel",
    "cameraDelay",           "cameraHeight",    "cameraDepth",       "cameraTilt",  "cameraHeading",
    "detectionDistance",     "timestampIssues", "baitUse",           "featureType", "habitat",
    "deploymentGroups",      "deploymentTags",  "deploymentComments"};

// A problem of one cell, said with its line and column.
Text at(int line, const std::string& column, Text why) {
    return Text(QT_TRANSLATE_NOOP("Message", "line %1, column \"%2\": %3"),
                {std::to_string(line), column})
        .with(std::move(why));
}

Text inFile(const std::string& path, Text why) {
    return Text(QT_TRANSLATE_NOOP("Message", "%1: %2"), {path}).with(std::move(why));
}

std::string trimmed(const std::string& text) { return CUtil::TrimToLength(text, -1); }

}  // namespace

std::string CameraList::numberedId(int n) {
    char id[16];
    std::snprintf(id, sizeof id, "CAM-%03d", n);
    return id;
}

std::variant<CameraList, Text> CameraList::read(const std::string& path, const CameraModel& model) {
    auto rows = readCsv(path);
    if (auto* why = std::get_if<Text>(&rows)) return inFile(path, *why);
    auto& all = std::get<std::vector<CsvRow>>(rows);
    if (all.empty()) return inFile(path, Text(QT_TRANSLATE_NOOP("Message", "no header row")));
    std::vector<std::vector<std::string>> cells;
    std::vector<int> lines;
    for (std::size_t i = 1; i < all.size(); ++i) {
        cells.push_back(std::move(all[i].fields));
        lines.push_back(all[i].line);
    }
    auto made = check(all[0].fields, std::move(cells), lines, model);
    if (auto* why = std::get_if<Text>(&made)) return inFile(path, *why);
    return made;
}

std::variant<CameraList, Text> CameraList::make(std::vector<std::string> header,
                                                std::vector<std::vector<std::string>> rows,
                                                const CameraModel& model) {
    std::vector<int> lines;
    for (std::size_t r = 0; r < rows.size(); ++r) lines.push_back(static_cast<int>(r) + 2);
    return check(std::move(header), std::move(rows), lines, model);
}

std::variant<CameraList, Text> CameraList::check(std::vector<std::string> header,
                                                 std::vector<std::vector<std::string>> rows,
                                                 const std::vector<int>& lines,
                                                 const CameraModel& model) {
    CameraList list;
    list.numbered_ = false;
    std::size_t idColumn = header.size();
    std::set<std::string> seenColumns;
    std::vector<bool> isKey(header.size(), false);
    for (std::size_t c = 0; c < header.size(); ++c) {
        header[c] = trimmed(header[c]);
        const std::string& name = header[c];
        if (!seenColumns.insert(name).second)
            return at(1, name, Text(QT_TRANSLATE_NOOP("Message", "the column is named twice")));
        if (name == kCameraIdColumn) {
            idColumn = c;
            continue;
        }
        list.columns_.push_back(name);
        if (kDeploymentColumns.count(name)) continue;
        // A key column: judged with a value it would take, to know the name.
        const auto judged = judgeKeyChange(model, KeyScope::Any, name, "0");
        const auto* why = std::get_if<Text>(&judged);
        if (why && why->source == kNotAKeyOf)
            return at(1, name,
                      Text(QT_TRANSLATE_NOOP("Message",
                                             "no key of %1's settings file, nor a "
                                             "column of a deployments table"),
                           {model.displayName}));
        // The clock is stamped at each card's write or comes from the template, never per camera.
        for (const CameraKey& k : cameraKeysFor(model.family, model.displayName)) {
            if (name == k.key && isClockKey(k))
                return at(
                    1, name,
                    Text(QT_TRANSLATE_NOOP("Message", "the camera clock is not set per camera")));
        }
        isKey[c] = true;
    }
    if (idColumn == header.size())
        return Text(QT_TRANSLATE_NOOP("Message", "line 1: no column \"cameraID\""));

    std::map<std::string, int> firstLine;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int line = lines[r];
        auto& row = rows[r];
        if (row.size() != header.size()) {
            return Text(
                QT_TRANSLATE_NOOP("Message", "line %1: %2 fields, the header has %3"),
                {std::to_string(line), std::to_string(row.size()), std::to_string(header.size())});
        }
        const std::string id = trimmed(row[idColumn]);
        if (id.empty())
            return at(line, kCameraIdColumn, Text(QT_TRANSLATE_NOOP("Message", "no cameraID")));
        if (id.find_first_of("\r\n") != std::string::npos)
            return at(line, kCameraIdColumn,
                      Text(QT_TRANSLATE_NOOP("Message", "a cameraID holds a line break")));
        if (auto [it, added] = firstLine.emplace(id, line); !added)
            return at(line, kCameraIdColumn,
                      Text(QT_TRANSLATE_NOOP("Message", "\"%1\" is already on line %2"),
                           {id, std::to_string(it->second)}));
        std::vector<std::string> values;
        std::vector<KeyChange> changes;
        for (std::size_t c = 0; c < header.size(); ++c) {
            if (c == idColumn) continue;
            values.push_back(row[c]);
            const std::string value = trimmed(row[c]);
            // An empty cell keeps the template's value.
            if (!isKey[c] || value.empty()) continue;
            if (value.find_first_of("\r\n") != std::string::npos)
                return at(line, header[c],
                          Text(QT_TRANSLATE_NOOP("Message", "the value holds a line break")));
            const auto latin1 = latin1FromUtf8(value);
            if (!latin1)
                return at(line, header[c],
                          Text(QT_TRANSLATE_NOOP("Message",
                                                 "a character that the camera's files "
                                                 "cannot hold (Latin-1 only)")));
            auto judged = judgeKeyChange(model, KeyScope::Any, header[c], *latin1);
            if (auto* why = std::get_if<Text>(&judged)) return at(line, header[c], *why);
            changes.push_back(std::get<KeyChange>(judged));
        }
        list.ids_.push_back(id);
        list.values_.push_back(std::move(values));
        list.changes_.push_back(std::move(changes));
    }
    if (list.ids_.empty()) return Text(QT_TRANSLATE_NOOP("Message", "the list names no camera"));
    return list;
}

void CameraList::applyTo(std::size_t i, AppState& state, Recipients& recipients) const {
    if (numbered_) return;
    for (const KeyChange& change : changes_[i]) applyKeyChange(change, state, recipients);
}

}  // namespace wks
