// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The card station's time per card, from the card's file system appearing (mounted, as by the
// desktop) to "safe to remove", beside the same work done by hand with the system's tools on
// the same card: `cp` of the same bytes, `sync -f`, `umount`, and the power-off call that
// `udisksctl power-off` makes (through `gdbus`). Rounds take turns, so that a busy machine
// weighs on both sides alike; medians, and the median of each round's ratio. Then the memory of a
// run of 10 cards and of 100, each run in a process of its own.
//
// The card is a file system image on a loop device (FAT where the kernel has it, else ext2),
// in a mount namespace of the bench's own, so it needs root. No real UDisks2 can act on it
// there: the UDisks2 is the tests' mock on a private bus, which mounts and unmounts the image
// for real (with mount and umount) and takes the card's objects away at power-off.

#include <malloc.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "audio/gamecall.h"
#include "platform/drives.h"
#include "station/station.h"
#include "support/child.h"
#include "support/mockudisks.h"

namespace fs = std::filesystem;
using namespace wks;

namespace {

constexpr int kRounds = 21;
const char* const kModel = "LN714W-12P";
const char* const kCardName = "card";
const char* const kGameCallFolder = "DCIM/100WKSIM";
using Clock = std::chrono::steady_clock;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

std::string tool(const char* name) {
    return QStandardPaths::findExecutable(name, {"/usr/sbin", "/usr/bin", "/sbin", "/bin"})
        .toStdString();
}

bool program(const std::vector<std::string>& args) {
    int status = 0;
    waitpid(bench::startQuiet(args), &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    double one = 0, five = 0;
    in >> one >> five;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f (1 min), %.2f (5 min)", one, five);
    return text;
}

bool kernelHas(const std::string& fileSystem) {
    std::ifstream in("/proc/filesystems");
    std::string word;
    while (in >> word) {
        if (word == fileSystem) return true;
    }
    return false;
}

// A card: an image, the folder it is mounted on, and the game call's source when there is one.
struct Setup {
    fs::path scratch, image, media, gameCallSource;
    std::string fileSystem;
    test::MockUDisks* udisks = nullptr;

    // Makes the image and the game call's source; the reason when it cannot.
    std::string make() {
        image = scratch / "card.img";
        media = scratch / "media";
        fs::create_directories(media);
        fs::create_directories(scratch / "c");
        std::ofstream(image).close();
        fs::resize_file(image, std::uintmax_t(64) << 20);
        fileSystem = kernelHas("vfat") ? "vfat" : "ext2";
        const bool made = fileSystem == "vfat"
                              ? program({tool("mkfs.vfat"), image.string()})
                              : program({tool("mkfs.ext2"), "-q", "-F", image.string()});
        if (!made) return "mkfs." + fileSystem + " failed";
        if (!mountEmpty()) return "the image cannot be mounted on a loop device";
        program({tool("umount"), media.string()});
        const std::string ffmpeg = tool("ffmpeg");
        if (!ffmpeg.empty()) {
            gameCallSource = scratch / "call.wav";
            if (!program({ffmpeg, "-y", "-f", "lavfi", "-i", "sine=frequency=700:duration=8",
                          gameCallSource.string()}))
                gameCallSource.clear();
        }
        return {};
    }

    // The card mounted with its folders there and empty, as a camera leaves a card.
    bool mountEmpty() const {
        if (!program({tool("mount"), "-o", "loop", image.string(), media.string()})) return false;
        for (const char* folder : {"GSM", kGameCallFolder}) {
            std::error_code ec;
            fs::remove_all(media / folder, ec);
            fs::create_directories(media / folder, ec);
        }
        return program({tool("sync"), "-f", media.string()});
    }

    test::MockCard card(const std::string& uuid) const {
        return {kCardName, image, media, uuid, "CARD", "serial-" + uuid, true, true};
    }

    StationOptions options(const fs::path& folder, bool gameCall, int count) const {
        StationOptions o;
        o.model = kModel;
        o.templateState.CurrentNetworkParams.URL = "http://mms.example";
        o.templateRecipients.texts[0] = "+4670000000";
        o.templateState.clockFollowsPc = true;
        if (gameCall) o.templateState.gameCallAudioPath = gameCallSource.string();
        o.reportPath = (folder / "report.csv").string();
        o.count = count;
        return o;
    }
};

// Calls back at the end of each card.
struct CardEnds : StationObserver {
    std::function<void(const StationEvent&)> ended;
    void stationEvent(const StationEvent& e) override {
        using Kind = StationEvent::Kind;
        if (e.kind == Kind::Done || e.kind == Kind::Failed || e.kind == Kind::Refused ||
            e.kind == Kind::Known)
            ended(e);
    }
};

// One card through the station: the milliseconds from its appearing to "safe to remove", or
// a negative figure with the reason in `why`.
double stationCard(Setup& s, bool gameCall, std::string& why) {
    const fs::path folder = s.scratch / "run";
    fs::remove_all(folder);
    fs::create_directories(folder);
    if (!s.mountEmpty()) {
        why = "the card could not be mounted";
        return -1;
    }
    std::string note;
    auto source = UDisksCardSource::open(note);
    if (!source) {
        why = note;
        return -1;
    }
    Station station(s.options(folder, gameCall, 1), std::move(source));
    if (why = station.prepare().english(); !why.empty()) return -1;
    Clock::time_point start;
    double took = -1;
    CardEnds ends;
    ends.ended = [&](const StationEvent& e) {
        took = millisecondsSince(start);
        if (e.text.english() != "CAM-001 done — safe to remove") why = e.text.english();
    };
    station.setObserver(&ends);
    // UDisks2 tells of the card at the end of the call that inserts it.
    QTimer::singleShot(0, [&] {
        s.udisks->addCard(s.card("uuid-1"));
        start = Clock::now();
    });
    station.run();
    return why.empty() ? took : -1;
}

// The same card by hand: the same bytes copied, flushed, unmounted and powered off.
double handCard(Setup& s, const fs::path& settings, const fs::path& gameCall, std::string& why) {
    if (!s.mountEmpty() || !s.udisks->addCard(s.card("uuid-1"))) {
        why = "the card could not be mounted";
        return -1;
    }
    const std::string drive = std::string("/org/freedesktop/UDisks2/drives/") + kCardName;
    const auto start = Clock::now();
    bool ok = program({tool("cp"), settings.string(), (s.media / "GSM/LN714W.TXT").string()});
    if (!gameCall.empty())
        ok = program({tool("cp"), gameCall.string(),
                      (s.media / kGameCallFolder / kGameCallFile).string()}) &&
             ok;
    ok = program({tool("sync"), "-f", s.media.string()}) && ok;
    ok = program({tool("umount"), s.media.string()}) && ok;
    ok = program({tool("gdbus"), "call", "--system", "--dest", "org.freedesktop.UDisks2",
                  "--object-path", drive, "--method", "org.freedesktop.UDisks2.Drive.PowerOff",
                  "{}"}) &&
         ok;
    const double took = millisecondsSince(start);
    if (!ok) why = "a tool failed";
    return ok ? took : -1;
}

void compare(Setup& s, bool gameCall) {
    std::vector<double> station, hand;
    std::string why;
    // A first card, not counted, leaves the bytes that the hand copies.
    if (stationCard(s, gameCall, why) < 0) {
        std::printf("  station-bench: the station failed: %s\n", why.c_str());
        return;
    }
    const fs::path bytes = s.scratch / "by-hand";
    fs::remove_all(bytes);
    fs::create_directories(bytes);
    fs::copy_file(s.scratch / "run/LN714W-CAM-001.TXT", bytes / "LN714W.TXT");
    fs::path call;
    if (gameCall) fs::copy_file(s.scratch / "run" / kGameCallFile, call = bytes / kGameCallFile);
    for (int i = 0; i < kRounds && why.empty(); ++i) {
        station.push_back(stationCard(s, gameCall, why));
        if (why.empty()) hand.push_back(handCard(s, bytes / "LN714W.TXT", call, why));
    }
    if (!why.empty()) {
        std::printf("  station-bench: a round failed: %s\n", why.c_str());
        s.udisks->removeCard(kCardName);
        program({tool("umount"), s.media.string()});
        return;
    }
    // Each round's own ratio as well: a load that comes and goes weighs less on it.
    std::vector<double> ratios;
    for (std::size_t i = 0; i < station.size(); ++i) ratios.push_back(station[i] / hand[i]);
    const double a = median(station), b = median(hand);
    const auto size = fs::file_size(bytes / "LN714W.TXT") + (gameCall ? fs::file_size(call) : 0);
    std::printf("  %-30s %8.1f ms  %8.1f ms  %5.2fx  %7.2fx  (%ju bytes)\n",
                gameCall ? "settings file and game call" : "settings file", a, b, a / b,
                median(ratios), std::uintmax_t(size));
}

// A run of `cards` cards in this process: its peak resident size and the heap in use at its end.
int memoryRun(Setup& s, int cards) {
    const fs::path folder = s.scratch / "run";
    fs::create_directories(folder);
    std::string note;
    auto source = UDisksCardSource::open(note);
    if (!source) return 1;
    Station station(s.options(folder, !s.gameCallSource.empty(), cards), std::move(source));
    if (!station.prepare().empty()) return 1;
    int inserted = 0;
    const auto insert = [&] {
        if (!s.mountEmpty()) return;
        ++inserted;
        s.udisks->addCard(s.card("uuid-" + std::to_string(inserted)));
    };
    CardEnds ends;
    ends.ended = [&](const StationEvent&) {
        if (inserted < cards) QTimer::singleShot(0, insert);
    };
    station.setObserver(&ends);
    QTimer::singleShot(0, insert);
    station.run();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld %zu %d\n", usage.ru_maxrss, mallinfo2().uordblks, station.written());
    return station.written() == cards ? 0 : 1;
}

struct Memory {
    long peakKiB = 0;
    std::size_t heap = 0;
    int written = 0;
};

// This program again, for a run of `cards` cards in a process of its own.
Memory memoryOf(int cards) {
    Memory m;
    int out[2];
    if (pipe(out) != 0) return m;
    const std::string count = std::to_string(cards);
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], 1);
        ::close(out[0]);
        execl("/proc/self/exe", "station-bench", "--cards", count.c_str(), nullptr);
        _exit(127);
    }
    ::close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;) text.append(buffer, n);
    ::close(out[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    std::sscanf(text.c_str(), "%ld %zu %d", &m.peakKiB, &m.heap, &m.written);
    return m;
}

}  // namespace

