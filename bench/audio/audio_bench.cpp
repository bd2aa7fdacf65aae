// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// How long `wks-settings audio` takes for a 60-second mp3, against ffmpeg run directly on the
// same file with the same options: the cost of staging, the checks on the card and clean-up.

#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "audio/gamecall.h"
#include "platform/process.h"

namespace fs = std::filesystem;
using wks::ProcessResult;

namespace {

constexpr int kRuns = 7;

double seconds(wks::SystemProcessRunner& runner, const std::string& program,
               const std::vector<std::string>& args) {
    auto start = std::chrono::steady_clock::now();
    ProcessResult r = runner.run(program, args);
    double elapsed =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!r.succeeded()) {
        std::fprintf(stderr, "audio-bench: %s: %s\n", program.c_str(), r.describe().c_str());
        std::exit(1);
    }
    return elapsed;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main() {
    auto ffmpeg = wks::findProgramOnPath("ffmpeg");
    if (!ffmpeg) {
        std::fprintf(stderr, "audio-bench: ffmpeg is not on PATH\n");
        return 1;
    }
    std::string scratch = (fs::temp_directory_path() / "wks-audio-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    const fs::path root = scratch;
    const fs::path card = root / "card";
    const fs::path direct = root / "direct";
    fs::create_directories(card);
    fs::create_directories(direct);
    // The command's drive C: lives in its data folder: keep it away from the user's.
    ::setenv("XDG_DATA_HOME", (root / "data").c_str(), 1);

    wks::SystemProcessRunner runner;
    const std::string source = (root / "call.mp3").string();
    seconds(runner, *ffmpeg,
            {"-v", "error", "-f", "lavfi", "-i", "sine=frequency=440:duration=60", "-c:a",
             "libmp3lame", source});

    std::vector<double> command, plain;
    const std::string target = (direct / "ADUI0001.WAV").string();
    for (int i = 0; i < kRuns; ++i) {
        command.push_back(
            seconds(runner, WKS_SETTINGS_EXE, {"audio", source, "--card", card.string(), "--yes"}));
        fs::remove(target);
        plain.push_back(seconds(runner, *ffmpeg, wks::ConverterArguments(source, target)));
    }
    fs::remove_all(root);

    const double a = median(command), b = median(plain);
    std::printf("audio-bench: 60 s mp3 -> ADUI0001.WAV, median of %d runs\n", kRuns);
    std::printf("  wks-settings audio   %8.1f ms\n", a * 1000);
    std::printf("  ffmpeg directly      %8.1f ms\n", b * 1000);
    std::printf("  ratio                %8.2f\n", a / b);
    return 0;
}
