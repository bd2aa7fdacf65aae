// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The Advanced screen of the WAP / Internet screen: whether the sender's mail server needs SSL.

#include <memory>

#include "ui/common/screendialog.h"

namespace Ui {
class CWKS_WapAdvancedDlg;
}

namespace wks::ui {

class CWKS_WapAdvancedDlg : public ScreenDialog {
    Q_OBJECT
  public:
    explicit CWKS_WapAdvancedDlg(QWidget* parent = nullptr);
    ~CWKS_WapAdvancedDlg() override;

    // In: the state the check box opens with. Out, after OK: the check box's state.
    bool requiresSsl = false;

  protected:
    void initDialog() override;

  private:
    void onOk();

    std::unique_ptr<Ui::CWKS_WapAdvancedDlg> ui_;
};

}  // namespace wks::ui
