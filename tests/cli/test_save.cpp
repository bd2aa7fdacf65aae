// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// `wks-settings save` as a script runs it: every drive given with --drive, questions answered
// by --yes or --no, no terminal to ask on.

#include <sys/stat.h>
#include <unistd.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <map>

#include "platform/profile.h"
#include "support/runcli.h"
#include "support/slowfolder.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

using Run = test::CliRun;

// Folders for C: and the cards, and a data home of their own that nothing should touch.
struct Desk {
    QTemporaryDir dir;
    QString folder(const QString& name) const {
        const QString f = dir.path() + "/" + name;
        fs::create_directories(f.toStdString());
        return f;
    }
    fs::path path(const QString& name) const {
        return fs::path(dir.path().toStdString()) / name.toStdString();
    }
    fs::path card(const QString& name) const { return path(name) / "GSM" / "KT470RX.TXT"; }
    fs::path backup() const { return path("c") / "VelmoraBackup" / "KT470RX.TXT"; }
    std::size_t files() const {
        std::size_t n = 0;
        for (const auto& e : fs::recursive_directory_iterator(dir.path().toStdString()))
            n += e.is_regular_file();
        return n;
    }
    Run save(const QStringList& args) const {
        return test::runSettings(QStringList{"save"} + args, QString::fromStdString(path("home")));
    }
};

std::string valueIn(const fs::path& file, const char* section, const char* key) {
    return ProfileDocument::parse(test::readBytes(file)).value(section, key).value_or("<none>");
}

const QString kClock = "2026-12-07T14:05:09";

}  // namespace

class TestSave : public QObject {
    Q_OBJECT
  private slots:
    void savesAndAnswers();
    void badInput_data();
    void badInput();
    void manyCards();
    void writesOnlyWhereTold_data();
    void writesOnlyWhereTold();
    void choosesOnlyWhenCertain_data();
    void choosesOnlyWhenCertain();
    void drivesThatFail_data();
    void drivesThatFail();
    void namesCopiesInRealFolders_data();
    void namesCopiesInRealFolders();
    void keepsTheClockItRead_data();
    void keepsTheClockItRead();
    void concurrentSavesLoseNothing();
    void noDataFolder();
};

void TestSave::savesAndAnswers() {
    Desk d;
    const QStringList drives{"--drive", "C=" + d.folder("c"), "--drive", "D=" + d.folder("d")};
    const Run no = d.save(drives + QStringList{"KT470RX-8PRO", "--no", "--clock", kClock});
    QCOMPARE(no.code, 1);
    QCOMPARE(d.files(), 0u);

    // Without --yes or --no and with no terminal, the question is answered Cancel.
    QCOMPARE(d.save(drives + QStringList{"KT470RX-8PRO"}).code, 1);
    QCOMPARE(d.files(), 0u);

    const Run yes = d.save(
        drives + QStringList{"KT470RX-8PRO", "--yes", "--clock", kClock, "--admin", "+4670111"});
    QCOMPARE(yes.code, 0);
    QCOMPARE(yes.out.trimmed().split('\n').last(),
             QByteArray("D:\\GSM\\KT470RX.TXT (") + d.card("d").c_str() + ")");
    QCOMPARE(valueIn(d.card("d"), "Receive number and receive email", "AdministratorNum"),
             "+4670111");
    QCOMPARE(test::readBytes(d.backup()), test::readBytes(d.card("d")));
    QVERIFY(!fs::exists(d.path("home")));  // C: was given, so the user's own drives stay out of it

    // A read-only card file: the save says so and fails; the backup is still written.
    ::chmod(d.card("d").c_str(), 0444);
    fs::remove(d.backup());
    const Run ro = d.save(drives + QStringList{"KT470RX-8PRO", "--yes", "--admin", "+4670222"});
    QCOMPARE(ro.code, 1);
    QVERIFY2(
        ro.err.contains("(warning) Failed to save all parameters to \"D:\\GSM\\KT470RX.TXT\" !"),
        ro.err);
    QVERIFY(!ro.out.contains("saved success"));
    QCOMPARE(valueIn(d.card("d"), "Receive number and receive email", "AdministratorNum"),
             "+4670111");
    QCOMPARE(valueIn(d.backup(), "Receive number and receive email", "AdministratorNum"),
             "+4670222");
}

