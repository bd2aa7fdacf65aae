// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Drive letters: resolving, entering, and the user's own table.

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include "platform/driveprobe.h"
#include "platform/drives.h"
#include "platform/media.h"
#include "support/fakesystem.h"
#include "support/runcli.h"
#include "support/slowfolder.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

class TestDrives : public QObject {
    Q_OBJECT
  private slots:
    void resolve() {
        DriveTable table({{'E', "/media/card"}, {'c', "/home/u/drive_c"}});
        struct {
            const char* path;
            const char* native;
        } rows[] = {{"E:\\GSM\\X.TXT", "/media/card/GSM/X.TXT"},
                    {"e:\\GSM\\X.TXT", "/media/card/GSM/X.TXT"},
                    {"C:\\VelmoraBackup\\FX200.TXT", "/home/u/drive_c/VelmoraBackup/FX200.TXT"},
                    {"E:\\", "/media/card"},
                    {"E:", "/media/card"},
                    {"F:\\GSM\\X.TXT", ""},
                    {"/tmp/a b/X.TXT", "/tmp/a b/X.TXT"},
                    {"E:\\..\\..\\etc\\x", "/media/card/etc/x"},
                    {"E:\\GSM\\.\\..\\X.TXT", "/media/card/X.TXT"}};
        for (const auto& r : rows) {
            auto p = table.resolve(r.path);
            QCOMPARE(p ? p->string() : std::string(), std::string(r.native));
        }
    }

    void canEnter() {
        test::TempDrives d("C");
        fs::create_directory(d.folder('C') / "GSM");
        test::writeBytes(d.folder('C') / "f.txt", "");
        QVERIFY(drives().canEnter("C:\\") && drives().canEnter("c:\\GSM"));
        QVERIFY(!drives().canEnter("C:\\missing") && !drives().canEnter("C:\\f.txt"));
        QVERIFY(!drives().canEnter("D:\\"));
    }

    void userTable() {
        QTemporaryDir home, card;
        // This process ends with the test; USER names nobody, so no mounted media count.
        qputenv("XDG_DATA_HOME", home.path().toUtf8());
        qputenv("USER", "wks-test-nobody-with-no-media");
        const fs::path data = fs::path(home.path().toStdString()) / "wks-config";
        const fs::path cardPath = fs::canonical(card.path().toStdString());
        QCOMPARE(DriveTable::dataHome(), data);

        fs::create_directories(data / "dosdevices");
        fs::create_directory_symlink(cardPath, data / "dosdevices" / "d:");
        const DriveTable table = DriveTable::forUser();
        QCOMPARE(fs::read_symlink(data / "dosdevices" / "c:"), fs::path("../drive_c"));
        QCOMPARE(table.letters().size(), std::size_t(2));
        QCOMPARE(fs::canonical(*table.resolve("C:\\")), fs::canonical(data / "drive_c"));
        QCOMPARE(fs::canonical(*table.resolve("d:\\")), cardPath);
        QVERIFY(table.canEnter("C:\\") && table.canEnter("D:\\"));

        // A later start keeps the links as the user left them.
        fs::remove(data / "dosdevices" / "d:");
        fs::remove(data / "dosdevices" / "c:");
        fs::create_directory_symlink(cardPath, data / "dosdevices" / "c:");
        const DriveTable again = DriveTable::forUser();
        QCOMPARE(again.letters().size(), std::size_t(1));
        QCOMPARE(fs::canonical(*again.resolve("C:\\")), cardPath);
    }

