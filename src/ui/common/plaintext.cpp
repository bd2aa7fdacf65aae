// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/plaintext.h"

#include <QTextDocument>

namespace wks::ui {

QString plainToolTip(const QString& text) {
    if (text.isEmpty()) return text;  // no tooltip at all
    // Markup escaped, line breaks kept, blanks not folded together.
    return Qt::convertFromPlainText(text, Qt::WhiteSpacePre);
}

}  // namespace wks::ui
