// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "station/station.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QEventLoop>
#include <QStandardPaths>
#include <QTimer>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <utility>

#include "audio/converter.h"
#include "audio/gamecall.h"
#include "platform/clock.h"
#include "platform/files.h"
#include "settings/filecheck.h"
#include "settings/settingsfile.h"
#include "util/cutil.h"

namespace wks {
namespace {

namespace fsys = std::filesystem;

// Cards are looked at again at least this often, also when no signal tells of one.
constexpr int kLookAgainMs = 1000;
// A game call is a few seconds of 8-bit mono sound: far past the settings file's bound.
constexpr std::size_t kGameCallBound = std::size_t(64) << 20;

std::string upper(std::string text) {
    for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

std::string timeText(const LocalTime& t) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// A camera's name as part of a file name: what a file name may not hold becomes "_".
std::string fileNamePart(const std::string& id) {
    std::string out;
    for (unsigned char c : id) out += (std::isalnum(c) || c == '-' || c == '.') ? char(c) : '_';
    return out == "." || out == ".." ? "_" : out;
}

StationEvent::Why whyOf(const std::error_code& error) {
    using Why = StationEvent::Why;
    switch (error.value()) {
        case EROFS:
        case EACCES:
        case EPERM:
            return Why::ReadOnly;
        case ENOSPC:
        case EDQUOT:
            return Why::Full;
        case EIO:
        case ENODEV:
        case ENXIO:
        case ENOTCONN:
            return Why::WentAway;
        default:
            return Why::Other;
    }
}

// The card's reason in words a user acts on, the system's own words beside them.
Text describe(const std::error_code& error) {
    switch (whyOf(error)) {
        case StationEvent::Why::ReadOnly:
            return Text(QT_TRANSLATE_NOOP("Message", "the card is read-only (%1)"),
                        {error.message()});
        case StationEvent::Why::Full:
            return Text(QT_TRANSLATE_NOOP("Message", "the card is full (%1)"), {error.message()});
        case StationEvent::Why::WentAway:
            return Text(QT_TRANSLATE_NOOP("Message",
                                          "the card went away or failed while it was written (%1)"),
                        {error.message()});
        default:
            return Text::verbatim(error.message());
    }
}

// The file as the card holds it, not as the computer still keeps it in memory. Its writer has
// flushed it, so its pages are clean and can be dropped: flushing again would cost the card
// another cache flush for nothing.
files::Result<std::string> readFromCard(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd >= 0) {
        ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED);
        ::close(fd);
    }
    return files::readFile(path, kGameCallBound);
}

// The name of an entry of the folder equal to `name` in any letter case, as a card's FAT has it.
std::optional<std::string> entryNamed(const std::vector<files::Entry>& entries,
                                      const std::string& name) {
    for (const auto& e : entries) {
        if (!e.folder && upper(e.name) == upper(name)) return e.name;
    }
    return std::nullopt;
}

// A card served is told from the next one in the same slot by its file system's identity: a card
// swapped in while another was being written is served too, though the slot's key is the same.
std::string servedKey(const Card& card) { return card.key + '\n' + card.uuid + '\n' + card.serial; }

}  // namespace

Station::Station(StationOptions options, std::unique_ptr<CardSource> source)
    : options_(std::move(options)), model_(findModel(options_.model)), source_(std::move(source)) {
    connect(source_.get(), &CardSource::lost, this, &Station::sourceLost, Qt::QueuedConnection);
}

Station::~Station() = default;

