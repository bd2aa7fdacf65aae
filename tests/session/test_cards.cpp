// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Cards as they come: files the program cannot read, links that lead off the card, names in
// another letter case, and what killed saves left behind.

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

#include "platform/clock.h"
#include "session/mainsession.h"
#include "session/prompts.h"
#include "support/fakesystem.h"
#include "support/slowfolder.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

struct NoConverter : ProcessRunner {
    int runs = 0;
    ProcessResult run(const std::string&, const std::vector<std::string>&) override {
        return ++runs, ProcessResult{ProcessResult::Outcome::Exited, 0, 0, {}, false, {}};
    }
};

std::string valid(const std::string& url, const std::string& stem = "KT470RX") {
    return "[WKSFileMark]\r\nModel=" + stem + "\r\n[Via WAP Settings]\r\nURL=" + url + "\r\n";
}

// The main screen of a model over C: and D:.
struct Desk {
    std::string model, stem;
    test::TempDrives drives{"CD"};
    ScriptedPrompter prompts;
    ScopedPrompter scope{prompts};
    NoConverter converter;
    AppState state;
    MainSession session{model, state, converter};

    explicit Desk(std::string name = "KT470RX-8PRO")
        : model(std::move(name)), stem(findModel(model)->fileStem) {}
    fs::path card() const { return drives.folder('D') / "GSM" / (stem + ".TXT"); }
    fs::path backup() const { return drives.folder('C') / "VelmoraBackup" / (stem + ".TXT"); }
    fs::path outside() const { return drives.root() / "outside"; }
    // The line a failure message ends with: the drive's real folder.
    QString place(char l) const {
        return QString("\n%1: is %2").arg(l).arg(fs::canonical(drives.folder(l)).c_str());
    }
    void open() {
        fs::create_directories(card().parent_path());
        fs::create_directories(backup().parent_path());
        fs::create_directories(outside());
        QVERIFY(session.open());
    }
    QStringList texts() const {
        QStringList t;
        for (const Message& m : prompts.shown()) t << QString::fromStdString(m.english());
        return t;
    }
};

enum Thing { Oversize, Folder, Fifo };

void make(Thing thing, const fs::path& at) {
    fs::create_directories(at.parent_path());
    switch (thing) {
        case Oversize:
            test::writeBytes(at, valid("http://big") + std::string(1 << 20, ';'));
            break;
        case Folder:
            fs::create_directory(at);
            break;
        case Fifo:
            ::mkfifo(at.c_str(), 0644);
            break;
    }
}

fs::file_type typeOf(const fs::path& p) { return fs::symlink_status(p).type(); }

bool run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// A FAT file system image mounted through FUSE, where the tools and /dev/fuse are at hand.
class FatCard {
  public:
    explicit FatCard(const fs::path& folder)
        : image_(folder / "card.img"), mount_(folder / "card") {
        fs::create_directories(mount_);
        const QString mkfs = QStandardPaths::findExecutable("mkfs.vfat", {"/usr/sbin", "/sbin"});
        const QString fuse = QStandardPaths::findExecutable("fusefat");
        if (mkfs.isEmpty() || fuse.isEmpty() || ::access("/dev/fuse", R_OK | W_OK) != 0) {
            why_ = "no fusefat, mkfs.vfat or usable /dev/fuse here";
            return;
        }
        if (!run(mkfs, {"-C", QString::fromStdString(image_), "4096"}) ||
            !run(fuse,
                 {"-o", "rw+", QString::fromStdString(image_), QString::fromStdString(mount_)})) {
            why_ = "the FAT image could not be made or mounted";
            return;
        }
        mounted_ = true;
    }
    ~FatCard() {
        if (mounted_) run("fusermount", {"-u", QString::fromStdString(mount_)});
    }
    const char* whyNot() const { return why_.c_str(); }
    bool mounted() const { return mounted_; }
    const fs::path& folder() const { return mount_; }

  private:
    fs::path image_, mount_;
    std::string why_;
    bool mounted_ = false;
};

}  // namespace

