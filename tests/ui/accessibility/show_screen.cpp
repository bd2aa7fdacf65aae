// Shows one screen, modally, until it is closed:
// `wks-ui-show wap-check|wap-user|wap-advanced|model-select|main`.
// scripts/check-accessibility reads the screen through the desktop's accessibility bus.

#include <QApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>

#include "platform/drives.h"
#include "settings/appstate.h"
#include "ui/main/mainparadlg.h"
#include "ui/common/modalrunner.h"
#include "ui/common/qtprompter.h"
#include "ui/network/wapadvanceddlg.h"
#include "ui/network/wapparadlg.h"
#include "ui/select/modseldlg.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wks::ui::QtPrompter prompter;
    wks::ScopedPrompter usePrompter(prompter);
    wks::AppState state;
    state.CurrentNetworkParams.IP = "10.1.2.3";
    const char* screen = argc > 1 ? argv[1] : "";
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
        wks::ui::CWKS_ModSelDlg select(state, [](const std::string&, wks::AppState&) {
            return std::unique_ptr<QDialog>();
        });
        return wks::ui::modalRunner().run(select);
    }
    if (std::strcmp(screen, "main") == 0) {
        QTemporaryDir c;  // drive C: only, so the screen opens without a card
        wks::setDrives(wks::DriveTable({{'C', c.path().toStdString()}}));
        wks::ui::CWKS_MainParaDlg main("KT470RX-8PRO", state);
        return wks::ui::modalRunner().run(main);
    }
    std::fprintf(stderr, "usage: wks-ui-show wap-check|wap-user|wap-advanced|model-select|main\n");
    return 2;
}
