// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparaln714wdlg.h"

#include "ui_camparaln714wdlg.h"

namespace wks::ui {

CWKS_CamParaLN714WDlg::CWKS_CamParaLN714WDlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyLN714W, parent) {
    Ui::CWKS_CamParaLN714WDlg ui;
    ui.setupUi(this);
}

}  // namespace wks::ui
