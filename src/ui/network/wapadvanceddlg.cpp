// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/network/wapadvanceddlg.h"

#include "ui_wapadvanceddlg.h"

namespace wks::ui {

CWKS_WapAdvancedDlg::CWKS_WapAdvancedDlg(QWidget* parent)
    : ScreenDialog(parent), ui_(std::make_unique<Ui::CWKS_WapAdvancedDlg>()) {
    ui_->setupUi(this);
    connect(ui_->okButton, &QPushButton::clicked, this, &CWKS_WapAdvancedDlg::onOk);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

CWKS_WapAdvancedDlg::~CWKS_WapAdvancedDlg() = default;

void CWKS_WapAdvancedDlg::initDialog() { ui_->sslCheck->setChecked(requiresSsl); }

void CWKS_WapAdvancedDlg::onOk() {
    requiresSsl = ui_->sslCheck->isChecked();
    accept();
}

}  // namespace wks::ui
