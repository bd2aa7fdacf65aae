// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A list widget that behaves as a Windows list box: it is as tall as a whole number of rows, so
// no half row shows at its bottom; and while nothing is selected no entry is current, so no
// entry looks chosen when it takes the focus, and Down then selects the first entry.

class QListWidget;

namespace wks::ui {

void makeListBox(QListWidget* list);

}  // namespace wks::ui
