// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparafx200dlg.h"

#include "ui_camparafx200dlg.h"

namespace wks::ui {

CWKS_CamParaFX200Dlg::CWKS_CamParaFX200Dlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyFX200, parent) {
    Ui::CWKS_CamParaFX200Dlg ui;
    ui.setupUi(this);
}

}  // namespace wks::ui