class TestCards : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() { fixClock(LocalTime{2026, 12, 7, 14, 5, 9}); }
    void cleanupTestCase() { fixClock(std::nullopt); }

    // Only a file read whole that carries no mark is invalid and deleted. What cannot be
    // read stays as it is, the opening goes on as if it were absent, and nothing waits on a
    // FIFO; a save replaces a regular file and refuses the rest with the reason.
    void unreadableFilesAreKept_data() {
        QTest::addColumn<int>("thing");
        QTest::addColumn<bool>("onCard");
        QTest::addColumn<QString>("saveFailure");  // the reason a save gives, empty when it works
        QTest::newRow("oversize card file") << int(Oversize) << true << "";
        QTest::newRow("folder at the card file") << int(Folder) << true << "Is a directory";
        QTest::newRow("FIFO at the card file") << int(Fifo) << true << "not a regular file";
        QTest::newRow("oversize backup") << int(Oversize) << false << "";
        QTest::newRow("FIFO at the backup") << int(Fifo) << false << "not a regular file";
    }
    void unreadableFilesAreKept() {
        QFETCH(int, thing);
        QFETCH(bool, onCard);
        QFETCH(QString, saveFailure);
        Desk d;
        const fs::path at = onCard ? d.card() : d.backup();
        make(Thing(thing), at);
        const auto type = typeOf(at);
        if (onCard) {
            fs::create_directories(d.backup().parent_path());
            test::writeBytes(d.backup(), valid("http://backup"));
        }
        d.open();
        QCOMPARE(d.texts(), QStringList());
        QCOMPARE(typeOf(at), type);
        QCOMPARE(d.state.CurrentNetworkParams.URL, onCard ? "http://backup" : "");

        const SaveOutcome out = d.session.save();
        const std::string path = onCard ? d.session.savePath() : "C:\\VelmoraBackup\\KT470RX.TXT";
        if (saveFailure.isEmpty()) {
            QVERIFY(out.complete() && d.session.settings().Mng_ChkFileMark(path));
        } else {
            QVERIFY(!out.complete() && typeOf(at) == type);
            QVERIFY(d.texts().contains(
                QString::fromStdString("Failed to save all parameters to \"" + path + "\" !\n") +
                saveFailure + d.place(path[0])));
        }
    }

    // Links inside a drive are followed; one that leads off it is neither read, deleted,
    // written through nor has its target's mode changed, and the save says why.
    void linksOffTheCard_data() {
        QTest::addColumn<QString>("link");  // what is a link: "GSM", "file" or "DCIM"
        for (const char* l : {"GSM", "file", "DCIM"}) QTest::newRow(l) << l;
    }
    void linksOffTheCard() {
        QFETCH(QString, link);
        Desk d("LN713Z-10P");  // a model with a game call
        const fs::path gsm = d.card().parent_path(), out = d.outside();
        fs::create_directories(out);
        if (link == "GSM") {
            fs::create_directory_symlink(out, gsm);
            test::writeBytes(out / "LN713Z.TXT", "[WKSFileMark]\r\nModel=OTHER\r\n");
        } else if (link == "file") {
            fs::create_directories(gsm);
            test::writeBytes(out / "LN713Z.TXT", valid("http://outside", "LN713Z"));
            fs::create_symlink(out / "LN713Z.TXT", d.card());
        } else {
            fs::create_directory_symlink(out, d.drives.folder('D') / "DCIM");
        }
        const fs::path theirs = out / "LN713Z.TXT";
        if (fs::exists(theirs)) ::chmod(theirs.c_str(), 0444);
        const std::string before = fs::exists(theirs) ? test::readBytes(theirs) : "";
        test::writeBytes(d.drives.root() / "call.mp3", "ID3");
        d.open();
        d.session.stageConverter();
        d.state.gameCallAudioPath = (d.drives.root() / "call.mp3").string();
        QCOMPARE(d.state.CurrentNetworkParams.URL, "");

        const SaveOutcome saved = d.session.save();
        QVERIFY(!saved.complete());
        const QString reason = link == "DCIM"
                                   ? "Transform Failed."
                                   : "Failed to save all parameters to \"D:\\GSM\\LN713Z.TXT\" "
                                     "!\na link leads outside the drive" +
                                         d.place('D');
        QVERIFY2(d.texts().contains(reason), qPrintable(d.texts().join(" | ")));
        QCOMPARE(d.converter.runs, 0);
        // Nothing was made there, and their file is as it was, mode included.
        const auto there = std::distance(fs::directory_iterator(out), fs::directory_iterator());
        QCOMPARE(there, before.empty() ? 0L : 1L);
        if (!before.empty()) {
            QCOMPARE(test::readBytes(theirs), before);
            QCOMPARE(fs::status(theirs).permissions() & fs::perms::all, fs::perms(0444));
        }
    }

    // As on Windows, "GSM\KT470RX.TXT" is found as "gsm/kt470rx.txt" on a card that holds
    // it so: loaded, and replaced under its own name, no second file beside it.
    void letterCaseOfTheCardFile() {
        Desk d;
        const fs::path lower = d.drives.folder('D') / "gsm" / "kt470rx.txt";
        fs::create_directories(lower.parent_path());
        test::writeBytes(lower, valid("http://lower"));
        QVERIFY(d.session.open());
        QCOMPARE(d.state.CurrentNetworkParams.URL, "http://lower");
        QCOMPARE(d.session.savePath(), "D:\\GSM\\KT470RX.TXT");
        d.session.recipients().texts[Recipients::AdministratorNum] = "+4670";
        QVERIFY(d.session.save().complete());
        QVERIFY(test::readBytes(lower).find("AdministratorNum=+4670") != std::string::npos);
        QStringList names;
        for (const auto& e : fs::recursive_directory_iterator(d.drives.folder('D')))
            names << QString::fromStdString(
                e.path().lexically_relative(d.drives.folder('D')).string());
        QCOMPARE(names, (QStringList{"gsm", "gsm/kt470rx.txt"}));
    }

    // What a killed save left beside the card file and the backup goes when the screen opens;
    // other files stay.
    void leftoversGoAtOpening() {
        Desk d;
        const QStringList gone = {"KT470RX.TXT.wkstmp-Ab12Cd", "KT470RX.TXT.wkstmp-zzzzzz"};
        const QStringList kept = {"KT470RX.TXT.bak", "FX200.TXT.wkstmp-Ab12Cd", "notes.txt"};
        for (const fs::path& folder : {d.card().parent_path(), d.backup().parent_path()}) {
            for (const QString& n : gone + kept) test::writeBytes(folder / n.toStdString(), "part");
        }
        d.open();
        for (const fs::path& folder : {d.card().parent_path(), d.backup().parent_path()}) {
            QStringList names;
            for (const auto& e : fs::directory_iterator(folder))
                names << QString::fromStdString(e.path().filename().string());
            names.sort();
            QStringList expected = kept;
            expected.sort();
            QCOMPARE(names, expected);
        }
    }

    // A link at C:\WKS_TEMP goes as a link when the converter is staged and at exit; what it
    // leads to is never emptied.
    void converterFolderLink() {
        Desk d;
        d.open();
        test::writeBytes(d.outside() / "keep.txt", "mine");
        const fs::path temp = d.drives.folder('C') / "WKS_TEMP";
        fs::create_directory_symlink(d.outside(), temp);
        d.session.stageConverter();
        QVERIFY(!fs::is_symlink(temp) && fs::is_directory(temp));
        QVERIFY(fs::exists(fs::symlink_status(temp / "ffmpeg.exe")));
        fs::remove_all(temp);
        fs::create_directory_symlink(d.outside(), temp);
        d.session.exit();
        QVERIFY(!fs::exists(fs::symlink_status(temp)));
        QCOMPARE(test::readBytes(d.outside() / "keep.txt"), std::string("mine"));
    }

    // The user's letters are read again at every refresh: a card inserted after the opening is
    // offered when the list drops down, named with its real folder, label and free space, and
    // saved to; removed while chosen, it leaves the list and the last entry becomes the choice.
    void cardsComeAndGo() {
        test::FakeSystem sys;
        fs::create_directories(sys.root() / "drive_c");
        sys.link('c', "../drive_c");
        sys.mount("/dev/sdd1", "/media/anna/OLD");
        ScopedDrives live(DriveTable::live(sys.dosdevices(), sys.root(), "anna"));
        ScriptedPrompter prompts;
        ScopedPrompter scope(prompts);
        NoConverter converter;
        AppState state;
        MainSession session("KT470RX-8PRO", state, converter);
        QVERIFY(session.open());
        using Entries = std::vector<std::string>;
        const Entries before = {"C:\\GSM\\KT470RX.TXT", "D:\\GSM\\KT470RX.TXT"};
        QCOMPARE(session.destinations(), before);

        sys.label("sde1", "TRAIL\\x20CAM");
        sys.mount("/dev/sde1", "/media/anna/TRAIL CAM");
        session.Mng_RefreshDiskList();
        QCOMPARE(session.destinations().back(), std::string("E:\\GSM\\KT470RX.TXT"));
        session.chooseDestination(2);
        const fs::path card = sys.folder("/media/anna/TRAIL CAM");
        const QString place = QString::fromStdString(session.destinationPlace().english());
        QVERIFY2(QRegularExpression("^E: is " + QRegularExpression::escape(card.c_str()) +
                                    " \\(TRAIL CAM, [0-9]+\\.[0-9] [KMGT]B free\\)$")
                     .match(place)
                     .hasMatch(),
                 qPrintable(place));
        QVERIFY(session.save().complete());
        QVERIFY(fs::is_regular_file(card / "GSM" / "KT470RX.TXT"));

        sys.unmount("/media/anna/TRAIL CAM");
        session.Mng_RefreshDiskList();
        QCOMPARE(session.destinations(), before);
        QCOMPARE(session.savePath(), before.back());
    }

    // A destination whose drive stops answering after the opening (a share whose server went, a
    // stuck FUSE daemon) never holds the save up: the card file fails with the reason, the
    // backup is written, and nothing waits for the drive.
    void destinationGoesDead() {
        Desk d;
        test::SlowFolder fuse(d.drives.root() / "fuse", "0");
        if (!fuse.mounted()) QSKIP(fuse.whyNot().c_str());
        wks::drives().set('E', fuse.share(1));
        d.open();
        QCOMPARE(d.session.destinations().back(), std::string("E:\\GSM\\KT470RX.TXT"));
        fuse.stop();
        QElapsedTimer clock;
        clock.start();
        const SaveOutcome out = d.session.save();
        QVERIFY2(clock.elapsed() < 5000, qPrintable(QString::number(clock.elapsed())));
        fuse.resume();
        QVERIFY(out.confirmed && !out.cardWritten && out.backupWritten);
        QVERIFY2(d.texts().contains(QString("Failed to save all parameters to "
                                            "\"E:\\GSM\\KT470RX.TXT\" !\nthe drive did not "
                                            "answer in time\nE: is %1 (not usable: no answer in "
                                            "time)")
                                        .arg(fuse.share(1).c_str())),
                 qPrintable(d.texts().join(" | ")));
    }

    // A real FAT card through FUSE refuses modes and extended attributes as unsupported; the
    // settings are written and replaced all the same.
    void fatCardThroughFuse() {
        Desk d;
        FatCard fat(d.drives.root());
        if (!fat.mounted()) QSKIP(fat.whyNot());
        wks::drives().set('D', fat.folder());
        d.open();
        for (const char* admin : {"+4670111", "+4670222"}) {
            d.session.recipients().texts[Recipients::AdministratorNum] = admin;
            QVERIFY2(d.session.save().complete(), qPrintable(d.texts().join(" | ")));
            QVERIFY(test::readBytes(fat.folder() / "GSM" / "KT470RX.TXT").find(admin) !=
                    std::string::npos);
        }
        QCOMPARE(
            std::distance(fs::directory_iterator(fat.folder() / "GSM"), fs::directory_iterator()),
            1L);
    }
};

QTEST_GUILESS_MAIN(TestCards)
#include "test_cards.moc"
