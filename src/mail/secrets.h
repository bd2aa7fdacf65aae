// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The password in every form a login sends it in, masked wherever a server repeats it: a
// careless or hostile server may echo what it was sent, as it came or decoded, in pieces over
// several lines of a reply.

#include <string>
#include <vector>

namespace wks::mail {

class Secrets {
  public:
    Secrets(const std::string& address, const std::string& password);

    struct Masked {
        std::string joined;     // the lines joined by blanks
        std::string firstLine;  // the first line alone
    };
    // Lines of one reply, masked as one text: a password cut in two by a line end is masked
    // in both lines.
    Masked mask(const std::vector<std::string>& lines) const;
    std::string mask(const std::string& text) const {
        return mask(std::vector<std::string>{text}).joined;
    }

  private:
    std::vector<std::string> forms_;
};

}  // namespace wks::mail
