// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The card station on a mock UDisks2 (cards as real folders that mounting moves about) and on
// the drive letters' media: camera lists, runs of cards, resuming, and the cards that must not
// be written or could not be.

#include <unistd.h>

#include <QProcess>
#include <QtTest>

#include "platform/drives.h"
#include "platform/media.h"
#include "platform/profile.h"
#include "session/operatorchoice.h"
#include "station/csvtable.h"
#include "station/station.h"
#include "support/failingcard.h"
#include "support/fakesystem.h"
#include "support/mockudisks.h"
#include "support/readonlyfolder.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;
using Kind = StationEvent::Kind;

namespace {

const char* kModel = "LN714W-12P";

struct Recorder : StationObserver {
    std::vector<StationEvent> events;
    void stationEvent(const StationEvent& e) override { events.push_back(e); }
    std::vector<std::string> texts(Kind kind) const {
        std::vector<std::string> out;
        for (const auto& e : events) {
            if (e.kind == kind) out.push_back(e.camera + ": " + e.text.english());
        }
        return out;
    }
};

std::vector<std::vector<std::string>> reportRows(const fs::path& report) {
    auto rows = readCsv(report.string());
    std::vector<std::vector<std::string>> out;
    for (auto& r : std::get<std::vector<CsvRow>>(rows)) out.push_back(std::move(r.fields));
    return out;
}

std::string keyOf(const fs::path& file, const char* section, const char* key) {
    return ProfileDocument::parse(test::readBytes(file)).value(section, key).value_or("<none>");
}

}  // namespace

class StationTest : public QObject {
    Q_OBJECT
    std::unique_ptr<test::TempDrives> drives_;
    QTemporaryDir dir_;
    fs::path root() const { return dir_.path().toStdString(); }
    fs::path store(const std::string& n) const { return root() / "store" / n; }
    fs::path media(const std::string& n) const { return root() / "media" / n; }
    fs::path report() const { return root() / "report.csv"; }
    fs::path cardFile(const fs::path& folder) const { return folder / "GSM" / "LN714W.TXT"; }

    // A card folder not mounted yet, with UDisks2's identity.
    test::MockCard card(const std::string& n, bool mounted = false) {
        fs::create_directories(mounted ? media(n) : store(n));
        fs::create_directories(root() / "media");
        return {n, store(n), media(n), "uuid-" + n, "LABEL-" + n, "serial-" + n, mounted, true};
    }

    StationOptions options(const std::string& csv = {}) {
        StationOptions o;
        o.model = kModel;
        o.templateState.CurrentNetworkParams.URL = "http://mms.example";
        o.templateRecipients.texts[0] = "+4670000000";
        o.templateState.clockFollowsPc = true;
        o.reportPath = report().string();
        if (!csv.empty()) {
            test::writeBytes(root() / "list.csv", csv);
            auto list = CameraList::read((root() / "list.csv").string(), *findModel(kModel));
            if (auto* why = std::get_if<Text>(&list)) qFatal("%s", why->english().c_str());
            o.cameras = std::get<CameraList>(list);
        }
        return o;
    }

  private slots:
    void initTestCase() { QVERIFY(!test::MockUDisks::busAddress().empty()); }
    void init() {
        QVERIFY(dir_.isValid());
        drives_ = std::make_unique<test::TempDrives>("C");
    }
    void cleanup() {
        drives_.reset();
        fs::remove_all(root());
        fs::create_directories(root());
    }

