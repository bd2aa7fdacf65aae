// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wks-config: the program runs the model selection screen, modally; when that run ends, the
// program ends.

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>
#include <stdexcept>

#include "platform/drives.h"
#include "session/prompts.h"
#include "settings/appstate.h"
#include "ui/common/modalrunner.h"
#include "ui/common/picture.h"
#include "ui/common/qtprompter.h"
#include "ui/common/startupprobe.h"
#include "ui/common/translations.h"
#include "ui/main/mainparadlg.h"
#include "ui/select/modseldlg.h"

namespace {

// --help and --version answer before the window system is reached, so they need no display.
// Anything else is left to QApplication (its own options such as -platform among them).
void answerHelpOrVersion(int argc, char* argv[]) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        "Prepares the settings file of a GSM/MMS trail camera on its SD card.");
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    QStringList words;
    for (int i = 0; i < argc; ++i) words << QString::fromLocal8Bit(argv[i]);
    parser.parse(words);
    if (!parser.isSet(help) && !parser.isSet(version) && !parser.isSet("help-all")) return;
    QCoreApplication core(argc, argv);
    parser.process(core);  // prints what was asked for and exits
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName("wks-config");
    QCoreApplication::setApplicationVersion(WKS_VERSION);
    answerHelpOrVersion(argc, argv);
    QApplication app(argc, argv);
    wks::ui::useLanguage(wks::ui::desktopLanguage());
    // The Wayland app_id and the desktop entry's name, so the desktop matches the window to it.
    QGuiApplication::setDesktopFileName(WKS_APP_ID);
    QApplication::setWindowIcon(wks::ui::programIcon());
    // The selection screen hides while the main screen runs; that is no reason to quit.
    QApplication::setQuitOnLastWindowClosed(false);
    wks::ui::installStartupProbe(app);

    wks::ui::QtPrompter prompter;
    wks::ScopedPrompter prompts(prompter);
    try {
        wks::DriveTable::dataHome();
    } catch (const std::runtime_error& e) {  // the environment leaves no place for drive C:
        wks::showMessage(
            {wks::kAppTitle, wks::Text::verbatim(e.what()), wks::Buttons::Ok, wks::Icon::Error});
        return 1;
    }
    wks::AppState state;
    wks::ui::CWKS_ModSelDlg selection(state, [](const std::string& name, wks::AppState& s) {
        // The letters are read when the main screen needs them, not before the first window.
        wks::setDrives(wks::DriveTable::forUser());
        return std::make_unique<wks::ui::CWKS_MainParaDlg>(name, s);
    });
    wks::ui::modalRunner().run(selection);
    return 0;
}
