// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The card station's report: a CSV file, one row per card, appended and flushed as each card
// ends. Its cameras written before (result "ejected" or "written, not ejected") are done, so a
// station started again with the same report goes on with the others; the cards they were
// written on are known again by their file system's UUID or their serial.

#include <map>
#include <optional>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "platform/cardsource.h"
#include "platform/message.h"

namespace wks {

inline constexpr const char* kResultEjected = "ejected";
inline constexpr const char* kResultNotEjected = "written, not ejected";

struct ReportRow {
    std::string cameraID;
    std::vector<std::string> listValues;  // the list's own columns
    std::string model;
    Card card;
    std::string time;    // "2026-12-09T15:04:05", when the settings file was written
    std::string sha256;  // of the settings file written
    std::string result;  // kResultEjected, kResultNotEjected, or the failure in words
};

class Report {
  public:
    // The report at path for a list with these columns (besides cameraID): read when it is
    // there (its columns must be the same), made with its header when not.
    static std::variant<Report, Text> open(const std::string& path,
                                           const std::vector<std::string>& listColumns);

    const std::string& path() const { return path_; }
    bool done(const std::string& cameraID) const { return done_.count(cameraID) != 0; }
    std::size_t doneCount() const { return done_.size(); }
    // The camera a card was written for, known by its UUID or serial; nothing when none.
    std::optional<std::string> cameraOf(const Card& card) const;
    // Appends the row and flushes it to the disk; the reason when it could not.
    std::string append(const ReportRow& row);

  private:
    std::string path_;
    std::set<std::string> done_;
    std::map<std::string, std::string> cards_;  // "uuid:..." or "serial:..." -> cameraID
};

}  // namespace wks
