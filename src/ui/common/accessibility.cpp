#include "ui/common/accessibility.h"

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
}

}  // namespace wks::ui
