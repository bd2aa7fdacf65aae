// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QJsonArray>
#include <iostream>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "presets/presettable.h"

namespace wks::cli {

namespace {

// The settings file's keys of the 13 network fields, in their order.
constexpr const char* kKeys[NetworkPreset::kFieldCount] = {"URL",
                                                           "APN",
                                                           "IP",
                                                           "Port",
                                                           "Account",
                                                           "Password",
                                                           "GPRSAPN",
                                                           "GPRSAccount",
                                                           "GPRSPassword",
                                                           "SendEmailServer",
                                                           "SendEmailPort",
                                                           "SendEmailAddr",
                                                           "SendEmailPassword"};

}  // namespace

int cmdPresets(Args& args) {
    const auto positionals = args.positionals();
    if (positionals.size() > 1) throw UsageError("usage: wks-settings presets [COUNTRY] [--json]");
    const bool json = args.flag(kJsonOption);
    const PresetTable& table = presetTable();

    if (positionals.empty()) {
        QJsonArray countries;
        for (const auto& country : table.Countries()) {
            const auto operators = table.OperatorsOf(country);
            if (json) {
                QJsonArray names;
                for (const auto& op : *operators) names.append(latin1Json(op));
                countries.append(QJsonObject{{"name", latin1Json(country)}, {"operators", names}});
                continue;
            }
            std::cout << country;
            for (const auto& op : *operators) std::cout << "\t" << op;
            std::cout << "\n";
        }
        if (json) printJson({{"countries", countries}});
        return kExitOk;
    }

    const std::string& country = positionals[0];
    QJsonArray operators;
    bool first = true;
    for (const auto& op : requireOperators(country)) {
        NetworkPreset preset;
        table.ApplyPreset(preset, country, op);
        const auto fields = preset.fields();
        if (json) {
            QJsonObject values;
            for (std::size_t i = 0; i < fields.size(); ++i)
                values.insert(kKeys[i], latin1Json(*fields[i]));
            operators.append(QJsonObject{{"name", latin1Json(op)}, {"values", values}});
            continue;
        }
        std::cout << (first ? "" : "\n") << "[" << op << "]\n";
        first = false;
        for (std::size_t i = 0; i < fields.size(); ++i)
            std::cout << kKeys[i] << "=" << *fields[i] << "\n";
    }
    if (json) printJson({{"country", latin1Json(country)}, {"operators", operators}});
    return kExitOk;
}

}  // namespace wks::cli
