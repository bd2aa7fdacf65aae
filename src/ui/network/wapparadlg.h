// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The WAP / Internet screen: shows and edits the 13 network values of CurrentNetworkParams and,
// through the Advanced screen, the SMTP SSL flag. Nothing reaches the shared record before the
// user presses OK and confirms.
//
// The caller creates the screen, sets advancedAvailable, showCurrent and presetSelected, runs
// it through the modal runner and then reads senderChanged.

#include <array>
#include <memory>

#include "session/wapitems.h"
#include "ui/common/screendialog.h"

class QLineEdit;
namespace wks::mail {
struct MailTestReport;
}
namespace Ui {
class CWKS_WapParaDlg;
}

namespace wks {
struct AppState;
}

namespace wks::ui {

class MailTestRun;

class CWKS_WapParaDlg : public ScreenDialog {
    Q_OBJECT
  public:
    // The screen edits state.CurrentNetworkParams and state.SmtpSsl.
    explicit CWKS_WapParaDlg(AppState& state, QWidget* parent = nullptr);
    ~CWKS_WapParaDlg() override;

    // In: the model can send mail over SSL; the "Advanced..." button is shown.
    bool advancedAvailable = false;
    // In: true shows the current values with only the four sender items editable; false
    // starts empty for values the user types.
    bool showCurrent = false;
    // In: a real country and operator are chosen, so a change of a sender item is reported.
    bool presetSelected = false;
    // Out: the user saved and a sender item differed from the value held before.
    bool senderChanged = false;
    // The SSL check box's state, carried to and from the Advanced screen until OK saves it.
    bool smtpSsl = false;

    // What ManageOtherUI does, in the order of its numbered modes.
    enum class Mode {
        Clear,        // empty items 0 to 12
        Lock,         // only the four sender items editable
        Unlock,       // every item and "Advanced..." enabled
        Save,         // the items into CurrentNetworkParams, the SSL box into SmtpSsl
        Load,         // CurrentNetworkParams and SmtpSsl into the items and the SSL box
        ChangeCheck,  // senderChanged: a sender item differs from the value held
    };
    // The screen's one working operation; another mode is a programming error and only says so.
    void ManageOtherUI(Mode mode);

  protected:
    void initDialog() override;

  private:
    // Items 0 to 12, then the CLEAR PARAMETERS button as item 13.
    static constexpr std::size_t kItemCount = 14;
    QWidget* item(std::size_t index) const { return items_[index]; }
    QLineEdit* edit(std::size_t index) const;
    WapTexts texts() const;
    void onAdvanced();
    void onOk();
    // The account test of the sender items as they stand, saved or not.
    void onMailTest();
    void startMailTest(bool trustUnverified);
    void showMailTestResult(const mail::MailTestReport& report);
    void updateMailTestButton();

    AppState& state_;
    std::unique_ptr<Ui::CWKS_WapParaDlg> ui_;
    std::array<QWidget*, kItemCount> items_{};
    std::unique_ptr<MailTestRun> mailTest_;
    QString mailTestNote_;  // said before the steps of the test running
};

}  // namespace wks::ui
