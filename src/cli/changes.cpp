// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/changes.h"

#include <algorithm>
#include <cstdio>
#include <set>

#include "cli/terminal.h"
#include "presets/presettable.h"
#include "presets/usualnames.h"
#include "session/operatorchoice.h"
#include "settings/keychange.h"
#include "util/cutil.h"

namespace wks::cli {
namespace {

std::pair<std::string, std::string> splitAssignment(const std::string& option,
                                                    const std::string& text) {
    auto eq = text.find('=');
    if (eq == std::string::npos) {
        throw UsageError("--" + option + " takes KEY=VALUE, not \"" + text + "\"");
    }
    return {text.substr(0, eq), text.substr(eq + 1)};
}

DateTimeRecord clockOf(const CameraParams& p) {
    return {p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute, p.ClockSecond};
}

const char* const kRecipientOptions[Recipients::kCount] = {"admin",  "phone2", "phone3", "phone4",
                                                           "email1", "email2", "email3", "email4"};

}  // namespace

std::vector<std::string> requireOperators(const std::string& country) {
    const PresetTable& table = presetTable();
    auto operators = table.OperatorsOf(country);
    if (!operators) {
        throw UsageError("unknown country \"" + country + "\"" +
                         didYouMean(country, table.Countries(), usualCountryNames()));
    }
    return *operators;
}

std::optional<LocalTime> parseClock(const std::string& text) {
    // Exactly YYYY-MM-DD, then T or a blank, then HH:MM:SS: the scan below alone would also
    // take blanks, signs and single digits inside the fields.
    static const std::string kShape = "dddd-dd-ddTdd:dd:dd";
    if (text.size() != kShape.size()) return std::nullopt;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (kShape[i] == 'd' ? !digit : (kShape[i] != 'T' && text[i] != kShape[i]))
            return std::nullopt;
    }
    LocalTime t;
    char sep = 0;
    int consumed = 0;
    if (std::sscanf(text.c_str(), "%4d-%2d-%2d%c%2d:%2d:%2d%n", &t.year, &t.month, &t.day, &sep,
                    &t.hour, &t.minute, &t.second, &consumed) != 7 ||
        (sep != 'T' && sep != ' ') || static_cast<std::size_t>(consumed) != text.size()) {
        return std::nullopt;
    }
    DateTimeRecord r{t.year, t.month, t.day, t.hour, t.minute, t.second};
    if (CUtil::ChkDateTime(r) != 0) return std::nullopt;
    return t;
}

Changes Changes::take(Args& args) {
    Changes c;
    c.country_ = args.option("country");
    c.operator_ = args.option("operator");
    for (std::size_t i = 0; i < Recipients::kCount; ++i) {
        if (auto text = args.option(kRecipientOptions[i])) c.recipients_.emplace_back(i, *text);
    }
    c.netTexts_ = args.options("net");
    c.setTexts_ = args.options("set");
    c.clockText_ = args.option("clock");
    return c;
}

