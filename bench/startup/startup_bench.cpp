// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of wks-config, from starting the process to the model selection screen on view
// (exposed and painted, pictures included), against a bare dialog with one drop-down list built
// from the same Qt. Both end themselves the moment their first window is on view
// (WKS_EXIT_WHEN_SHOWN); runs alternate between the two, side by side on the same display:
// the offscreen platform, then a private X server when Xvfb is installed. What the program does
// once its first window is on view (such as writing "-1" for the remembered model or deleting
// that key) falls outside the figure, as it falls outside the user's wait.
//
// Per series: the median wall time, the median CPU time (user and system, which other load on
// the machine disturbs less) and peak memory; then, with valgrind installed, the instructions
// each executes offscreen, a figure that no load disturbs, and, with callgrind_annotate, how
// many of them go to each stage of the start-up.

#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <vector>

#include "support/child.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

// The ratio the start-up must stay within.
constexpr double kAim = 1.05;

struct Run {
    double ms = 0;
    double cpuMs = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run runOnce(const std::vector<std::string>& args) {
    Run r;
    const auto start = Clock::now();
    const pid_t pid = wks::bench::startQuiet(args);
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return r;
    r.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    const auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    r.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
    r.peakKiB = usage.ru_maxrss;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

const char* kNames[2] = {"bare QDialog + QComboBox", "wks-config (model selection)"};
const std::string kPrograms[2] = {WKS_BARE_DIALOG_EXE, WKS_CONFIG_EXE};

// One series on the platform the environment names; false when a program showed no window.
bool series(const char* display, int runs) {
    std::vector<Run> r[2];
    for (const auto& p : kPrograms) runOnce({p});  // first start: caches and the data folder
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            r[k].push_back(runOnce({kPrograms[k]}));
            if (!r[k].back().ok) {
                std::fprintf(stderr, "startup-bench: %s did not show its window on %s\n",
                             kPrograms[k].c_str(), display);
                return false;
            }
        }
    }
    double ms[2], cpu[2];
    long kib[2];
    std::printf("Start-up to the first screen on view, %s, median of %d runs each:\n", display,
                runs);
    for (int k = 0; k < 2; ++k) {
        std::vector<double> wall, cpus;
        std::vector<long> peaks;
        for (const Run& run : r[k]) {
            wall.push_back(run.ms);
            cpus.push_back(run.cpuMs);
            peaks.push_back(run.peakKiB);
        }
        ms[k] = median(wall);
        cpu[k] = median(cpus);
        kib[k] = median(peaks);
        std::printf("  %-30s %8.1f ms   CPU %7.1f ms   peak memory %6.1f MiB\n", kNames[k], ms[k],
                    cpu[k], kib[k] / 1024.0);
    }
    std::printf(
        "  ratio wks-config / bare dialog: time %.2fx (aim: at most %.2fx), CPU %.2fx, "
        "memory %.2fx\n",
        ms[1] / ms[0], kAim, cpu[1] / cpu[0], double(kib[1]) / double(kib[0]));
    std::fflush(stdout);  // before the X server is forked
    return true;
}

std::optional<std::string> onPath(const char* program) {
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/bin:/bin";
    for (std::size_t start = 0; start <= dirs.size();) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        const fs::path candidate = fs::path(dirs.substr(start, end - start)) / program;
        if (::access(candidate.c_str(), X_OK) == 0) return candidate.string();
        start = end + 1;
    }
    return std::nullopt;
}

// A private X server: started on the first free display, which it reports through a pipe.
struct XServer {
    pid_t pid = -1;
    std::string display;

