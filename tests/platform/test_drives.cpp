// Drive letters: resolving, entering, and the user's own table.

#include <QTemporaryDir>
#include <QTest>

#include "platform/drives.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

// Sets an environment variable for a scope and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QByteArray& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name)), old_(qgetenv(name)) {
        qputenv(name, value);
    }
    ~ScopedEnv() { had_ ? qputenv(name_, old_) : qunsetenv(name_); }

private:
    const char* name_;
    bool had_;
    QByteArray old_;
};

}  // namespace

class TestDrives : public QObject {
    Q_OBJECT
private slots:
    void resolve_data();
    void resolve();
    void canEnter();
    void userTable();
};

void TestDrives::resolve_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("native");  // empty: nothing
    QTest::newRow("card file") << "E:\\GSM\\X.TXT" << "/media/card/GSM/X.TXT";
    QTest::newRow("lower-case letter") << "e:\\GSM\\X.TXT" << "/media/card/GSM/X.TXT";
    QTest::newRow("letter given lower-case") << "C:\\VelmoraBackup\\FX200.TXT"
                                             << "/home/u/drive_c/VelmoraBackup/FX200.TXT";
    QTest::newRow("root") << "E:\\" << "/media/card";
    QTest::newRow("bare letter") << "E:" << "/media/card";
    QTest::newRow("unknown letter") << "F:\\GSM\\X.TXT" << "";
    QTest::newRow("native") << "/tmp/a b/X.TXT" << "/tmp/a b/X.TXT";
}

void TestDrives::resolve() {
    QFETCH(QString, path);
    QFETCH(QString, native);
    DriveTable table({{'E', "/media/card"}, {'c', "/home/u/drive_c"}});
    auto p = table.resolve(path.toStdString());
    QCOMPARE(p ? QString::fromStdString(p->string()) : QString(), native);
}

void TestDrives::canEnter() {
    test::TempDrives d("C");
    fs::create_directory(d.folder('C') / "GSM");
    test::writeBytes(d.folder('C') / "f.txt", "");
    QVERIFY(drives().canEnter("C:\\"));
    QVERIFY(drives().canEnter("c:\\GSM"));
    QVERIFY(!drives().canEnter("C:\\missing"));
    QVERIFY(!drives().canEnter("C:\\f.txt"));
    QVERIFY(!drives().canEnter("D:\\"));
    fs::remove_all(d.folder('C'));
    QVERIFY(!drives().canEnter("C:\\"));
}

void TestDrives::userTable() {
    QTemporaryDir home, card;
    ScopedEnv xdg("XDG_DATA_HOME", home.path().toUtf8());
    ScopedEnv user("USER", "wks-test-nobody-with-no-media");
    const fs::path data = fs::path(home.path().toStdString()) / "wks-config";
    QCOMPARE(DriveTable::dataHome(), data);

    fs::create_directories(data / "dosdevices");
    fs::create_directory_symlink(card.path().toStdString(), data / "dosdevices" / "d:");
    const DriveTable table = DriveTable::forUser();
    QCOMPARE(fs::read_symlink(data / "dosdevices" / "c:"), fs::path("../drive_c"));
    QVERIFY(fs::is_directory(data / "drive_c"));
    QCOMPARE(table.letters().size(), std::size_t(2));
    QCOMPARE(fs::canonical(*table.resolve("C:\\")), fs::canonical(data / "drive_c"));
    QCOMPARE(fs::canonical(*table.resolve("d:\\")), fs::canonical(card.path().toStdString()));
    QVERIFY(table.canEnter("C:\\") && table.canEnter("D:\\"));

    // A later start keeps the links as the user left them.
    fs::remove(data / "dosdevices" / "d:");
    fs::remove(data / "dosdevices" / "c:");
    fs::create_directory_symlink(card.path().toStdString(), data / "dosdevices" / "c:");
    const DriveTable again = DriveTable::forUser();
    QCOMPARE(again.letters().size(), std::size_t(1));
    QCOMPARE(fs::canonical(*again.resolve("C:\\")), fs::canonical(card.path().toStdString()));
}

QTEST_GUILESS_MAIN(TestDrives)
#include "test_drives.moc"
