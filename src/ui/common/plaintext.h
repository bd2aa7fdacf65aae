// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text from outside — a folder's name, a volume label, a file's value, a server's reply — is
// shown as the characters it holds, never as markup: a stick labelled "<h1>CARD" must not decide
// how the screen speaks of it. Labels and message boxes take Qt::PlainText; a tooltip has no
// such setting (Qt guesses from the text), so it gets rich text that shows exactly the plain text.

#include <QString>

namespace wks::ui {

QString plainToolTip(const QString& text);

}  // namespace wks::ui
