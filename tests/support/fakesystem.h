// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system of real folders and links under a temporary root, as the media readers see "/":
// block devices in sys/, labels in dev/disk/by-label, the mount table in proc/self/mounts, and
// a dosdevices folder beside it.

#include <QTemporaryDir>
#include <filesystem>
#include <string>

namespace wks::test {

class FakeSystem {
  public:
    FakeSystem();
    std::filesystem::path root() const;
    std::filesystem::path dosdevices() const { return root() / "dosdevices"; }
    // A folder as the system names it ("/media/anna/CARD"), under the root.
    std::filesystem::path folder(const std::string& systemPath) const;

    // A disk "sdb" with a partition "sdb1", hanging on the bus path given (".../usb2/2-1/...").
    void blockDevice(const std::string& bus, const std::string& disk, const std::string& partition,
                     bool removable);
    void label(const std::string& partition, const std::string& udevName);
    // Adds a line to the mount table and makes the folder; unmount takes the line away.
    void mount(const std::string& device, const std::string& mountPoint);
    void unmount(const std::string& mountPoint);
    // dosdevices/<letter>: -> target.
    void link(char letter, const std::filesystem::path& target);

  private:
    QTemporaryDir dir_;
};

}  // namespace wks::test
