#pragma once
// The commands of wks-settings. Each takes its arguments (after the command's name) and
// returns the exit status; bad input throws UsageError.

#include "cli/args.h"

namespace wks::cli {

struct Command {
    const char* name;
    const char* summary;
    const char* help;  // printed for --help
    int (*run)(Args& args);
};

int cmdModels(Args& args);
int cmdNew(Args& args);
int cmdShow(Args& args);
int cmdCheck(Args& args);
int cmdIni(Args& args);
int cmdPresets(Args& args);

}  // namespace wks::cli
