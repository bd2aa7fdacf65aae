// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Two `wks-settings save` runs on one card at the same moment, each changing another value,
// a hundred times: after each pair the card file must hold both changes. Run by `make stress`.

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/profile.h"
#include "support/child.h"

namespace fs = std::filesystem;

namespace {

int wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

std::string valueIn(const fs::path& p, const char* key) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return wks::ProfileDocument::parse(s.str())
        .value("Receive number and receive email", key)
        .value_or("");
}

}  // namespace

int main(int argc, char** argv) {
    const int pairs = argc > 1 ? std::atoi(argv[1]) : 100;
    const fs::path root = fs::temp_directory_path() / ("wks-pairs-" + std::to_string(getpid()));
    const fs::path c = root / "c", d = root / "d";
    fs::create_directories(c);
    fs::create_directories(d);
    setenv("XDG_DATA_HOME", (root / "xdg").c_str(), 1);
    const fs::path card = d / "GSM" / "KT470RX.TXT";
    const std::vector<std::string> save = {
        WKS_SETTINGS_EXE,  "save",    "KT470RX-8PRO",    "--drive",
        "C=" + c.string(), "--drive", "D=" + d.string(), "--yes"};
    auto with = [&](const char* option, const std::string& value) {
        auto args = save;
        args.insert(args.end(), {option, value});
        return args;
    };
    if (wait(wks::bench::startQuiet(save)) != 0) {
        std::cerr << "the first save failed\n";
        return 2;
    }
    int lost = 0, failed = 0;
    for (int i = 0; i < pairs; ++i) {
        const std::string admin = "+4670" + std::to_string(i),
                          email = std::to_string(i) + "@example.com";
        const pid_t a = wks::bench::startQuiet(with("--admin", admin));
        const pid_t b = wks::bench::startQuiet(with("--email1", email));
        failed += (wait(a) != 0) + (wait(b) != 0);
        lost += (valueIn(card, "AdministratorNum") != admin) +
                (valueIn(card, "ReceiveEmail1") != email);
    }
    fs::remove_all(root);
    std::cout << "concurrent pairs: " << pairs << ", saves failed: " << failed
              << ", changes lost: " << lost << "\n";
    return lost == 0 && failed == 0 ? 0 : 1;
}
