// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The state that the screens, the session and the settings file share. One exists in the
// program (made by main); each test makes its own.

#include <array>
#include <string>

#include "app/networkpreset.h"
#include "settings/cameraparams.h"

namespace wks {

struct AppState {
    NetworkPreset CurrentNetworkParams;
    std::string SmtpSsl;  // "0", "1" or empty
    CameraParams cameraParams;
    bool clockFollowsPc = false;
    std::string gameCallAudioPath;
};

// The texts of the main screen's eight recipient fields, in the order of their keys.
struct Recipients {
    static constexpr std::size_t kCount = 8;
    enum Index {
        AdministratorNum,
        PhoneNum2,
        PhoneNum3,
        PhoneNum4,
        ReceiveEmail1,
        ReceiveEmail2,
        ReceiveEmail3,
        ReceiveEmail4
    };
    std::array<std::string, kCount> texts;
    bool operator==(const Recipients&) const = default;
};

}  // namespace wks
