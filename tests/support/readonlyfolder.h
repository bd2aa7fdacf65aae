// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

namespace wks::test {

// Takes the right to change a folder's entries away while it lives. An ordinary user loses the
// write permission of the folder and every folder in it; root, whom permissions do not stop,
// gets the folder mounted read-only over itself, in a mount namespace that only this process
// sees.
class ReadOnlyFolder {
  public:
    explicit ReadOnlyFolder(std::filesystem::path folder);
    ~ReadOnlyFolder();
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;
    bool ok() const { return ok_; }

  private:
    std::filesystem::path folder_;
    bool mounted_ = false;
    bool ok_ = false;
};

}  // namespace wks::test
