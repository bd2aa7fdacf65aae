// How long the main screen's opening spends examining the drives C: to Z: (and loading the
// file it finds): with 24 usable drives that each hold the model's settings file, and with 24
// letters whose folders answer every look-up late (a FUSE folder that sleeps, as a network
// share or a card being unmounted does).

#include <sys/wait.h>
#include <unistd.h>

#include <signal.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <vector>

#include "platform/drives.h"
#include "platform/files.h"
#include "platform/process.h"
#include "platform/prompts.h"
#include "session/mainsession.h"

namespace fs = std::filesystem;
using namespace wks;
using Clock = std::chrono::steady_clock;

namespace {

const char* kModel = "KT470RX-8PRO";

// The main screen's session for the model on a drive table, up to the point of opening.
struct Session {
    explicit Session(const DriveTable& table) : drives(table), prompts(answers) {
        session.Mng_CurModSaveInfoSet();
        session.operatorLists()->Mng_CountryOperatorList(OperatorListOp::Fill);
    }
    ScopedDrives drives;
    ScriptedPrompter answers;  // every question answered OK
    ScopedPrompter prompts;
    SystemProcessRunner runner;
    AppState state;
    MainSession session{kModel, state, runner};
};

double openOnce(const DriveTable& table) {
    Session s(table);
    const auto start = Clock::now();
    s.session.Mng_InitSaveDest();
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

void report(const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("  %-46s median %8.2f ms   min %8.2f   max %8.2f   (%zu runs)\n", what,
                ms[ms.size() / 2], ms.front(), ms.back(), ms.size());
}

DriveTable lettersOn(const std::vector<fs::path>& folders) {
    std::map<char, fs::path> letters;
    for (std::size_t i = 0; i < folders.size(); ++i) letters['C' + i] = folders[i];
    return DriveTable(letters);
}

// Makes a valid settings file for the model on C: with an ordinary save.
std::string makeSettingsFile(const fs::path& scratch) {
    const fs::path c = scratch / "seed";
    fs::create_directories(c);
    Session s(DriveTable({{'C', c}}));
    s.session.Mng_InitSaveDest();
    s.session.save();
    return (c / "GSM" / "KT470RX.TXT").string();
}

}  // namespace

int main() {
    std::string scratch = (fs::temp_directory_path() / "wks-opening-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    const fs::path root(scratch);
    std::printf("Opening the main screen for %s: time spent examining the 24 drives C: to Z:\n",
                kModel);

    const std::string seed = makeSettingsFile(root);
    std::vector<fs::path> usable;
    for (int i = 0; i < 24; ++i) {
        const fs::path d = root / ("usable" + std::to_string(i));
        fs::create_directories(d / "GSM");
        fs::copy_file(seed, d / "GSM" / "KT470RX.TXT");
        usable.push_back(d);
    }
    std::vector<double> ms;
    for (int run = 0; run < 21; ++run) ms.push_back(openOnce(lettersOn(usable)));
    report("24 usable drives, each with a settings file", ms);

    const double delay = 0.05;
    const fs::path mount = root / "slow";
    fs::create_directories(mount);
    const pid_t fuse = fork();
    if (fuse == 0) {
        execl(WKS_SLOWFS, WKS_SLOWFS, mount.c_str(), std::to_string(delay).c_str(), nullptr);
        _exit(127);
    }
    bool mounted = false, ended = false;
    for (int i = 0; i < 100 && !mounted && !ended; ++i) {
        usleep(50 * 1000);
        ended = waitpid(fuse, nullptr, WNOHANG) == fuse;
        mounted = !ended && std::system(("mountpoint -q '" + mount.string() + "'").c_str()) == 0;
    }
    if (mounted) {
        ms.clear();
        for (int run = 0; run < 3; ++run)
            ms.push_back(openOnce(lettersOn(std::vector<fs::path>(24, mount))));
        char what[80];
        std::snprintf(what, sizeof what, "24 drives answering each look-up after %.0f ms",
                      delay * 1000);
        report(what, ms);
        std::system(("fusermount3 -u '" + mount.string() + "' 2>/dev/null || umount '" +
                     mount.string() + "'")
                        .c_str());
    } else {
        std::printf("  24 slow drives: skipped (no FUSE mount here: needs /dev/fuse, fuse3 and "
                    "python3-fusepy)\n");
        if (!ended) kill(fuse, SIGTERM);
    }
    if (!ended) waitpid(fuse, nullptr, 0);
    fs::remove_all(root);
    return 0;
}
