// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The preset table's sender accounts are placeholders on the domains kept for examples
// (example.com, example.net, example.org): no mail server accepts them, so a camera saved
// with one can never send e-mail. The main screen and `wks-settings check` both warn of it.

#include <QtGlobal>

#include "app/networkpreset.h"

namespace wks {

// The screens show the note in the user's language.
inline constexpr const char* kPlaceholderSenderContext = "wks::PlaceholderSender";
inline constexpr const char* kPlaceholderSenderNote =
    QT_TRANSLATE_NOOP("wks::PlaceholderSender",
                      "E-mail from the camera needs your own sender account: set it under "
                      "Check WAP / Internet Parameters.");

// What follows the note where `wks-settings check` finds it: the options that mend it, beside
// the screen's button.
inline constexpr const char* kPlaceholderSenderMend =
    " On the command line: --net SendEmailServer=SERVER --net SendEmailAddr=ADDRESS "
    "--net SendEmailPassword=PASSWORD (wks-settings new or save).";

// True when the sender's server or address lies on one of those domains (or below one).
bool isPlaceholderSender(const NetworkPreset& params);

}  // namespace wks
