// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/latin1.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <QToolTip>
#include <algorithm>

namespace wks::ui {

QString latin1Text(const std::string& bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string latin1Bytes(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

namespace {

bool takes(FieldKind kind, QChar c) {
    if (kind == FieldKind::Digits) return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    return c.unicode() <= 0xFF;
}

bool takesAll(FieldKind kind, const QString& text) {
    return std::all_of(text.cbegin(), text.cend(), [kind](QChar c) { return takes(kind, c); });
}

// A refused character beeps and says beside the field what the camera's file can hold.
void tellRefused(QLineEdit* field, FieldKind kind) {
    QApplication::beep();
    QToolTip::showText(field->mapToGlobal(QPoint(0, field->height())), refusedCharacterTip(kind),
                       field);
}

}  // namespace

QString refusedCharacterTip(FieldKind kind) {
    if (kind == FieldKind::Digits) {
        return QCoreApplication::translate("wks::ui::Latin1Field",
                                           "The camera accepts only the digits 0 to 9 here.");
    }
    return QCoreApplication::translate(
        "wks::ui::Latin1Field",
        "The camera accepts only Latin-1 characters: A to Z, a to z, 0 to 9, "
        "signs and Western European letters such as é, ü, ß.");
}

Latin1Validator::Latin1Validator(FieldKind kind, QObject* parent)
    : QValidator(parent), kind_(kind) {}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
    if (takesAll(kind_, input)) return Acceptable;
    // The field refuses the edit only while its text is acceptable; whether it did shows once
    // the edit is over: the text is then not the one refused here.
    QPointer<QLineEdit> field = qobject_cast<QLineEdit*>(parent());
    if (field && field->hasFocus()) {
        QTimer::singleShot(0, field, [field, refused = input, kind = kind_] {
            if (field && field->text() != refused) tellRefused(field, kind);
        });
    }
    return Invalid;
}

void makeLatin1Field(QLineEdit* field, FieldKind kind) {
    field->setValidator(new Latin1Validator(kind, field));
    field->setInputMethodHints(field->inputMethodHints() | Qt::ImhLatinOnly |
                               (kind == FieldKind::Digits ? Qt::ImhDigitsOnly : Qt::ImhNone));
}

void setFieldBytes(QLineEdit* field, const std::string& bytes) {
    field->setText(latin1Text(bytes));
}

std::string fieldBytes(const QLineEdit* field) { return latin1Bytes(field->text()); }

}  // namespace wks::ui
