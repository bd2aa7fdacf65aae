// CUtil: calendar, trimming, read-only and rename helpers.

#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/prompts.h"
#include "support/tempdrives.h"
#include "util/cutil.h"

using namespace wks;
namespace fs = std::filesystem;

class TestCUtil : public QObject {
    Q_OBJECT
private slots:
    void daysInMonth_data();
    void daysInMonth();
    void dateTime_data();
    void dateTime();
    void trimToLength_data();
    void trimToLength();
    void renameIfExists();
    void clearReadOnly();
};

void TestCUtil::daysInMonth_data() {
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("days");
    QTest::addColumn<bool>("reported");
    QTest::newRow("2000 feb: by 400") << 2000 << 2 << 29 << false;
    QTest::newRow("1900 feb: century") << 1900 << 2 << 28 << false;
    QTest::newRow("2016 feb") << 2016 << 2 << 29 << false;
    QTest::newRow("2015 feb") << 2015 << 2 << 28 << false;
    QTest::newRow("year 0 feb") << 0 << 2 << 29 << false;
    QTest::newRow("jan") << 2015 << 1 << 31 << false;
    QTest::newRow("apr") << 2015 << 4 << 30 << false;
    QTest::newRow("jul") << 2015 << 7 << 31 << false;
    QTest::newRow("aug") << 2015 << 8 << 31 << false;
    QTest::newRow("nov") << 2015 << 11 << 30 << false;
    QTest::newRow("dec") << 2015 << 12 << 31 << false;
    QTest::newRow("month 13") << 2015 << 13 << 28 << true;
    QTest::newRow("month 0") << 2015 << 0 << 28 << true;
    QTest::newRow("negative year") << -1 << 5 << 28 << true;
}

void TestCUtil::daysInMonth() {
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, days);
    QFETCH(bool, reported);
    ScriptedPrompter boxes;
    ScopedPrompter scope(boxes);
    QCOMPARE(CUtil::GetDayForYMonth(year, month), days);
    QCOMPARE(boxes.shown().size(), std::size_t(reported ? 1 : 0));
    if (reported) {
        const Message& m = boxes.shown().front();
        QCOMPARE(m.text, std::string("Invalid call for CUtil::GetDayForYMonth() !"));
        QCOMPARE(m.caption, std::string("WKS TIPS"));
        QCOMPARE(m.icon, Icon::Warning);
        QCOMPARE(m.buttons, Buttons::Ok);
    }
}

void TestCUtil::dateTime_data() {
    QTest::addColumn<DateTimeRecord>("t");
    QTest::addColumn<int>("result");
    auto row = [](const char* name, DateTimeRecord t, int result) { QTest::newRow(name) << t << result; };
    row("first valid second", {1753, 1, 1, 0, 0, 0}, 0);
    row("last second before", {1752, 12, 31, 23, 59, 59}, 1);
    row("last valid second", {9999, 12, 31, 23, 59, 59}, 0);
    row("year 10000", {10000, 1, 1, 0, 0, 0}, 1);
    row("29 feb 2016", {2016, 2, 29, 12, 0, 0}, 0);
    row("29 feb 2000", {2000, 2, 29, 12, 0, 0}, 0);
    row("29 feb 2015", {2015, 2, 29, 12, 0, 0}, 1);
    row("29 feb 1900", {1900, 2, 29, 12, 0, 0}, 1);
    row("31 apr", {2015, 4, 31, 0, 0, 0}, 1);
    row("day 0", {2015, 5, 0, 0, 0, 0}, 1);
    row("hour 24", {2015, 5, 1, 24, 0, 0}, 1);
    row("minute 60", {2015, 5, 1, 0, 60, 0}, 1);
    row("second 60", {2015, 5, 1, 0, 0, 60}, 1);
    row("negative hour", {2015, 5, 1, -1, 0, 0}, 1);
    row("month 13", {2015, 13, 1, 0, 0, 0}, 1);
    row("month 0", {2015, 0, 1, 0, 0, 0}, 1);
    row("negative year", {-1, 5, 1, 0, 0, 0}, 1);
}

