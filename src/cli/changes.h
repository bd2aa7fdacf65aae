// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The changes that `new` and `save` apply on top of a model's settings, taken from the
// command line and checked before anything is written.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "cli/args.h"
#include "platform/clock.h"
#include "settings/settingsfile.h"

namespace wks::cli {

class Changes {
  public:
    // Takes the CHANGES options out of args, then checks them against the model: throws
    // UsageError for an unknown country, operator or key, a value that is not a number or not
    // one of the key's codes for the model, a bad clock. Options are taken first so that the
    // positionals can be read before the model is known.
    static Changes take(Args& args);
    void check(const CameraModel& model);
    // Applies them in the documented order: preset, recipients, network keys, camera keys, clock.
    // Without a clock given, the clock read is written back, unless it is no valid date or the
    // defaults were applied (then the computer's time is stamped at the save).
    void apply(AppState& state, Recipients& recipients) const;

    static const char* help();
    // The options that take() reads (help() describes them).
    static std::vector<CommandOption> options();

  private:
    const CameraModel* model_ = nullptr;
    std::optional<std::string> country_, operator_, clockText_;
    std::vector<std::string> netTexts_, setTexts_;
    std::optional<std::pair<std::string, std::string>> preset_;
    std::vector<std::pair<std::size_t, std::string>> recipients_;
    std::vector<std::pair<std::string, std::string>> network_;  // key, value
    std::vector<std::pair<CameraKey, std::int32_t>> camera_;
    std::optional<LocalTime> clock_;  // a time given with --clock
    bool clockKeysSet_ = false;       // the six clock keys given with --set
};

// The operators of the preset table's country; UsageError, with the names it may have meant,
// when the table has no such country.
std::vector<std::string> requireOperators(const std::string& country);

// "2026-12-07T14:05:09" -> its parts; nothing when it is not such a time or not a valid one.
std::optional<LocalTime> parseClock(const std::string& text);

}  // namespace wks::cli