Text Station::prepare() {
    if (!model_)
        return Text(QT_TRANSLATE_NOOP("Message", "unknown model \"%1\""), {options_.model});
    auto report = Report::open(options_.reportPath, options_.cameras.columns());
    if (auto* why = std::get_if<Text>(&report)) return *why;
    report_ = std::move(std::get<Report>(report));
    // The backup keeps the template, as a save does; each camera's own file goes beside the
    // report.
    AppState state = options_.templateState;
    Recipients recipients = options_.templateRecipients;
    SettingsFile backup(model_->displayName, state, recipients);
    backup.backupPath = model_->backupPath();
    if (Text why = convertGameCall(); !why.empty()) return why;
    if (const files::Status saved = backup.Mng_AllPara(Transfer::Write, SettingsCopy::Backup);
        !saved)
        return Text(QT_TRANSLATE_NOOP("Message", "cannot write the backup %1: %2"),
                    {backup.backupPath, saved.message()});
    return {};
}

Text Station::convertGameCall() {
    const std::string source = CUtil::TrimToLength(options_.templateState.gameCallAudioPath, -1);
    if (!model_->hasGameCall || source.empty()) return {};
    const fsys::path target = fsys::absolute(options_.reportPath).parent_path() / kGameCallFile;
    SystemProcessRunner system;
    ProcessRunner& runner = options_.converter ? *options_.converter : system;
    const QString ffmpeg = QStandardPaths::findExecutable(kInstalledConverter);
    if (ffmpeg.isEmpty())
        return Text(QT_TRANSLATE_NOOP("Message",
                                      "the game call is converted with ffmpeg, which is not "
                                      "installed: install the package ffmpeg"));
    std::error_code ec;
    fsys::remove(target, ec);
    const ProcessResult result =
        runner.run(ffmpeg.toStdString(), ConverterArguments(source, target));
    auto bytes = files::readFile(target.string(), std::size_t(64) << 20);
    if (!result.succeeded() || !bytes || bytes->empty()) {
        // ffmpeg's own words, on the one line the station gives a problem.
        std::string reason = ConverterReason(result.errorOutput);
        for (auto at = reason.find('\n'); at != std::string::npos; at = reason.find('\n', at))
            reason.replace(at, 1, "; ");
        if (reason.empty())
            return Text(QT_TRANSLATE_NOOP("Message", "the game call %1 could not be converted: %2"),
                        {source, result.describe()});
        return Text(
            QT_TRANSLATE_NOOP("Message", "the game call %1 could not be converted: %2 (%3)"),
            {source, result.describe(), reason});
    }
    gameCall_ = std::move(*bytes);
    return {};
}

Text Station::placeGameCall(const Card& card) {
    if (gameCall_.empty()) return {};
    const fsys::path folder = card.folder / "DCIM" / "100WKSIM";
    std::error_code ec;
    fsys::create_directories(folder, ec);
    if (ec) return describe(ec);
    // The camera's first picture and video make room, as a save does when the user agrees.
    for (const auto& [from, to] : {std::pair{"IMAG0001.JPG", "IMAG0001_RenameForSaveAudioFile.JPG"},
                                   {"VIDE0001.AVI", "VIDE0001_RenameForSaveAudioFile.AVI"}}) {
        CUtil::ClearReadOnly((folder / from).string());
        if (CUtil::RenameIfExists((folder / from).string(), (folder / to).string()))
            return Text(QT_TRANSLATE_NOOP(
                "Message", "\"IMAG0001.JPG\" or \"VIDE0001.AVI\" could not be renamed"));
    }
    const std::string target = (folder / kGameCallFile).string();
    CUtil::ClearReadOnly(target);
    if (const files::Status put =
            files::replaceAtomically(target, gameCall_, files::LinkAtPath::Follow, kGameCallBound);
        !put)
        return describe(put.error());
    const auto back = readFromCard(target);
    if (!back || *back != gameCall_)
        return Text(QT_TRANSLATE_NOOP("Message", "the game call read back is not the one written"));
    return {};
}

std::optional<Station::Camera> Station::next() const {
    const CameraList& list = options_.cameras;
    if (list.isNumbered()) {
        for (int n = 1;; ++n) {
            const std::string id = CameraList::numberedId(n);
            if (!report_->done(id)) return Camera{id, std::nullopt};
        }
    }
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (!report_->done(list.id(i))) return Camera{list.id(i), i};
    }
    return std::nullopt;
}

