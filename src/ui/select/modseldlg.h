// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The model selection screen: the program's first window. The user picks a camera model, may
// have the choice remembered for the next start, and confirms; the main screen then runs for
// that model while this screen is hidden.

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "session/modelselection.h"
#include "ui/common/screendialog.h"

namespace Ui {
class CWKS_ModSelDlg;
}

namespace wks {
struct AppState;
}

namespace wks::ui {

// Makes the main screen for a model's display name. The program makes the real one; tests
// make a stand-in.
using MainScreenFactory =
    std::function<std::unique_ptr<QDialog>(const std::string& displayName, AppState& state)>;

class CWKS_ModSelDlg : public ScreenDialog {
    Q_OBJECT
  public:
    CWKS_ModSelDlg(AppState& state, MainScreenFactory makeMainScreen, QWidget* parent = nullptr);
    ~CWKS_ModSelDlg() override;

    // The registry actions on this screen's list and box.
    void Mng_RegistryValue(RegistryOp action);
    void Mng_JumpToMain();

  protected:
    void initDialog() override;
    void paintEvent(QPaintEvent* event) override;

  private slots:
    void confirm();
    void showProductPicture();

  private:
    ModelChoice choice() const;
    void setChoice(const ModelChoice& choice);
    // Makes the registry change the opening's reading called for, if it is still to be made.
    void settleRegistry();

    std::unique_ptr<Ui::CWKS_ModSelDlg> ui_;
    AppState& state_;
    MainScreenFactory makeMainScreen_;
    std::optional<RegistryOp> openingChange_;
};

}  // namespace wks::ui
