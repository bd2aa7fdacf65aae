// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <filesystem>
#include <iostream>

#include "audio/converter.h"
#include "cli/commands.h"
#include "cli/realfolder.h"
#include "cli/terminal.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/process.h"
#include "session/gamecallsave.h"
#include "session/prompts.h"

namespace fsys = std::filesystem;

namespace wks::cli {
namespace {

// Tells the terminal what the converter is doing; a screen shows a busy cursor instead.
class ConverterProgress : public ProcessObserver {
  public:
    void processStarted(const std::string&, const std::vector<std::string>&) override {
        std::cerr << "Converting with ffmpeg ..." << std::endl;
    }
    void processFinished(const ProcessResult& result) override {
        if (!result.succeeded()) std::cerr << "ffmpeg: " << result.describe() << std::endl;
    }
};

// The first letter from D: that the user's own drives leave free.
char freeLetter(const DriveTable& user) {
    for (char letter = 'D'; letter <= 'Z'; ++letter) {
        if (!user.folderOf(letter)) return letter;
    }
    throw UsageError("no free drive letter left for the card");
}

}  // namespace

int cmdAudio(Args& args) {
    const bool yes = args.flag("yes");
    const bool no = args.flag("no");
    const auto card = args.option("card");
    const auto positionals = args.expect(1, "wks-settings audio SOURCE --card DIR [--yes | --no]");
    if (yes && no) throw UsageError("--yes and --no cannot both be given");
    if (!card) throw UsageError("--card DIR is needed");

    std::error_code ec;
    const fsys::path source = fsys::absolute(positionals[0], ec);
    if (ec || !fsys::is_regular_file(source, ec)) {
        throw UsageError("no audio file at \"" + positionals[0] + "\"");
    }
    const fsys::path cardFolder = fsys::absolute(*card, ec);
    if (ec || !fsys::is_directory(cardFolder, ec)) {
        throw UsageError("no card folder at \"" + *card + "\"");
    }

    const DriveTable user = DriveTable::forUser();
    const char letter = freeLetter(user);
    DriveTable table;
    table.set('C', user.folderOf('C').value_or(DriveTable::dataHome() / "drive_c"));
    table.set(letter, cardFolder);
    ScopedDrives scopedDrives(std::move(table));

    ConsolePrompter console;
    if (yes) console.setPresetAnswer(Answer::Ok);
    if (no) console.setPresetAnswer(Answer::Cancel);
    // The card's letter is only this run's: each file on it is named in its real folder too.
    const RealPathOf realPathOf = [](const std::string& path) {
        return files::native(path).value_or(std::string());
    };
    RealFolderPrompter named(console, realPathOf);
    ScopedPrompter scopedPrompter(named);

    const std::string root = std::string(1, letter) + ":";
    const std::string target = root + kGameCallFolder + kGameCallFile;
    if (files::exists(target)) {
        std::cout << "The game call on the card is replaced: "
                  << printablePath(withRealFolder(target, realPathOf)) << std::endl;
    }

    // Whether the converter is ready shows when the conversion is run.
    if (const Staging staging = StageConverter(); staging.message) showMessage(*staging.message);
    SystemProcessRunner runner;
    ConverterProgress progress;
    runner.setObserver(&progress);
    const bool placed = SaveGameCallAudio(root + "\\GSM\\AUDIO.TXT", source.string(), runner) ==
                        GameCallResult::Placed;
    (void)RemoveConverter();  // as the main screen's exit: what stays is the last run's

    if (placed) std::cout << printablePath(files::native(target).value_or(target)) << "\n";
    return placed ? kExitOk : kExitProblem;
}

}  // namespace wks::cli
