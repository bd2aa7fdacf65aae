// The private-profile primitives on real files.

#include <QTest>

#include <sys/stat.h>

#include <cstring>

#include "platform/files.h"
#include "platform/profile.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

// The read primitive's result; checks that nothing is written past the buffer's size.
QByteArray get(const char* section, const char* key, DWORD size, const std::string& path) {
    char buf[64];
    std::memset(buf, '#', sizeof buf);
    DWORD n = GetPrivateProfileStringA(section, key, "DEF", buf, size, path.c_str());
    QByteArray value(buf);
    if (n != DWORD(value.size()) || (size < sizeof buf && buf[size] != '#')) return "<bad copy>";
    return value;
}

}  // namespace

class TestProfile : public QObject {
    Q_OBJECT
private slots:
    void read_data();
    void read();
    void write_data();
    void write();
    void refusedWrites();
    void drivePaths();
};

void TestProfile::read_data() {
    QTest::addColumn<QByteArray>("file");  // null: no file
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<int>("size");
    QTest::addColumn<QByteArray>("expected");
    auto row = [](const char* name, QByteArray file, const char* s, const char* k, int size,
                  const char* expected) { QTest::newRow(name) << file << QByteArray(s) << QByteArray(k) << size << QByteArray(expected); };
    const QByteArray repeated = "[S]\r\nA=1\r\n[T]\r\nB=2\r\n[s]\r\nA=3\r\nB=4\r\n";
    row("names without case", "[Via WAP Settings]\r\nURL=http://a\r\n", "via wap SETTINGS", "url", 64, "http://a");
    row("first section wins", repeated, "S", "A", 64, "1");
    row("repeat not searched", repeated, "S", "B", 64, "DEF");
    row("first key wins", "[S]\r\nk=1\r\nK=2\r\n", "S", "K", 64, "1");
    row("next section not searched", "[S]\r\nB=1\r\n[T]\r\nA=0\r\n", "S", "A", 64, "DEF");
    row("blanks around", "[S]\r\n  Key \t=  \t a  b \t \r\n", "S", "Key", 64, "a  b");
    row("blank in names", "[Camera Setting]\r\nWork Hour StartH=5", "camera setting", "WORK HOUR STARTH", 64, "5");
    row("double quotes", "[S]\r\nA= \" x \" \r\n", "S", "A", 64, " x ");
    row("single quotes", "[S]\r\nA='x'\r\n", "S", "A", 64, "x");
    row("mismatched quotes", "[S]\r\nA=\"x'\r\n", "S", "A", 64, "\"x'");
    row("one pair only", "[S]\r\nA=\"\"x\"\"\r\n", "S", "A", 64, "\"x\"");
    row("lone quote", "[S]\r\nA=\"\r\n", "S", "A", 64, "\"");
    row("equals in value", "[S]\r\nA=b=c=\r\n", "S", "A", 64, "b=c=");
    row("empty value", "[S]\r\nA=\r\n", "S", "A", 64, "");
    row("cut to size - 1", "[S]\r\nA=abcdef\r\n", "S", "A", 4, "abc");
    row("size 1", "[S]\r\nA=abc\r\n", "S", "A", 1, "");
    row("fits exactly", "[S]\r\nA=abc\r\n", "S", "A", 4, "abc");
    row("default cut", "[S]\r\n", "S", "A", 3, "DE");
    row("missing section", "[T]\r\nA=1\r\n", "S", "A", 64, "DEF");
    row("missing key", "[S]\r\nB=1\r\n", "S", "A", 64, "DEF");
    row("missing file", QByteArray(), "S", "A", 64, "DEF");
    row("empty file", "", "S", "A", 64, "DEF");
    row("LF lines", "[S]\nA=1\nB=2\n", "S", "B", 64, "2");
    row("no last line end", "[S]\r\nA=1", "S", "A", 64, "1");
    row("blank lines", "\r\n\r\n[S]\r\n\r\n \t \r\nA=1\r\n\r\n", "S", "A", 64, "1");
    row("comments", ";[S]\r\n;A=0\r\n[S]\r\n; A=0\r\nA=1\r\n", "S", "A", 64, "1");
    row("commented key", "[S]\r\n;A=0\r\n", "S", "A", 64, "DEF");
    row("bytes as they are", "[S]\r\nA=\xe5\xe4\xf6\r\n", "S", "A", 64, "\xe5\xe4\xf6");
}

void TestProfile::read() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(int, size);
    QFETCH(QByteArray, expected);
    test::TempDrives d("C");
    const fs::path p = d.folder('C') / "S.TXT";
    if (!file.isNull()) test::writeBytes(p, file.toStdString());
    QCOMPARE(get(section, key, DWORD(size), p.string()), expected);
}