    // The letters read again at each refresh from the links and the media mounted then: cards
    // wherever the desktop or the user mounts them, never the system's own folders nor a USB
    // disk that holds the user's home or the program's data folder; a medium
    // keeps its letter while mounted, gets it back when mounted again at the same place if it
    // is free, a new one takes the lowest free letter (two at once in mount-path order), and a
    // link wins its letter and is a linked medium's only drive.
    void liveLetters() {
        test::FakeSystem sys;
        const std::string usb =
                              "pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host4/target4:0:0/4:0:0:0",
                          ata = "pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0",
                          ata2 = "pci0000:00/0000:00:17.0/ata2/host1/target1:0:0/1:0:0:0";
        sys.blockDevice(ata, "sda", "sda1", false);
        sys.blockDevice(ata, "sda", "sda2", false);
        sys.blockDevice(usb, "sdb", "sdb1", false);  // a USB disk that does not say it is removable
        sys.blockDevice(usb, "sdb", "sdb2", false);
        sys.blockDevice(usb, "sdb", "sdb3", false);
        sys.blockDevice(usb, "sdb", "sdb4", false);
        sys.blockDevice("platform/soc/mmc_host/mmc0/mmc0:0001", "mmcblk0", "mmcblk0p1", false);
        sys.blockDevice(ata2, "sdc", "sdc1", true);
        sys.label("mmcblk0p1", "TRAIL\\x20CAM");
        sys.label("sdb1", "F\xc3\xa4rd");
        for (auto [device, place] : {std::pair{"/dev/sda2", "/"},
                                     {"/dev/sda1", "/srv/data"},
                                     {"/dev/sdb2", "/home"},
                                     {"/dev/sdb3", "/home/anna"},
                                     {"/dev/sdb4", "/mnt/usb"},
                                     {"/dev/sdc1", "/boot/efi"},
                                     {"tmpfs", "/run/user/1000"},
                                     {"/dev/sdb1", "/mnt/sd"},
                                     {"/dev/mmcblk0p1", "/media/anna/TRAIL CAM"},
                                     {"/dev/sda1", "/media/anna/B"}}) {
            sys.mount(device, place);
        }
        fs::create_directories(sys.root() / "drive_c");
        sys.link('c', "../drive_c");
        sys.link('g', sys.folder("/media/anna/B"));
        DriveTable table = DriveTable::live(sys.dosdevices(), sys.root(), "anna",
                                            {"/home/anna", "/mnt/usb/anna/data/wks-config"});

        // letter -> folder under the root, "*" marking a medium
        using Letters = std::map<char, std::string>;
        const Letters before = {{'C', "dosdevices/c:"}, {'E', "*mnt/sd"}, {'G', "*dosdevices/g:"}};
        auto with = [&](Letters more) {
            more.insert(before.begin(), before.end());
            return more;
        };
        struct Step {
            std::vector<const char*> unmount, mount;
            Letters letters;
        } steps[] = {
            {{}, {}, with({{'D', "*media/anna/TRAIL CAM"}})},
            {{"/media/anna/TRAIL CAM"}, {}, before},
            {{},
             {"/media/anna/TRAIL CAM", "/media/anna/A"},
             with({{'D', "*media/anna/TRAIL CAM"}, {'F', "*media/anna/A"}})},
            {{"/media/anna/A"},
             {"/run/media/anna/Z2", "/run/media/anna/Z1"},
             with({{'D', "*media/anna/TRAIL CAM"},
                   {'F', "*run/media/anna/Z1"},
                   {'H', "*run/media/anna/Z2"}})},
        };
        for (const Step& step : steps) {
            for (const char* m : step.unmount) sys.unmount(m);
            for (const std::string m : step.mount) {
                sys.mount(m.find("TRAIL") != std::string::npos ? "/dev/mmcblk0p1" : "/dev/sdd1", m);
            }
            table.refresh();
            Letters got;
            for (const auto& [letter, folder] : table.letters()) {
                got[letter] = (table.isMedium(letter) ? "*" : "") +
                              folder.lexically_relative(sys.root()).string();
            }
            QCOMPARE(got, step.letters);
        }
        QCOMPARE(table.labelOf('D'), std::string("TRAIL CAM"));
        QCOMPARE(table.labelOf('E'), std::string("F\xc3\xa4rd"));
        QCOMPARE(table.labelOf('G'), std::string());

        // A link always wins its letter, also from a medium that had it.
        fs::create_directories(sys.root() / "drive_d");
        sys.link('d', "../drive_d");
        table.refresh();
        QCOMPARE(table.folderOf('D').value(), sys.dosdevices() / "d:");
        QCOMPARE(table.folderOf('I').value(), sys.folder("/media/anna/TRAIL CAM"));
    }

