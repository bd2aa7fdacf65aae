// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/words.h"

#include <QCoreApplication>

namespace wks::mail {
namespace {

char32_t at(const std::string& text, std::size_t i) { return static_cast<unsigned char>(text[i]); }
char32_t at(const QString& text, std::size_t i) {
    return text[static_cast<qsizetype>(i)].unicode();
}

// Puts each argument in place of its %N in one pass, so that a "%1" inside an argument (a
// server may say anything) stays as it is.
template <typename Text, typename Render>
Text filled(const Text& pattern, const std::vector<Words>& args, Render render) {
    Text out;
    const auto size = static_cast<std::size_t>(pattern.size());
    for (std::size_t i = 0; i < size; ++i) {
        const char32_t next = i + 1 < size ? at(pattern, i + 1) : 0;
        const std::size_t n = next >= U'1' && next <= U'9' ? next - U'0' : 0;
        if (at(pattern, i) == U'%' && n >= 1 && n <= args.size()) {
            out += render(args[n - 1]);
            ++i;
        } else {
            out += pattern[static_cast<decltype(pattern.size())>(i)];
        }
    }
    return out;
}

}  // namespace

Words phrase(const char* source, std::vector<Words> args) {
    return Words{source, {}, std::move(args)};
}

Words verbatim(std::string data) { return Words{nullptr, std::move(data), {}}; }

std::string english(const Words& words) {
    if (!words.source) return words.data;
    return filled(std::string(words.source), words.args, english);
}

QString translated(const Words& words) {
    if (!words.source)
        return QString::fromLatin1(words.data.data(), static_cast<qsizetype>(words.data.size()));
    return filled(QCoreApplication::translate("wks::mail", words.source), words.args, translated);
}

}  // namespace wks::mail