void TestSave::badInput_data() {
    QTest::addColumn<QStringList>("args");  // after the drives C: and D:
    QTest::newRow("unknown model") << QStringList{"KT999", "--yes"};
    QTest::newRow("--to a letter with no drive")
        << QStringList{"KT470RX-8PRO", "--to", "E", "--yes"};
    QTest::newRow("missing --drive folder")
        << QStringList{"KT470RX-8PRO", "--drive", "E=<missing>", "--yes"};
    QTest::newRow("--audio without game call")
        << QStringList{"KT470RX-8PRO", "--audio", "<call>", "--yes"};
    QTest::newRow("--yes and --no") << QStringList{"LN713Z-10P", "--yes", "--no"};
}

void TestSave::badInput() {
    QFETCH(QStringList, args);
    Desk d;
    test::writeBytes(d.path("call.mp3"), "ID3");
    args.replaceInStrings("<missing>", d.dir.path() + "/missing");
    args.replaceInStrings("<call>", d.path("call.mp3").c_str());
    // An unmarked card file that an opening would delete.
    test::writeBytes(d.card("d"), "[Via WAP Settings]\r\n");
    const Run r = d.save(
        QStringList{"--drive", "C=" + d.folder("c"), "--drive", "D=" + d.folder("d")} + args);
    QCOMPARE(r.code, 2);
    QVERIFY(!r.err.isEmpty());
    QCOMPARE(d.files(), 2u);
    QVERIFY(fs::exists(d.card("d")));
    QVERIFY(fs::is_empty(d.path("c")));
    QVERIFY(!fs::exists(d.path("home")));
}

void TestSave::manyCards() {
    Desk d;
    const QStringList cards{"card1", "card2", "card3"};
    for (const QString& card : cards) {
        const Run r = d.save({"KT470RX-8PRO", "--drive", "C=" + d.folder("c"), "--drive",
                              "D=" + d.folder(card), "--country", "Sweden", "--operator", "Telia",
                              "--admin", "+46" + card, "--yes"});
        QCOMPARE(r.code, 0);
    }
    for (const QString& card : cards) {
        QCOMPARE(valueIn(d.card(card), "Receive number and receive email", "AdministratorNum"),
                 "+46" + card.toStdString());
        QCOMPARE(valueIn(d.card(card), "WKSFileMark", "Model"), "KT470RX");
    }
    QCOMPARE(valueIn(d.backup(), "Receive number and receive email", "AdministratorNum"),
             "+46card3");

    // Two cards at once: the one chosen with --to is written, the other one's file removed.
    const Run both = d.save({"KT470RX-8PRO", "--drive", "C=" + d.folder("c"), "--drive",
                             "D=" + d.folder("card1"), "--drive", "E=" + d.folder("card2"), "--to",
                             "D", "--yes"});
    QCOMPARE(both.code, 0);
    QVERIFY(!fs::exists(d.card("card2")));
    QCOMPARE(valueIn(d.card("card1"), "Receive number and receive email", "AdministratorNum"),
             "+46card2");
}

void TestSave::writesOnlyWhereTold_data() {
    QTest::addColumn<QStringList>("args");  // after the model; <card> is D:'s folder
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("written");  // "card", "own C:" or "" for nothing
    QTest::addColumn<QString>("says");     // on the error output, when it fails
    QTest::newRow("card given, own C: holds an older file")
        << QStringList{"--drive", "D=<card>"} << 0 << "card"
        << "";
    QTest::newRow("own C: chosen with --to")
        << QStringList{"--drive", "D=<card>", "--to", "C"} << 0 << "own C:"
        << "";
    QTest::newRow("card that cannot be entered")
        << QStringList{"--drive", "D=<card>", "<locked>"} << 1 << ""
        << "D:";
    // Without --drive, the drives are the user's own letters: the card linked as d:.
    QTest::newRow("no --drive, the user's d: is the card")
        << QStringList{"<d: link>"} << 0 << "card"
        << "";
    QTest::newRow("no --drive, own C: chosen with --to")
        << QStringList{"--to", "C"} << 0 << "own C:"
        << "";
    QTest::newRow("no --drive, no card") << QStringList{} << 1 << ""
                                         << "no card found";
}

