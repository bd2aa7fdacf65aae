// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// save: the main screen without a window — open, change, save, exit.

#include <algorithm>
#include <filesystem>
#include <iostream>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/terminal.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "session/mainsession.h"
#include "session/savelocks.h"

namespace wks::cli {

namespace {

const char* kUsage =
    "wks-settings save MODEL [--drive L=DIR]... [--to L] [--defaults] [CHANGES] "
    "[--audio SOURCE] [--yes | --no]";

char driveLetter(const std::string& text) {
    if (text.size() != 1 || text[0] < 'A' || (text[0] > 'Z' && text[0] < 'a') || text[0] > 'z') {
        throw UsageError("\"" + text + "\" is not a drive letter");
    }
    char l = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    if (l < 'C') throw UsageError("drive " + text + ": is never examined (C: to Z: are)");
    return l;
}

DriveTable givenDrives(const std::vector<std::string>& driveArgs) {
    DriveTable table;
    for (const auto& driveArg : driveArgs) {
        auto eq = driveArg.find('=');
        if (eq == std::string::npos)
            throw UsageError("--drive takes L=DIR, not \"" + driveArg + "\"");
        char letter = driveLetter(driveArg.substr(0, eq));
        std::filesystem::path dir = driveArg.substr(eq + 1);
        if (!std::filesystem::is_directory(dir)) {
            throw UsageError("no such folder \"" + dir.string() + "\" for drive " + letter + ":");
        }
        table.set(letter, std::filesystem::absolute(dir));
    }
    return table;
}

// Prints the busy state of the converter on the terminal.
class ConverterProgress : public ProcessObserver {
  public:
    void processStarted(const std::string&, const std::vector<std::string>&) override {
        std::cout << "Converting the game call..." << std::endl;
    }
};

}  // namespace

int cmdSave(Args& args) {
    const auto driveArgs = args.options("drive");
    const auto to = args.option("to");
    const bool defaults = args.flag("defaults");
    const auto audio = args.option("audio");
    const bool yes = args.flag("yes");
    const bool no = args.flag("no");
    Changes changes = Changes::take(args);
    auto p = args.expect(1, kUsage);

    // Everything is checked before the opening, which may already delete invalid files.
    const CameraModel& model = requireModel(p[0]);
    if (yes && no) throw UsageError("--yes and --no exclude each other");
    changes.check(model);
    if (audio) {
        if (!model.hasGameCall) throw UsageError(model.displayName + " has no game call");
        if (!std::filesystem::is_regular_file(*audio)) {
            throw UsageError("no such audio file \"" + *audio + "\"");
        }
    }
    const bool given = !driveArgs.empty();
    // Without --drive, the drives are the user's own letters, as the desktop program has them.
    DriveTable table = given ? givenDrives(driveArgs) : DriveTable::forUser();
    const char toLetter = to ? driveLetter(*to) : 0;
    // The drives that take part: those given, or the user's own. The user's own C: (which
    // holds the backup in any case) is a destination only when given or chosen with --to.
    std::string taking;
    for (const auto& [letter, folder] : table.letters()) {
        if (given || letter != 'C') taking += letter;
    }
    const auto usable = [&](char l) { return table.canEnter(std::string(1, l) + ":\\"); };
    if (toLetter != 'C' && std::none_of(taking.begin(), taking.end(), usable)) {
        if (!given) {
            std::cerr << "wks-settings save: no card found: no drive besides C: can be entered; "
                         "give the card's folder with --drive D=FOLDER\n";
            return kExitProblem;
        }
        std::cerr << "wks-settings save: none of the drives given can be entered:";
        for (char l : taking) {
            std::cerr << " " << l << ": (" << printablePath(table.folderOf(l)->string()) << ")";
        }
        std::cerr << "\n";
        return kExitProblem;
    }
    // Only a C: that was not given is the user's own (whose first use makes its folders).
    if (!table.folderOf('C')) {
        if (auto c = DriveTable::forUser().folderOf('C')) table.set('C', *c);
    }
    ScopedDrives scope(std::move(table));
    if (toLetter) {
        if (!drives().canEnter(std::string(1, toLetter) + ":\\")) {
            throw UsageError("drive " + std::string(1, toLetter) + ": is not usable");
        }
        if (toLetter == 'C') taking += 'C';
    }

    ConsolePrompter console;
    if (yes) console.setPresetAnswer(Answer::Ok);
    if (no) console.setPresetAnswer(Answer::Cancel);
    ScopedPrompter prompts(console);
    SystemProcessRunner runner;
    ConverterProgress progress;
    runner.setObserver(&progress);

    AppState state;
    MainSession session(model.displayName, state, runner);
    // From the opening's reading to the save's last write: a second save waits, and loses nothing.
    const auto locks = lockSettingsFolders();
    session.Mng_CurModSaveInfoSet();
    session.operatorLists()->Mng_CountryOperatorList(OperatorListOp::Fill);
    session.limitDrives(taking);
    session.Mng_InitSaveDest();
    if (model.hasGameCall) session.stageConverter();

    if (toLetter) {
        const auto& entries = session.destinations();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i][0] == toLetter) session.chooseDestination(i);
        }
    }
    if (defaults) {
        // The action's question is answered OK whatever answers the others get.
        ScriptedPrompter confirm({Answer::Ok});
        ScopedPrompter once(confirm);
        session.applyDefaultSetting();
        for (Message m : confirm.shown()) {
            m.buttons = Buttons::Ok;
            console.show(m);
        }
    }
    changes.apply(state, session.recipients());
    if (audio) state.gameCallAudioPath = std::filesystem::absolute(*audio).string();

    SaveOutcome outcome = session.save();
    session.exit();
    if (outcome.complete()) std::cout << printablePath(*files::native(session.savePath())) << "\n";
    return outcome.complete() ? kExitOk : kExitProblem;
}

}  // namespace wks::cli
