// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mail/words.h"

#include <QCoreApplication>

#include "platform/message.h"

namespace wks::mail {

Words phrase(const char* source, std::vector<Words> args) {
    return Words{source, {}, std::move(args)};
}

Words verbatim(std::string data) { return Words{nullptr, std::move(data), {}}; }

// Each argument is made whole first, then put in place in one pass: a "%1" that a server said
// stays as it is.
std::string english(const Words& words) {
    if (!words.source) return words.data;
    std::vector<std::string> values;
    for (const Words& arg : words.args) values.push_back(english(arg));
    return insertValues(words.source, values);
}

QString translated(const Words& words) {
    if (!words.source)
        return QString::fromLatin1(words.data.data(), static_cast<qsizetype>(words.data.size()));
    std::vector<std::string> values;  // UTF-8, as the translated template
    for (const Words& arg : words.args) values.push_back(translated(arg).toStdString());
    const QString source = QCoreApplication::translate("wks::mail", words.source);
    return QString::fromStdString(insertValues(source.toStdString(), values));
}

}  // namespace wks::mail