    // Drives are looked at all at once, and one that has not answered in time is unusable for
    // that examination: two folders that answer each look-up after 5 s (FUSE) cost the waiting
    // time once, the quick drive is found meanwhile, and a program whose look-up is stuck ends
    // without waiting for it.
    void slowDrives() {
        QTemporaryDir dir;
        const fs::path base = dir.path().toStdString(), slow = base / "slow";
        fs::create_directories(base / "quick" / "GSM");
        fs::create_directory_symlink(slow, base / "slow-too");
        test::SlowFolder folder(slow, "5");
        if (!folder.mounted()) QSKIP(folder.whyNot().c_str());
        const DriveTable table({{'C', base / "quick"}, {'E', slow}, {'F', base / "slow-too"}});
        QElapsedTimer clock;
        clock.start();
        const auto reports = examineDrives(table, "CEFG", "GSM\\", std::chrono::milliseconds(500));
        const qint64 waited = clock.elapsed();
        std::string states;
        for (const auto& r : reports) states += std::string(driveProblem(r.state)) + "|";
        QCOMPARE(states, std::string("|no answer in time|no answer in time|no folder|"));
        QVERIFY(reports[0].subfolder);
        QVERIFY2(waited < 4000, qPrintable(QString::number(waited)));

        fs::create_directories(base / "data" / "wks-config" / "dosdevices");
        fs::create_directory_symlink(slow, base / "data" / "wks-config" / "dosdevices" / "e:");
        clock.restart();
        const test::CliRun cli = test::runSettings({"drives"}, (base / "data").c_str());
        QVERIFY2(clock.elapsed() < 4500, qPrintable(QString::number(clock.elapsed())));
        QVERIFY2(cli.out.contains("E:\t" + QByteArray(slow.c_str()) +
                                  "\t-\t-\tnot usable: no answer in time\n"),
                 cli.out.constData());
    }

    // The child that examines the drives keeps no card busy: it leaves the folder it was started
    // in at once, and it ends with the program even while stuck on a dead drive (a FUSE folder
    // whose daemon is stopped). The card the user ran wks-settings from can be unmounted.
    void examinerLetsGo() {
        QTemporaryDir dir;
        const fs::path base = dir.path().toStdString();
        test::SlowFolder card(base / "card", "0"), dead(base / "dead", "0");
        if (!card.mounted() || !dead.mounted()) QSKIP(card.whyNot().c_str());
        const fs::path dos = base / "data" / "wks-config" / "dosdevices";
        fs::create_directories(dos);
        fs::create_directory_symlink(dead.share(1), dos / "e:");
        dead.stop();
        const QByteArray mark =
            "WKS_TEST_RUN=" + QByteArray::number(QRandomGenerator::global()->generate64());
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_DATA_HOME", (base / "data").c_str());
        env.insert("WKS_TEST_RUN", mark.mid(mark.indexOf('=') + 1));
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(card.share(1).c_str());
        run.start(WKS_SETTINGS_EXE, {"drives"});
        QVERIFY(run.waitForFinished(10000) && run.exitCode() == 0);
        QVERIFY(run.readAllStandardOutput().contains("not usable: no answer in time"));
        const auto leftBehind = [&] {
            QStringList pids;
            for (const auto& p : fs::directory_iterator("/proc")) {
                QFile environ(QString::fromStdString((p.path() / "environ").string()));
                if (environ.open(QIODevice::ReadOnly) &&
                    environ.readAll().split('\0').contains(mark))
                    pids << QString::fromStdString(p.path().filename().string());
            }
            return pids;
        };
        QTRY_VERIFY_WITH_TIMEOUT(leftBehind().isEmpty(), 5000);
        // While the program runs, a child stuck on the dead drive holds not the folder the
        // program was started in.
        const fs::path start = fs::current_path();
        fs::current_path(card.share(1));
        examineDrives(DriveTable({{'E', dead.share(1)}}), "E", {}, std::chrono::milliseconds(300));
        fs::current_path(start);
        QStringList holding;
        for (const auto& p : fs::directory_iterator("/proc")) {
            std::error_code ec;
            if (fs::read_symlink(p.path() / "cwd", ec) == card.share(1))
                holding << p.path().filename().c_str();
        }
        QVERIFY2(holding.isEmpty(), qPrintable(holding.join(' ')));
        QVERIFY(card.unmount());
    }