std::string Station::nextCamera() const {
    const auto camera = report_ ? next() : std::nullopt;
    return camera ? camera->id : std::string();
}

bool Station::finished() const {
    if (options_.count > 0 && written_ >= options_.count) return true;
    return report_ && !next();
}

std::size_t Station::doneCount() const { return report_ ? report_->doneCount() : 0; }

std::size_t Station::total() const {
    return options_.cameras.isNumbered() ? 0 : options_.cameras.size();
}

void Station::stop() {
    stop_ = true;
    emit wake();
}

void Station::sourceLost() {
    // The cards in now were served or are being served: none is written twice.
    auto letters = std::make_unique<LetterCardSource>(source_->anyMedium());
    for (const Card& card : letters->cards()) handled_.insert(servedKey(card));
    source_.release()->deleteLater();
    source_ = std::move(letters);
    emitEvent(StationEvent::Kind::SourceChanged, nextCamera(), {},
              Text(QT_TRANSLATE_NOOP("Message",
                                     "UDisks2 went away: unmount each card before you remove it")));
    emit wake();
}

void Station::run() {
    emitEvent(StationEvent::Kind::Waiting, nextCamera(), {});
    while (!finished() && !stop_) {
        serveCards();
        if (finished() || stop_) break;
        QEventLoop loop;
        QTimer::singleShot(kLookAgainMs, &loop, &QEventLoop::quit);
        connect(source_.get(), &CardSource::changed, &loop, &QEventLoop::quit);
        connect(this, &Station::wake, &loop, &QEventLoop::quit);
        loop.exec();
    }
}

void Station::serveCards() {
    const std::vector<Card> cards = source_->cards();
    // A card taken out is forgotten: when it comes again it is served again.
    std::set<std::string> present;
    for (const Card& card : cards) present.insert(servedKey(card));
    std::erase_if(handled_, [&](const std::string& key) { return !present.count(key); });
    for (const Card& card : cards) {
        if (finished() || stop_) return;
        if (handled_.insert(servedKey(card)).second) serve(card);
    }
}

void Station::emitEvent(StationEvent::Kind kind, const std::string& camera, const Card& card,
                        Text text) {
    StationEvent e{kind, camera, card, std::move(text), StationEvent::Why::None, {}, {}, false};
    if (kind == StationEvent::Kind::Done || kind == StationEvent::Kind::Failed ||
        kind == StationEvent::Kind::Refused || kind == StationEvent::Kind::Known) {
        e.why = std::exchange(why_, StationEvent::Why::None);
        e.detail = std::exchange(detail_, {});
        e.reportWhy = std::exchange(reportWhy_, {});
        e.safe = std::exchange(safe_, false);
    }
    if (observer_) observer_->stationEvent(e);
}

Text Station::refusal(const Card& card) {
    const auto entries = files::listFolder((card.folder / "GSM").string());
    if (!entries) return {};
    for (const CameraModel& other : catalogue()) {
        const auto name = entryNamed(*entries, other.settingsFileName());
        if (!name) continue;
        const std::string path = (card.folder / "GSM" / *name).string();
        if (other.fileStem == model_->fileStem) {
            if (!options_.overwrite) {
                why_ = StationEvent::Why::HoldsOwnFile;
                detail_ = Text::verbatim("GSM\\" + *name);
                return Text(
                    QT_TRANSLATE_NOOP(
                        "Message",
                        "it holds %1 already; it is written over only when the run says so"),
                    {"GSM\\" + *name});
            }
            continue;
        }
        AppState state;
        Recipients recipients;
        SettingsFile probe(other.displayName, state, recipients);
        if (probe.Mng_ChkFileMark(path)) {
            why_ = StationEvent::Why::HoldsOtherModel;
            detail_ = Text::verbatim(other.displayName);
            return Text(QT_TRANSLATE_NOOP("Message", "it holds the settings file of a %1 (%2)"),
                        {other.displayName, "GSM\\" + *name});
        }
    }
    return {};
}

