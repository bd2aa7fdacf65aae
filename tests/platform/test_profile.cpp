// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The private-profile primitives on real files.

#include <sys/stat.h>

#include <QTest>
#include <cstring>

#include "platform/files.h"
#include "platform/profile.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {
// The read primitive's result, or "<bad copy>" when the count is wrong or the buffer overrun.
std::string get(const char* section, const char* key, DWORD size, const std::string& path) {
    char buf[64];
    std::memset(buf, '#', sizeof buf);
    DWORD n = GetPrivateProfileStringA(section, key, "DEF", buf, size, path.c_str());
    std::string value(buf);
    return n != value.size() || (size < sizeof buf && buf[size] != '#') ? "<bad copy>" : value;
}
}  // namespace

class TestProfile : public QObject {
    Q_OBJECT
  private slots:
    void read() {
        test::TempDrives d("C");
        const std::string path = (d.folder('C') / "S.TXT").string();
        test::writeBytes(
            path,
            "; [S]\r\n\r\n[Via WAP Settings]\r\nURL=http://a\r\nurl=second\r\n  Key \t=  \t a  b "
            "\t \r\n"
            "Q1= \" x \" "
            "\r\nQ2='x'\r\nQ3=\"x'\r\nQ4=\"\"x\"\"\r\nQ5=\"\r\nEq=b=c=\r\nEmpty=\r\n;Hid=0\r\n"
            "Long=abcdef\r\nBytes=\xe5\xe4\xf6\r\n \t \r\n\r\n[T]\nA=lf\n\n[via wap "
            "settings]\r\nLater=3\r\n"
            "[Camera Setting]\r\nWork Hour StartH=5");
        struct {
            const char* section;
            const char* key;
            DWORD size;
            const char* expected;
        } rows[] = {{"via wap SETTINGS", "url", 64, "http://a"},
                    {"Via WAP Settings", "KEY", 64, "a  b"},
                    {"Via WAP Settings", "Q1", 64, " x "},
                    {"Via WAP Settings", "Q2", 64, "x"},
                    {"Via WAP Settings", "Q3", 64, "\"x'"},
                    {"Via WAP Settings", "Q4", 64, "\"x\""},
                    {"Via WAP Settings", "Q5", 64, "\""},
                    {"Via WAP Settings", "Eq", 64, "b=c="},
                    {"Via WAP Settings", "Empty", 64, ""},
                    {"Via WAP Settings", "Hid", 64, "DEF"},
                    {"Via WAP Settings", "Long", 4, "abc"},
                    {"Via WAP Settings", "Long", 7, "abcdef"},
                    {"Via WAP Settings", "Long", 1, ""},
                    {"Via WAP Settings", "Bytes", 64, "\xe5\xe4\xf6"},
                    {"Via WAP Settings", "Later", 64, "DEF"},
                    {"Via WAP Settings", "A", 64, "DEF"},
                    {"T", "A", 64, "lf"},
                    {"S", "A", 64, "DEF"},
                    {"camera setting", "work hour starth", 64, "5"},
                    {"Missing", "A", 3, "DE"}};
        for (const auto& r : rows)
            QCOMPARE(get(r.section, r.key, r.size, path), std::string(r.expected));
    }

