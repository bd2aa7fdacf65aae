#include "ui/common/screenbuttons.h"

#include <QAccessibleWidget>

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

}  // namespace wks::ui
