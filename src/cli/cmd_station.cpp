// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// station and eject: many cards in one sitting, and safe removal of one drive.

#include <QCoreApplication>
#include <QTimer>
#include <atomic>
#include <cctype>
#include <csignal>
#include <filesystem>
#include <iostream>

#include "cli/commands.h"
#include "cli/terminal.h"
#include "platform/drives.h"
#include "settings/settingsfile.h"
#include "station/station.h"

namespace wks::cli {
namespace {

constexpr int kExitInterrupted = 130;
std::atomic<bool> interrupted{false};

void onInterrupt(int) { interrupted = true; }

// One line per card on standard output; the waiting and the source on standard error.
class Lines : public StationObserver {
  public:
    explicit Lines(Station& station) : station_(station) {}
    void stationEvent(const StationEvent& e) override {
        using Kind = StationEvent::Kind;
        // Ctrl-C while a card is written: that card is finished, no other is begun.
        if (interrupted && !station_.stopped()) {
            std::cerr << "stopping after the current card" << std::endl;
            station_.stop();
        }
        switch (e.kind) {
            case Kind::Waiting:
                if (!e.camera.empty())
                    std::cerr << "waiting for a card for " << printablePath(e.camera) << std::endl;
                break;
            case Kind::Done:
            case Kind::Failed:
            case Kind::Refused:
            case Kind::Known:
                std::cout << printablePath(e.text.english()) << std::endl;
                break;
            case Kind::SourceChanged:
                std::cerr << printablePath(e.text.english()) << std::endl;
                break;
            case Kind::LeftAlone:
                std::cerr << printablePath(e.text.english()) << " (--any-medium serves it)"
                          << std::endl;
                break;
            default:
                break;
        }
    }

  private:
    Station& station_;
};

std::string defaultReport(const std::optional<std::string>& list, const CameraModel& model) {
    if (!list) return model.fileStem + "-report.csv";
    const std::filesystem::path p(*list);
    return (p.parent_path() / (p.stem().string() + "-report.csv")).string();
}

}  // namespace

void ensureApplication() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "wks-settings";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

int cmdStation(Args& args) {
    const auto from = args.option("from");
    const auto cameras = args.option("cameras");
    const auto reportPath = args.option("report");
    const bool overwrite = args.flag("overwrite");
    const bool anyMedium = args.flag("any-medium");
    const auto countText = args.option("count");
    const auto audio = args.option("audio");
    auto p = args.expect(1,
                         "wks-settings station MODEL --from FILE [--cameras LIST.csv] "
                         "[--report OUT.csv] [--overwrite] [--any-medium] [--count N] "
                         "[--audio SOURCE]");
    const CameraModel& model = requireModel(p[0]);
    if (!from)
        throw UsageError("--from FILE is required: the settings file every card starts from");
    int count = 0;
    if (countText) {
        try {
            count = std::stoi(*countText);
        } catch (const std::exception&) {
            count = -1;
        }
        if (count < 1) throw UsageError("--count takes a number of cards (1 or more)");
    }

    // Everything is checked before the first card: the template, the list, the report.
    requireDocument(*from);
    StationOptions options;
    options.model = model.displayName;
    {
        SettingsFile file(model.displayName, options.templateState, options.templateRecipients);
        if (!file.Mng_ChkFileMark(*from))
            throw UsageError("\"" + *from + "\" is no settings file of " + model.displayName);
        file.savePath = *from;
        if (const files::Status read = file.Mng_AllPara(Transfer::Read, SettingsCopy::Card); !read)
            throw UsageError("cannot read \"" + *from + "\": " + read.message());
    }
    if (audio) {
        if (!model.hasGameCall) throw UsageError(model.displayName + " has no game call");
        if (!std::filesystem::is_regular_file(*audio))
            throw UsageError("no such audio file \"" + *audio + "\"");
        options.templateState.gameCallAudioPath = std::filesystem::absolute(*audio).string();
    }
    // Each card's camera clock is set to the time it was written.
    options.templateState.clockFollowsPc = true;
    if (cameras) {
        auto list = CameraList::read(*cameras, model);
        if (auto* why = std::get_if<Text>(&list)) {
            std::cerr << "wks-settings station: " << printablePath(why->english())
                      << "; no card was written\n";
            return kExitUsage;
        }
        options.cameras = std::move(std::get<CameraList>(list));
    }
    options.reportPath = reportPath.value_or(defaultReport(cameras, model));
    options.overwrite = overwrite;
    options.count = count;

    ensureApplication();
    ScopedDrives scope(DriveTable::forUser());
    std::string note;
    auto source = openCardSource(note, anyMedium);
    if (!note.empty())
        std::cerr << "UDisks2 not used (" << printablePath(note)
                  << "): the drive letters' media are watched, and each card must be "
                     "unmounted before it is removed\n";
    Station station(std::move(options), std::move(source));
    Lines lines(station);
    station.setObserver(&lines);
    if (const std::string why = station.prepare().english(); !why.empty()) {
        std::cerr << "wks-settings station: " << printablePath(why) << "\n";
        return kExitProblem;
    }
    interrupted = false;
    auto previous = std::signal(SIGINT, onInterrupt);
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &station, [&] {
        if (!interrupted || station.stopped()) return;
        std::cerr << "stopping after the current card" << std::endl;
        station.stop();
    });
    watch.start(100);
    station.run();
    std::signal(SIGINT, previous);
    std::cerr << station.written() << " written, " << station.failed() << " not written\n";
    if (station.stopped()) return kExitInterrupted;
    return station.failed() ? kExitProblem : kExitOk;
}

int cmdEject(Args& args) {
    auto p = args.expect(1, "wks-settings eject L");
    const std::string& text = p[0];
    const char letter =
        text.size() == 1 || (text.size() == 2 && text[1] == ':') ? char(std::toupper(text[0])) : 0;
    if (letter < 'D' || letter > 'Z')
        throw UsageError("\"" + text + "\" is no drive letter of a card (D to Z)");
    ensureApplication();
    ScopedDrives scope(DriveTable::forUser());
    const auto folder = drives().folderOf(letter);
    if (!folder || !drives().canEnter(std::string(1, letter) + ":\\")) {
        std::cerr << "wks-settings eject: drive " << letter << ": is not usable\n";
        return kExitProblem;
    }
    const EjectOutcome out = ejectFolder(*folder);
    return reportEject(letter, out);
}

int reportEject(char letter, const EjectOutcome& out) {
    if (out.safe) {
        std::cout << letter << ": safe to remove\n";
        return kExitOk;
    }
    std::cout << letter << ": " << (out.flushed ? "written to the card, but " : "")
              << printablePath(out.why) << ": unmount it before you remove it\n";
    return kExitProblem;
}

}  // namespace wks::cli
