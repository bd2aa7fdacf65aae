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

}  // namespace wks::cli
