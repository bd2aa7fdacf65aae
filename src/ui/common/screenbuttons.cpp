// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/screenbuttons.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <algorithm>

namespace wks::ui {
namespace {

class RadioAccessible : public QAccessibleWidget {
  public:
    explicit RadioAccessible(QRadioButton* button)
        : QAccessibleWidget(button, QAccessible::RadioButton) {}

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return button()->text().remove(QLatin1Char('&'));
        }
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = button()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (action == pressAction()) button()->click();
    }

  private:
    QRadioButton* button() const { return static_cast<QRadioButton*>(widget()); }
};

QAccessibleInterface* radioFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(ScreenRadioButton::staticMetaObject.className())) {
        return new RadioAccessible(static_cast<ScreenRadioButton*>(object));
    }
    return nullptr;
}

}  // namespace

ScreenRadioButton::ScreenRadioButton(QWidget* parent) : QRadioButton(parent) {
    setAutoExclusive(false);
    static const bool installed = (QAccessible::installFactory(radioFactory), true);
    (void)installed;
}

RadioGroupKeys::RadioGroupKeys(std::vector<QAbstractButton*> buttons, QObject* parent)
    : QObject(parent), buttons_(std::move(buttons)) {
    for (QAbstractButton* b : buttons_) {
        b->installEventFilter(this);
        connect(b, &QAbstractButton::toggled, this, &RadioGroupKeys::updateTabStop);
    }
    updateTabStop();
}

void RadioGroupKeys::updateTabStop() {
    auto usable = [](QAbstractButton* b) { return b->isEnabled() && !b->isHidden(); };
    auto stop = std::ranges::find_if(
        buttons_, [&](QAbstractButton* b) { return usable(b) && b->isChecked(); });
    if (stop == buttons_.end()) stop = std::ranges::find_if(buttons_, usable);
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) {
        (*it)->setFocusPolicy(it == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void RadioGroupKeys::move(QAbstractButton* from, int step) {
    const auto n = static_cast<int>(buttons_.size());
    const auto start = static_cast<int>(std::ranges::find(buttons_, from) - buttons_.begin());
    for (int i = 1; i < n; ++i) {
        QAbstractButton* next = buttons_[static_cast<std::size_t>((start + step * i + n) % n)];
        if (next->isEnabled() && !next->isHidden()) {
            next->setFocus(step > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
            next->click();
            return;
        }
    }
}

bool RadioGroupKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ShowToParent ||
        event->type() == QEvent::HideToParent) {
        updateTabStop();
    } else if (event->type() == QEvent::KeyPress) {
        auto* button = static_cast<QAbstractButton*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        // Only the bare arrows (the keypad's too) move; one with Ctrl, Alt or Shift held does
        // nothing here, neither choosing a button nor leaving the group.
        const bool bare = !(key->modifiers() & ~Qt::KeypadModifier);
        switch (key->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                if (bare) move(button, -1);
                return true;
            case Qt::Key_Down:
            case Qt::Key_Right:
                if (bare) move(button, 1);
                return true;
            default:
                break;
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace wks::ui
