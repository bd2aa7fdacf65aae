// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Temporary folders that stand for drives, installed as the drive table for a test's life.

#include <QTemporaryDir>
#include <filesystem>
#include <map>
#include <string>

#include "platform/drives.h"

namespace wks::test {

class TempDrives {
  public:
    // Makes a folder for each letter given ("CDF" -> C:, D:, F:).
    explicit TempDrives(const std::string& letters = "C");
    std::filesystem::path root() const;
    std::filesystem::path folder(char letter) const;
    // Adds a drive (its folder is made) or removes one from the table (its folder stays).
    void add(char letter);
    void remove(char letter);

  private:
    QTemporaryDir dir_;
    ScopedDrives scope_;
};

std::string readBytes(const std::filesystem::path& p);
void writeBytes(const std::filesystem::path& p, const std::string& bytes);

}  // namespace wks::test
