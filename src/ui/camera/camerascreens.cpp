// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/camera/camerascreens.h"

#include "ui/camera/camparafx200dlg.h"
#include "ui/camera/camparagroup1dlg.h"
#include "ui/camera/camparaln713zdlg.h"
#include "ui/camera/camparaln714wdlg.h"

namespace wks::ui {
namespace {

struct ScreenOfFamily {
    CameraFamily family;
    std::unique_ptr<CameraScreen> (*make)(AppState& state, QWidget* parent);
};

template <typename Screen>
std::unique_ptr<CameraScreen> make(AppState& state, QWidget* parent) {
    return std::make_unique<Screen>(state, parent);
}

constexpr ScreenOfFamily kScreens[] = {
    {CameraFamily::FamilyFX200, make<CWKS_CamParaFX200Dlg>},
    {CameraFamily::FamilyGroup1, make<CWKS_CamParaGroup1Dlg>},
    {CameraFamily::FamilyLN713Z, make<CWKS_CamParaLN713ZDlg>},
    {CameraFamily::FamilyLN714W, make<CWKS_CamParaLN714WDlg>},
};
static_assert(oneRowPerFamily(kScreens));

}  // namespace

std::unique_ptr<CameraScreen> makeCameraScreen(AppState& state, CameraFamily family,
                                               const std::string& displayName, QWidget* parent) {
    auto screen = kScreens[static_cast<std::size_t>(family)].make(state, parent);
    screen->setModelDisplayName(displayName);
    return screen;
}

}  // namespace wks::ui
