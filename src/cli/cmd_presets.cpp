// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <iostream>

#include "cli/changes.h"
#include "cli/commands.h"
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
    if (positionals.size() > 1) throw UsageError("usage: wks-settings presets [COUNTRY]");
    const PresetTable& table = presetTable();

    if (positionals.empty()) {
        for (const auto& country : table.Countries()) {
            std::cout << country;
            const auto operators = table.OperatorsOf(country);
            for (const auto& op : *operators) std::cout << "\t" << op;
            std::cout << "\n";
        }
        return kExitOk;
    }

    const std::string& country = positionals[0];
    bool first = true;
    for (const auto& op : requireOperators(country)) {
        NetworkPreset preset;
        table.ApplyPreset(preset, country, op);
        std::cout << (first ? "" : "\n") << "[" << op << "]\n";
        first = false;
        const auto fields = preset.fields();
        for (std::size_t i = 0; i < fields.size(); ++i)
            std::cout << kKeys[i] << "=" << *fields[i] << "\n";
    }
    return kExitOk;
}

}  // namespace wks::cli