    void write() {
        struct {
            const char* before;
            const char* s;
            const char* k;
            const char* v;
            const char* after;
        } rows[] = {
            {nullptr, "WKSFileMark", "Model", "KT470RX", "[WKSFileMark]\r\nModel=KT470RX\r\n"},
            {nullptr, "S", "K", "", "[S]\r\nK=\r\n"},
            {"", "S", "K", "\xe5 = \xe4", "[S]\r\nK=\xe5 = \xe4\r\n"},
            {"[A]\r\nx=1\r\n", "B", "k", "v", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n"},
            {"[A]\nx=1", "B", "k", "v", "[A]\nx=1\r\n[B]\r\nk=v\r\n"},
            {"[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n", "A", "z", "3",
             "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=2\r\n"},
            {"[A]\r\n\r\n[B]\r\n", "a", "z", "3", "[A]\r\nz=3\r\n\r\n[B]\r\n"},
            {"[A]", "A", "z", "3", "[A]\r\nz=3\r\n"},
            {"[A]\r\nx=1", "A", "z", "3", "[A]\r\nx=1\r\nz=3\r\n"},
            {"[A]\r\nx=1\r\ny=2\r\n", "A", "x", "new", "[A]\r\nx=new\r\ny=2\r\n"},
            {"[A]\r\nKey=1\r\n", "a", "KEY", "", "[A]\r\nKey=\r\n"},
            {"; head\n[A]\nx=1\n\n[B]\r\n y = 2 \r\nz=3", "A", "x", "9",
             "; head\n[A]\nx=9\n\n[B]\r\n y = 2 \r\nz=3"},
            {"[A]\r\nx=1", "A", "x", "2", "[A]\r\nx=2"},
            {"[A]\r\nx=1\r\n[A]\r\nx=2\r\n", "A", "x", "3", "[A]\r\nx=3\r\n[A]\r\nx=2\r\n"},
            {"\xEF\xBB\xBF[A]\r\nx=1\r\n", "A", "x", "2", "\xEF\xBB\xBF[A]\r\nx=2\r\n"}};
        for (const auto& r : rows) {
            test::TempDrives d("C");
            if (r.before) test::writeBytes(d.folder('C') / "GSM" / "S.TXT", r.before);
            fs::create_directory(d.folder('C') / "GSM");
            QCOMPARE(WritePrivateProfileStringA(r.s, r.k, r.v, "c:\\GSM\\S.TXT"), 1);
            QCOMPARE(test::readBytes(d.folder('C') / "GSM" / "S.TXT"), std::string(r.after));
            QCOMPARE(get(r.s, r.k, 64, "C:\\GSM\\S.TXT"), std::string(r.v));
        }
    }

    void utf16Files_data() {
        QTest::addColumn<bool>("bigEndian");
        QTest::newRow("little-endian") << false;
        QTest::newRow("big-endian") << true;
    }

    // Files saved as "Unicode" by an editor: read as Latin-1 text, written back in UTF-16, and
    // lines that Latin-1 cannot hold are kept as they were.
    void utf16Files() {
        QFETCH(bool, bigEndian);
        auto encoded = [&](const QString& text) {
            std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
            for (QChar c : text) {
                const char hi = char(c.unicode() >> 8), lo = char(c.unicode() & 0xFF);
                out += bigEndian ? std::string{hi, lo} : std::string{lo, hi};
            }
            return out;
        };
        const QString before = QString::fromUtf8(
            "[WKSFileMark]\r\nModel=KT470RX\r\n; \u03a9 notes\r\n"
            "[S]\r\nName=J\u00f6rg\r\nCall=\u03a9\r\n");
        test::TempDrives d("C");
        const fs::path p = d.folder('C') / "S.TXT";
        test::writeBytes(p, encoded(before));
        QCOMPARE(get("WKSFileMark", "Model", 64, p.string()), std::string("KT470RX"));
        QCOMPARE(get("S", "Name", 64, p.string()), std::string("J\xf6rg"));
        QCOMPARE(get("S", "Call", 64, p.string()), std::string("?"));
        QCOMPARE(WritePrivateProfileStringA("S", "Name", "Zo\xeb", p.c_str()), 1);
        QCOMPARE(WritePrivateProfileStringA("S", "New", "x", p.c_str()), 1);
        QCOMPARE(test::readBytes(p),
                 encoded(QString(before).replace(QString::fromUtf8("J\u00f6rg"),
                                                 QString::fromUtf8("Zo\u00eb")) +
                         "New=x\r\n"));
    }

    void refusedAndMissing() {
        test::TempDrives d("C");
        const fs::path p = d.folder('C') / "S.TXT";
        QCOMPARE(get("A", "x", 64, p.string()), std::string("DEF"));
        test::writeBytes(p, "");
        QCOMPARE(get("A", "x", 64, p.string()), std::string("DEF"));
        test::writeBytes(p, "[A]\nx=1");
        ::chmod(p.c_str(), 0444);
        QVERIFY(!WritePrivateProfileStringA("A", "x", "2", p.c_str()) &&
                !WritePrivateProfileStringA("B", "y", "2", p.c_str()));
        QVERIFY(test::readBytes(p) == "[A]\nx=1" && files::isReadOnly(p.string()));
        QCOMPARE(std::distance(fs::directory_iterator(d.folder('C')), {}), 1);

        for (const char* missing : {"C:\\GSM\\S.TXT", "Q:\\S.TXT"}) {
            QCOMPARE(WritePrivateProfileStringA("A", "x", "2", missing), 0);
            QCOMPARE(get("A", "x", 64, missing), std::string("DEF"));
        }
        QVERIFY(!fs::exists(d.folder('C') / "GSM"));
    }
};

QTEST_GUILESS_MAIN(TestProfile)
#include "test_profile.moc"
