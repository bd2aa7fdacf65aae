// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The commands of wks-settings. Each takes its arguments (after the command's name) and
// returns the exit status; bad input throws UsageError.

#include <optional>
#include <string>
#include <vector>

#include "app/catalogue.h"
#include "cli/args.h"
#include "platform/cardsource.h"
#include "platform/profile.h"

namespace wks::cli {

struct Command {
    const char* name;
    const char* summary;      // its line in the list of commands
    const char* usage;        // after "usage: "; each further form on a line of its own
    const char* description;  // what it does, its exit status
    std::vector<CommandOption> options;
    bool takesChanges;  // also takes the CHANGES options, described after its own
    int (*run)(Args& args);
};

// Every command, in the manual page's order.
const std::vector<Command>& commands();

// The text that `COMMAND --help` prints.
std::string commandHelp(const Command& command);

// The model of that display name; UsageError when there is none.
const CameraModel& requireModel(const std::optional<std::string>& name);
// The settings document at path; UsageError when it is missing or cannot be read.
ProfileDocument requireDocument(const std::string& path);

int cmdModels(Args& args);
int cmdAudio(Args& args);
int cmdNew(Args& args);
int cmdShow(Args& args);
int cmdCheck(Args& args);
int cmdIni(Args& args);
int cmdSave(Args& args);
int cmdPresets(Args& args);
int cmdDrives(Args& args);
int cmdMailTest(Args& args);
int cmdCompletion(Args& args);
int cmdStation(Args& args);
int cmdEject(Args& args);

// The application object that QtDBus and waiting for cards need, made once.
void ensureApplication();
// Prints whether the drive is safe to remove now; the exit status: 0 when it is.
int reportEject(char letter, const EjectOutcome& out);

}  // namespace wks::cli
