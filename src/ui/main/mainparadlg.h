// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The main parameter screen: the operator lists, the recipients, the destination of the
// settings file and the buttons that open the other screens, default the camera and save.
// The work is done by MainSession and its operator lists; this screen shows their state and
// passes the user's actions on.

#include <array>
#include <memory>
#include <string>

#include "session/mainsession.h"
#include "ui/common/screendialog.h"
#include "ui/main/conversionprogress.h"

class QLineEdit;
class QListWidget;

namespace Ui {
class CWKS_MainParaDlg;
}

namespace wks::ui {

class CWKS_MainParaDlg : public ScreenDialog {
    Q_OBJECT
  public:
    // The screen for the model of that display name; the game call's converter runs as a
    // real program.
    CWKS_MainParaDlg(std::string displayName, AppState& state, QWidget* parent = nullptr);
    // ... or through the runner given.
    CWKS_MainParaDlg(std::string displayName, AppState& state, ProcessRunner& runner,
                     QWidget* parent = nullptr);
    ~CWKS_MainParaDlg() override;

    void Mng_CountryOperatorList(OperatorListOp action);
    // The camera parameter screen of the model's family.
    void Mng_JumpToCertainMod();

    // "EXIT (&N)", Esc and the close box: the converter's folder goes, nothing is saved.
    void reject() override;

    const MainSession& session() const { return session_; }

  protected:
    void initDialog() override;
    void timerEvent(QTimerEvent* event) override;

  private:
    CWKS_MainParaDlg(std::string displayName, AppState& state,
                     std::unique_ptr<ProcessRunner> ownRunner, ProcessRunner* runner,
                     QWidget* parent);

    void checkWapParameters();
    void defaultSetting();
    void save();
    void about();
    // The card station, the screen's values its template.
    void manyCards();
    // Makes the card just saved to safe to remove.
    void ejectCard();
    void userSelected(QListWidget* list);
    // Runs the WAP / Internet screen; true when it ended with OK.
    bool runWapScreen(bool checkMode);

    void showLists();
    void showDestinations();
    void showPlace();
    void showSenderNote();
    void showRecipients();
    void takeRecipients();

    std::unique_ptr<Ui::CWKS_MainParaDlg> ui_;
    AppState& state_;
    std::unique_ptr<ProcessRunner> ownRunner_;
    ProcessRunner& runner_;
    MainSession session_;
    ConversionProgress progress_;
    std::array<QLineEdit*, Recipients::kCount> recipientFields_{};
    int stagingTimer_ = 0;
    char savedCard_ = 0;  // the removable drive of the last save, until it is ejected
};

}  // namespace wks::ui
