// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One key of the settings file given a value from outside (the command line's --net and --set,
// a column of the card station's camera list), judged against the model before anything is
// written, and applied to the settings in memory.

#include <cstdint>
#include <string>
#include <variant>

#include "app/catalogue.h"
#include "platform/message.h"
#include "settings/settingsfile.h"

namespace wks {

struct KeyChange {
    enum class Kind { Network, Ssl, Recipient, Camera };
    Kind kind = Kind::Network;
    std::string value;  // Latin-1 bytes (network keys, recipients)
    const NetworkKey* network = nullptr;
    std::size_t recipient = 0;
    CameraKey camera{};
    std::int32_t code = 0;
};

// Which keys a caller offers: --net the network ones, --set the camera ones, a list all of them.
enum class KeyScope { Network, Camera, Any };

// The change, or the words saying why it is none ("\"PIR Interval\" is not a camera key of
// KT470RX-8PRO"). Camera values are numbers among the model's codes, as check judges a file.
std::variant<KeyChange, Text> judgeKeyChange(const CameraModel& model, KeyScope scope,
                                             const std::string& key, const std::string& value);
// The words judgeKeyChange gives for a key the model's settings file does not have.
inline constexpr const char* kNotAKeyOf =
    QT_TRANSLATE_NOOP("Message", "\"%1\" is not a key of %2's settings file");

void applyKeyChange(const KeyChange& change, AppState& state, Recipients& recipients);

}  // namespace wks