    // As on Windows, a name that is not there byte for byte finds the one that differs only
    // in letter case; an exact name wins; a name with no match stays as it was written.
    void letterCase() {
        test::TempDrives d("E");
        const fs::path e = d.folder('E');
        fs::create_directories(e / "gsm");
        test::writeBytes(e / "gsm" / "kt470rx.txt", "");
        fs::create_directories(e / "DCIM");
        fs::create_directories(e / "dcim");
        struct {
            const char* path;
            fs::path native;
        } rows[] = {{"E:\\GSM\\KT470RX.TXT", e / "gsm" / "kt470rx.txt"},
                    {"E:\\Gsm\\KT470RX.txt", e / "gsm" / "kt470rx.txt"},
                    {"E:\\GSM\\NEW.TXT", e / "gsm" / "NEW.TXT"},
                    {"E:\\DCIM\\100WKSIM", e / "DCIM" / "100WKSIM"},
                    {"E:\\NONE\\X", e / "NONE" / "X"}};
        for (const auto& r : rows) QCOMPARE(drives().resolve(r.path).value_or(""), r.native);
        QVERIFY(drives().canEnter("E:\\GSM\\"));
    }

    // "c:notes.ini" names a file in the current folder; only a colon followed by a backslash,
    // a slash or nothing makes a drive path.
    void drivePaths() {
        for (auto [path, drive] : {std::pair{"c:notes.ini", false},
                                   {"C:\\x", true},
                                   {"c:/x", true},
                                   {"E:", true},
                                   {"1:\\x", false},
                                   {"notes.ini", false}}) {
            QVERIFY2(DriveTable::isDrivePath(path) == drive, path);
        }
    }

    // XDG_DATA_HOME counts only when absolute; without it and an absolute HOME there is no
    // data folder, rather than one in the current folder.
    void dataHomeFromTheEnvironment() {
        const QByteArray xdg = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME");
        struct {
            const char* xdg;
            const char* home;
            const char* expected;
        } rows[] = {{"/x/data", "/h", "/x/data/wks-config"},
                    {"rel/data", "/h", "/h/.local/share/wks-config"},
                    {"", "/h", "/h/.local/share/wks-config"},
                    {"rel", "rel-home", ""},
                    {nullptr, nullptr, ""}};
        for (const auto& r : rows) {
            r.xdg ? qputenv("XDG_DATA_HOME", r.xdg) : qunsetenv("XDG_DATA_HOME");
            r.home ? qputenv("HOME", r.home) : qunsetenv("HOME");
            std::string got;
            try {
                got = DriveTable::dataHome().string();
            } catch (const std::runtime_error& e) {
                QVERIFY(std::string(e.what()).find("HOME") != std::string::npos);
            }
            QCOMPARE(got, std::string(r.expected));
        }
        qputenv("XDG_DATA_HOME", xdg);
        qputenv("HOME", home);
    }
};

QTEST_GUILESS_MAIN(TestDrives)
#include "test_drives.moc"
