// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QJsonArray>
#include <iostream>

#include "app/catalogue.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "settings/camerakeys.h"

namespace wks::cli {

int cmdModels(Args& args) {
    args.expect(0, "wks-settings models [--json]");
    if (args.flag(kJsonOption)) {
        QJsonArray models;
        for (const auto& m : catalogue()) {
            models.append(QJsonObject{{"name", QString::fromStdString(m.displayName)},
                                      {"stem", QString::fromStdString(m.fileStem)},
                                      {"family", cameraFamily(m.family).name},
                                      {"smtpSsl", m.hasSmtpSsl},
                                      {"gameCall", m.hasGameCall}});
        }
        printJson({{"models", models}});
        return kExitOk;
    }
    for (const auto& m : catalogue()) {
        std::cout << m.displayName << "\tstem " << m.fileStem << "\t" << cameraFamily(m.family).name
                  << "\tSMTP SSL " << (m.hasSmtpSsl ? "yes" : "no") << "\tgame call "
                  << (m.hasGameCall ? "yes" : "no") << "\n";
    }
    return kExitOk;
}

}  // namespace wks::cli
