// wks-settings: writes, reads, checks and saves camera settings files without a window.

#include <cstring>
#include <iostream>
#include <iterator>

#include "cli/commands.h"

namespace {

using namespace wks::cli;

const Command kCommands[] = {
    {"models", "list the camera models with stem, family and options",
     "usage: wks-settings models\n"
     "Lists the six camera models: display name, file stem, camera family,\n"
     "whether the model has the SMTP SSL option and the game call.\n",
     cmdModels},
};

void usage(std::ostream& out) {
    out << "usage: wks-settings COMMAND [ARGS]\n\nCommands:\n";
    for (const auto& c : kCommands) out << "  " << c.name << "\t" << c.summary << "\n";
    out << "\nwks-settings COMMAND --help describes one command.\n";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        usage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? kExitUsage : kExitOk;
    }
    for (const auto& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0) continue;
        Args args(std::vector<std::string>(argv + 2, argv + argc));
        if (args.helpRequested()) {
            std::cout << c.help;
            return kExitOk;
        }
        try {
            return c.run(args);
        } catch (const UsageError& e) {
            std::cerr << "wks-settings " << c.name << ": " << e.what() << "\n";
            return kExitUsage;
        }
    }
    std::cerr << "wks-settings: unknown command \"" << argv[1] << "\"\n";
    usage(std::cerr);
    return kExitUsage;
}
