// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// --json: one document on standard output, in UTF-8, for scripts. Field names stay as
// docs/wks-settings.1 describes them; numbers are numbers, a missing value is null.

#include <QJsonObject>
#include <QString>
#include <string>
#include <string_view>

namespace wks::cli {

// The option that asks for it, in each command's table row.
inline constexpr const char* kJsonOption = "json";

// Prints the document. The controls that JSON would carry raw (DEL and C1, such as U+009B, a
// CSI on many terminals) are written as \u escapes like the others, so that the document is as
// safe on a terminal as the text output.
void printJson(const QJsonObject& document);

// A settings file's bytes (Latin-1) and a native path (the file system's bytes) as text.
QString latin1Json(std::string_view latin1);
QString pathJson(const std::string& path);

}  // namespace wks::cli
