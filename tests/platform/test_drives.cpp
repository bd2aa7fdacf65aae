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
};

QTEST_GUILESS_MAIN(TestDrives)
#include "test_drives.moc"
