// Drive letters: resolving, entering, and the user's own table.

#include <QTemporaryDir>
#include <QTest>

#include "platform/drives.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

class TestDrives : public QObject {
    Q_OBJECT
private slots:
    void resolve() {
        DriveTable table({{'E', "/media/card"}, {'c', "/home/u/drive_c"}});
        struct { const char* path; const char* native; } rows[] = {
            {"E:\\GSM\\X.TXT", "/media/card/GSM/X.TXT"}, {"e:\\GSM\\X.TXT", "/media/card/GSM/X.TXT"},
            {"C:\\VelmoraBackup\\FX200.TXT", "/home/u/drive_c/VelmoraBackup/FX200.TXT"},
            {"E:\\", "/media/card"}, {"E:", "/media/card"}, {"F:\\GSM\\X.TXT", ""},
            {"/tmp/a b/X.TXT", "/tmp/a b/X.TXT"}, {"E:\\..\\..\\etc\\x", "/media/card/etc/x"},
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

    // As on Windows, a name that is not there byte for byte finds the one that differs only
    // in letter case; an exact name wins; a name with no match stays as it was written.
    void letterCase() {
        test::TempDrives d("E");
        const fs::path e = d.folder('E');
        fs::create_directories(e / "gsm");
        test::writeBytes(e / "gsm" / "kt470rx.txt", "");
        fs::create_directories(e / "DCIM");
        fs::create_directories(e / "dcim");
        struct { const char* path; fs::path native; } rows[] = {
            {"E:\\GSM\\KT470RX.TXT", e / "gsm" / "kt470rx.txt"},
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
        for (auto [path, drive] : {std::pair{"c:notes.ini", false}, {"C:\\x", true}, {"c:/x", true},
                                   {"E:", true}, {"1:\\x", false}, {"notes.ini", false}}) {
            QVERIFY2(DriveTable::isDrivePath(path) == drive, path);
        }
    }

    // XDG_DATA_HOME counts only when absolute; without it and an absolute HOME there is no
    // data folder, rather than one in the current folder.
    void dataHomeFromTheEnvironment() {
        const QByteArray xdg = qgetenv("XDG_DATA_HOME"), home = qgetenv("HOME");
        struct { const char* xdg; const char* home; const char* expected; } rows[] = {
            {"/x/data", "/h", "/x/data/wks-config"},
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
