// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/json.h"

#include <QFile>
#include <QJsonDocument>
#include <cstdio>
#include <iostream>

namespace wks::cli {

void printJson(const QJsonObject& document) {
    const QByteArray json = QJsonDocument(document).toJson(QJsonDocument::Indented);
    std::string out;
    out.reserve(static_cast<std::size_t>(json.size()));
    for (qsizetype i = 0; i < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        // U+0080 to U+009F are C2 80 to C2 9F in UTF-8.
        const bool c1 =
            c == 0xC2 && i + 1 < json.size() && static_cast<unsigned char>(json[i + 1]) < 0xA0;
        if (c == 0x7F || c1) {
            char escape[7];
            std::snprintf(escape, sizeof escape, "\\u%04x",
                          c1 ? static_cast<unsigned char>(json[++i]) : c);
            out += escape;
        } else {
            out += static_cast<char>(c);
        }
    }
    std::cout << out;
}

QString latin1Json(std::string_view latin1) {
    return QString::fromLatin1(latin1.data(), static_cast<qsizetype>(latin1.size()));
}

QString pathJson(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

}  // namespace wks::cli
