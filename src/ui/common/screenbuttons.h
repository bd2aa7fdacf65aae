#pragma once
// Check boxes and radio buttons that never change state by themselves: a click only emits
// clicked(), and the screen sets the states its rules decide. So a three-state box follows
// the screen's rule, not Qt's cycle, and radio buttons form no automatic group.

#include <QCheckBox>
#include <QRadioButton>

namespace wks::ui {

class ScreenCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

// Qt tells screen readers that a radio button outside an automatic group is a check box; this
// one stays a radio button to them.
class ScreenRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit ScreenRadioButton(QWidget* parent = nullptr);

  protected:
    void nextCheckState() override {}
};

}  // namespace wks::ui
