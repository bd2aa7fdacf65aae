// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wks-settings station and eject as a user runs them: cards inserted while it waits, through a
// mock UDisks2 and through drive letters alone.

#include <signal.h>

#include <QProcess>
#include <QtTest>
#include <filesystem>

#include "support/mockudisks.h"
#include "support/runcli.h"
#include "support/tempdrives.h"

namespace fs = std::filesystem;
using namespace wks;

namespace {

const char* kTemplate =
    "[WKSFileMark]\r\nModel=LN714W\r\n[Via WAP Settings]\r\nURL=http://mms.example\r\n";

std::string keyOf(const fs::path& file, const std::string& key) {
    const std::string text = test::readBytes(file);
    const auto at = text.find("\n" + key + "=");
    if (at == std::string::npos) return "<none>";
    const auto start = at + key.size() + 2;
    return text.substr(start, text.find('\r', start) - start);
}

}  // namespace

class StationCliTest : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    fs::path root() const { return dir_.path().toStdString(); }
    fs::path store(const std::string& n) const { return root() / "store" / n; }
    fs::path media(const std::string& n) const { return root() / "media" / n; }
    QString path(const std::string& name) const { return QString::fromStdString(root() / name); }

    test::MockCard card(const std::string& n) {
        fs::create_directories(store(n));
        fs::create_directories(root() / "media");
        return {n, store(n), media(n), "u-" + n, "L" + n, "s-" + n, false, true};
    }

    // The station started, its data folder in root()/data; bus empty: none at all.
    void start(QProcess& p, const QStringList& args, bool bus = true) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", path("data"));
        if (!bus) env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + path("no-bus"));
        p.setProcessEnvironment(env);
        p.setStandardInputFile(QProcess::nullDevice());
        p.start(WKS_SETTINGS_EXE,
                QStringList{"station", "LN714W-12P", "--from", path("t.txt")} + args);
        QVERIFY(p.waitForStarted());
    }
    // Waits for the line on the station's standard error ("waiting for a card for C3").
    static bool waitFor(QProcess& p, const QByteArray& words, QByteArray& seen) {
        for (int i = 0; i < 200 && !seen.contains(words); ++i) {
            p.waitForReadyRead(50);
            seen += p.readAllStandardError();
        }
        return seen.contains(words);
    }
    static QList<QByteArray> finish(QProcess& p, int& code) {
        if (!p.waitForFinished(30000)) p.kill();
        code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        return p.readAllStandardOutput().trimmed().split('\n');
    }

  private slots:
    void initTestCase() { QVERIFY(!test::MockUDisks::busAddress().empty()); }
    void init() {
        QVERIFY(dir_.isValid());
        test::writeBytes(root() / "t.txt", kTemplate);
        test::writeBytes(root() / "list.csv",
                         "cameraID,Camera Position,locationName\n"
                         "C1,1,north\nC2,2,\"ridge, east\"\nC3,3,\nC4,4,\nC5,5,\n");
    }
    void cleanup() {
        fs::remove_all(root());
        fs::create_directories(root());
    }

    // Five cameras: two cards at once, a pulled-out one given again, the rest while it waits,
    // and a USB disk beside them that is left alone with one line; then the same report again:
    // nothing left to do.
    void fiveCardsFromAList() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        auto disk = card("usb");
        disk.cardReader = false;
        QVERIFY(udisks.addCard(disk));
        QVERIFY(udisks.addCard(card("a")));
        QVERIFY(udisks.addCard(card("b")));
        fs::create_directories(root() / "data");
        QProcess p;
        start(p, {"--cameras", path("list.csv")});
        QByteArray seen;
        QVERIFY(waitFor(p, "for C3", seen));
        for (const auto& [n, next] : {std::pair{"c", "for C4"}, {"d", "for C5"}, {"e", ""}}) {
            QVERIFY(udisks.addCard(card(n)));
            if (*next) QVERIFY(waitFor(p, next, seen));
        }
        int code = 0;
        const auto lines = finish(p, code);
        QCOMPARE(code, 0);
        QCOMPARE(lines, (QList<QByteArray>{"C1 done — safe to remove", "C2 done — safe to remove",
                                           "C3 done — safe to remove", "C4 done — safe to remove",
                                           "C5 done — safe to remove"}));
        seen += p.readAllStandardError();
        QCOMPARE(seen.count("left alone: it is no card"), 1);
        QVERIFY(fs::exists(store("usb")) && !fs::exists(store("usb") / "GSM"));
        QCOMPARE(keyOf(store("e") / "GSM" / "LN714W.TXT", "Camera Position"), std::string("5"));
        QCOMPARE(keyOf(store("b") / "GSM" / "LN714W.TXT", "URL"),
                 std::string("http://mms.example"));
        QVERIFY(fs::exists(root() / "list-report.csv"));
        const auto again = test::runSettings(
            {"station", "LN714W-12P", "--from", path("t.txt"), "--cameras", path("list.csv")},
            path("data"), 30000);
        QCOMPARE(again.code, 0);
        QCOMPARE(again.out, QByteArray());
    }

    // A bad list stops the run before any card is written; cards that must not or cannot be
    // written make the status 1; Ctrl-C ends the run after the current card with 130.
    void refusalsAndInterruption() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        test::writeBytes(root() / "bad.csv", "cameraID,Camera Position\nX,1\nY,Q9\n");
        QVERIFY(udisks.addCard(card("a")));
        const auto bad = test::runSettings(
            {"station", "LN714W-12P", "--from", path("t.txt"), "--cameras", path("bad.csv")},
            path("data"), 30000);
        QCOMPARE(bad.code, 2);
        QVERIFY2(bad.err.contains("line 3, column \"Camera Position\""), bad.err);
        QVERIFY(!fs::exists(store("a") / "GSM"));
        QVERIFY(!fs::exists(root() / "bad-report.csv"));

        test::writeBytes(store("a") / "GSM" / "KT470RX.TXT", "[WKSFileMark]\r\nModel=KT470RX\r\n");
        QProcess p;
        start(p, {"--report", path("r.csv")});
        QByteArray seen;
        QVERIFY(waitFor(p, "for CAM-001", seen));
        QTest::qWait(300);
        ::kill(static_cast<pid_t>(p.processId()), SIGINT);
        int code = 0;
        const auto lines = finish(p, code);
        QCOMPARE(code, 130);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines[0].startsWith("card left untouched: it holds the settings file of a "
                                     "KT470RX-8PRO"),
                 lines[0]);
    }

    // eject L through UDisks2: the card mounted as drive F: is unmounted and powered off.
    void ejectThroughUDisks() {
        test::MockUDisks udisks;
        if (!udisks.running()) QSKIP(udisks.whyNot().c_str());
        auto c = card("f");
        fs::create_directories(c.media);
        fs::remove(c.store);
        c.mounted = true;
        QVERIFY(udisks.addCard(c));
        fs::create_directories(root() / "data/wks-config/dosdevices");
        fs::create_directory_symlink(c.media, root() / "data/wks-config/dosdevices/f:");
        const auto out = test::runSettings({"eject", "F"}, path("data"), 30000);
        QCOMPARE(out.code, 0);
        QCOMPARE(out.out, QByteArray("F: safe to remove\n"));
        QVERIFY(fs::exists(c.store) && !fs::exists(c.media));  // unmounted
    }

    // Without a system bus: a drive letter that appears is the card; it is flushed, and the
    // user told to unmount it; eject says the same of a drive letter.
    void withoutUDisks() {
        fs::create_directories(root() / "data/wks-config/dosdevices");
        QProcess p;
        start(p, {"--count", "1", "--report", path("r.csv")}, false);
        QByteArray seen;
        QVERIFY(waitFor(p, "UDisks2 not used", seen));
        fs::create_directories(root() / "sd");
        fs::create_directory_symlink(root() / "sd", root() / "data/wks-config/dosdevices/e:");
        int code = 0;
        const auto lines = finish(p, code);
        QCOMPARE(code, 0);
        QCOMPARE(lines, QList<QByteArray>{"CAM-001 done — unmount it before you remove it"});
        QVERIFY(fs::exists(root() / "sd/GSM/LN714W.TXT"));

        QProcess eject;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", path("data"));
        env.insert("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + path("no-bus"));
        eject.setProcessEnvironment(env);
        eject.start(WKS_SETTINGS_EXE, {"eject", "E"});
        QVERIFY(eject.waitForFinished(30000));
        QCOMPARE(eject.exitCode(), 1);
        QVERIFY(eject.readAllStandardOutput().contains("unmount it before you remove it"));
    }
};

QTEST_GUILESS_MAIN(StationCliTest)
#include "test_station.moc"
