// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparaln713zdlg.h"

#include "ui_camparaln713zdlg.h"

namespace wks::ui {

CWKS_CamParaLN713ZDlg::CWKS_CamParaLN713ZDlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyLN713Z, parent) {
    Ui::CWKS_CamParaLN713ZDlg ui;
    ui.setupUi(this);
}

}  // namespace wks::ui