    explicit XServer(const std::string& xvfb) {
        int fds[2];
        if (pipe(fds) != 0) return;
        pid = fork();
        if (pid == 0) {
            close(fds[0]);
            const std::string fd = std::to_string(fds[1]);
            execl(xvfb.c_str(), xvfb.c_str(), "-displayfd", fd.c_str(), "-nolisten", "tcp",
                  "-screen", "0", "1280x1024x24", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fds[1]);
        // The number, then a line end, perhaps in separate writes.
        std::string number;
        char c = 0;
        while (pid > 0 && read(fds[0], &c, 1) == 1 && c != '\n') number += c;
        close(fds[0]);
        if (c == '\n' && !number.empty()) display = ":" + number;
    }
    ~XServer() {
        if (pid <= 0) return;
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
};

// The instructions a program executes to its first screen, counted by valgrind's callgrind, and
// the record of where they went.
std::optional<double> instructions(const std::string& valgrind, const std::string& program,
                                   const fs::path& record) {
    const fs::path log = record.string() + ".log";
    runOnce({valgrind, "--tool=callgrind", "--callgrind-out-file=" + record.string(),
             "--log-file=" + log.string(), program});
    std::ifstream in(log);
    const std::regex collected(R"(Collected : (\d+))");
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
        if (std::regex_search(line, m, collected)) return std::stod(m[1]);
    }
    return std::nullopt;
}

// Stages of the start-up, each named by the function that does it, whose instructions include
// those of everything it calls.
struct Stage {
    const char* what;
    const char* function;
};
const Stage kStages[] = {
    {"loading and linking the libraries", ":_dl_start"},
    {"making the QApplication", ":QApplication::QApplication("},
    {"showing: sizes, fonts found", ":QWidget::show()"},
    {"painting the first screen", ":QWidgetRepaintManager::paintAndFlush()"},
    {"  of which the words on pictures", "::Picture::paintWords("},
};
constexpr std::size_t kStageCount = std::size(kStages);

// The instructions of each stage in a callgrind record, read with callgrind_annotate; 0 for a
// stage the program never went through.
std::optional<std::vector<double>> stages(const std::string& annotate, const fs::path& record) {
    const fs::path listing = record.string() + ".txt";
    if (std::system(("'" + annotate + "' --inclusive=yes --threshold=100 '" + record.string() +
                     "' > '" + listing.string() + "' 2>/dev/null")
                        .c_str()) != 0)
        return std::nullopt;
    std::vector<double> found(kStageCount, -1);
    std::ifstream in(listing);
    const std::regex cost(R"(^\s*([\d,]+) )");
    std::smatch m;
    for (std::string line; std::getline(in, line);) {
        if (!std::regex_search(line, m, cost)) continue;
        for (std::size_t i = 0; i < kStageCount; ++i) {
            const std::string_view name = kStages[i].function;
            const std::size_t at = line.find(name);
            const std::size_t end = at + name.size();
            const auto inName = [](char c) { return std::isalnum(c) || c == '_'; };
            // The largest figure comes first; a longer name that starts alike is another one.
            if (found[i] >= 0 || at == std::string::npos ||
                (inName(name.back()) && end < line.size() && inName(line[end])))
                continue;
            std::string digits = m[1];
            digits.erase(std::remove(digits.begin(), digits.end(), ','), digits.end());
            found[i] = std::stod(digits);
        }
    }
    for (double& f : found) f = std::max(f, 0.0);
    return found;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 41;
    std::string scratch = (fs::temp_directory_path() / "wks-startup-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    setenv("XDG_DATA_HOME", scratch.c_str(), 1);  // never the user's own remembered choice
    setenv("WKS_EXIT_WHEN_SHOWN", "1", 1);
    unsetenv("WAYLAND_DISPLAY");

    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    bool ok = series("offscreen platform", runs);

    if (const auto xvfb = onPath("Xvfb"); ok && xvfb) {
        XServer server(*xvfb);
        if (server.display.empty()) {
            std::printf("X11: skipped (Xvfb did not start)\n");
        } else {
            setenv("QT_QPA_PLATFORM", "xcb", 1);
            setenv("DISPLAY", server.display.c_str(), 1);
            ok = series(("X11 (Xvfb " + server.display + ")").c_str(), runs);
        }
    } else if (ok) {
        std::printf("X11: skipped (no Xvfb: install xvfb)\n");
    }

    if (const auto valgrind = onPath("valgrind"); ok && valgrind) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        const fs::path records[2] = {fs::path(scratch) / "bare", fs::path(scratch) / "ours"};
        const auto bare = instructions(*valgrind, kPrograms[0], records[0]);
        const auto ours = instructions(*valgrind, kPrograms[1], records[1]);
        if (bare && ours) {
            std::printf(
                "Instructions to the first screen, offscreen (callgrind):\n"
                "  %-30s %8.1f M\n  %-30s %8.1f M\n  ratio %.2fx (aim: at most %.2fx)\n",
                kNames[0], *bare / 1e6, kNames[1], *ours / 1e6, *ours / *bare, kAim);
        }
        const auto annotate = onPath("callgrind_annotate");
        const auto parts = [&](int k) {
            return annotate ? stages(*annotate, records[k]) : std::nullopt;
        };
        const auto bareStages = parts(0), ourStages = parts(1);
        if (bare && ours && bareStages && ourStages) {
            std::printf("  where they go, M instructions    %12s %12s %12s\n", "bare", "wks-config",
                        "more");
            for (std::size_t i = 0; i < kStageCount; ++i) {
                const double b = (*bareStages)[i] / 1e6, o = (*ourStages)[i] / 1e6;
                std::printf("    %-32s %10.1f %12.1f %+12.1f\n", kStages[i].what, b, o, o - b);
            }
        }
    } else if (ok) {
        std::printf("Instructions: skipped (no valgrind)\n");
    }
    fs::remove_all(scratch);
    return ok ? 0 : 1;
}
