// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "session/operatorchoice.h"

#include "presets/presettable.h"

namespace wks {

OperatorChoice ApplyOperatorChoice(AppState& state, const CameraModel& model,
                                   const std::string& country, const std::string& op,
                                   bool& keepSslOnApply) {
    if (country.empty() || op.empty()) return OperatorChoice::NoChoice;
    if (!presetTable().ApplyPreset(state.CurrentNetworkParams, country, op))
        return OperatorChoice::CountryNotFound;

    // The Swedish reseller's KT320V-8PRO keeps its SSL choice on the Telenor and Tele 2
    // networks; everywhere else a fresh preset sends without SSL.
    const bool swedishSslNetwork = model.displayName == kSwedenModel && country == "Sweden" &&
                                   (op == "Telenor" || op == "Tele 2");
    if (keepSslOnApply) {
        keepSslOnApply = false;
    } else if (!swedishSslNetwork) {
        // Assigned from a string: GCC 12 warns falsely (-Wrestrict) on the literal here.
        state.SmtpSsl = std::string("0");
    }
    return OperatorChoice::Applied;
}

}  // namespace wks
