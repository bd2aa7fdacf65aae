// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real FUSE folder (the benchmarks' bench/startup/slowfs.py) mounted while it lives: it
// answers every look-up after the delay given, is read-only, and holds the empty folders
// "share1", "share2", ... that stand for drives of their own. Stopped, its daemon answers
// nothing more, as a dead network share or a stuck FUSE daemon: every look-up waits until it
// goes on.

#include <QProcess>
#include <filesystem>
#include <string>

namespace wks::test {

// Waits until the FUSE daemon just started in `daemon` shows `mountPoint` in the mount table
// (a look-up on the folder itself could wait on the daemon); empty when it did, else why not.
std::string waitForFuseMount(QProcess& daemon, const std::filesystem::path& mountPoint);

class SlowFolder {
  public:
    SlowFolder(const std::filesystem::path& mountPoint, const char* seconds);
    ~SlowFolder();
    SlowFolder(const SlowFolder&) = delete;
    SlowFolder& operator=(const SlowFolder&) = delete;

    // Why it could not be mounted (no /dev/fuse, fuse3 or python3-fusepy); empty when mounted.
    const std::string& whyNot() const { return why_; }
    bool mounted() const { return why_.empty(); }
    std::filesystem::path share(int n) const { return mount_ / ("share" + std::to_string(n)); }
    const std::filesystem::path& mountPoint() const { return mount_; }
    // The daemon stops (SIGSTOP) or goes on.
    void stop();
    void resume();
    // Unmounts now, not lazily: false (with nothing changed) while a process keeps it busy.
    bool unmount();

  private:
    std::filesystem::path mount_;
    QProcess process_;
    std::string why_;
    bool stopped_ = false, unmounted_ = false;
};

}  // namespace wks::test
