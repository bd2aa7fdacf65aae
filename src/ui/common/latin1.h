// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Text fields over byte values. Every value the program keeps is bytes; a field shows them as
// Latin-1 and gives back Latin-1, so each byte a file holds comes back unchanged. A character
// that Latin-1 cannot hold (€, Ω, 中 …) is refused as it is typed or pasted: a value the user
// typed is never changed on its way to the file. A refused character beeps and a tooltip beside
// the field says which characters the camera accepts.

#include <QString>
#include <QValidator>
#include <string>

class QLineEdit;

namespace wks::ui {

// The bytes shown as text, one character per byte.
QString latin1Text(const std::string& bytes);
// The text as bytes, one byte per character. The text must hold only Latin-1 characters, as a
// field made by makeLatin1Field always does.
std::string latin1Bytes(const QString& text);

// What a field accepts: any Latin-1 text, or only the digits 0 to 9.
enum class FieldKind { Text, Digits };

// Refuses text that holds a character the field does not take: one outside Latin-1, or for
// Digits anything but 0 to 9. An edit is taken whole or refused whole, never altered. A value
// the program put into a digits field that it would refuse (a hand-edited file's "80a") stays
// editable: QLineEdit refuses edits only while its text is acceptable.
class Latin1Validator : public QValidator {
    Q_OBJECT
  public:
    explicit Latin1Validator(FieldKind kind, QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;

  private:
    FieldKind kind_;
};

// The tooltip shown when a character is refused.
QString refusedCharacterTip(FieldKind kind);

// Installs the validator on the field (replacing any other); call once when the screen is built.
void makeLatin1Field(QLineEdit* field, FieldKind kind = FieldKind::Text);
// Shows the bytes in the field.
void setFieldBytes(QLineEdit* field, const std::string& bytes);
// The field's text as bytes.
std::string fieldBytes(const QLineEdit* field);

}  // namespace wks::ui
