// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The converter's staging folder: made or emptied, the converter placed, hidden, removed.

#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <QTest>

#include "audio/converter.h"
#include "platform/files.h"
#include "platform/process.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

struct Drive {
    test::TempDrives drives{"C"};
    fs::path temp() const { return drives.folder('C') / "WKS_TEMP"; }
};

// Hidden is kept only where the file system has extended attributes.
bool hiddenIsKept(const fs::path& folder) {
    return ::setxattr(folder.c_str(), "user.wks-probe", "1", 1, 0) == 0;
}

void verifyConverterRuns(const fs::path& program) {
    SystemProcessRunner runner;
    ProcessResult r = runner.run(program.string(), {"-hide_banner", "-version"});
    QVERIFY2(r.succeeded(), r.describe().c_str());
}

void verifyHidden(const fs::path& folder) {
    if (hiddenIsKept(folder)) QVERIFY(files::getAttributes(folder.string()) & files::kHidden);
}

}  // namespace

class TestStaging : public QObject {
    Q_OBJECT
  private slots:
    void stagesIntoMissingFolder();
    void emptiesFolderLeftFromEarlierRun();
    void reportsStagedFileThatCannotBeDeleted();
    void withoutInstalledConverterStagesNothing();
    void removal_data();
    void removal();
    void runsShareTheFolder();
};

void TestStaging::stagesIntoMissingFolder() {
    Drive c;
    const Staging staging = StageConverter();
    QVERIFY(staging.ready && !staging.message);
    QCOMPARE(fs::directory_iterator(c.temp())->path().filename().string(),
             std::string("ffmpeg.exe"));
    verifyConverterRuns(c.temp() / "ffmpeg.exe");
    verifyHidden(c.temp());
}

void TestStaging::emptiesFolderLeftFromEarlierRun() {
    Drive c;
    test::writeBytes(c.temp() / "ffmpeg.exe", "stale converter");
    test::writeBytes(c.temp() / "_[wkstmp]_.bat", "old line");
    test::writeBytes(c.temp() / "sub" / "deeper" / "left.dll", "x");
    test::writeBytes(c.temp() / "sub" / "a\\b", "a name with a backslash");
    const Staging staging = StageConverter();
    QVERIFY(staging.ready && !staging.message);
    QVERIFY(fs::is_empty(c.temp() / "sub" / "deeper"));
    QVERIFY(!fs::exists(c.temp() / "sub" / "a\\b"));
    QVERIFY(!fs::exists(c.temp() / "_[wkstmp]_.bat"));
    verifyConverterRuns(c.temp() / "ffmpeg.exe");
    verifyHidden(c.temp());
}

void TestStaging::reportsStagedFileThatCannotBeDeleted() {
    Drive c;
    test::writeBytes(c.temp() / "sub" / "locked.dll", "in use");
    test::writeBytes(c.temp() / "sub" / "zz.dll", "x");
    test::writeBytes(c.temp() / "avcodec.dll", "x");
    ::chmod((c.temp() / "sub" / "locked.dll").c_str(), 0444);
    QVERIFY(!EmptyFolder("C:\\WKS_TEMP"));
    QVERIFY(fs::exists(c.temp() / "sub" / "locked.dll"));
    QVERIFY(!fs::exists(c.temp() / "sub" / "zz.dll"));  // the others are deleted all the same
    QVERIFY(!fs::exists(c.temp() / "avcodec.dll"));

    const Staging staging = StageConverter();
    QVERIFY(!staging.ready && staging.message);
    const Message& box = *staging.message;
    QCOMPARE(QString::fromStdString(box.caption), QString(kAppTitle));
    QCOMPARE(QString::fromStdString(box.english()),
             QString("Delete Directory \"C:\\WKS_TEMP\" failed !"));
    QCOMPARE(int(box.buttons), int(Buttons::Ok));
    QCOMPARE(int(box.icon), int(Icon::None));
    verifyConverterRuns(c.temp() / "ffmpeg.exe");  // staging went on
}

void TestStaging::withoutInstalledConverterStagesNothing() {
    Drive c;
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", emptyPath.path().toLocal8Bit());
    const Staging staged = StageConverter();
    qputenv("PATH", path);
    QVERIFY(!staged.ready && !staged.message);
    QVERIFY(fs::is_directory(c.temp()));
    QVERIFY(fs::is_empty(c.temp()));
}

void TestStaging::removal_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("folderStays");
    QTest::newRow("staged") << "staged" << false;
    QTest::newRow("read-only folder") << "read-only" << false;
    QTest::newRow("someone's sub-folder inside") << "sub-folder" << true;
    QTest::newRow("never staged") << "" << false;
}

void TestStaging::removal() {
    QFETCH(QString, before);
    QFETCH(bool, folderStays);
    Drive c;
    if (!before.isEmpty()) {
        QVERIFY(StageConverter().ready);
        test::writeBytes(c.temp() / "_[wkstmp]_.bat", "line");
    }
    if (before == "read-only") ::chmod(c.temp().c_str(), 0555);
    if (before == "sub-folder") test::writeBytes(c.temp() / "mine" / "notes.txt", "x");

    QCOMPARE(RemoveConverter(), !before.isEmpty() && !folderStays);
    QCOMPARE(fs::exists(c.temp()), folderStays);
    if (folderStays) {
        QVERIFY(!fs::exists(fs::symlink_status(c.temp() / "ffmpeg.exe")));
        QVERIFY(fs::is_empty(c.temp() / "mine"));
    }
}

// Two runs at once: another process stages and holds the folder; this run's staging keeps
// what the other run put there, its removal leaves the folder to the other run, and the
// other run, the last one out, removes it.
void TestStaging::runsShareTheFolder() {
    Drive c;
    int up[2], down[2];
    QVERIFY(::pipe(up) == 0 && ::pipe(down) == 0);
    const pid_t other = ::fork();
    if (other == 0) {
        ::close(up[0]);
        ::close(down[1]);
        char staged = StageConverter().ready ? 1 : 0;
        if (staged) wks::test::writeBytes(c.temp() / "_[wkstmp]_.bat", "the other run's line");
        (void)!::write(up[1], &staged, 1);
        (void)!::read(down[0], &staged, 1);  // until this run lets it go
        (void)RemoveConverter();             // the folder's fate is checked by the parent
        ::_exit(0);
    }
    ::close(up[1]);
    ::close(down[0]);
    char staged = 0;
    QVERIFY(::read(up[0], &staged, 1) == 1 && staged);
    ::close(up[0]);

    QVERIFY(StageConverter().ready);
    QCOMPARE(wks::test::readBytes(c.temp() / "_[wkstmp]_.bat"),
             std::string("the other run's line"));
    QVERIFY(!RemoveConverter());
    verifyConverterRuns(c.temp() / "ffmpeg.exe");

    ::close(down[1]);
    int status = -1;
    ::waitpid(other, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QVERIFY(!fs::exists(c.temp()));
}

QTEST_GUILESS_MAIN(TestStaging)
#include "test_staging.moc"
