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

// Names a drop-down's list when it opens for the first time: its popup window is polished
// then, which the drop-down hears of.
class ListNamer : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ChildPolished) {
            auto* box = static_cast<QComboBox*>(watched);
            if (madeList(box)) namedList(box);
        }
        return false;
    }
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
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction()) return;
        if (box()->view()->isVisible()) {
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
    nameControl(control, name.isEmpty() ? spokenText(label->text()) : name);
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
        if (!box->property("wksListNamer").toBool()) {
            box->setProperty("wksListNamer", true);
            box->installEventFilter(new ListNamer(box));
            QObject::connect(box, &QComboBox::currentIndexChanged, box,
                             [box] { selectCurrentEntry(box); });
        }
    }
}

}  // namespace wks::ui
