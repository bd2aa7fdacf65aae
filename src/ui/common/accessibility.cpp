#include "ui/common/accessibility.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QWidget>

namespace wks::ui {

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
    control->setAccessibleName(name);
    control->setAccessibleDescription(name);
    // A drop-down's list is a window of its own when it opens; it is spoken by the same name.
    if (auto* list = qobject_cast<QComboBox*>(control)) nameControl(list->view(), name);
}

}  // namespace wks::ui
