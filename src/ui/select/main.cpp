// wks-config: the program runs the model selection screen, modally; when that run ends, the
// program ends.

#include <QApplication>
#include <QIcon>

#include <stdexcept>

#include "platform/drives.h"
#include "platform/prompts.h"
#include "settings/appstate.h"
#include "ui/common/modalrunner.h"
#include "ui/common/picture.h"
#include "ui/common/qtprompter.h"
#include "ui/common/startupprobe.h"
#include "ui/main/mainparadlg.h"
#include "ui/select/modseldlg.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("wks-config");
    QApplication::setWindowIcon(wks::ui::programIcon());
    // The selection screen hides while the main screen runs; that is no reason to quit.
    QApplication::setQuitOnLastWindowClosed(false);
    wks::ui::installStartupProbe(app);

    wks::ui::QtPrompter prompter;
    wks::ScopedPrompter prompts(prompter);
    try {
        wks::setDrives(wks::DriveTable::forUser());
    } catch (const std::runtime_error& e) {  // the environment leaves no place for drive C:
        wks::showMessage(wks::kAppTitle, e.what(), wks::Buttons::Ok, wks::Icon::Error);
        return 1;
    }
    wks::AppState state;
    wks::ui::CWKS_ModSelDlg selection(state, [](const std::string& name, wks::AppState& s) {
        return std::make_unique<wks::ui::CWKS_MainParaDlg>(name, s);
    });
    wks::ui::modalRunner().run(selection);
    return 0;
}
