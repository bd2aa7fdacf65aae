// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/tempdrives.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace wks::test {

TempDrives::TempDrives(const std::string& letters) : scope_(DriveTable{}) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    for (char c : letters) add(c);
}

std::filesystem::path TempDrives::root() const { return dir_.path().toStdString(); }

std::filesystem::path TempDrives::folder(char letter) const {
    return root() / (std::string("drive_") + letter);
}

void TempDrives::add(char letter) {
    std::filesystem::create_directories(folder(letter));
    drives().set(letter, folder(letter));
}

void TempDrives::remove(char letter) { drives().remove(letter); }

std::string readBytes(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void writeBytes(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out << bytes;
}

}  // namespace wks::test
