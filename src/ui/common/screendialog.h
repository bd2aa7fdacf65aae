// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The base of every screen. A screen does its opening work in initDialog(), which the runner
// calls once, after the caller has set the screen's inputs and before the screen is shown —
// the moment a Windows dialog receives WM_INITDIALOG. A screen that ends itself while opening
// (an unknown model, say) is then never shown.

#include <QDialog>

namespace wks::ui {

class ScreenDialog : public QDialog {
    Q_OBJECT
  public:
    explicit ScreenDialog(QWidget* parent = nullptr);

    // Runs the opening once; later calls do nothing.
    void initOnce();
    // True when the screen ended (done() ran) since its opening began.
    bool hasEnded() const { return ended_; }

    void done(int result) override;
    // A screen opens centred on the screen that holds its parent (a screen without parent on
    // the screen it was given), its title bar never above the screen's top edge.
    void setVisible(bool visible) override;

  protected:
    virtual void initDialog() {}

  private:
    void placeOnScreen();

    bool initialised_ = false;
    bool ended_ = false;
};

}  // namespace wks::ui