    void listsAreCheckedWhole_data() {
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("error");  // empty: read, with the cameras given
        QTest::newRow("deployments table, quoted commas and line breaks")
            << "\xEF\xBB\xBF"
               "deploymentID,cameraID,locationName,Camera Position,ReceiveEmail1\r\n"
               "d1,CAM-A,\"Ridge, north\",1,a@example.org\r\n"
               "d2,CAM-B,\"Two\nlines\",,\r\n"
            << "";
        QTest::newRow("unknown column") << "cameraID,Camera Positon\nX,A\n"
                                        << "line 1, column \"Camera Positon\"";
        QTest::newRow("value the model does not take") << "cameraID,Camera Position\nX,1\nY,A\n"
                                                       << "line 3, column \"Camera Position\"";
        QTest::newRow("duplicate cameraID, its line counted past a quoted line break")
            << "cameraID,locationName\nX,\"a\nb\"\nX,c\n"
            << "line 4, column \"cameraID\": \"X\" is already on line 2";
        QTest::newRow("missing cameraID") << "cameraID,habitat\n,forest\n"
                                          << "line 2, column \"cameraID\": no cameraID";
        QTest::newRow("no cameraID column") << "deploymentID\nd1\n"
                                            << "no column \"cameraID\"";
        QTest::newRow("short row") << "cameraID,habitat\nX\n"
                                   << "line 2: 1 fields";
        QTest::newRow("unclosed quote") << "cameraID\n\"X\n"
                                        << "line 2";
        QTest::newRow("clock per camera") << "cameraID,Clock Year\nX,2027\n"
                                          << "camera clock";
        QTest::newRow("not Latin-1") << "cameraID,ReceiveEmail1\nX,\xE2\x82\xAC@x\n"
                                     << "Latin-1";
    }
    void listsAreCheckedWhole() {
        QFETCH(QString, csv);
        QFETCH(QString, error);
        test::writeBytes(root() / "l.csv", csv.toStdString());
        auto list = CameraList::read((root() / "l.csv").string(), *findModel(kModel));
        if (error.isEmpty()) {
            QVERIFY(std::holds_alternative<CameraList>(list));
            const auto& l = std::get<CameraList>(list);
            QCOMPARE(l.size(), std::size_t(2));
            QCOMPARE(l.id(1), std::string("CAM-B"));
            QCOMPARE(l.values(0)[1], std::string("Ridge, north"));
            QCOMPARE(l.values(1)[1], std::string("Two\nlines"));
        } else {
            QVERIFY(std::holds_alternative<Text>(list));
            const std::string why = std::get<Text>(list).english();
            QVERIFY2(why.find(error.toStdString()) != std::string::npos, why.c_str());
        }
    }

    // Five cameras from a list, two cards at a time and one mounted by the desktop already;
    // then a run again on the same report: the rest, and a finished card known again.
    void runsAListAndResumes() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        const std::string csv =
            "cameraID,Camera Position,AdministratorNum,habitat\n"
            "C1,1,+111,forest\nC2,2,,field\nC3,3,+333,\"x, y\"\nC4,4,,\nC5,5,,\n";
        {
            std::string note;
            auto o = options(csv);
            o.count = 3;
            Station station(std::move(o), UDisksCardSource::open(note));
            Recorder rec;
            station.setObserver(&rec);
            QCOMPARE(station.prepare().english(), std::string());
            QVERIFY(udisks.addCard(card("card1")));
            QVERIFY(udisks.addCard(card("card2")));
            QVERIFY(udisks.addCard(card("card3", true)));
            station.run();
            QCOMPARE(rec.texts(Kind::Done),
                     (std::vector<std::string>{"C1: C1 done — safe to remove",
                                               "C2: C2 done — safe to remove",
                                               "C3: C3 done — safe to remove"}));
            QCOMPARE(station.nextCamera(), std::string("C4"));
        }
        // Unmounted (moved back to the store) and powered off.
        for (const auto& [n, position, admin] : {std::tuple{"card1", "1", "+111"},
                                                 {"card2", "2", "+4670000000"},
                                                 {"card3", "3", "+333"}}) {
            QCOMPARE(keyOf(cardFile(store(n)), "Camera Setting", "Camera Position"),
                     std::string(position));
            QCOMPARE(
                keyOf(cardFile(store(n)), "Receive number and receive email", "AdministratorNum"),
                std::string(admin));
            QCOMPARE(keyOf(cardFile(store(n)), "Via WAP Settings", "URL"),
                     std::string("http://mms.example"));
            QVERIFY(!fs::exists(media(n)));
        }
        auto rows = reportRows(report());
        QCOMPARE(rows.size(), std::size_t(4));
        QCOMPARE(rows[0], (std::vector<std::string>{
                              "cameraID", "Camera Position", "AdministratorNum", "habitat", "model",
                              "uuid", "label", "serial", "time", "sha256", "result"}));
        QCOMPARE(rows[3][3], std::string("x, y"));
        QCOMPARE(rows[3][5], std::string("uuid-card3"));
        QCOMPARE(rows[3][7], std::string("serial-card3"));
        QCOMPARE(rows[3][10], std::string("ejected"));
        const QByteArray sha = QCryptographicHash::hash(
            QByteArray::fromStdString(test::readBytes(cardFile(store("card3")))),
            QCryptographicHash::Sha256);
        QCOMPARE(QByteArray::fromStdString(rows[3][9]), sha.toHex());
        QVERIFY(fs::exists(root() / "LN714W-C3.TXT"));

