// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "apply" step of the main screen's country and operator lists: copy the chosen preset
// into the working parameters and decide the SMTP SSL flag. The screen and wks-settings
// both go through it.

#include <string>

#include "app/catalogue.h"
#include "settings/appstate.h"

namespace wks {

enum class OperatorChoice {
    NoChoice,         // a name was empty: nothing happened, keepSslOnApply kept its state
    CountryNotFound,  // nothing changed; the caller refills its lists
    Applied,          // the preset was copied if the operator matched; SmtpSsl decided
};

// Applies the preset of `country` and `op` to state.CurrentNetworkParams, then decides
// state.SmtpSsl: left alone (and keepSslOnApply cleared) when keepSslOnApply is set, left
// alone for the KT320V-8PRO with Sweden's "Telenor" or "Tele 2", else "0".
OperatorChoice ApplyOperatorChoice(AppState& state, const CameraModel& model,
                                   const std::string& country, const std::string& op,
                                   bool& keepSslOnApply);

}  // namespace wks
