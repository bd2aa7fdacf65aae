// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/accessibility.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QLabel>
#include <QWidget>

namespace wks::ui {
namespace {

// The drop-down's property that holds the label it is labelled by.
constexpr const char* kLabel = "wksLabel";

// The list a drop-down opens, if it has been made: Qt makes it on first use (a popup window with
// its own view), which costs the first screen's opening if done for every drop-down up front.
QAbstractItemView* madeList(QComboBox* box) { return box->findChild<QAbstractItemView*>(); }

// The list shows the current entry selected, so it is the value a screen reader reads from it.
// The screens set entries with signals blocked, so the list is also brought up to date when it
// is read. A list not made yet is brought up to date when it is.
void selectCurrentEntry(QComboBox* box) {
    QAbstractItemView* list = madeList(box);
    QItemSelectionModel* selection = list ? list->selectionModel() : nullptr;
    if (!selection) return;
    const QModelIndex current =
        box->model()->index(box->currentIndex(), box->modelColumn(), box->rootModelIndex());
    const bool shown = current.isValid() ? selection->isSelected(current) &&
                                               selection->selectedIndexes().size() == 1
                                         : !selection->hasSelection();
    if (!shown) selection->select(current, QItemSelectionModel::ClearAndSelect);
}

// The drop-down's list, made if need be, carrying the drop-down's name and its current entry.
QAbstractItemView* namedList(QComboBox* box) {
    QAbstractItemView* list = box->view();
    if (list->accessibleName() != box->accessibleName()) {
        list->setAccessibleName(box->accessibleName());
        list->setAccessibleDescription(box->accessibleName());
    }
    selectCurrentEntry(box);
    return list;
}

// The list is open while its popup window is shown. The window is asked, not the list: while
// the window hides, its list still counts as visible.
bool listShown(QComboBox* box) {
    const QAbstractItemView* list = madeList(box);
    return list && list->window() != box->window() && list->window()->isVisible();
}

// Names a drop-down's list when it opens for the first time (its popup window is polished then,
// which the drop-down hears of), and tells screen readers each time the list opens or closes.
class ListWatcher : public QObject {
  public:
    explicit ListWatcher(QComboBox* box) : QObject(box), box_(box) {
        box->installEventFilter(this);
        watchPopup();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == box_) {
            if (event->type() == QEvent::ChildPolished && madeList(box_)) {
                namedList(box_);
                watchPopup();
            }
        } else if (event->type() == QEvent::Show || event->type() == QEvent::Hide) {
            QAccessible::State changed;
            changed.expanded = true;
            QAccessibleStateChangeEvent expanded(box_, changed);
            QAccessible::updateAccessibility(&expanded);
        }
        return false;
    }

  private:
    // The popup window that holds the list, once it is made.
    void watchPopup() {
        QAbstractItemView* list = madeList(box_);
        QWidget* popup = list ? list->window() : nullptr;
        if (!popup || popup == box_->window() || popup == popup_) return;
        popup_ = popup;
        popup->installEventFilter(this);
    }

    QComboBox* box_;
    QObject* popup_ = nullptr;
};

// Qt on Linux gives a drop-down its current text as its name, so a screen reader says
// "English, combo box" and never the label. This one is named by its accessible name (the
// label's words) and keeps its text as its value; its one part is the list it opens, where the
// current entry is the selected one.
class DropDownAccessible : public QAccessibleWidget {
  public:
    explicit DropDownAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        switch (t) {
            case QAccessible::Name:
                if (!box()->accessibleName().isEmpty()) return box()->accessibleName();
                return box()->currentText();
            case QAccessible::Value:
                return box()->currentText();
            default:
                return QAccessibleWidget::text(t);
        }
    }
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        if (index != 0) return nullptr;
        return QAccessible::queryAccessibleInterface(namedList(box()));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == box()->view() ? 0 : -1;
    }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    // A drop-down with a label is labelled by that label alone, not also by its group box; so
    // is the second part of a control, whose label is the first part's buddy.
    QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(
        QAccessible::Relation match) const override {
        auto* label = qobject_cast<QLabel*>(box()->property(kLabel).value<QObject*>());
        if (!label || !(match & QAccessible::Label)) return QAccessibleWidget::relations(match);
        auto found = QAccessibleWidget::relations(match & ~QAccessible::Label);
        found.append({QAccessible::queryAccessibleInterface(label), QAccessible::Label});
        return found;
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.expandable = true;
        s.expanded = listShown(box());
        return s;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (listShown(box())) {
            box()->hidePopup();
        } else {
            box()->showPopup();
        }
    }

  private:
    QComboBox* box() const { return static_cast<QComboBox*>(widget()); }
};

// Only the program's choose-only drop-downs; an editable one keeps Qt's own interface.
QAccessibleInterface* dropDownFactory(const QString& className, QObject* object) {
    auto* box = qobject_cast<QComboBox*>(object);
    if (className != QLatin1String("QComboBox") || !box || box->isEditable()) return nullptr;
    return new DropDownAccessible(box);
}

// Qt makes a control's interface at its first accessibility event (filling a drop-down is one)
// and keeps it; one made before the drop-downs' own was in use is dropped.
void useDropDownInterface(QComboBox* box) {
    static const bool installed = (QAccessible::installFactory(dropDownFactory), true);
    (void)installed;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(box);
    if (iface && !dynamic_cast<DropDownAccessible*>(iface)) {
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
    }
}

}  // namespace

QString spokenText(const QString& labelText) {
    QString text = labelText;
    text.remove(QLatin1Char('&'));
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(':'))) text.chop(1);
    return text.simplified();
}

void labelControl(QLabel* label, QWidget* control, const QString& name) {
    label->setBuddy(control);
    if (auto* box = qobject_cast<QComboBox*>(control))
        box->setProperty(kLabel, QVariant::fromValue<QObject*>(label));
    nameControl(control, name.isEmpty() ? spokenText(label->text()) : name);
}

void labelPart(QLabel* label, QComboBox* part, const QString& name) {
    part->setProperty(kLabel, QVariant::fromValue<QObject*>(label));
    nameControl(part, name);
}

void nameControl(QWidget* control, const QString& name) {
    auto* box = qobject_cast<QComboBox*>(control);
    if (box) useDropDownInterface(box);
    control->setAccessibleName(name);
    control->setAccessibleDescription(name);
    if (box) {
        // A drop-down's list is a window of its own when it opens; it is spoken by the same name.
        if (madeList(box)) namedList(box);
        // Once for each drop-down, however often it is named.
        if (!box->property("wksListWatcher").toBool()) {
            box->setProperty("wksListWatcher", true);
            new ListWatcher(box);
            QObject::connect(box, &QComboBox::currentIndexChanged, box,
                             [box] { selectCurrentEntry(box); });
        }
    }
}

}  // namespace wks::ui