void TestSave::writesOnlyWhereTold() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, written);
    QFETCH(QString, says);
    Desk d;
    const fs::path own = d.path("home") / "wks-config" / "drive_c" / "GSM" / "KT470RX.TXT";
    const fs::path ownBackup =
        d.path("home") / "wks-config" / "drive_c" / "VelmoraBackup" / "KT470RX.TXT";
    test::writeBytes(own,
                     "[WKSFileMark]\r\nModel=KT470RX\r\n[Via WAP Settings]\r\nURL=http://old\r\n");
    const std::string ownBefore = test::readBytes(own);
    const QString card = d.folder("card");
    if (args.removeAll("<locked>")) {
        if (::geteuid() == 0) QSKIP("root enters every folder");
        ::chmod(card.toLocal8Bit(), 0);
    }
    if (args.removeAll("<d: link>")) {
        fs::create_directories(d.path("home") / "wks-config" / "dosdevices");
        fs::create_directory_symlink(card.toStdString(),
                                     d.path("home") / "wks-config" / "dosdevices" / "d:");
    }
    args.replaceInStrings("<card>", card);
    const Run r = d.save(QStringList{"KT470RX-8PRO", "--yes", "--admin", "+4670333"} + args);
    ::chmod(card.toLocal8Bit(), 0755);

    QCOMPARE(r.code, status);
    const bool onCard = fs::exists(d.card("card"));
    QCOMPARE(onCard, written == "card");
    QCOMPARE(test::readBytes(own) != ownBefore, written == "own C:");
    QCOMPARE(fs::exists(ownBackup), !written.isEmpty());
    if (onCard) {
        QCOMPARE(valueIn(d.card("card"), "Receive number and receive email", "AdministratorNum"),
                 "+4670333");
        QCOMPARE(valueIn(d.card("card"), "Via WAP Settings", "URL"), "");  // C:'s file was not read
    }
    if (status == 1) QVERIFY2(r.err.contains(says.toUtf8()), r.err);
    if (says == "no card found") QVERIFY2(r.err.contains("--drive D="), r.err);
}

// Without --drive and --to, the save goes only where it must: to the one card that holds the
// model's file, or to the only card there is. With more and none (or several) holding it,
// nothing is written and the cards are listed with their real folders for --to.
void TestSave::choosesOnlyWhenCertain_data() {
    QTest::addColumn<QString>("cards");  // the user's letters from d:, upper case: holds the file
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("written");  // the letter written, empty for nothing
    QTest::newRow("the only card") << "d" << 0 << "d";
    QTest::newRow("two cards, neither holds the file") << "de" << 1 << "";
    QTest::newRow("two cards, E: holds the file") << "dE" << 0 << "e";
    QTest::newRow("two cards, both hold the file") << "DE" << 1 << "";
}

void TestSave::choosesOnlyWhenCertain() {
    QFETCH(QString, cards);
    QFETCH(int, status);
    QFETCH(QString, written);
    Desk d;
    const fs::path dos = d.path("home") / "wks-config" / "dosdevices";
    fs::create_directories(dos);
    std::map<QString, std::string> before;
    for (const QChar c : cards) {
        const QString letter = c.toLower();
        fs::create_directory_symlink(d.folder(letter).toStdString(),
                                     dos / (letter.toStdString() + ":"));
        if (c.isUpper()) test::writeBytes(d.card(letter), "[WKSFileMark]\r\nModel=KT470RX\r\n");
        before[letter] = fs::exists(d.card(letter)) ? test::readBytes(d.card(letter)) : "";
    }
    const Run r = d.save({"KT470RX-8PRO", "--yes", "--admin", "+4670444"});
    QCOMPARE(r.code, status);
    for (const QChar c : cards) {
        const QString letter = c.toLower();
        if (letter == written) {
            QCOMPARE(
                valueIn(d.card(letter), "Receive number and receive email", "AdministratorNum"),
                "+4670444");
            QVERIFY2(r.out.contains(QString("%1:\\GSM\\KT470RX.TXT (%2)\n")
                                        .arg(letter.toUpper(), d.card(letter).c_str())
                                        .toUtf8()),
                     r.out);
        } else if (written.isEmpty()) {
            QCOMPARE(fs::exists(d.card(letter)) ? test::readBytes(d.card(letter)) : "",
                     before[letter]);
            QVERIFY(!fs::exists(d.path(letter) / "GSM") || c.isUpper());
            QVERIFY2(
                r.err.contains(
                    QString("%1: is %2").arg(letter.toUpper(), d.path(letter).c_str()).toUtf8()),
                r.err);
        }
    }
    if (written.isEmpty()) {
        QVERIFY2(r.err.contains("--to"), r.err);
        QVERIFY(!fs::exists(d.path("home") / "wks-config" / "drive_c" / "VelmoraBackup" /
                            "KT470RX.TXT"));
    }
}

// Drives that cannot take the file: a dead drive beside the card (a FUSE folder whose daemon is
// stuck) never holds the save up, and the card is written; a read-only card is named as such.
void TestSave::drivesThatFail_data() {
    QTest::addColumn<bool>("dead");  // else the FUSE folder, read-only, is the card
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("says");
    QTest::newRow("a dead drive beside the card") << true << 0 << "";
    QTest::newRow("a read-only card") << false << 1 << "the card is read-only";
}