int main(int argc, char** argv) {
    // The card's mounts stay in a namespace of this process and its children.
    if (geteuid() != 0 || ::unshare(CLONE_NEWNS) != 0 ||
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        std::printf(
            "station-bench: skipped: the card is a loop device mounted in a mount "
            "namespace of the bench's own, which needs root\n");
        return 0;
    }
    std::setvbuf(stdout, nullptr, _IOLBF, 0);  // each figure as it comes
    QCoreApplication app(argc, argv);
    QTemporaryDir scratch;
    Setup s;
    s.scratch = scratch.path().toStdString();
    ScopedDrives drives(DriveTable({{'C', s.scratch / "c"}}));
    test::MockUDisks udisks;
    if (!udisks.running()) {
        std::printf("station-bench: skipped: %s\n", udisks.whyNot().c_str());
        return 0;
    }
    s.udisks = &udisks;
    if (const std::string why = s.make(); !why.empty()) {
        std::printf("station-bench: skipped: %s\n", why.c_str());
        return 0;
    }
    if (argc == 3 && std::string(argv[1]) == "--cards") return memoryRun(s, std::atoi(argv[2]));

    std::printf(
        "station-bench: one card, from its file system appearing to safe to remove,\n"
        "  the station beside cp, sync -f, umount and the power-off call (gdbus), median "
        "of %d\n  on a 64 MiB %s image on a loop device; UDisks2 is the tests' mock "
        "(python3-dbusmock) on a private bus,\n  which mounts and unmounts the image "
        "for real: no real UDisks2 can act on the card here\n",
        kRounds, s.fileSystem.c_str());
    std::printf("  load before: %s\n", loadAverage().c_str());
    std::printf("  %-30s %11s  %11s  %6s  %8s\n", "", "station", "by hand", "ratio", "by round");
    compare(s, false);
    if (s.gameCallSource.empty()) {
        std::printf("  (no ffmpeg: no game call)\n");
    } else {
        compare(s, true);
    }

    const Memory ten = memoryOf(10), hundred = memoryOf(100);
    std::printf("  memory of a run (a process of its own)%s:\n",
                s.gameCallSource.empty() ? "" : ", with the game call");
    std::printf("  %-30s %11s  %11s\n", "", "peak RSS", "heap at end");
    for (const auto& [name, m] : {std::pair{"10 cards", ten}, {"100 cards", hundred}})
        std::printf("  %-30s %8ld KiB  %7zu KiB  (%d written)\n", name, m.peakKiB, m.heap / 1024,
                    m.written);
    if (ten.peakKiB > 0)
        std::printf("  %-30s %9.3fx  %10.3fx\n", "100 against 10",
                    double(hundred.peakKiB) / ten.peakKiB, double(hundred.heap) / double(ten.heap));
    std::printf("  load after: %s\n", loadAverage().c_str());
    return 0;
}
