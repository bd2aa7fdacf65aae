// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The file layer: attributes, refusals, listing, atomic replacement, the read bound, links,
// owners, and cards that cannot keep modes.

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QTest>

#include "platform/files.h"
#include "support/tempdrives.h"

using namespace wks::files;
using wks::test::readBytes, wks::test::writeBytes;
namespace fs = std::filesystem;

static mode_t modeOf(const fs::path& p) {
    struct stat st {};
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
        QVERIFY(setAttributes("C:\\ro.txt", kNormal) && deleteFile("C:\\ro.txt") &&
                !fs::exists(c / "ro.txt"));

        writeBytes(c / "GSM" / "X.TXT", "x");
        QVERIFY(!deleteFile("C:\\GSM") && !removeFolder("C:\\GSM") &&
                fs::exists(c / "GSM" / "X.TXT"));
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
        QVERIFY(readFile("C:\\b.txt", 9).error() == std::errc::file_too_large);
        QVERIFY(!readFile("C:\\missing") && !readFile("C:\\a"));
    }

    void replaceAtomically() {
        wks::test::TempDrives d("C");
        const fs::path f = d.folder('C') / "S.TXT";
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "new") && readBytes(f) == "new");
        ::chmod(f.c_str(), 0640);
        const bool hidden =
            setAttributes("C:\\S.TXT", kHidden) && getAttributes("C:\\S.TXT") == kHidden;
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "second") && readBytes(f) == "second");
        QCOMPARE(modeOf(f), mode_t(0640));
        QCOMPARE(getAttributes("C:\\S.TXT"), hidden ? kHidden : kNormal);

        QVERIFY(setAttributes("C:\\S.TXT", kReadOnly) &&
                !wks::files::replaceAtomically("C:\\S.TXT", "third"));
        QCOMPARE(readBytes(f), std::string("second"));
        QVERIFY(!wks::files::replaceAtomically("C:\\GSM\\S.TXT", "x") &&
                !fs::exists(d.folder('C') / "GSM"));
        QCOMPARE(listFolder("C:\\")->size(), std::size_t(1));  // no temporary file left beside it

        // A settings file that is a link is written where it leads; the link stays a link.
        fs::create_directory(d.folder('C') / "real");
        writeBytes(d.folder('C') / "real" / "T.TXT", "old");
        fs::create_symlink("real/T.TXT", d.folder('C') / "T.TXT");
        QVERIFY(wks::files::replaceAtomically("C:\\T.TXT", "new"));
        QVERIFY(fs::is_symlink(d.folder('C') / "T.TXT"));
        QCOMPARE(readBytes(d.folder('C') / "real" / "T.TXT"), std::string("new"));
    }

    // Nothing waits on a FIFO; what is no regular file, or is past the read bound, is neither
    // read nor replaced, and the writer never makes a file it could not read back.
    void specialFiles() {
        wks::test::TempDrives d("C");
        const fs::path c = d.folder('C');
        QCOMPARE(::mkfifo((c / "fifo").c_str(), 0644), 0);
        fs::create_directory(c / "dir");
        writeBytes(c / "big", std::string(kMaxReadBytes + 1, 'x'));
        for (const char* name : {"fifo", "dir", "big"}) {
            const std::string p = std::string("C:\\") + name;
            const auto read = readFile(p);
            QVERIFY2(!read && read.error() && read.message() != "Success", name);
            if (std::string(name) == "big") continue;
            QVERIFY2(!writeNewFile(p, "x") && !wks::files::replaceAtomically(p, "x"), name);
        }
        QVERIFY(fs::is_fifo(c / "fifo") && fs::is_directory(c / "dir"));
        const Status big =
            wks::files::replaceAtomically("C:\\big", std::string(kMaxReadBytes + 1, 'y'));
        QVERIFY(big.error() == std::errc::file_too_large && readBytes(c / "big")[0] == 'x');
        // A letter with no drive is a reason of its own.
        QVERIFY(readFile("C:\\big", kMaxReadBytes + 1) &&
                native("Q:\\x").error() == std::errc::no_such_device);
    }

    // A link that leads out of its drive's folder is never written through, nor its target's
    // mode changed; one inside the drive is followed; a link to a folder is removed as a link.
    void linksStayInTheirDrive() {
        wks::test::TempDrives d("C");
        const fs::path c = d.folder('C'), outside = d.root() / "outside";
        fs::create_directory(outside);
        writeBytes(outside / "T.TXT", "theirs");
        ::chmod((outside / "T.TXT").c_str(), 0444);
        fs::create_directory_symlink(outside, c / "GSM");
        fs::create_symlink(outside / "T.TXT", c / "T.TXT");
        fs::create_directory(c / "real");
        fs::create_directory_symlink("real", c / "IN");

        const Status through = wks::files::replaceAtomically("C:\\GSM\\X.TXT", "x");
        QVERIFY(!through && !writeNewFile("C:\\GSM\\b.bat", "x"));
        QVERIFY(through.message().find("outside") != std::string::npos);
        QVERIFY(!createFolder("C:\\GSM\\sub") && !wks::files::replaceAtomically("C:\\T.TXT", "x"));
        QVERIFY(!setAttributes("C:\\T.TXT", kNormal) && !setAttributes("C:\\GSM", kHidden));
        QCOMPARE(modeOf(outside / "T.TXT"), mode_t(0444));
        QCOMPARE(std::distance(fs::directory_iterator(outside), fs::directory_iterator()), 1L);
        QCOMPARE(readBytes(outside / "T.TXT"), std::string("theirs"));

        QVERIFY(wks::files::replaceAtomically("C:\\IN\\X.TXT", "x") &&
                readBytes(c / "real" / "X.TXT") == "x");
        QVERIFY(removeFolder("C:\\GSM") && !fs::exists(fs::symlink_status(c / "GSM")));
        QVERIFY(deleteFile("C:\\T.TXT") && fs::exists(outside / "T.TXT"));
    }

    // A path under names that are not there still has a native form, unless a link on the
    // way leads to nothing or out of the drive.
    void pathsThroughMissingNames() {
        wks::test::TempDrives d("C");
        const fs::path c = d.folder('C'), outside = d.root() / "outside";
        fs::create_directory(outside);
        fs::create_directory(c / "gsm");
        fs::create_directory_symlink("nowhere", c / "GONE");
        fs::create_directory_symlink(outside, c / "OUT");
        struct {
            const char* path;
            bool keepLast;
            fs::path expected;
        } rows[] = {{"C:\\NONE\\SUB\\X.TXT", false, c / "NONE" / "SUB" / "X.TXT"},
                    {"C:\\GSM\\NONE\\X.TXT", false, c / "gsm" / "NONE" / "X.TXT"},
                    {"C:\\GONE\\X.TXT", false, {}},
                    {"C:\\GONE\\SUB\\X.TXT", false, {}},
                    {"C:\\GONE", true, c / "GONE"},
                    {"C:\\OUT\\NONE\\X.TXT", false, {}},
                    {"C:\\OUT\\NONE", true, {}}};
        for (const auto& r : rows) {
            const auto p = r.keepLast ? nativeName(r.path) : native(r.path);
            QCOMPARE(fs::path(p.value_or("")), r.expected);
        }
    }

    // A replaced file keeps its owner and group; one whose owner cannot be kept is refused.
    void ownerAndGroupKept() {
        if (::geteuid() != 0) QSKIP("giving a file to another user takes root");
        wks::test::TempDrives d("C");
        const fs::path f = d.folder('C') / "S.TXT";
        writeBytes(f, "old");
        QVERIFY(::chown(f.c_str(), 4321, 4322) == 0 && ::chmod(f.c_str(), 0606) == 0);
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "new") && readBytes(f) == "new");
        struct stat st {};
        QVERIFY(::stat(f.c_str(), &st) == 0);
        QVERIFY(st.st_uid == 4321 && st.st_gid == 4322 && (st.st_mode & 07777) == 0606);

        // Another user who may write in the folder and the file does not take the file over.
        ::chmod(d.root().c_str(), 0755);
        ::chmod(d.folder('C').c_str(), 0777);
        const pid_t child = ::fork();
        if (child == 0) {
            const bool ok = ::setgid(4400) == 0 && ::setuid(4400) == 0;
            ::_exit(ok && !wks::files::replaceAtomically("C:\\S.TXT", "taken") ? 0 : 1);
        }
        int status = -1;
        ::waitpid(child, &status, 0);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QVERIFY(::stat(f.c_str(), &st) == 0 && st.st_uid == 4321 && readBytes(f) == "new");
    }

    // A card that cannot keep modes or extended attributes (FAT through FUSE, some shares)
    // refuses the change as unsupported; the file is written all the same. Other errors fail.
    void modesTheCardCannotKeep() {
        wks::test::TempDrives d("C");
        const fs::path f = d.folder('C') / "S.TXT";
        const struct {
            int error;
            bool written;
        } rows[] = {{ENOSYS, true}, {ENOTSUP, true}, {EPERM, true}, {EIO, false}, {EACCES, false}};
        for (const auto& r : rows) {
            writeBytes(f, "old");
            faults::failAt(2, r.error);  // the new file's mode
            const bool written = wks::files::replaceAtomically("C:\\S.TXT", "new").ok();
            QVERIFY(faults::fired());
            faults::reset();
            QCOMPARE(written, r.written);
            QCOMPARE(readBytes(f), std::string(r.written ? "new" : "old"));
            QCOMPARE(listFolder("C:\\")->size(), std::size_t(1));
        }
    }

    // Temporary files of a write that was killed go with the next write of the same file.
    void leftoversOfAKilledWrite() {
        wks::test::TempDrives d("C");
        const fs::path c = d.folder('C');
        writeBytes(c / "S.TXT", "old");
        const QStringList gone = {"S.TXT.wkstmp-a1B2c3", "s.txt.wkstmp-ZZZZZZ"};
        const QStringList kept = {"S.TXT.wkstmp-", "T.TXT.wkstmp-a1b2c3", "S.TXT.bak",
                                  "S.TXT.wkstmp-a1b2c3d"};
        for (const QString& n : gone + kept) writeBytes(c / n.toStdString(), "part");
        QVERIFY(wks::files::replaceAtomically("C:\\S.TXT", "new"));
        QStringList seen;
        const auto entries = listFolder("C:\\");
        for (const Entry& e : entries.value_or(std::vector<Entry>{}))
            seen << QString::fromStdString(e.name);
        QStringList expected = kept + QStringList{"S.TXT"};
        expected.sort();
        QCOMPARE(seen, expected);
    }
};

QTEST_GUILESS_MAIN(TestFiles)
#include "test_files.moc"
