// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A real FUSE folder (tests/support/failingcard.py) mounted while it lives: a card pulled out while
// it is written. Folders and files can be made in it, but every write of a file's bytes fails
// with an input/output error, or, when it is full, with no room left.

#include <QProcess>
#include <filesystem>
#include <string>

namespace wks::test {

class FailingCard {
  public:
    explicit FailingCard(const std::filesystem::path& mountPoint, bool full = false);
    ~FailingCard();
    FailingCard(const FailingCard&) = delete;
    FailingCard& operator=(const FailingCard&) = delete;

    // Why it could not be mounted (no /dev/fuse, fuse3 or python3-fusepy); empty when mounted.
    const std::string& whyNot() const { return why_; }
    bool mounted() const { return why_.empty(); }
    const std::filesystem::path& mountPoint() const { return mount_; }

  private:
    std::filesystem::path mount_;
    QProcess process_;
    std::string why_;
};

}  // namespace wks::test
