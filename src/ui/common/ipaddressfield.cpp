// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/ipaddressfield.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <algorithm>

namespace wks::ui {

IpAddressField::IpAddressField(QWidget* parent) : QFrame(parent) {
    // Drawn as one edit box holding four borderless parts.
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 0, 2, 0);
    layout->setSpacing(0);
    auto* digits =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), this);
    for (int i = 0; i < 4; ++i) {
        auto* part = new QLineEdit(this);
        part->setObjectName(QStringLiteral("part%1").arg(i + 1));
        part->setAccessibleName(QString::number(i + 1));
        part->setFrame(false);
        part->setAlignment(Qt::AlignCenter);
        part->setMaxLength(3);
        part->setValidator(digits);
        part->setInputMethodHints(Qt::ImhDigitsOnly);
        // One tab stop for the whole field: only the first part takes Tab focus.
        part->setFocusPolicy(i == 0 ? Qt::StrongFocus : Qt::ClickFocus);
        part->installEventFilter(this);
        connect(part, &QLineEdit::textEdited, this, [part] { limitTo255(part); });
        parts_[static_cast<std::size_t>(i)] = part;
        if (i > 0) layout->addWidget(new QLabel(QStringLiteral("."), this));
        layout->addWidget(part, 1);
    }
    // As wide as four three-digit numbers, not as the column it stands in.
    const int partWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000"));
    for (QLineEdit* part : parts_) part->setFixedWidth(partWidth);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    // Focus given to the field (a label's buddy, a tab order set on it) goes to the first part.
    setFocusProxy(parts_[0]);
    setFocusPolicy(Qt::StrongFocus);
}

void IpAddressField::clear() {
    for (QLineEdit* part : parts_) part->clear();
}

bool IpAddressField::isBlank() const {
    return std::all_of(parts_.begin(), parts_.end(),
                       [](const QLineEdit* p) { return p->text().isEmpty(); });
}

void IpAddressField::setAddress(const Parts& parts) {
    for (std::size_t i = 0; i < parts_.size(); ++i) parts_[i]->setText(QString::number(parts[i]));
}

IpAddressField::Parts IpAddressField::address() const {
    Parts parts{};
    for (std::size_t i = 0; i < parts_.size(); ++i) parts[i] = parts_[i]->text().toInt();
    return parts;
}

int IpAddressField::indexOf(QObject* watched) const {
    for (int i = 0; i < 4; ++i)
        if (part(i) == watched) return i;
    return -1;
}

void IpAddressField::moveTo(int index, Cursor cursor) {
    QLineEdit* p = part(index);
    p->setFocus(Qt::OtherFocusReason);
    if (cursor == Cursor::SelectAll)
        p->selectAll();
    else if (cursor == Cursor::Start)
        p->home(false);
    else
        p->end(false);
}

// A number above 255 becomes 255 as it is typed: a part cannot hold more.
void IpAddressField::limitTo255(QLineEdit* part) {
    if (part->text().toInt() > 255) part->setText(QStringLiteral("255"));
}

bool IpAddressField::eventFilter(QObject* watched, QEvent* event) {
    const int index = indexOf(watched);
    if (index < 0 || event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    QLineEdit* p = part(index);
    const bool atStart = p->cursorPosition() == 0 && !p->hasSelectedText();
    const bool atEnd = p->cursorPosition() == p->text().size() && !p->hasSelectedText();
    const bool hasNext = index < 3;
    const bool hasPrevious = index > 0;
    const QString text = key->text();
    const bool digit =
        text.size() == 1 && text[0] >= QLatin1Char('0') && text[0] <= QLatin1Char('9');

    // The later parts are no tab stops, so Shift+Tab would land on the first part: it leaves the
    // field from any part, as Tab does.
    const bool backtab = key->key() == Qt::Key_Backtab ||
                         (key->key() == Qt::Key_Tab && (key->modifiers() & Qt::ShiftModifier));
    if (backtab && hasPrevious) {
        part(0)->setFocus(Qt::BacktabFocusReason);
        focusNextPrevChild(false);
        return true;
    }
    if (text == QLatin1String(".")) {
        if (hasNext) moveTo(index + 1, Cursor::SelectAll);
        return true;
    }
    if (digit && p->text().size() == 3 && atEnd && hasNext) {
        moveTo(index + 1, Cursor::SelectAll);
        part(index + 1)->insert(text);
        limitTo255(part(index + 1));
        return true;
    }
    if ((key->key() == Qt::Key_Backspace && p->text().isEmpty() && hasPrevious) ||
        (key->key() == Qt::Key_Left && atStart && hasPrevious)) {
        moveTo(index - 1, Cursor::End);
        return true;
    }
    if (key->key() == Qt::Key_Right && atEnd && hasNext) {
        moveTo(index + 1, Cursor::Start);
        return true;
    }
    return QFrame::eventFilter(watched, event);
}

}  // namespace wks::ui
