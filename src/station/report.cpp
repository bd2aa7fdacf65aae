// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/report.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/files.h"
#include "station/csvtable.h"

namespace wks {
namespace {

const char* const kTail[] = {"model", "uuid", "label", "serial", "time", "sha256", "result"};

std::vector<std::string> headerOf(const std::vector<std::string>& listColumns) {
    std::vector<std::string> h{"cameraID"};
    h.insert(h.end(), listColumns.begin(), listColumns.end());
    h.insert(h.end(), std::begin(kTail), std::end(kTail));
    return h;
}

bool isWritten(const std::string& result) {
    return result == kResultEjected || result == kResultNotEjected;
}

// The row written whole and flushed to the disk, or the reason it was not.
std::string appendFlushed(const std::string& path, const std::string& line) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return std::strerror(errno);
    std::string why;
    std::size_t done = 0;
    while (done < line.size() && why.empty()) {
        const ssize_t n = ::write(fd, line.data() + done, line.size() - done);
        if (n < 0 && errno != EINTR) why = std::strerror(errno);
        if (n > 0) done += static_cast<std::size_t>(n);
    }
    if (why.empty() && ::fsync(fd) != 0) why = std::strerror(errno);
    ::close(fd);
    return why;
}

}  // namespace

std::variant<Report, Text> Report::open(const std::string& path,
                                        const std::vector<std::string>& listColumns) {
    Report report;
    report.path_ = path;
    const auto header = headerOf(listColumns);
    const auto cannotWrite = [&](std::string why) {
        return Text(QT_TRANSLATE_NOOP("Message", "cannot write the report \"%1\": %2"),
                    {path, std::move(why)});
    };
    if (!files::exists(path)) {
        if (std::string why = appendFlushed(path, csvLine(header)); !why.empty())
            return cannotWrite(std::move(why));
        return report;
    }
    auto read = readCsv(path);
    if (auto* why = std::get_if<Text>(&read))
        return Text(QT_TRANSLATE_NOOP("Message", "the report %1: %2"), {path}).with(*why);
    const auto& rows = std::get<std::vector<CsvRow>>(read);
    if (rows.empty()) {  // an empty file: a header is all it lacks
        if (std::string why = appendFlushed(path, csvLine(header)); !why.empty())
            return cannotWrite(std::move(why));
        return report;
    }
    if (rows.front().fields != header)
        return Text(QT_TRANSLATE_NOOP("Message",
                                      "the report \"%1\" has other columns than this "
                                      "run's list: give another report"),
                    {path});
    const std::size_t n = header.size();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        const auto& f = rows[i].fields;
        if (f.size() != n || !isWritten(f[n - 1])) continue;
        report.done_.insert(f[0]);
        if (!f[n - 6].empty()) report.cards_["uuid:" + f[n - 6]] = f[0];
        if (!f[n - 4].empty()) report.cards_["serial:" + f[n - 4]] = f[0];
    }
    return report;
}

std::optional<std::string> Report::cameraOf(const Card& card) const {
    for (const std::string& key : {"uuid:" + card.uuid, "serial:" + card.serial}) {
        if (key.back() == ':') continue;
        if (auto it = cards_.find(key); it != cards_.end()) return it->second;
    }
    return std::nullopt;
}

std::string Report::append(const ReportRow& row) {
    std::vector<std::string> fields{row.cameraID};
    fields.insert(fields.end(), row.listValues.begin(), row.listValues.end());
    for (const std::string& f : {row.model, row.card.uuid, row.card.label, row.card.serial,
                                 row.time, row.sha256, row.result})
        fields.push_back(f);
    if (std::string why = appendFlushed(path_, csvLine(fields)); !why.empty()) return why;
    if (isWritten(row.result)) {
        done_.insert(row.cameraID);
        if (!row.card.uuid.empty()) cards_["uuid:" + row.card.uuid] = row.cameraID;
        if (!row.card.serial.empty()) cards_["serial:" + row.card.serial] = row.cameraID;
    }
    return {};
}

}  // namespace wks