void TestCUtil::dateTime() {
    QFETCH(DateTimeRecord, t);
    QFETCH(int, result);
    ScriptedPrompter boxes;
    ScopedPrompter scope(boxes);
    QCOMPARE(CUtil::ChkDateTime(t), result);
    QVERIFY(boxes.shown().empty());  // bad year or month never reaches the day count
}

void TestCUtil::trimToLength_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("spaces only") << QByteArray("     ") << 10 << QByteArray("");
    QTest::newRow("trim then cut") << QByteArray("  abc  ") << 2 << QByteArray("ab");
    QTest::newRow("n = 0") << QByteArray("abc") << 0 << QByteArray("");
    QTest::newRow("negative only trims") << QByteArray("  a  b  ") << -1 << QByteArray("a  b");
    QTest::newRow("six blanks") << QByteArray(" \t\n\v\f\rx\r\f\v\n\t ") << -1 << QByteArray("x");
    QTest::newRow("limit above length") << QByteArray("\tabc\t") << 50 << QByteArray("abc");
    QTest::newRow("n = 1") << QByteArray(" xy") << 1 << QByteArray("x");
    QTest::newRow("exact limit") << QByteArray("abcdef") << 6 << QByteArray("abcdef");
    QTest::newRow("empty") << QByteArray("") << -1 << QByteArray("");
    QTest::newRow("bytes, not characters") << QByteArray("\xe5\xe4\xf6") << 2 << QByteArray("\xe5\xe4");
}

void TestCUtil::trimToLength() {
    QFETCH(QByteArray, text);
    QFETCH(int, n);
    QFETCH(QByteArray, expected);
    QCOMPARE(CUtil::TrimToLength(text.toStdString(), n), expected.toStdString());
}

void TestCUtil::renameIfExists() {
    test::TempDrives d("C");
    const fs::path c = d.folder('C');
    QCOMPARE(CUtil::RenameIfExists("C:\\missing.jpg", "C:\\new.jpg"), 0);
    QVERIFY(!fs::exists(c / "new.jpg"));

    test::writeBytes(c / "old.jpg", "old");
    test::writeBytes(c / "new.jpg", "new");
    QCOMPARE(CUtil::RenameIfExists("C:\\old.jpg", "C:\\new.jpg"), 1);
    QCOMPARE(test::readBytes(c / "old.jpg"), std::string("old"));
    QCOMPARE(test::readBytes(c / "new.jpg"), std::string("new"));

    fs::remove(c / "new.jpg");
    QCOMPARE(CUtil::RenameIfExists("C:\\old.jpg", "C:\\new.jpg"), 0);
    QVERIFY(!fs::exists(c / "old.jpg"));
    QCOMPARE(test::readBytes(c / "new.jpg"), std::string("old"));
}

void TestCUtil::clearReadOnly() {
    test::TempDrives d("C");
    ScriptedPrompter boxes;
    ScopedPrompter scope(boxes);
    CUtil::ClearReadOnly("C:\\missing");
    CUtil::ClearReadOnly("Q:\\missing");
    QVERIFY(boxes.shown().empty());
    QVERIFY(fs::is_empty(d.folder('C')));

    const fs::path dir = d.folder('C') / "DCIM";
    fs::create_directory(dir);
    if (::setxattr(dir.c_str(), "user.probe", "1", 1, 0) != 0 && errno == ENOTSUP)
        QSKIP("no extended attributes here: the hidden flag is not kept");
    QVERIFY(files::setAttributes("C:\\DCIM", files::kReadOnly | files::kHidden));
    QCOMPARE(files::getAttributes("C:\\DCIM"), files::kDirectory | files::kReadOnly | files::kHidden);

    CUtil::ClearReadOnly("C:\\DCIM");
    QCOMPARE(files::getAttributes("C:\\DCIM"), files::kDirectory | files::kHidden);
    struct stat st{};
    QCOMPARE(::stat(dir.c_str(), &st), 0);
    QVERIFY(st.st_mode & S_IWUSR);
}

QTEST_GUILESS_MAIN(TestCUtil)
#include "test_cutil.moc"