void TestSave::drivesThatFail() {
    QFETCH(bool, dead);
    QFETCH(int, status);
    QFETCH(QString, says);
    Desk d;
    test::SlowFolder fuse(d.path("fuse"), "0");
    if (!fuse.mounted()) QSKIP(fuse.whyNot().c_str());
    const fs::path dos = d.path("home") / "wks-config" / "dosdevices";
    fs::create_directories(dos);
    const QStringList args{"KT470RX-8PRO", "--yes"};
    Run r;
    if (dead) {
        fs::create_directory_symlink(d.folder("card").toStdString(), dos / "d:");
        fs::create_directory_symlink(fuse.share(1), dos / "e:");
        fuse.stop();
        r = test::runSettings(QStringList{"save"} + args, d.path("home").c_str(), 20000);
        fuse.resume();
    } else {
        r = d.save(args + QStringList{"--drive", QString("D=") + fuse.share(1).c_str()});
    }
    QCOMPARE(r.code, status);
    QCOMPARE(fs::exists(d.card("card")), dead);
    QVERIFY2(r.err.contains(says.toUtf8()), r.err);
    QVERIFY2(!r.err.contains("No such file"), r.err);
}

// Each file on a drive is named with its real folder as well (links followed, escaped for the
// terminal); the copies on other drives are listed before the question and named as they go,
// unless --keep-copies keeps them.
void TestSave::namesCopiesInRealFolders_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<bool>("removed");  // E:'s copy
    QTest::newRow("copy removed") << QStringList{"--yes"} << true;
    QTest::newRow("--keep-copies") << QStringList{"--yes", "--keep-copies"} << false;
    QTest::newRow("declined") << QStringList{"--no"} << false;
}

void TestSave::namesCopiesInRealFolders() {
    QFETCH(QStringList, args);
    QFETCH(bool, removed);
    Desk d;
    // E: is given through a link to a folder whose name would clear a terminal's screen.
    const QString real = d.folder("e\x1b[2J");
    fs::create_directory_symlink(real.toStdString(), d.path("e-link"));
    const std::string mark = "[WKSFileMark]\r\nModel=KT470RX\r\n";
    for (const char* card : {"d", "e\x1b[2J"}) test::writeBytes(d.card(card), mark);
    const Run r = d.save(QStringList{"KT470RX-8PRO", "--drive", "C=" + d.folder("c"), "--drive",
                                     "D=" + d.folder("d"), "--drive",
                                     QString("E=") + d.path("e-link").c_str(), "--to", "D"} +
                         args);
    QCOMPARE(r.code, args.contains("--no") ? 1 : 0);
    QCOMPARE(fs::exists(d.card("e\x1b[2J")), !removed);
    QVERIFY2(!r.out.contains('\x1b') && !r.err.contains('\x1b'), r.out);

    const QByteArray copy =
        QByteArray("E:\\GSM\\KT470RX.TXT (") + d.card("e\\x1b[2J").c_str() + ")";
    const QByteArray card = QByteArray("D:\\GSM\\KT470RX.TXT (") + d.card("d").c_str() + ")";
    const qsizetype listed = r.out.indexOf("  " + copy + "\n");
    const qsizetype question = r.out.indexOf("Sava all parameters to \"D:\\GSM\\KT470RX.TXT\" ?");
    QVERIFY2(listed >= 0 && question > listed, r.out);
    QCOMPARE(r.out.indexOf(card + "\n", question) > question, true);  // the question's file
    QCOMPARE(r.out.contains("Removed " + copy + "\n"), removed);
    QCOMPARE(r.out.contains("is kept (--keep-copies)"), args.contains("--keep-copies"));
}

