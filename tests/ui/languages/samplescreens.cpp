// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "samplescreens.h"

#include "app/catalogue.h"
#include "settings/settingsfile.h"
#include "ui/camera/camerascreens.h"
#include "ui/main/aboutbox.h"
#include "ui/main/mainparadlg.h"
#include "ui/network/wapadvanceddlg.h"
#include "ui/network/wapparadlg.h"
#include "ui/select/modseldlg.h"
#include "ui/station/stationdlg.h"

namespace wks::test {
namespace {

using ui::CWKS_WapParaDlg;

std::unique_ptr<QDialog> wapScreen(AppState& state, bool showCurrent) {
    state.CurrentNetworkParams.IP = "10.1.2.3";
    auto wap = std::make_unique<CWKS_WapParaDlg>(state);
    wap->advancedAvailable = true;
    wap->showCurrent = showCurrent;
    wap->presetSelected = showCurrent;
    return wap;
}

// A camera screen on the settings file's defaults.
std::unique_ptr<QDialog> cameraScreen(AppState& state, const char* model) {
    Recipients recipients;
    (void)SettingsFile(model, state, recipients).Mng_AllParaSetDefault();
    return ui::makeCameraScreen(state, findModel(model)->family, model);
}

}  // namespace

const std::vector<SampleScreen>& sampleScreens() {
    static const std::vector<SampleScreen> screens = {
        {"model-select",
         [](AppState& s) {
             return std::make_unique<ui::CWKS_ModSelDlg>(
                 s, [](const std::string&, AppState&) { return std::unique_ptr<QDialog>(); });
         }},
        {"main-KT470RX",
         [](AppState& s) { return std::make_unique<ui::CWKS_MainParaDlg>("KT470RX-8PRO", s); }},
        {"main-KT320V",
         [](AppState& s) { return std::make_unique<ui::CWKS_MainParaDlg>("KT320V-8PRO", s); }},
        {"about", [](AppState&) { return std::make_unique<ui::AboutBox>(); }},
        {"wap-check", [](AppState& s) { return wapScreen(s, true); }},
        {"wap-user", [](AppState& s) { return wapScreen(s, false); }},
        {"wap-advanced", [](AppState&) { return std::make_unique<ui::CWKS_WapAdvancedDlg>(); }},
        {"camera-fx200", [](AppState& s) { return cameraScreen(s, "FX200 SERIES"); }},
        {"camera-group1", [](AppState& s) { return cameraScreen(s, "KT470RX-8PRO"); }},
        {"camera-kt320v", [](AppState& s) { return cameraScreen(s, "KT320V-8PRO"); }},
        {"camera-ln713z", [](AppState& s) { return cameraScreen(s, "LN713Z-10P"); }},
        {"camera-ln714w", [](AppState& s) { return cameraScreen(s, "LN714W-12P"); }},
        {"station",
         [](AppState& s) {
             return std::make_unique<ui::CardStationDlg>("KT470RX-8PRO", s, Recipients());
         }},
    };
    return screens;
}

}  // namespace wks::test
