// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long the main screen takes to open. First the session's part alone, reading the letters
// and examining the drives C: to Z: (and loading the file it finds), with 24 usable drives that
// each hold the model's settings file. Then the whole screen, from its making (the user's own
// letter table read, as the program does) to on view and painted, offscreen: with 22 letters
// whose folders answer at once, with the same 22 answering every question after 50 ms (a FUSE
// folder that sleeps, as a network share going to sleep does), and with one dead letter (the
// same FUSE folder with its daemon stopped, as a share whose server has gone).

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <thread>
#include <vector>

#include "platform/driveprobe.h"
#include "platform/drives.h"
#include "platform/files.h"
#include "platform/media.h"
#include "platform/process.h"
#include "session/mainsession.h"
#include "session/prompts.h"
#include "ui/main/mainparadlg.h"

namespace fs = std::filesystem;
using namespace wks;
using Clock = std::chrono::steady_clock;

namespace {

const char* kModel = "KT470RX-8PRO";

// The main screen's session for the model on a drive table, up to the point of opening.
struct Session {
    explicit Session(const DriveTable& table) : drives(table), prompts(answers) {}
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
    if (!s.session.open()) std::abort();
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
    if (!s.session.open() || !s.session.save().complete()) std::abort();
    return (c / "GSM" / "KT470RX.TXT").string();
}

// A folder that answers every look-up after `delay` seconds, mounted while it lives; stopped,
// it answers nothing more.
class SlowFolder {
  public:
    SlowFolder(const fs::path& mount, double delay) : mount_(mount) {
        fs::create_directories(mount);
        pid_ = fork();
        if (pid_ == 0) {
            freopen("/dev/null", "w", stderr);  // its complaints when unmounted twice
            execl(WKS_SLOWFS, WKS_SLOWFS, mount.c_str(), std::to_string(delay).c_str(), nullptr);
            _exit(127);
        }
        // Read from the mount table: a look-up on the folder itself would take the delay.
        for (int i = 0; i < 100 && !mounted_ && !ended_; ++i) {
            usleep(50 * 1000);
            ended_ = waitpid(pid_, nullptr, WNOHANG) == pid_;
            for (const Mount& m : readMounts("/")) mounted_ = mounted_ || m.mountPoint == mount;
        }
    }
    ~SlowFolder() {
        if (!ended_) kill(pid_, SIGCONT);  // what waits on it is answered before it goes
        if (mounted_) std::system(("fusermount3 -u -z '" + mount_.string() + "'").c_str());
        if (ended_) return;
        kill(pid_, SIGTERM);
        waitpid(pid_, nullptr, 0);
    }
    bool mounted() const { return mounted_; }
    void stop() { kill(pid_, SIGSTOP); }

  private:
    fs::path mount_;
    pid_t pid_ = -1;
    bool mounted_ = false, ended_ = false;
};

// The user's own letters, as the program reads them: C: and D: quick, and links from the
// letters given to the folder's shares, one each.
void linkUserLetters(const fs::path& data, const fs::path& quick, const fs::path& shares,
                     const std::string& letters) {
    const fs::path dos = data / "wks-config" / "dosdevices";
    fs::remove_all(dos);
    fs::create_directories(dos);
    fs::create_directory_symlink(quick, dos / "c:");
    fs::create_directory_symlink(quick, dos / "d:");
    for (char l : letters) {
        const fs::path share = shares / ("share" + std::to_string(l));
        std::error_code ec;
        fs::create_directories(share, ec);  // a FUSE folder's shares are there already
        fs::create_directory_symlink(share, dos / (std::string(1, l) + ":"));
    }
    setenv("XDG_DATA_HOME", data.c_str(), 1);
}

// Counts the paintings of a window.
struct Painted : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        count += e->type() == QEvent::Paint;
        return false;
    }
};

// The main screen made, opened and painted, as the selection screen's OK does it.
double openScreen() {
    ScriptedPrompter answers;  // a box, should one come, answered OK
    ScopedPrompter prompts(answers);
    AppState state;
    const auto start = Clock::now();
    setDrives(DriveTable::forUser());
    ui::CWKS_MainParaDlg screen(kModel, state);
    Painted painted;
    screen.installEventFilter(&painted);
    screen.initOnce();
    screen.show();
    while (painted.count == 0) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    screen.hide();
    return ms;
}

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    std::string scratch = (fs::temp_directory_path() / "wks-opening-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    const fs::path root(scratch);
    std::printf(
        "Opening the main screen for %s (a drive that has not answered in %lld ms is unusable)\n"
        "The session's part, reading the letters and examining the 24 drives C: to Z::\n",
        kModel, static_cast<long long>(kDriveAnswerTime.count()));

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

    std::printf("The whole screen, from its making to on view, offscreen, the user's letters:\n");
    const char* kLetters = "EFGHIJKLMNOPQRSTUVWXYZ";
    linkUserLetters(root / "data", usable[0], root / "quick", kLetters);
    openScreen();  // the first screen of the process loads its fonts and styles
    ms.clear();
    for (int run = 0; run < 11; ++run) ms.push_back(openScreen());
    report("C: and D: with 22 drives answering at once", ms);

    struct Slow {
        double delay;
        bool dead;
        const char* letters;
        const char* what;
        int runs;
    } cases[] = {{0.05, false, kLetters, "22 drives answering each question after 50 ms", 5},
                 {0, true, "E", "1 dead drive (its FUSE daemon stopped)", 3}};
    for (const Slow& c : cases) {
        const fs::path mount = root / ("slow" + std::to_string(c.runs));
        SlowFolder slow(mount, c.delay);
        if (!slow.mounted()) {
            std::printf(
                "  %s: skipped (no FUSE mount here: needs /dev/fuse, fuse3 and "
                "python3-fusepy)\n",
                c.what);
            continue;
        }
        linkUserLetters(root / "data", usable[0], mount, c.letters);
        // A share the user meets has been in use: the FUSE daemon's worker threads, which it
        // starts one by one on its first requests, are running already.
        std::vector<std::thread> warm;
        for (char l : std::string(c.letters)) {
            warm.emplace_back([p = mount / ("share" + std::to_string(l))] {
                std::error_code ec;
                (void)fs::is_directory(p, ec);
            });
        }
        for (auto& t : warm) t.join();
        if (c.dead) slow.stop();
        ms.clear();
        for (int run = 0; run < c.runs; ++run) ms.push_back(openScreen());
        report(c.what, ms);
        // While its look-up from an earlier opening is still under way, a drive is not asked
        // again: only the first opening waits for it.
        if (c.dead) std::printf("  %-46s first    %8.2f ms\n", "", ms.front());
    }
    fs::remove_all(root);
    return 0;
}