void Station::serve(const Card& card) {
    // A user's USB disk is never written, powered off or taken for a camera done.
    if (!card.notCard.empty()) {
        const std::string name = !card.label.empty()    ? card.label
                                 : !card.device.empty() ? card.device
                                                        : card.folder.string();
        emitEvent(StationEvent::Kind::LeftAlone, {}, card,
                  Text::verbatim(name + " left alone: " + card.notCard));
        return;
    }
    if (const auto known = report_->cameraOf(card)) {
        const EjectOutcome out = source_->eject(card);
        safe_ = out.safe;
        emitEvent(StationEvent::Kind::Known, *known, card,
                  Text(out.safe ? QT_TRANSLATE_NOOP("Message",
                                                    "this card was written for %1 — safe to remove")
                                : QT_TRANSLATE_NOOP("Message",
                                                    "this card was written for %1 — unmount it "
                                                    "before you remove it"),
                       {*known}));
        return;
    }
    const auto camera = next();
    if (!camera) return;

    ReportRow row;
    row.model = model_->displayName;
    row.card = card;
    if (Text why = refusal(card); !why.empty()) {
        const EjectOutcome out = source_->eject(card);
        safe_ = out.safe;
        row.result = "not written: " + why.english();
        ++failed_;
        finishCard(
            card, {}, std::move(row), StationEvent::Kind::Refused,
            Text(out.safe ? QT_TRANSLATE_NOOP("Message", "card left untouched: %1 — safe to remove")
                          : QT_TRANSLATE_NOOP("Message",
                                              "card left untouched: %1 — unmount it before "
                                              "you remove it"))
                .with(std::move(why)));
        return;
    }
    // A card left untouched gets no camera; this one does.
    emitEvent(StationEvent::Kind::Arrived, camera->id, card);
    if (camera->row) row.listValues = options_.cameras.values(*camera->row);
    Text text;
    const StationEvent::Kind kind = writeCard(card, *camera, row, text);
    if (kind == StationEvent::Kind::Done) {
        ++written_;
    } else {
        ++failed_;
    }
    finishCard(card, *camera, std::move(row), kind, text);
}

void Station::finishCard(const Card& card, const Camera& camera, ReportRow row,
                         StationEvent::Kind kind, Text text) {
    row.cameraID = kind == StationEvent::Kind::Refused ? std::string() : camera.id;
    if (row.listValues.empty()) row.listValues.resize(options_.cameras.columns().size());
    Text shown = std::move(text);
    reportWhy_ = report_->append(row);
    if (!reportWhy_.empty())
        shown = Text(QT_TRANSLATE_NOOP("Message", "%1 (the report could not be written: %2)"))
                    .with(std::move(shown))
                    .with(Text::verbatim(reportWhy_));
    emitEvent(kind, camera.id, card, shown);
    emitEvent(StationEvent::Kind::Waiting, nextCamera(), {});
}

