// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Check boxes and radio buttons that never change state by themselves: a click only emits
// clicked(), and the screen sets the states its rules decide. So a three-state box follows
// the screen's rule, not Qt's cycle, and radio buttons form no automatic group.

#include <QCheckBox>
#include <QRadioButton>
#include <vector>

namespace wks::ui {

class ScreenCheckBox : public QCheckBox {
    Q_OBJECT
  public:
    using QCheckBox::QCheckBox;

  protected:
    void nextCheckState() override {}
};

// Qt tells screen readers that a radio button outside an automatic group is a check box; this
// one stays a radio button to them. A click anywhere on its row counts, not only on its circle
// and text.
class ScreenRadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit ScreenRadioButton(QWidget* parent = nullptr);

  protected:
    void nextCheckState() override {}
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

// The keys of a radio group as a Windows dialog has them: the group is one Tab stop, entered at
// its checked button (the first one when none is checked); the arrow keys, with no Ctrl, Alt or
// Shift held, move within the group, round from the last to the first, and click the button
// they reach, so the screen sets the states as for a mouse click. Disabled and hidden buttons
// are passed over.
class RadioGroupKeys : public QObject {
    Q_OBJECT
  public:
    RadioGroupKeys(std::vector<QAbstractButton*> buttons, QObject* parent);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void updateTabStop();
    void move(QAbstractButton* from, int step);

    std::vector<QAbstractButton*> buttons_;
};

}  // namespace wks::ui
