// Start-up of wks-config, from starting the process to the model selection screen on view, and
// its peak memory, against a bare dialog with one drop-down list built from the same Qt. Both
// run on the offscreen platform (unless QT_QPA_PLATFORM says otherwise) and end themselves the
// moment their first window is on view (WKS_EXIT_WHEN_SHOWN); runs alternate between the two.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/child.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Run {
    double ms = 0;
    long peakKiB = 0;
    bool ok = false;
};

Run runOnce(const std::string& program) {
    Run r;
    const auto start = Clock::now();
    const pid_t pid = wks::bench::startQuiet({program});
    int status = 0;
    rusage usage{};
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid) return r;
    r.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    r.peakKiB = usage.ru_maxrss;
    r.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return r;
}

template <typename T>
T median(std::vector<T> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(11, std::atoi(argv[1])) : 15;
    std::string scratch = (fs::temp_directory_path() / "wks-startup-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    setenv("XDG_DATA_HOME", scratch.c_str(), 1);  // never the user's own remembered choice
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("WKS_EXIT_WHEN_SHOWN", "1", 1);

    const std::string programs[2] = {WKS_BARE_DIALOG_EXE, WKS_CONFIG_EXE};
    std::vector<double> ms[2];
    std::vector<long> kib[2];
    for (const auto& p : programs) runOnce(p);  // first start: caches and the data folder
    for (int i = 0; i < runs; ++i) {
        for (int k = 0; k < 2; ++k) {
            const Run r = runOnce(programs[k]);
            if (!r.ok) {
                std::fprintf(stderr, "startup-bench: %s did not show its window\n",
                             programs[k].c_str());
                fs::remove_all(scratch);
                return 1;
            }
            ms[k].push_back(r.ms);
            kib[k].push_back(r.peakKiB);
        }
    }
    fs::remove_all(scratch);

    std::printf("Start-up to the first screen on view (%s platform, median of %d runs each):\n",
                std::getenv("QT_QPA_PLATFORM"), runs);
    const char* names[2] = {"bare QDialog + QComboBox", "wks-config (model selection)"};
    for (int k = 0; k < 2; ++k) {
        std::printf("  %-30s %8.1f ms   peak memory %7.1f MiB\n", names[k], median(ms[k]),
                    median(kib[k]) / 1024.0);
    }
    std::printf("  ratio wks-config / bare dialog: time %.2fx, memory %.2fx\n",
                median(ms[1]) / median(ms[0]), double(median(kib[1])) / double(median(kib[0])));
    return 0;
}
