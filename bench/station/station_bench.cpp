// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The card station's own time per card, from the card's file system appearing to "safe to
// remove", beside the same work done by hand with the system's tools on the same kind of card
// (a tmpfs folder that the mock UDisks2 mounts, unmounts and powers off): the mock's Mount
// through gdbus, cp of the same bytes, sync, Unmount and PowerOff through gdbus. Then the
// memory a run holds after 10 cards and after 100.

#include <QCoreApplication>
#include <QProcess>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/drives.h"
#include "station/station.h"
#include "support/mockudisks.h"

namespace fs = std::filesystem;
using namespace wks;
using Clock = std::chrono::steady_clock;

namespace {

long rssKb() {
    std::ifstream in("/proc/self/status");
    std::string key;
    long value = 0;
    while (in >> key) {
        if (key == "VmRSS:") {
            in >> value;
            return value;
        }
        in.ignore(4096, '\n');
    }
    return -1;
}

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.setStandardOutputFile(QProcess::nullDevice());
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

bool gdbus(const std::string& object, const char* method) {
    return run("gdbus", {"call", "--system", "--dest", "org.freedesktop.UDisks2", "--object-path",
                         QString::fromStdString(object), "--method", method, "{}"});
}

struct Bench {
    fs::path root;
    test::MockUDisks& udisks;
    int made = 0;

    test::MockCard card() {
        const std::string n = "card" + std::to_string(++made);
        fs::create_directories(root / "store" / n);
        fs::create_directories(root / "media");
        return {n, root / "store" / n, root / "media" / n, "u-" + n, n, "", false, true};
    }
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    test::MockUDisks udisks;
    if (!udisks.running()) {
        std::printf("station-bench: skipped: %s\n", udisks.whyNot().c_str());
        return 0;
    }
    const fs::path shm = fs::exists("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
    std::string scratch = (shm / "wks-station-bench-XXXXXX").string();
    if (!::mkdtemp(scratch.data())) return 1;
    const fs::path root = scratch;
    fs::create_directories(root / "c");
    ScopedDrives drives(DriveTable({{'C', root / "c"}}));
    Bench bench{root, udisks};

    StationOptions options;
    options.model = "LN714W-12P";
    options.templateState.CurrentNetworkParams.URL = "http://mms.example";
    options.templateState.clockFollowsPc = true;
    options.reportPath = (root / "report.csv").string();
    std::string note;
    Station station(std::move(options), UDisksCardSource::open(note));
    if (!station.prepare().empty()) return 1;

    constexpr int kCards = 10;
    double stationMs = 0, handMs = 0;
    for (int i = 0; i < kCards; ++i) {
        if (!udisks.addCard(bench.card())) return 1;
        const auto t0 = Clock::now();  // the file system is there
        station.serveCards();
        stationMs += std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        QCoreApplication::processEvents();
    }
    const fs::path written = root / "store" / "card1" / "GSM" / "LN714W.TXT";
    for (int i = 0; i < kCards; ++i) {
        const test::MockCard c = bench.card();
        if (!udisks.addCard(c)) return 1;
        const std::string block = "/org/freedesktop/UDisks2/block_devices/" + c.name;
        const std::string drive = "/org/freedesktop/UDisks2/drives/" + c.name;
        const auto t0 = Clock::now();
        bool ok = gdbus(block, "org.freedesktop.UDisks2.Filesystem.Mount");
        fs::create_directories(c.media / "GSM");
        ok = ok && run("cp", {written.c_str(), (c.media / "GSM").c_str()}) && run("sync", {});
        ok = ok && gdbus(block, "org.freedesktop.UDisks2.Filesystem.Unmount") &&
             gdbus(drive, "org.freedesktop.UDisks2.Drive.PowerOff");
        handMs += std::chrono::duration<double, std::milli>(Clock::now() - t0).count();
        if (!ok) {
            std::printf("station-bench: the work by hand failed\n");
            return 1;
        }
    }
    std::printf(
        "Card station, per card from the file system appearing to safe to remove "
        "(%d cards each, tmpfs cards on the mock UDisks2):\n",
        kCards);
    std::printf(
        "  station  %8.2f ms  (write, read back and check, report row, unmount, power off)\n",
        stationMs / kCards);
    std::printf("  by hand  %8.2f ms  (gdbus Mount, cp, sync, gdbus Unmount, gdbus PowerOff)\n",
                handMs / kCards);
    std::printf("  ratio    %8.2f  (aim: at most 1.20)\n", stationMs / handMs);

    // Memory: the same run going on to 100 cards.
    const long at10 = rssKb();
    for (int i = kCards; i < 100; ++i) {
        if (!udisks.addCard(bench.card())) return 1;
        station.serveCards();
        // What run() does between cards: the signals of cards come and gone are taken.
        QCoreApplication::processEvents();
    }
    const long at100 = rssKb();
    std::printf(
        "Memory of the run (resident): after %d cards %ld KiB, after 100 cards %ld KiB "
        "(%+ld KiB)\n",
        kCards, at10, at100, at100 - at10);
    std::printf("  %d cards written\n", station.written());
    fs::remove_all(root);
    return 0;
}
