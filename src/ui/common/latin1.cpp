#include "ui/common/latin1.h"

#include <QLineEdit>
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

}  // namespace

Latin1Validator::Latin1Validator(FieldKind kind, QObject* parent)
    : QValidator(parent), kind_(kind) {}

QValidator::State Latin1Validator::validate(QString& input, int&) const {
    return takesAll(kind_, input) ? Acceptable : Invalid;
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
