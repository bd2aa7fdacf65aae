// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile and huge settings files: for each, the seconds and the peak memory of opening it as
// the card file, reading one key, `show` and `check`, and of parsing it whole without the size
// bound. Every figure must stay bounded; exit statuses show how each file was judged.

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/child.h"

namespace fs = std::filesystem;

namespace {

const char* kValid =
    "[WKSFileMark]\r\nModel=KT470RX\r\n[Via WAP Settings]\r\nURL=http://mms.example.net\r\n"
    "[Camera Setting]\r\nLanguage=0\r\nPIR Interval=13\r\n";

struct Sample {
    std::string name;
    std::function<void(std::ofstream&)> write;
};

std::vector<Sample> samples() {
    return {
        {"100 MB file",
         [](std::ofstream& o) {
             o << kValid;
             const std::string line = "Filler=" + std::string(120, 'x') + "\r\n";
             for (std::size_t n = 0; n < 100u * 1024 * 1024; n += line.size()) o << line;
         }},
        {"random bytes (256 KB)",
         [](std::ofstream& o) {
             std::mt19937 r(7);
             for (int i = 0; i < 256 * 1024; ++i) o.put(static_cast<char>(r()));
         }},
        {"NUL bytes inside lines",
         [](std::ofstream& o) {
             o << "[WKSFileMark]\r\nModel=KT4" << '\0' << "70RX\r\n[Camera" << '\0'
               << " Setting]\r\nLang" << '\0' << "uage=0\r\nPIR Interval=1" << '\0' << "3\r\n";
         }},
        {"one 10 MB line",
         [](std::ofstream& o) {
             o << kValid << "URL=" << std::string(10u * 1024 * 1024, 'u') << "\r\n";
         }},
        {"100,000 sections",
         [](std::ofstream& o) {
             for (int i = 0; i < 100000; ++i) o << "[Section " << i << "]\r\nKey=" << i << "\r\n";
             o << kValid;
         }},
        {"a key 100,000 times",
         [](std::ofstream& o) {
             o << kValid;
             for (int i = 0; i < 100000; ++i) o << "Language=" << i % 5 << "\r\n";
         }},
        {"invalid mark bytes",
         [](std::ofstream& o) {
             o << "[WKSFileMark]\r\nModel=\xff\xfe\x80KT470RX\x01\r\n[Camera "
                  "Setting]\r\nLanguage=0\r\n";
         }},
    };
}

struct Figures {
    double seconds = 0;
    double peakMb = 0;
    int status = -1;
};

Figures run(const std::vector<std::string>& args) {
    auto t0 = std::chrono::steady_clock::now();
    pid_t pid = wks::bench::startQuiet(args);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    Figures f;
    f.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    f.peakMb = usage.ru_maxrss / 1024.0;
    f.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return f;
}

// The child side of "parse": the whole file through the parser, every entry listed and the
// camera keys read as a load reads them.
int parseWhole(const char* path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    auto doc = wks::ProfileDocument::parse(s.str());
    std::size_t bytes = 0;
    for (const auto& e : doc.entries()) bytes += e.value.size();
    for (const char* key : {"Language", "PIR Interval", "Work Day", "Send To"}) {
        bytes += doc.read("Camera Setting", key, "", 10).size();
    }
    return doc.value("WKSFileMark", "Model") && bytes > 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--parse") return parseWhole(argv[2]);

    const fs::path root = fs::temp_directory_path() / ("wks-hostile-" + std::to_string(getpid()));
    const fs::path c = root / "c", card = root / "card", gsm = card / "GSM";
    fs::create_directories(c);
    fs::create_directories(gsm);
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    const std::string exe = WKS_SETTINGS_EXE;
    const std::string self = fs::read_symlink("/proc/self/exe").string();
    const std::string model = "KT470RX-8PRO";

    std::printf("%-24s %10s  %-8s %9s %9s %6s\n", "file", "bytes", "action", "seconds", "peak MB",
                "exit");
    for (const auto& sample : samples()) {
        const fs::path file = root / "sample.TXT";
        {
            std::ofstream o(file, std::ios::binary | std::ios::trunc);
            sample.write(o);
        }
        const auto bytes = fs::file_size(file);
        struct Action {
            const char* name;
            std::vector<std::string> args;
        };
        const std::vector<Action> actions = {
            {"open",
             {exe, "save", model, "--drive", "C=" + c.string(), "--drive", "D=" + card.string(),
              "--no"}},
            {"read", {exe, "ini", "get", file.string(), "Camera Setting", "Language"}},
            {"show", {exe, "show", file.string(), "--model", model}},
            {"check", {exe, "check", file.string(), "--model", model}},
            {"parse", {self, "--parse", file.string()}},
        };
        for (const auto& action : actions) {
            // Opening deletes a card file without the model's mark, so place it anew each time.
            fs::copy_file(file, gsm / "KT470RX.TXT", fs::copy_options::overwrite_existing);
            Figures f = run(action.args);
            std::printf("%-24s %10llu  %-8s %9.3f %9.1f %6d\n", sample.name.c_str(),
                        static_cast<unsigned long long>(bytes), action.name, f.seconds, f.peakMb,
                        f.status);
        }
    }
    fs::remove_all(root);
    std::printf("Files over %d KB are reported and not read; \"parse\" ignores that bound.\n",
                1024);
    return 0;
}
