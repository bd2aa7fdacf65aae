// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/fakesystem.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "support/tempdrives.h"

namespace fs = std::filesystem;

namespace wks::test {

namespace {

// The mount table's form of a path: a blank is "\040".
std::string escaped(const std::string& path) {
    std::string out;
    for (char c : path) out += c == ' ' ? std::string("\\040") : std::string(1, c);
    return out;
}

}  // namespace

FakeSystem::FakeSystem() {
    if (!dir_.isValid()) throw std::runtime_error("no temporary folder");
    fs::create_directories(root() / "proc/self");
    fs::create_directories(dosdevices());
    writeBytes(root() / "proc/self/mounts", "");
}

fs::path FakeSystem::root() const { return dir_.path().toStdString(); }

fs::path FakeSystem::folder(const std::string& systemPath) const {
    return root() / fs::path(systemPath).relative_path();
}

void FakeSystem::blockDevice(const std::string& bus, const std::string& disk,
                             const std::string& partition, bool removable) {
    const fs::path diskPath = fs::path("devices") / bus / "block" / disk;
    fs::create_directories(root() / "sys" / diskPath / partition);
    writeBytes(root() / "sys" / diskPath / "removable", removable ? "1\n" : "0\n");
    writeBytes(root() / "sys" / diskPath / partition / "partition", "1\n");
    fs::create_directories(root() / "sys/class/block");
    fs::create_directory_symlink(fs::path("../..") / diskPath / partition,
                                 root() / "sys/class/block" / partition);
}

void FakeSystem::label(const std::string& partition, const std::string& udevName) {
    fs::create_directories(root() / "dev/disk/by-label");
    fs::create_symlink(fs::path("../..") / partition, root() / "dev/disk/by-label" / udevName);
}

void FakeSystem::mount(const std::string& device, const std::string& mountPoint) {
    fs::create_directories(folder(mountPoint));
    const fs::path table = root() / "proc/self/mounts";
    writeBytes(table, readBytes(table) + device + " " + escaped(mountPoint) + " vfat rw 0 0\n");
}

void FakeSystem::unmount(const std::string& mountPoint) {
    const fs::path table = root() / "proc/self/mounts";
    std::istringstream lines(readBytes(table));
    std::string line, kept;
    while (std::getline(lines, line)) {
        if (line.find(" " + escaped(mountPoint) + " ") == std::string::npos) kept += line + "\n";
    }
    writeBytes(table, kept);
}

void FakeSystem::link(char letter, const fs::path& target) {
    const fs::path name =
        dosdevices() / (std::string(1, static_cast<char>(std::tolower(letter))) + ":");
    fs::remove(name);
    fs::create_directory_symlink(target, name);
}

}  // namespace wks::test
