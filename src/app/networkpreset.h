// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One operator's network parameters: 13 texts in the order of the settings file's keys.

#include <array>
#include <string>

namespace wks {

struct NetworkPreset {
    std::string URL, APN, IP, Port, Account, Password;  // MMS over WAP
    std::string GPRSAPN, GPRSAccount, GPRSPassword;     // the GPRS connection
    std::string SendEmailServer, SendEmailPort, SendEmailAddr, SendEmailPassword;  // sender

    static constexpr std::size_t kFieldCount = 13;
    // The fields in their fixed order, for code that walks them.
    std::array<std::string*, kFieldCount> fields() {
        return {&URL,
                &APN,
                &IP,
                &Port,
                &Account,
                &Password,
                &GPRSAPN,
                &GPRSAccount,
                &GPRSPassword,
                &SendEmailServer,
                &SendEmailPort,
                &SendEmailAddr,
                &SendEmailPassword};
    }
    std::array<const std::string*, kFieldCount> fields() const {
        return {&URL,
                &APN,
                &IP,
                &Port,
                &Account,
                &Password,
                &GPRSAPN,
                &GPRSAccount,
                &GPRSPassword,
                &SendEmailServer,
                &SendEmailPort,
                &SendEmailAddr,
                &SendEmailPassword};
    }
    bool operator==(const NetworkPreset&) const = default;
};

}  // namespace wks
