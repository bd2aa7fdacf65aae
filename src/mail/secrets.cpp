// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/secrets.h"

#include <QByteArray>
#include <algorithm>

namespace wks::mail {

namespace {

constexpr const char* kMask = "****";

}  // namespace

Secrets::Secrets(const std::string& address, const std::string& password) {
    if (password.empty()) return;
    forms_.push_back(password);
    // LOGIN sends the password alone in base64, PLAIN with the address before it, with or
    // without the address as the identity asked for.
    const std::string nul(1, '\0');
    for (const std::string& sent :
         {password, nul + address + nul + password, address + nul + address + nul + password}) {
        const QByteArray bytes = QByteArray::fromStdString(sent);
        for (const QByteArray& form :
             {bytes.toBase64(), bytes.toBase64(QByteArray::OmitTrailingEquals), bytes.toHex(),
              bytes.toHex().toUpper()})
            forms_.push_back(form.toStdString());
    }
}

Secrets::Masked Secrets::mask(const std::vector<std::string>& lines) const {
    std::string all;
    std::vector<std::size_t> starts;  // where each line begins in `all`
    for (const std::string& line : lines) {
        starts.push_back(all.size());
        all += line;
    }
    std::vector<bool> hidden(all.size(), false);
    for (const std::string& form : forms_)
        for (auto at = all.find(form); at != std::string::npos; at = all.find(form, at + 1))
            std::fill_n(hidden.begin() + static_cast<std::ptrdiff_t>(at), form.size(), true);

    // The first `count` lines, each run of hidden bytes as one mask; a line end inside a run
    // is part of it.
    const auto render = [&](std::size_t count) {
        std::string out;
        bool masking = false;
        for (std::size_t k = 0; k < count; ++k) {
            const std::size_t begin = starts[k];
            const std::size_t end = k + 1 < starts.size() ? starts[k + 1] : all.size();
            if (k > 0 && !(masking && begin < end && hidden[begin])) {
                out += ' ';
                masking = false;
            }
            for (std::size_t i = begin; i < end; ++i) {
                if (!hidden[i]) {
                    out += all[i];
                    masking = false;
                } else if (!masking) {
                    out += kMask;
                    masking = true;
                }
            }
        }
        return out;
    };
    return {render(lines.size()), render(std::min<std::size_t>(1, lines.size()))};
}

}  // namespace wks::mail
