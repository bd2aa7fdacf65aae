// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Kills `wks-settings save` at random moments and checks that the card file is always either
// the old file or the new file, whole, and that what the killed saves left beside the card
// file and the backup is gone after the next save. Run by `make stress`.

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/profile.h"
#include "support/child.h"

namespace fs = std::filesystem;

namespace {

std::string readAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeAll(const fs::path& p, const std::string& bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

pid_t start(const std::vector<std::string>& args) { return wks::bench::startQuiet(args); }

int runToEnd(const std::vector<std::string>& args) {
    int status = 0;
    waitpid(start(args), &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 500;
    const fs::path root = fs::temp_directory_path() / ("wks-stress-" + std::to_string(getpid()));
    const fs::path c = root / "c", d = root / "d";
    fs::create_directories(c);
    fs::create_directories(d);
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    const std::string exe = WKS_SETTINGS_EXE;
    const std::string model = "KT470RX-8PRO";
    const fs::path card = d / "GSM" / "KT470RX.TXT";

    // The old file, then the new one that a save over it writes.
    if (runToEnd({exe, "new", model, "--card", d.string(), "--admin", "+46700000001", "--clock",
                  "2026-01-01T00:00:00"}) != 0) {
        std::cerr << "could not write the old file\n";
        return 2;
    }
    const std::string oldBytes = readAll(card);
    const std::vector<std::string> save = {exe,
                                           "save",
                                           model,
                                           "--drive",
                                           "C=" + c.string(),
                                           "--drive",
                                           "D=" + d.string(),
                                           "--yes",
                                           "--country",
                                           "Sweden",
                                           "--operator",
                                           "Telia",
                                           "--admin",
                                           "+46700000002",
                                           "--email1",
                                           "a@example.com",
                                           "--clock",
                                           "2026-12-07T14:05:09"};
    auto t0 = std::chrono::steady_clock::now();
    if (runToEnd(save) != 0) {
        std::cerr << "the save itself failed\n";
        return 2;
    }
    const auto full = std::chrono::steady_clock::now() - t0;
    const std::string newBytes = readAll(card);
    if (newBytes == oldBytes) {
        std::cerr << "the save changed nothing; the test would prove nothing\n";
        return 2;
    }

    std::mt19937 random(12345);
    const auto span = std::chrono::duration_cast<std::chrono::microseconds>(full).count();
    std::uniform_int_distribution<long> delay(0, span + span / 5);
    const fs::path backupFolder = c / "VelmoraBackup";
    auto temporaries = [&] {
        int n = 0;
        for (const fs::path& folder : {card.parent_path(), backupFolder}) {
            for (const auto& e : fs::directory_iterator(folder)) {
                n += e.path().filename().string().find(".wkstmp-") != std::string::npos;
            }
        }
        return n;
    };
    int corrupt = 0, oldSeen = 0, newSeen = 0, leftByKills = 0;
    for (int i = 0; i < runs; ++i) {
        writeAll(card, oldBytes);
        pid_t pid = start(save);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        const std::string now = readAll(card);
        auto doc = wks::ProfileDocument::parse(now);
        const bool parses =
            doc.value("WKSFileMark", "Model") == std::optional<std::string>("KT470RX");
        if (now == oldBytes)
            ++oldSeen;
        else if (now == newBytes)
            ++newSeen;
        if (!parses || (now != oldBytes && now != newBytes)) ++corrupt;
        // Left where they are: the next save, killed or not, is to remove them.
        leftByKills = std::max(leftByKills, temporaries());
    }
    const bool finalSaved = runToEnd(save) == 0;
    const int leftOver = temporaries();
    fs::remove_all(root);
    std::cout << "runs killed after 0 to " << (span + span / 5) / 1000 << " ms: old file "
              << oldSeen << ", new file " << newSeen << ", at most " << leftByKills
              << " temporary files beside the files after a kill\n";
    std::cout << "corrupt: " << corrupt << " of " << runs << "\n";
    std::cout << "left over: " << leftOver << (finalSaved ? "" : " (the last save failed)") << "\n";
    return corrupt == 0 && leftOver == 0 && finalSaved ? 0 : 1;
}