StationEvent::Kind Station::writeCard(const Card& card, const Camera& camera, ReportRow& row,
                                      Text& text) {
    auto fail = [&](const Text& why, StationEvent::Why kind = StationEvent::Why::Other) {
        why_ = kind;
        detail_ = why;
        const EjectOutcome out = source_->eject(card);
        safe_ = out.safe;
        row.result = "not written: " + why.english();
        text = Text(out.safe ? QT_TRANSLATE_NOOP("Message", "%1 not written: %2 — safe to remove")
                             : QT_TRANSLATE_NOOP("Message",
                                                 "%1 not written: %2 — remove the card and try "
                                                 "again"),
                    {camera.id})
                   .with(why);
        return StationEvent::Kind::Failed;
    };

    // The file as a save writes it, first beside the report: the camera's own copy.
    AppState state = options_.templateState;
    Recipients recipients = options_.templateRecipients;
    if (camera.row) options_.cameras.applyTo(*camera.row, state, recipients);
    const fsys::path reportFolder = fsys::absolute(options_.reportPath).parent_path();
    const std::string copy =
        (reportFolder / (model_->fileStem + "-" + fileNamePart(camera.id) + ".TXT")).string();
    if (files::isFile(copy)) {
        CUtil::ClearReadOnly(copy);
        (void)files::deleteFile(copy);  // one that stays is replaced by the write below
    }
    SettingsFile file(model_->displayName, state, recipients);
    file.backupPath = copy;
    row.time = timeText(now());
    if (const files::Status made = file.Mng_AllPara(Transfer::Write, SettingsCopy::Backup); !made)
        return fail(
            Text(QT_TRANSLATE_NOOP("Message", "the camera's copy %1 could not be written: %2"),
                 {copy, made.message()}));
    const auto bytes = files::readFile(copy);
    if (!bytes)
        return fail(Text(QT_TRANSLATE_NOOP("Message", "the camera's copy %1 could not be read: %2"),
                         {copy, bytes.message()}));
    row.sha256 =
        QCryptographicHash::hash(QByteArray::fromStdString(*bytes), QCryptographicHash::Sha256)
            .toHex()
            .toStdString();

    const std::string folder = (card.folder / "GSM").string();
    if (!files::isFolder(folder)) {
        if (const files::Status made = files::createFolder(folder); !made)
            return fail(describe(made.error()), whyOf(made.error()));
    }
    const auto entries = files::listFolder(folder);
    if (!entries) return fail(describe(entries.error()), whyOf(entries.error()));
    const std::string target =
        folder + "/" +
        entryNamed(*entries, model_->settingsFileName()).value_or(model_->settingsFileName());
    CUtil::ClearReadOnly(target);
    if (const files::Status put = files::replaceAtomically(target, *bytes); !put)
        return fail(describe(put.error()), whyOf(put.error()));
    if (Text why = placeGameCall(card); !why.empty())
        return fail(Text(QT_TRANSLATE_NOOP("Message", "the game call: %1")).with(std::move(why)));
    emitEvent(StationEvent::Kind::Written, camera.id, card);

    const auto back = readFromCard(target);
    if (!back)
        return fail(Text(QT_TRANSLATE_NOOP("Message", "the card could not be read back: %1"))
                        .with(describe(back.error())));
    if (*back != *bytes)
        return fail(
            Text(QT_TRANSLATE_NOOP("Message", "the card gave back other bytes than were written")));
    // The template's placeholder sender account is the user's choice, told on the main screen;
    // every other problem means the camera would not read what was meant.
    auto problems = checkSettingsDocument(*model_, ProfileDocument::parse(*back));
    std::erase_if(problems,
                  [](const Text& p) { return p.english() == placeholderSenderProblem(); });
    if (!problems.empty())
        return fail(Text(QT_TRANSLATE_NOOP("Message", "the camera would not read it: %1"))
                        .with(std::move(problems.front())));
    emitEvent(StationEvent::Kind::Verified, camera.id, card);

    const EjectOutcome out = source_->eject(card);
    safe_ = out.safe;
    if (out.safe) {
        row.result = kResultEjected;
        text = Text(QT_TRANSLATE_NOOP("Message", "%1 done — safe to remove"), {camera.id});
    } else {
        row.result = kResultNotEjected;
        text = out.flushed
                   ? Text(QT_TRANSLATE_NOOP("Message", "%1 done — unmount it before you remove it"),
                          {camera.id})
                   : Text(QT_TRANSLATE_NOOP("Message",
                                            "%1 done — unmount it before you remove it (%2)"),
                          {camera.id, out.why});
    }
    return StationEvent::Kind::Done;
}

}  // namespace wks
