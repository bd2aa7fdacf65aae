// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A system bus of the test's own (a dbus-daemon) with a mock UDisks2 on it (python3-dbusmock and
// the template tests/support/udisks2.py): cards inserted and pulled out by the test, mounted,
// unmounted and powered off as real folders moved about. The bus is the process's system bus
// from the first one made on (DBUS_SYSTEM_BUS_ADDRESS, inherited by the programs it starts);
// QtDBus keeps its first system bus for the process's life, so one bus serves every test of a
// process and only the mock comes and goes.

#include <QDBusConnection>
#include <QProcess>
#include <filesystem>
#include <memory>
#include <string>

namespace wks::test {

struct MockCard {
    std::string name;             // a part of an object path: "card1"
    std::filesystem::path store;  // where the card's folder lies while not mounted
    std::filesystem::path media;  // where mounting puts it (the same: it stays where it is)
    std::string uuid, label, serial;
    bool mounted = false;     // mounted already when it comes, as by the desktop
    bool canPowerOff = true;  // false: a slot that can neither be powered off nor ejected
    bool cardReader = true;   // false: a USB disk, whose medium is not removable
};

class MockUDisks {
  public:
    MockUDisks();
    ~MockUDisks();
    MockUDisks(const MockUDisks&) = delete;
    MockUDisks& operator=(const MockUDisks&) = delete;

    // Why the bus or the mock could not be started; empty when they run.
    const std::string& whyNot() const { return why_; }
    bool running() const { return why_.empty(); }
    static std::string busAddress();

    bool addCard(const MockCard& card);
    bool removeCard(const std::string& name);
    bool refuseMount(const std::string& name);
    // UDisks2 leaves the bus.
    void stop();

  private:
    bool call(const char* method, const QVariantList& args);
    QProcess mock_;
    std::string why_;
};

}  // namespace wks::test
