// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// CUtil: calendar, trimming, read-only and rename helpers.

#include <sys/xattr.h>

#include <QTest>

#include "platform/files.h"
#include "support/tempdrives.h"
#include "util/cutil.h"

using namespace wks;
namespace fs = std::filesystem;

class TestCUtil : public QObject {
    Q_OBJECT
  private slots:
    void daysInMonth() {
        struct {
            int year, month, days;
            bool reported;
        } rows[] = {{2000, 2, 29, false},  {1900, 2, 28, false}, {2016, 2, 29, false},
                    {2015, 2, 28, false},  {0, 2, 29, false},    {2015, 4, 30, false},
                    {2015, 12, 31, false}, {2015, 13, 28, true}, {2015, 0, 28, true},
                    {-1, 5, 28, true}};
        for (const auto& r : rows) {
            const MonthDays got = CUtil::GetDayForYMonth(r.year, r.month);
            QCOMPARE(got.days, r.days);
            QCOMPARE(got.report.has_value(), r.reported);
            if (const auto& m = got.report) {
                QCOMPARE(m->english(), std::string("Invalid call for CUtil::GetDayForYMonth() !"));
                QVERIFY(m->caption == "WKS TIPS" && m->icon == Icon::Warning &&
                        m->buttons == Buttons::Ok);
            }
        }
    }

    void dateTime() {
        struct {
            DateTimeRecord t;
            int result;
        } rows[] = {{{1753, 1, 1, 0, 0, 0}, 0},      {{1752, 12, 31, 23, 59, 59}, 1},
                    {{9999, 12, 31, 23, 59, 59}, 0}, {{10000, 1, 1, 0, 0, 0}, 1},
                    {{2016, 2, 29, 0, 0, 0}, 0},     {{2015, 2, 29, 0, 0, 0}, 1},
                    {{1900, 2, 29, 0, 0, 0}, 1},     {{2015, 4, 31, 0, 0, 0}, 1},
                    {{2015, 5, 0, 0, 0, 0}, 1},      {{2015, 5, 1, 24, 0, 0}, 1},
                    {{2015, 5, 1, 0, 60, 0}, 1},     {{2015, 5, 1, 0, 0, 60}, 1},
                    {{2015, 5, 1, -1, 0, 0}, 1},     {{2015, 13, 1, 0, 0, 0}, 1},
                    {{2015, 0, 1, 0, 0, 0}, 1}};
        for (const auto& r : rows) QCOMPARE(CUtil::ChkDateTime(r.t), r.result);
    }

    void trimToLength() {
        struct {
            const char* text;
            int n;
            const char* expected;
        } rows[] = {{"     ", 10, ""},
                    {"  abc  ", 2, "ab"},
                    {"abc", 0, ""},
                    {"  a  b  ", -1, "a  b"},
                    {" \t\n\v\f\rx\r\f\v\n\t ", -1, "x"},
                    {" xy", 1, "x"},
                    {"\tabc\t", 50, "abc"},
                    {"abcdef", 6, "abcdef"},
                    {"", -1, ""},
                    {"\xe5\xe4\xf6", 2, "\xe5\xe4"}};
        for (const auto& r : rows)
            QCOMPARE(CUtil::TrimToLength(r.text, r.n), std::string(r.expected));
    }

    void renameIfExists() {
        test::TempDrives d("C");
        const fs::path c = d.folder('C');
        QVERIFY(CUtil::RenameIfExists("C:\\missing.jpg", "C:\\new.jpg") == 0 && fs::is_empty(c));
        test::writeBytes(c / "old.jpg", "old");
        test::writeBytes(c / "new.jpg", "new");
        QCOMPARE(CUtil::RenameIfExists("C:\\old.jpg", "C:\\new.jpg"), 1);
        QCOMPARE(test::readBytes(c / "old.jpg") + test::readBytes(c / "new.jpg"),
                 std::string("oldnew"));
        fs::remove(c / "new.jpg");
        QCOMPARE(CUtil::RenameIfExists("C:\\old.jpg", "C:\\new.jpg"), 0);
        QVERIFY(!fs::exists(c / "old.jpg") && test::readBytes(c / "new.jpg") == "old");
    }

    void clearReadOnly() {
        test::TempDrives d("C");
        CUtil::ClearReadOnly("C:\\missing");
        CUtil::ClearReadOnly("Q:\\missing");
        QVERIFY(fs::is_empty(d.folder('C')));

        const fs::path dir = d.folder('C') / "DCIM";
        fs::create_directory(dir);
        if (::setxattr(dir.c_str(), "user.probe", "", 0, 0) != 0 && errno == ENOTSUP)
            QSKIP("no extended attributes here: the hidden flag is not kept");
        QVERIFY(files::setAttributes("C:\\DCIM", files::kReadOnly | files::kHidden));
        CUtil::ClearReadOnly("C:\\DCIM");
        QCOMPARE(files::getAttributes("C:\\DCIM"),
                 files::kDirectory | files::kHidden);  // writable, hidden
    }
};

QTEST_GUILESS_MAIN(TestCUtil)
#include "test_cutil.moc"