void TestSave::keepsTheClockItRead_data() {
    QTest::addColumn<QString>("fileClock");  // year month day hour minute second in the card file
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("clock");  // written, "now" for the computer's time

    const QStringList all{"--set", "Clock Year=2030", "--set", "Clock Month=2",
                          "--set", "Clock Day=28",    "--set", "Clock Hour=23",
                          "--set", "Clock Minute=59", "--set", "Clock Second=58"};
    QTest::newRow("kept as read") << "2020 1 2 3 4 5" << QStringList{} << 0 << "2020 1 2 3 4 5";
    QTest::newRow("--clock now") << "2020 1 2 3 4 5" << QStringList{"--clock", "now"} << 0 << "now";
    QTest::newRow("--clock time") << "2020 1 2 3 4 5" << QStringList{"--clock", kClock} << 0
                                  << "2026 12 7 14 5 9";
    QTest::newRow("read clock not a date") << "2020 13 2 3 4 5" << QStringList{} << 0 << "now";
    QTest::newRow("all six clock keys") << "2020 1 2 3 4 5" << all << 0 << "2030 2 28 23 59 58";
    QTest::newRow("clock keys and --clock")
        << "2020 1 2 3 4 5" << all + QStringList{"--clock", "now"} << 2 << "2020 1 2 3 4 5";
    QTest::newRow("one clock key")
        << "2020 1 2 3 4 5" << QStringList{"--set", "Clock Year=2030"} << 2 << "2020 1 2 3 4 5";
    QTest::newRow("clock keys not a date")
        << "2020 1 2 3 4 5" << QStringList(all).replaceInStrings("Day=28", "Day=30") << 2
        << "2020 1 2 3 4 5";
}

void TestSave::keepsTheClockItRead() {
    QFETCH(QString, fileClock);
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, clock);
    static const char* keys[] = {"Clock Year", "Clock Month",  "Clock Day",
                                 "Clock Hour", "Clock Minute", "Clock Second"};
    Desk d;
    std::string text = "[WKSFileMark]\r\nModel=KT470RX\r\n[Camera Setting]\r\n";
    const QStringList parts = fileClock.split(' ');
    for (int i = 0; i < 6; ++i)
        text += std::string(keys[i]) + "=" + parts[i].toStdString() + "\r\n";
    test::writeBytes(d.card("d"), text);
    const Run r = d.save(QStringList{"KT470RX-8PRO", "--drive", "C=" + d.folder("c"), "--drive",
                                     "D=" + d.folder("d"), "--yes"} +
                         args);
    QCOMPARE(r.code, status);
    QStringList got;
    for (const char* key : keys)
        got << QString::fromStdString(valueIn(d.card("d"), "Camera Setting", key));
    if (clock == "now") {
        QVERIFY(qAbs(got[0].toInt() - QDate::currentDate().year()) <= 1);
        QVERIFY(got.join(' ') != fileClock);
    } else {
        QCOMPARE(got.join(' '), clock);
    }
}

// Saves on one card at once, the first pair on a card with no "GSM" folder yet: each holds
// the card from its reading to its last write, so the second reads what the first wrote and
// neither change is lost.
void TestSave::concurrentSavesLoseNothing() {
    Desk d;
    const QStringList args{"KT470RX-8PRO",       "--drive", "C=" + d.folder("c"), "--drive",
                           "D=" + d.folder("d"), "--yes"};
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", QString::fromStdString(d.path("home")));
    int lost = 0;
    for (int i = 0; i < 10; ++i) {
        const QString admin = "+46" + QString::number(i),
                      email = QString::number(i) + "@example.com";
        QProcess a, b;
        for (QProcess* p : {&a, &b}) p->setProcessEnvironment(env);
        a.start(WKS_SETTINGS_EXE, QStringList{"save"} + args + QStringList{"--admin", admin});
        b.start(WKS_SETTINGS_EXE, QStringList{"save"} + args + QStringList{"--email1", email});
        QVERIFY(a.waitForFinished(30000) && b.waitForFinished(30000));
        QVERIFY(a.exitCode() == 0 && b.exitCode() == 0);
        lost += valueIn(d.card("d"), "Receive number and receive email", "AdministratorNum") !=
                admin.toStdString();
        lost += valueIn(d.card("d"), "Receive number and receive email", "ReceiveEmail1") !=
                email.toStdString();
    }
    QCOMPARE(lost, 0);
}

// Without an absolute HOME or XDG_DATA_HOME there is no folder for the user's drive C:; the
// program stops and says so rather than making one in the current folder.
void TestSave::noDataFolder() {
    Desk d;
    const QString cwd = d.folder("cwd");
    for (const char* xdg : {"", "relative/data"}) {
        QProcess p;
        QProcessEnvironment env;
        env.insert("PATH", qEnvironmentVariable("PATH"));
        if (*xdg) env.insert("XDG_DATA_HOME", xdg);
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(cwd);
        p.start(WKS_SETTINGS_EXE,
                {"save", "KT470RX-8PRO", "--drive", "D=" + d.folder("d"), "--yes"});
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), 1);
        QVERIFY(p.readAllStandardError().contains("HOME"));
        QVERIFY(fs::is_empty(cwd.toStdString()) && fs::is_empty(d.path("d")));
    }
}

QTEST_GUILESS_MAIN(TestSave)
#include "test_save.moc"
