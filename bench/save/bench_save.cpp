// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What one save writes to disk, for each camera family: the bytes the process handed to the
// kernel (wchar of /proc/self/io) around MainSession::save(), against the sizes of the two
// files a save leaves (the card file and its backup), which is the least it can write.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/drives.h"
#include "platform/files.h"
#include "session/mainsession.h"
#include "session/prompts.h"

namespace fs = std::filesystem;
using namespace wks;

namespace {

struct Io {
    long long wchar = 0, syscw = 0;
};

Io io() {
    Io r;
    std::ifstream in("/proc/self/io");
    std::string key;
    long long value = 0;
    while (in >> key >> value) {
        if (key == "wchar:") r.wchar = value;
        if (key == "syscw:") r.syscw = value;
    }
    return r;
}

}  // namespace

int main() {
    std::string scratch = (fs::temp_directory_path() / "wks-save-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;

    std::printf("One save (answered OK) onto an empty card, defaults, no game call:\n");
    std::printf("%-14s %14s %10s %10s %8s %14s\n", "model", "bytes written", "card file", "backup",
                "ratio", "write calls");
    int status = 0;
    for (const char* name : {"FX200 SERIES", "KT470RX-8PRO", "LN713Z-10P", "LN714W-12P"}) {
        const fs::path root = fs::path(scratch) / name;
        fs::create_directories(root / "c");
        fs::create_directories(root / "d");
        ScopedDrives drives(DriveTable({{'C', root / "c"}, {'D', root / "d"}}));
        ScriptedPrompter answers;  // every question answered OK
        ScopedPrompter prompts(answers);
        SystemProcessRunner runner;
        AppState state;
        MainSession session(name, state, runner);
        if (!session.open()) std::abort();

        const Io before = io();
        const bool saved = session.save().complete();
        const Io after = io();

        const auto card = fs::file_size(*files::native(session.savePath()));
        const auto backup = fs::file_size(*files::native(session.settings().backupPath));
        const long long written = after.wchar - before.wchar;
        std::printf("%-14s %14lld %10ju %10ju %7.2fx %14lld\n", name, written, std::uintmax_t(card),
                    std::uintmax_t(backup), double(written) / double(card + backup),
                    after.syscw - before.syscw);
        if (!saved) {
            std::fprintf(stderr, "save-bench: the save of %s did not complete\n", name);
            status = 1;
        }
    }
    fs::remove_all(scratch);
    return status;
}