void Changes::check(const CameraModel& model) {
    // A line break in a value would add lines of its own to the file.
    auto oneLine = [](const std::string& what, const std::string& text) {
        if (text.find_first_of("\r\n") != std::string::npos) {
            throw UsageError(what + " holds a line break");
        }
    };
    for (const auto& [index, text] : recipients_) oneLine(kRecipientOptions[index], text);
    for (const auto& text : netTexts_) oneLine("--net", text);
    for (const auto& text : setTexts_) oneLine("--set", text);
    // Terminal text becomes the Latin-1 bytes that the file and the screens hold.
    for (auto& [index, text] : recipients_) {
        text = latin1Argument(std::string("--") + kRecipientOptions[index], text);
    }

    Changes& c = *this;
    c.model_ = &model;
    const auto& country = country_;
    const auto& op = operator_;
    if (country || op) {
        if (!country || !op) throw UsageError("--country and --operator go together");
        const auto operators = requireOperators(*country);
        if (std::find(operators.begin(), operators.end(), *op) == operators.end()) {
            throw UsageError("unknown operator \"" + *op + "\" of " + *country +
                             didYouMean(*op, operators, usualOperatorNames(*country)));
        }
        c.preset_ = std::make_pair(*country, *op);
    }

    for (const auto& text : netTexts_) {
        auto [key, value] = splitAssignment("net", text);
        const auto judged = judgeKeyChange(model, KeyScope::Network, key, value);
        if (const auto* why = std::get_if<Text>(&judged)) throw UsageError(why->english());
        c.network_.emplace_back(key, latin1Argument("--net " + key, value));
    }

    for (const auto& text : setTexts_) {
        auto [key, value] = splitAssignment("set", text);
        const auto judged = judgeKeyChange(model, KeyScope::Camera, key, value);
        if (const auto* why = std::get_if<Text>(&judged)) throw UsageError(why->english());
        const auto& change = std::get<KeyChange>(judged);
        c.camera_.emplace_back(change.camera, change.code);
    }

    // The clock keys set the camera clock together, as --clock does.
    CameraParams clock;
    std::set<std::string> clockFields;
    for (const auto& [key, value] : camera_) {
        if (!isClockKey(key)) continue;
        clock.*key.field = value;
        clockFields.insert(key.key);
    }
    if (!clockFields.empty()) {
        if (clockText_) throw UsageError("--clock and the clock keys of --set both set the clock");
        if (clockFields.size() != 6) {
            throw UsageError("the clock keys go together: give all six, or --clock");
        }
        if (CUtil::ChkDateTime(clockOf(clock)) != 0) {
            throw UsageError("the clock keys do not make a valid date and time");
        }
        clockKeysSet_ = true;
    }

    if (const auto& clock = clockText_; clock && *clock != "now") {
        c.clock_ = parseClock(*clock);
        if (!c.clock_)
            throw UsageError("invalid clock \"" + *clock + "\" (now or YYYY-MM-DDTHH:MM:SS)");
    }
}

void Changes::apply(AppState& state, Recipients& recipients) const {
    if (preset_) {
        bool keepSsl = false;
        ApplyOperatorChoice(state, *model_, preset_->first, preset_->second, keepSsl);
    }
    for (const auto& [index, text] : recipients_) recipients.texts[index] = text;
    for (const auto& [key, value] : network_) {
        if (key == kSslKey) {
            state.SmtpSsl = value;
            continue;
        }
        for (const auto& k : kNetworkKeys) {
            if (key == k.key) state.CurrentNetworkParams.*k.field = value;
        }
    }
    for (const auto& [key, value] : camera_) state.cameraParams.*key.field = value;
    if (clock_) {
        state.cameraParams.setClock(*clock_);
        state.clockFollowsPc = false;
    } else if (clockText_) {  // now
        state.clockFollowsPc = true;
    } else if (clockKeysSet_) {
        state.clockFollowsPc = false;
    } else if (CUtil::ChkDateTime(clockOf(state.cameraParams)) != 0) {
        state.clockFollowsPc = true;
    }
}

std::vector<CommandOption> Changes::options() {
    std::vector<CommandOption> list = {{"country", "COUNTRY", nullptr},
                                       {"operator", "OPERATOR", nullptr},
                                       {"net", "KEY=VALUE", nullptr},
                                       {"set", "KEY=VALUE", nullptr},
                                       {"clock", "TIME", nullptr}};
    for (const char* name : kRecipientOptions) list.push_back({name, "TEXT", nullptr});
    return list;
}

const char* Changes::help() {
    return "CHANGES:\n"
           "  --country NAME --operator NAME   apply that preset as the operator lists do\n"
           "                                   (SMTP SSL rule included)\n"
           "  --admin TEXT  --phone2 TEXT  --phone3 TEXT  --phone4 TEXT\n"
           "  --email1 TEXT --email2 TEXT  --email3 TEXT  --email4 TEXT\n"
           "  --net KEY=VALUE      a key of \"Via WAP Settings\" or \"Via Internet Settings\",\n"
           "                       by its name in the file\n"
           "  --set KEY=VALUE      a key of \"Camera Setting\", by its name in the file\n"
           "                       (\"PIR Interval=13\")\n"
           "                       and a code of the model's own list (check judges the same)\n"
           "  --clock now|YYYY-MM-DDTHH:MM:SS   now stamps the computer's time at the save;\n"
           "                       a time sets the camera clock. Without it the clock read is\n"
           "                       written back (the computer's time when it is no valid date\n"
           "                       or the defaults were applied). The six \"Clock ...\" keys of\n"
           "                       --set also set the clock, all together\n"
           "Texts are written as Latin-1, as the program's screens write them; a character\n"
           "that Latin-1 cannot hold is bad input.\n";
}

}  // namespace wks::cli