void TestProfile::write_data() {
    QTest::addColumn<QByteArray>("before");  // null: no file
    QTest::addColumn<QByteArray>("section");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<QByteArray>("after");
    auto row = [](const char* name, QByteArray before, const char* s, const char* k, const char* v,
                  const char* after) { QTest::newRow(name) << before << QByteArray(s) << QByteArray(k) << QByteArray(v) << QByteArray(after); };
    row("new file", QByteArray(), "WKSFileMark", "Model", "KT470RX", "[WKSFileMark]\r\nModel=KT470RX\r\n");
    row("empty value", QByteArray(), "S", "K", "", "[S]\r\nK=\r\n");
    row("new section at end", "[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
    row("new section, no last line end", "[A]\nx=1", "B", "k", "v", "[A]\nx=1\r\n[B]\r\nk=v\r\n");
    row("new key after last entry", "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
        "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
    row("new key, empty section", "[A]\r\n\r\n[B]\r\n", "a", "z", "3", "[A]\r\nz=3\r\n\r\n[B]\r\n");
    row("new key, header last", "[A]", "A", "z", "3", "[A]\r\nz=3\r\n");
    row("new key, no last line end", "[A]\r\nx=1", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n");
    row("replaced in place", "[A]\r\nx=1\r\ny=2\r\n", "A", "x", "new", "[A]\r\nx=new\r\ny=2\r\n");
    row("names without case", "[A]\r\nKey=1\r\n", "a", "KEY", "2", "[A]\r\nKey=2\r\n");
    row("replaced to empty", "[A]\r\nx=1\r\n", "A", "x", "", "[A]\r\nx=\r\n");
    row("other lines kept", "; head\n[A]\nx=1\n\n[B]\r\n y = 2 \r\nz=3", "A", "x", "9",
        "; head\n[A]\nx=9\n\n[B]\r\n y = 2 \r\nz=3");
    row("last line replaced", "[A]\r\nx=1", "A", "x", "2", "[A]\r\nx=2");
    row("first of repeated", "[A]\r\nx=1\r\n[A]\r\nx=2\r\n", "A", "x", "3", "[A]\r\nx=3\r\n[A]\r\nx=2\r\n");
    row("bytes as they are", QByteArray(), "S", "K", "\xe5 = \xe4", "[S]\r\nK=\xe5 = \xe4\r\n");
}

void TestProfile::write() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, section);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, value);
    QFETCH(QByteArray, after);
    test::TempDrives d("C");
    const fs::path p = d.folder('C') / "S.TXT";
    if (!before.isNull()) test::writeBytes(p, before.toStdString());
    QCOMPARE(WritePrivateProfileStringA(section, key, value, p.c_str()), 1);
    QCOMPARE(QByteArray::fromStdString(test::readBytes(p)), after);
    QCOMPARE(get(section, key, 64, p.string()), value);
}

void TestProfile::refusedWrites() {
    test::TempDrives d("C");
    const fs::path p = d.folder('C') / "S.TXT";
    const std::string bytes = "[A]\nx=1";
    test::writeBytes(p, bytes);
    ::chmod(p.c_str(), 0444);
    QCOMPARE(WritePrivateProfileStringA("A", "x", "2", p.c_str()), 0);
    QCOMPARE(WritePrivateProfileStringA("B", "y", "2", p.c_str()), 0);
    QCOMPARE(test::readBytes(p), bytes);
    QVERIFY(files::isReadOnly(p.string()));
    QCOMPARE(std::distance(fs::directory_iterator(d.folder('C')), {}), 1);

    QCOMPARE(WritePrivateProfileStringA("A", "x", "2", "C:\\GSM\\S.TXT"), 0);
    QVERIFY(!fs::exists(d.folder('C') / "GSM"));
    QCOMPARE(get("A", "x", 64, "C:\\GSM\\S.TXT"), QByteArray("DEF"));
    QCOMPARE(WritePrivateProfileStringA("A", "x", "2", "Q:\\S.TXT"), 0);
    QCOMPARE(get("A", "x", 64, "Q:\\S.TXT"), QByteArray("DEF"));
}

void TestProfile::drivePaths() {
    test::TempDrives d("CE");
    fs::create_directory(d.folder('E') / "GSM");
    QCOMPARE(WritePrivateProfileStringA("Via WAP Settings", "URL", "mms", "e:\\GSM\\KT470RX.TXT"), 1);
    QCOMPARE(WritePrivateProfileStringA("Via WAP Settings", "APN", "apn", "E:\\GSM\\KT470RX.TXT"), 1);
    QCOMPARE(test::readBytes(d.folder('E') / "GSM" / "KT470RX.TXT"),
             std::string("[Via WAP Settings]\r\nURL=mms\r\nAPN=apn\r\n"));
    QCOMPARE(get("Via WAP Settings", "APN", 64, "E:\\GSM\\KT470RX.TXT"), QByteArray("apn"));
    QVERIFY(fs::is_empty(d.folder('C')));
}

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
