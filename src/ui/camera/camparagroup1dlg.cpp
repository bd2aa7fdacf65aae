// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camparagroup1dlg.h"

#include "platform/prompts.h"
#include "ui_camparagroup1dlg.h"

namespace wks::ui {

CWKS_CamParaGroup1Dlg::CWKS_CamParaGroup1Dlg(AppState& state, QWidget* parent)
    : CameraScreen(state, CameraFamily::FamilyGroup1, parent) {
    Ui::CWKS_CamParaGroup1Dlg ui;
    ui.setupUi(this);
}

void CWKS_CamParaGroup1Dlg::adaptToModel() {
    const CameraModel* known = findModel(model());
    if (!known || known->family != CameraFamily::FamilyGroup1) {
        showMessage(
            {kCaptionTips,
             QT_TRANSLATE_NOOP("Message", "Error In CWKS_CamParaGroup1Dlg::OnInitDialog() !"),
             Buttons::Ok, Icon::Error});
        cancelAfterOpening();
    }
}

}  // namespace wks::ui