        std::string note;
        Station again(options(csv), UDisksCardSource::open(note));
        Recorder rec;
        again.setObserver(&rec);
        QCOMPARE(again.prepare().english(), std::string());
        QCOMPARE(again.nextCamera(), std::string("C4"));
        const std::string before = test::readBytes(cardFile(store("card2")));
        QVERIFY(udisks.addCard(card("card2")));  // finished before: known, left as it was
        QVERIFY(udisks.addCard(card("card4")));
        QVERIFY(udisks.addCard(card("card5")));
        again.run();
        QCOMPARE(rec.texts(Kind::Known),
                 std::vector<std::string>{"C2: this card was written for C2 — safe to remove"});
        QCOMPARE(test::readBytes(cardFile(store("card2"))), before);
        QCOMPARE(rec.texts(Kind::Done).size(), std::size_t(2));
        QVERIFY(again.finished());
        QCOMPARE(reportRows(report()).size(), std::size_t(6));
    }

    // Cards that are not written: each says why, its camera goes to the next card, and the
    // report never says "ejected" for it.
    void cardsThatAreNotWritten() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        // Another model's settings file; the model's own file (no overwrite in this run).
        auto other = card("other");
        fs::create_directories(store("other") / "GSM");
        fs::create_directories(store("own") / "GSM");
        test::writeBytes(store("other") / "GSM" / "KT470RX.TXT",
                         "[WKSFileMark]\r\nModel=KT470RX\r\n");
        auto own = card("own");
        test::writeBytes(cardFile(store("own")), "[WKSFileMark]\r\nModel=LN714W\r\nmine\r\n");
        // A read-only card, one pulled out while it is written and a full one, mounted where
        // they are.
        fs::create_directories(media("ro"));
        test::ReadOnlyFolder readOnly(media("ro"));
        test::FailingCard pulled(media("pulled"));
        test::FailingCard full(media("full"), true);
        // Where FUSE is there, a card that does not mount is a fault of the test, not a skip.
        QVERIFY(readOnly.ok());
        if (::access("/dev/fuse", R_OK | W_OK) == 0) {
            QVERIFY2(pulled.mounted(), pulled.whyNot().c_str());
            QVERIFY2(full.mounted(), full.whyNot().c_str());
        }
        std::string note;
        Station station(options(), UDisksCardSource::open(note));
        Recorder rec;
        station.setObserver(&rec);
        QCOMPARE(station.prepare().english(), std::string());
        QVERIFY(udisks.addCard(other));
        QVERIFY(udisks.addCard(own));
        if (readOnly.ok())
            QVERIFY(udisks.addCard({"ro", media("ro"), media("ro"), "u-ro", "", "", true, true}));
        if (pulled.mounted())
            QVERIFY(udisks.addCard(
                {"pulled", media("pulled"), media("pulled"), "u-p", "", "", true, false}));
        if (full.mounted())
            QVERIFY(
                udisks.addCard({"full", media("full"), media("full"), "u-f", "", "", true, true}));
        station.serveCards();
        const auto refused = rec.texts(Kind::Refused);
        QCOMPARE(refused.size(), std::size_t(2));
        QVERIFY(refused[0].find("settings file of a KT470RX-8PRO") != std::string::npos);
        QVERIFY(refused[1].find("holds GSM\\LN714W.TXT already") != std::string::npos);
        QCOMPARE(test::readBytes(cardFile(store("own"))),
                 std::string("[WKSFileMark]\r\nModel=LN714W\r\nmine\r\n"));
        const auto failed = rec.texts(Kind::Failed);
        QCOMPARE(failed.size(), std::size_t(readOnly.ok() + pulled.mounted() + full.mounted()));
        for (const auto& text : failed) {
            QVERIFY2(text.rfind("CAM-001: CAM-001 not written: the card ", 0) == 0, text.c_str());
        }
        const auto saying = [&](const char* words) {
            return std::count_if(failed.begin(), failed.end(), [&](const std::string& t) {
                return t.find(words) != std::string::npos;
            });
        };
        QCOMPARE(saying("read-only"), long(readOnly.ok()));
        QCOMPARE(saying("went away"), long(pulled.mounted()));
        QCOMPARE(saying("the card is full"), long(full.mounted()));
        QCOMPARE(station.nextCamera(), std::string("CAM-001"));
        for (const auto& row : reportRows(report())) QVERIFY(row.back() != "ejected");

        // With overwrite, the own card is written; UDisks2 then goes away mid-run and the
        // drive letters take over.
        auto o = options();
        o.overwrite = true;
        o.reportPath = (root() / "second.csv").string();
        Station second(std::move(o), UDisksCardSource::open(note));
        Recorder rec2;
        second.setObserver(&rec2);
        QCOMPARE(second.prepare().english(), std::string());
        QVERIFY(udisks.addCard(own));
        second.serveCards();
        QCOMPARE(rec2.texts(Kind::Done).size(), std::size_t(1));
        QCOMPARE(keyOf(cardFile(store("own")), "Via WAP Settings", "URL"),
                 std::string("http://mms.example"));
        // Another card in the same slot, put in before the station looked again: served too.
        auto swapped = card("swapped");
        swapped.name = "own";
        QVERIFY(udisks.addCard(swapped));
        second.serveCards();
        QCOMPARE(rec2.texts(Kind::Done).size(), std::size_t(2));
        QVERIFY(fs::exists(cardFile(store("swapped"))));
        udisks.stop();
        QTRY_COMPARE(rec2.texts(Kind::SourceChanged).size(), std::size_t(1));
        QVERIFY(!second.ejects());
    }

    // A card in a slot that cannot be powered off stays unmounted once ejected; polkit refusing
    // to mount a card hands the station to the drive letters; the card's own serial comes from
    // sysfs where it has one.
    void slotsAndPolkit() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        std::string note;
        Station station(options(), UDisksCardSource::open(note));
        Recorder rec;
        station.setObserver(&rec);
        QCOMPARE(station.prepare().english(), std::string());
        auto stays = card("stays");
        stays.canPowerOff = false;
        QVERIFY(udisks.addCard(stays));
        station.serveCards();
        station.serveCards();
        QCOMPARE(rec.texts(Kind::Done),
                 std::vector<std::string>{"CAM-001: CAM-001 done — safe to remove"});
        QVERIFY(!fs::exists(media("stays")));  // not mounted again
        QVERIFY(udisks.removeCard("stays"));
        rec.events.clear();
        QVERIFY(udisks.addCard(card("locked")));
        QVERIFY(udisks.refuseMount("locked"));
        station.serveCards();
        QTRY_COMPARE(rec.texts(Kind::SourceChanged).size(), std::size_t(1));
        QVERIFY(!station.ejects());
        QVERIFY(rec.texts(Kind::Done).empty());

        test::FakeSystem sys;
        sys.blockDevice("platform/mmc0/mmc0:0001", "mmcblk0", "mmcblk0p1", true);
        test::writeBytes(
            sys.root() / "sys/devices/platform/mmc0/mmc0:0001/block/mmcblk0/device/serial",
            "0x1234abcd\n");
        QCOMPARE(sysfsSerial(sys.root(), "/dev/mmcblk0p1"), std::string("0x1234abcd"));
        QCOMPARE(sysfsSerial(sys.root(), "/dev/sdz1"), std::string());
    }

    // Only media in a card slot are served: a USB disk present at the start (mounted by the
    // desktop) and one plugged in mid-run are neither mounted, written, ejected nor counted, and
    // each is told once; the cards beside them are served as always.
    void onlyCardsAreServed() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        auto backup = card("backup", true);
        backup.cardReader = false;
        auto stick = card("stick");
        stick.cardReader = false;
        std::string note;
        Station station(options(), UDisksCardSource::open(note));
        Recorder rec;
        station.setObserver(&rec);
        QCOMPARE(station.prepare().english(), std::string());
        QVERIFY(udisks.addCard(card("card1")));
        QVERIFY(udisks.addCard(backup));
        station.serveCards();
        QVERIFY(udisks.addCard(stick));
        QVERIFY(udisks.addCard(card("card2")));
        station.serveCards();
        station.serveCards();
        QCOMPARE(rec.texts(Kind::Done).size(), std::size_t(2));
        for (const char* n : {"card1", "card2"}) QVERIFY(fs::exists(cardFile(store(n))));
        QVERIFY(fs::exists(media("backup")));  // still mounted
        QVERIFY(!fs::exists(media("backup") / "GSM"));
        QVERIFY(fs::exists(store("stick")));  // never mounted
        QVERIFY(!fs::exists(store("stick") / "GSM"));
        QCOMPARE(reportRows(report()).size(), std::size_t(3));
        QCOMPARE(station.failed(), 0);
        QCOMPARE(rec.texts(Kind::LeftAlone),
                 (std::vector<std::string>{
                     ": LABEL-backup left alone: it is no card in a card reader's slot",
                     ": LABEL-stick left alone: it is no card in a card reader's slot"}));

        // Asked for, any medium is a card: the stick is mounted and written.
        auto o = options();
        o.reportPath = (root() / "any.csv").string();
        Station any(std::move(o), UDisksCardSource::open(note, true));
        QCOMPARE(any.prepare().english(), std::string());
        any.serveCards();
        QVERIFY(fs::exists(cardFile(store("stick"))));

        // Without UDisks2, sysfs tells a card from a disk; a medium it knows nothing of is a card
        // only when it comes after the start.
        test::FakeSystem sys;
        sys.blockDevice("platform/mmc_host/mmc0/mmc0:0001", "mmcblk0", "mmcblk0p1", false);
        sys.blockDevice("pci0/usb2/2-1/host6/target6:0:0/6:0:0:0", "sdb", "sdb1", true);
        sys.blockDevice("pci0/usb2/2-2/host7/target7:0:0/7:0:0:0", "sdc", "sdc1", false);
        QCOMPARE(cardSlotOf(sys.root(), "mmcblk0p1"), CardSlot::Card);
        QCOMPARE(cardSlotOf(sys.root(), "sdb1"), CardSlot::Card);
        QCOMPARE(cardSlotOf(sys.root(), "sdc1"), CardSlot::NotCard);
        QCOMPARE(cardSlotOf(sys.root(), "sdz1"), CardSlot::Unknown);
        sys.mount("/dev/sdc1", "/media/anna/BACKUP");
        sys.mount("/dev/sdy1", "/media/anna/FIRST");
        ScopedDrives scope(DriveTable::live(sys.dosdevices(), sys.root(), "anna"));
        LetterCardSource lettersAny(true, sys.root());
        LetterCardSource lettersHere(false, sys.root());
        sys.mount("/dev/mmcblk0p1", "/media/anna/SD");
        sys.mount("/dev/sdz1", "/media/anna/LATER");
        std::map<std::string, std::string> why;
        for (const Card& c : lettersHere.cards()) why[c.folder.filename().string()] = c.notCard;
        QCOMPARE(why.size(), std::size_t(4));
        QVERIFY(why["BACKUP"].find("not removable") != std::string::npos);
        QVERIFY(why["FIRST"].find("before the start") != std::string::npos);
        QCOMPARE(why["SD"] + why["LATER"], std::string());
        for (const Card& c : lettersAny.cards()) QCOMPARE(c.notCard, std::string());
    }

    // Without UDisks2: a drive letter that appears is a card, flushed and left mounted; the
    // template's game call, converted once, goes onto it after the camera's first picture made
    // room.
    void lettersWithoutUDisks() {
        const QString source = QString::fromStdString(root() / "call.mp3");
        if (QProcess::execute("ffmpeg", {"-v", "quiet", "-f", "lavfi", "-i", "sine=d=1", source}) !=
            0)
            QSKIP("ffmpeg cannot make a sound here");
        const fs::path dos = root() / "dosdevices";
        fs::create_directories(dos);
        fs::create_directories(root() / "c");
        fs::create_directory_symlink(root() / "c", dos / "c:");
        ScopedDrives scope(DriveTable::live(dos, root() / "system", "nobody"));
        auto o = options();
        o.templateState.gameCallAudioPath = source.toStdString();
        // An operator's placeholder sender account is the user's to replace, not a failed card.
        bool keepSsl = false;
        ApplyOperatorChoice(o.templateState, *findModel(kModel), "Sweden", "Telia", keepSsl);
        Station station(std::move(o), std::make_unique<LetterCardSource>());
        Recorder rec;
        station.setObserver(&rec);
        const std::string prepared = station.prepare().english();
        QVERIFY2(prepared.empty(), prepared.c_str());
        test::writeBytes(root() / "sd/DCIM/100WKSIM/IMAG0001.JPG", "picture");
        fs::create_directory_symlink(root() / "sd", dos / "e:");
        station.serveCards();
        station.serveCards();  // still in: not written twice
        QCOMPARE(
            rec.texts(Kind::Done),
            std::vector<std::string>{"CAM-001: CAM-001 done — unmount it before you remove it"});
        QVERIFY(fs::exists(cardFile(root() / "sd")));
        const std::string wav = test::readBytes(root() / "sd/DCIM/100WKSIM/ADUI0001.WAV");
        QCOMPARE(wav.substr(0, 4), std::string("RIFF"));
        QCOMPARE(wav.substr(22, 2), std::string("\x01\x00", 2));          // one channel
        QCOMPARE(wav.substr(24, 4), std::string("\x22\x56\x00\x00", 4));  // 22,050 Hz
        QCOMPARE(wav.substr(34, 2), std::string("\x08\x00", 2));          // 8 bits
        QCOMPARE(test::readBytes(root() / "sd/DCIM/100WKSIM/IMAG0001_RenameForSaveAudioFile.JPG"),
                 std::string("picture"));
        QCOMPARE(reportRows(report()).back().back(), std::string("written, not ejected"));

        // Two cards in at once, Stop while the first is written: the second is not begun.
        struct Stopper : Recorder {
            Station* station = nullptr;
            void stationEvent(const StationEvent& e) override {
                Recorder::stationEvent(e);
                if (e.kind == Kind::Written) station->stop();
            }
        } stopper;
        Station second(options(), std::make_unique<LetterCardSource>());
        stopper.station = &second;
        second.setObserver(&stopper);
        QCOMPARE(second.prepare().english(), std::string());
        for (const char* n : {"f", "g"}) {
            fs::create_directories(root() / n);
            fs::create_directory_symlink(root() / n, dos / (std::string(n) + ":"));
        }
        second.run();
        QCOMPARE(
            stopper.texts(Kind::Done),
            std::vector<std::string>{"CAM-002: CAM-002 done — unmount it before you remove it"});
        QVERIFY(!fs::exists(root() / "g" / "GSM"));
    }
};

QTEST_GUILESS_MAIN(StationTest)
#include "test_station.moc"
