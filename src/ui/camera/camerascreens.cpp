// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camerascreens.h"

#include "ui/camera/camparafx200dlg.h"
#include "ui/camera/camparagroup1dlg.h"
#include "ui/camera/camparaln713zdlg.h"
#include "ui/camera/camparaln714wdlg.h"

namespace wks::ui {

std::unique_ptr<CameraScreen> makeCameraScreen(AppState& state, CameraFamily family,
                                               const std::string& displayName, QWidget* parent) {
    switch (family) {
        case CameraFamily::FamilyFX200:
            return std::make_unique<CWKS_CamParaFX200Dlg>(state, parent);
        case CameraFamily::FamilyLN713Z:
            return std::make_unique<CWKS_CamParaLN713ZDlg>(state, parent);
        case CameraFamily::FamilyLN714W:
            return std::make_unique<CWKS_CamParaLN714WDlg>(state, parent);
        case CameraFamily::FamilyGroup1:
            break;
    }
    auto screen = std::make_unique<CWKS_CamParaGroup1Dlg>(state, parent);
    screen->setModelDisplayName(displayName);
    return screen;
}

}  // namespace wks::ui
