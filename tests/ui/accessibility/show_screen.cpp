// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Shows one screen, modally, until it is closed: `wks-ui-show SCREEN [LANGUAGE]`, in English or
// in the language given ("de"), SCREEN one of wap-check,
// wap-user, wap-advanced, model-select, main, station, or a camera screen: camera-fx200,
// camera-group1, camera-group1-kt320v (the Group 1 screen as the KT320V-8PRO adapts it),
// camera-ln713z, camera-ln714w (on the settings file's defaults). scripts/check-accessibility reads
// the screen through the desktop's accessibility bus.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/drives.h"
#include "settings/appstate.h"
#include "settings/settingsfile.h"
#include "ui/camera/camerascreens.h"
#include "ui/common/modalrunner.h"
#include "ui/common/qtprompter.h"
#include "ui/common/translations.h"
#include "ui/main/mainparadlg.h"
#include "ui/network/wapadvanceddlg.h"
#include "ui/network/wapparadlg.h"
#include "ui/select/modseldlg.h"
#include "ui/station/stationdlg.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wks::ui::QtPrompter prompter;
    wks::ScopedPrompter usePrompter(prompter);
    wks::AppState state;
    state.CurrentNetworkParams.IP = "10.1.2.3";
    const char* screen = argc > 1 ? argv[1] : "";
    if (argc > 2) wks::ui::useLanguage(QString::fromLocal8Bit(argv[2]));
    if (std::strcmp(screen, "wap-advanced") == 0) {
        wks::ui::CWKS_WapAdvancedDlg advanced;
        return wks::ui::modalRunner().run(advanced);
    }
    if (std::strncmp(screen, "wap-", 4) == 0) {
        wks::ui::CWKS_WapParaDlg wap(state);
        wap.advancedAvailable = true;
        wap.showCurrent = std::strcmp(screen, "wap-check") == 0;
        wap.presetSelected = wap.showCurrent;
        return wks::ui::modalRunner().run(wap);
    }
    if (std::strcmp(screen, "model-select") == 0) {
        // Read, never confirmed: there is no main screen to run.
        wks::ui::CWKS_ModSelDlg select(
            state, [](const std::string&, wks::AppState&) { return std::unique_ptr<QDialog>(); });
        return wks::ui::modalRunner().run(select);
    }
    QTemporaryDir c;  // drive C: only, so the main screen opens without a card
    wks::setDrives(wks::DriveTable({{'C', c.path().toStdString()}}));
    if (std::strcmp(screen, "main") == 0) {
        wks::ui::CWKS_MainParaDlg main("KT470RX-8PRO", state);
        return wks::ui::modalRunner().run(main);
    }
    if (std::strcmp(screen, "station") == 0) {
        wks::ui::CardStationDlg station("KT470RX-8PRO", state, wks::Recipients());
        return wks::ui::modalRunner().run(station);
    }
    for (const auto& [name, model] :
         {std::pair{"camera-fx200", "FX200 SERIES"}, std::pair{"camera-group1", "KT470RX-8PRO"},
          std::pair{"camera-group1-kt320v", "KT320V-8PRO"},
          std::pair{"camera-ln713z", "LN713Z-10P"}, std::pair{"camera-ln714w", "LN714W-12P"}}) {
        if (std::strcmp(screen, name) != 0) continue;
        wks::Recipients recipients;
        if (!wks::SettingsFile(model, state, recipients).Mng_AllParaSetDefault()) std::abort();
        auto camera = wks::ui::makeCameraScreen(state, wks::findModel(model)->family, model);
        return wks::ui::modalRunner().run(*camera);
    }
    std::fprintf(stderr,
                 "usage: wks-ui-show wap-check|wap-user|wap-advanced|model-select|main|station|"
                 "camera-fx200|camera-group1|camera-group1-kt320v|camera-ln713z|camera-ln714w\n");
    return 2;
}
