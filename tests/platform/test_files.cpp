// The file layer: attributes, refusals, listing, atomic replacement, the read bound.

#include <QTest>

#include <sys/stat.h>
#include <sys/xattr.h>

#include "platform/files.h"
#include "support/tempdrives.h"

using namespace wks::files;
using wks::test::readBytes, wks::test::writeBytes;
namespace fs = std::filesystem;

static mode_t modeOf(const fs::path& p) {
    struct stat st{};
    return ::stat(p.c_str(), &st) == 0 ? st.st_mode & 07777 : 0;
}

class TestFiles : public QObject {
    Q_OBJECT
private slots:
    void attributes() {
        wks::test::TempDrives d("C");
        const fs::path f = d.folder('C') / "f.txt";
        writeBytes(f, "x");
        ::chmod(f.c_str(), 0664);
        QVERIFY(getAttributes("C:\\f.txt") == kNormal && getAttributes("C:\\") == kDirectory);
        QCOMPARE(getAttributes("C:\\none"), kInvalidAttributes);
        QVERIFY(setAttributes("C:\\f.txt", kReadOnly) && isReadOnly("C:\\f.txt"));
        QCOMPARE(modeOf(f) & 0222, 0u);
        QVERIFY(setAttributes("C:\\f.txt", kNormal) && !isReadOnly("C:\\f.txt"));
        QVERIFY(modeOf(f) & S_IWUSR);

        if (::setxattr(f.c_str(), "user.probe", "", 0, 0) != 0 && errno == ENOTSUP)
            QSKIP("no extended attributes here: the hidden flag is not kept");
        for (std::uint32_t a : {kHidden, kHidden | kReadOnly, kReadOnly, kHidden}) {
            QVERIFY(setAttributes("C:\\f.txt", a));
            QCOMPARE(getAttributes("C:\\f.txt"), a);
        }
        char mark[16] = {};  // where Samba and Wine keep it
        QVERIFY(::getxattr(f.c_str(), "user.DOSATTRIB", mark, sizeof mark - 1) > 0);
        QVERIFY(std::strtoul(mark, nullptr, 0) & kHidden);
        QVERIFY(setAttributes("C:\\f.txt", kNormal) && getAttributes("C:\\f.txt") == kNormal);
    }

    void refusals() {
        wks::test::TempDrives d("C");
        const fs::path c = d.folder('C');
        writeBytes(c / "ro.txt", "ro");
        QVERIFY(setAttributes("C:\\ro.txt", kReadOnly) && !deleteFile("C:\\ro.txt"));
        QVERIFY(fs::exists(c / "ro.txt"));
        QVERIFY(setAttributes("C:\\ro.txt", kNormal) && deleteFile("C:\\ro.txt") && !fs::exists(c / "ro.txt"));

        writeBytes(c / "GSM" / "X.TXT", "x");
        QVERIFY(!deleteFile("C:\\GSM") && !removeFolder("C:\\GSM") && fs::exists(c / "GSM" / "X.TXT"));
        QVERIFY(deleteFile("C:\\GSM\\X.TXT") && removeFolder("C:\\GSM") && !fs::exists(c / "GSM"));

        writeBytes(c / "a", "A");
        writeBytes(c / "b", "B");
        QVERIFY(!renameNoReplace("C:\\a", "C:\\b"));
        QCOMPARE(readBytes(c / "a") + readBytes(c / "b"), std::string("AB"));
        QVERIFY(renameNoReplace("C:\\a", "C:\\c") && !fs::exists(c / "a"));

        QVERIFY(!createFolder("C:\\no\\such") && !fs::exists(c / "no"));
        QVERIFY(createFolder("C:\\no") && !createFolder("C:\\no") && createFolder("C:\\no\\such"));
    }

    void listAndRead() {
        wks::test::TempDrives d("C");
        writeBytes(d.folder('C') / "b.txt", "0123456789");
        writeBytes(d.folder('C') / "C.TXT", "");
        fs::create_directory(d.folder('C') / "a");
        QStringList seen;
        for (const Entry& e : listFolder("C:\\").value_or(std::vector<Entry>{}))
            seen << QString::fromStdString(e.name) + (e.folder ? "/" : "");
        QCOMPARE(seen, QStringList({"C.TXT", "a/", "b.txt"}));
        QVERIFY(!listFolder("C:\\missing"));

        QCOMPARE(readFile("C:\\b.txt", 10).value_or("-"), std::string("0123456789"));
        QVERIFY(!readFile("C:\\b.txt", 9) && lastError() == std::errc::file_too_large);
        QVERIFY(!readFile("C:\\missing") && !readFile("C:\\a"));
    }

    void replaceAtomically() {
        wks::test::TempDrives d("C");
        const fs::path f = d.folder('C') / "S.TXT";
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "new") && readBytes(f) == "new");
        ::chmod(f.c_str(), 0640);
        const bool hidden = setAttributes("C:\\S.TXT", kHidden) && getAttributes("C:\\S.TXT") == kHidden;
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "second") && readBytes(f) == "second");
        QCOMPARE(modeOf(f), mode_t(0640));
        QCOMPARE(getAttributes("C:\\S.TXT"), hidden ? kHidden : kNormal);

        QVERIFY(setAttributes("C:\\S.TXT", kReadOnly) && !wks::files::replaceAtomically("C:\\S.TXT", "third"));
        QCOMPARE(readBytes(f), std::string("second"));
        QVERIFY(!wks::files::replaceAtomically("C:\\GSM\\S.TXT", "x") && !fs::exists(d.folder('C') / "GSM"));
        QCOMPARE(listFolder("C:\\")->size(), std::size_t(1));  // no temporary file left beside it

        // A settings file that is a link is written where it leads; the link stays a link.
        fs::create_directory(d.folder('C') / "real");
        writeBytes(d.folder('C') / "real" / "T.TXT", "old");
        fs::create_symlink("real/T.TXT", d.folder('C') / "T.TXT");
        QVERIFY(wks::files::replaceAtomically("C:\\T.TXT", "new"));
        QVERIFY(fs::is_symlink(d.folder('C') / "T.TXT"));
        QCOMPARE(readBytes(d.folder('C') / "real" / "T.TXT"), std::string("new"));
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
