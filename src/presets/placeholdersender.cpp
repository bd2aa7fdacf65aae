// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "presets/placeholdersender.h"

#include <algorithm>
#include <cctype>
#include <string_view>

namespace wks {
namespace {

bool onExampleDomain(std::string host) {
    const auto blank = [](unsigned char c) { return std::isspace(c) != 0; };
    host.erase(host.begin(), std::find_if_not(host.begin(), host.end(), blank));
    host.erase(std::find_if_not(host.rbegin(), host.rend(), blank).base(), host.end());
    std::transform(host.begin(), host.end(), host.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (!host.empty() && host.back() == '.') host.pop_back();  // a fully qualified name
    for (std::string_view domain : {"example.com", "example.net", "example.org"}) {
        if (host == domain) return true;
        if (host.size() > domain.size() && host.ends_with(domain) &&
            host[host.size() - domain.size() - 1] == '.') {
            return true;
        }
    }
    return false;
}

}  // namespace

bool isPlaceholderSender(const NetworkPreset& params) {
    const std::string& addr = params.SendEmailAddr;
    const auto at = addr.rfind('@');
    return onExampleDomain(params.SendEmailServer) ||
           (at != std::string::npos && onExampleDomain(addr.substr(at + 1)));
}

}  // namespace wks
