#include <iostream>

#include "app/catalogue.h"
#include "cli/commands.h"

namespace wks::cli {

int cmdModels(Args& args) {
    args.expect(0, "wks-settings models");
    for (const auto& m : catalogue()) {
        std::cout << m.displayName << "\tstem " << m.fileStem << "\t" << familyName(m.family)
                  << "\tSMTP SSL " << (m.hasSmtpSsl ? "yes" : "no") << "\tgame call "
                  << (m.hasGameCall ? "yes" : "no") << "\n";
    }
    return kExitOk;
}

}  // namespace wks::cli
