// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Names for screen readers. A control is spoken by its visible label's words: the label is its
// buddy (so Qt reports the "labelled by" relation) and its accessible name and description are
// the label's text without "&", the colon and the blanks around them. Qt on Linux reports a
// drop-down list's current text as its name, so the description is set as well.

#include <QString>

class QComboBox;
class QLabel;
class QWidget;

namespace wks::ui {

// "MMS URL :" -> "MMS URL", "Admin...Number :" -> "Admin...Number", " &Sunday" -> "Sunday".
QString spokenText(const QString& labelText);

// Makes label the control's buddy and names the control by the label's words, or by name when
// the label's words do not say what the control is (two controls under one label).
void labelControl(QLabel* label, QWidget* control, const QString& name = {});

// Names a drop-down that is the second part of a labelled control (a time's minutes beside its
// hours): the label stays the first part's buddy, and screen readers hear this part as
// labelled by it as well.
void labelPart(QLabel* label, QComboBox* part, const QString& name);

// Names a control that has no label of its own (a drop-down list and the list it opens).
void nameControl(QWidget* control, const QString& name);

}  // namespace wks::ui
