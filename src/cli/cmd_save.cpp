// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// save: the main screen without a window — open, change, save, exit.

#include <cctype>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "cli/changes.h"
#include "cli/commands.h"
#include "cli/realfolder.h"
#include "cli/terminal.h"
#include "platform/drives.h"
#include "session/mainsession.h"
#include "session/prompts.h"
#include "session/savelocks.h"

namespace wks::cli {

namespace {

const char* kUsage =
    "wks-settings save MODEL [--drive L=DIR]... [--to L] [--defaults] [CHANGES] "
    "[--audio SOURCE] [--keep-copies] [--yes | --no] [--eject]";

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

// Names the model's settings files on other drives before the question and as each goes.
class CopyLines : public CopyObserver {
  public:
    explicit CopyLines(RealPathOf realPathOf) : realPathOf_(std::move(realPathOf)) {}
    void copiesFound(const std::vector<std::string>& paths, bool kept) override {
        if (paths.empty()) return;
        std::cout << (kept ? "The model's settings file on other drives is kept (--keep-copies):\n"
                           : "The save removes the model's settings file from other drives "
                             "(--keep-copies keeps it):\n");
        for (const std::string& path : paths)
            std::cout << "  " << printablePath(withRealFolder(path, realPathOf_)) << "\n";
        std::cout << std::flush;
    }
    void copyRemoved(const std::string& path) override {
        std::cout << "Removed " << printablePath(withRealFolder(path, realPathOf_)) << std::endl;
    }

  private:
    RealPathOf realPathOf_;
};

const DriveReport* reportOf(const MainSession& session, char letter) {
    for (const DriveReport& r : session.driveReports()) {
        if (r.letter == letter) return &r;
    }
    return nullptr;
}

// Whether the save may go on: the exit status when it may not, else -1. Without --drive and
// --to, the card is chosen only when it is certain (the one drive that holds the model's file,
// else the only drive there is); `toLetter` then names it.
int checkDestination(MainSession& session, const std::string& taking, bool given, char& toLetter) {
    std::vector<const DriveReport*> usable, holding;
    for (char l : taking) {
        const DriveReport* r = reportOf(session, l);
        if (r && r->usable()) usable.push_back(r);
    }
    if (toLetter) {
        const DriveReport* r = reportOf(session, toLetter);
        if (!r || !r->usable()) {
            throw UsageError("drive " + std::string(1, toLetter) + ": is not usable" +
                             (r ? ": " + describeDrive(*r) : std::string()));
        }
        return -1;
    }
    if (usable.empty()) {
        if (!given) {
            std::cerr << "wks-settings save: no card found: no drive besides C: can be entered; "
                         "give the card's folder with --drive D=FOLDER\n";
            return kExitProblem;
        }
        std::cerr << "wks-settings save: none of the drives given can be entered:";
        for (char l : taking) {
            std::cerr << " " << l << ": (" << printablePath(drives().folderOf(l)->string()) << ")";
        }
        std::cerr << "\n";
        return kExitProblem;
    }
    if (given) return -1;
    for (const DriveReport* r : usable) {
        const std::string file =
            std::string(1, r->letter) + ":\\" + session.model()->settingsRelPath();
        if (r->subfolder && session.settings().Mng_ChkFileMark(file)) holding.push_back(r);
    }
    const auto& candidates = holding.empty() ? usable : holding;
    if (candidates.size() == 1) {
        toLetter = candidates.front()->letter;
        return -1;
    }
    std::cerr << "wks-settings save: "
              << (holding.empty() ? "more than one card, and none holds the model's settings file"
                                  : "more than one card holds the model's settings file")
              << "; nothing was written. Choose the card with --to L:\n";
    for (const DriveReport* r : candidates)
        std::cerr << "  " << printablePath(describeDrive(*r)) << "\n";
    return kExitProblem;
}

}  // namespace

int cmdSave(Args& args) {
    const auto driveArgs = args.options("drive");
    const auto to = args.option("to");
    const bool defaults = args.flag("defaults");
    const auto audio = args.option("audio");
    const bool yes = args.flag("yes");
    const bool no = args.flag("no");
    const bool keepCopies = args.flag("keep-copies");
    const bool eject = args.flag("eject");
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
    char toLetter = to ? driveLetter(*to) : 0;
    // The drives that take part: those given, or the user's own. The user's own C: (which
    // holds the backup in any case) is a destination only when given or chosen with --to.
    std::string taking;
    for (const auto& [letter, folder] : table.letters()) {
        if (given || letter != 'C') taking += letter;
    }
    // Only a C: that was not given is the user's own (whose first use makes its folders).
    if (!table.folderOf('C')) {
        if (auto c = DriveTable::forUser().folderOf('C')) table.set('C', *c);
    }
    if (toLetter && !table.folderOf(toLetter)) {
        throw UsageError("drive " + std::string(1, toLetter) + ": is not usable");
    }
    ScopedDrives scope(std::move(table));
    if (toLetter == 'C') taking += 'C';

    ConsolePrompter console;
    if (yes) console.setPresetAnswer(Answer::Ok);
    if (no) console.setPresetAnswer(Answer::Cancel);
    SystemProcessRunner runner;
    ConverterProgress progress;
    runner.setObserver(&progress);

    AppState state;
    MainSession session(model.displayName, state, runner);
    // Every file on a drive is named with its real folder as the save last examined it.
    const RealPathOf realPathOf = [&session](const std::string& path) {
        return session.realPath(path);
    };
    RealFolderPrompter named(console, realPathOf);
    ScopedPrompter prompts(named);
    CopyLines copyLines(realPathOf);
    session.setCopyObserver(&copyLines);
    session.keepCopies(keepCopies);
    session.limitDrives(taking);
    // One examination serves the checks below and the opening; nothing after it asks a drive
    // that did not answer.
    session.examineDrives();
    if (const int status = checkDestination(session, taking, given, toLetter); status >= 0) {
        return status;
    }
    // From the opening's reading to the save's last write: a second save waits, and loses nothing.
    const auto locks = lockSettingsFolders(session.driveReports());
    if (!session.open()) return kExitProblem;  // reported; requireModel knows every model
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
            named.show(m);
        }
    }
    changes.apply(state, session.recipients());
    if (audio) state.gameCallAudioPath = std::filesystem::absolute(*audio).string();

    SaveOutcome outcome = session.save();
    session.exit();
    if (!outcome.complete()) return kExitProblem;
    std::cout << printablePath(withRealFolder(session.savePath(), realPathOf)) << "\n";
    if (!eject) return kExitOk;
    const char letter = session.savePath()[0];
    const auto folder = drives().folderOf(letter);
    if (!folder) return reportEject(letter, {false, false, "the drive is gone"});
    ensureApplication();
    return reportEject(letter, ejectFolder(*folder));
}

}  // namespace wks::cli
