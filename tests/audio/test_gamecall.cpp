// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The game call onto the card: folders, the old file, the camera's first files, the batch
// file and the real converter.

#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <cerrno>
#include <optional>

#include "audio/converter.h"
#include "audio/gamecall.h"
#include "audiotools.h"
#include "platform/files.h"
#include "session/gamecallsave.h"
#include "session/prompts.h"
#include "support/tempdrives.h"

using namespace wks;
namespace fs = std::filesystem;

namespace {

const char* kSavePath = "E:\\GSM\\KT470RX.TXT";

// Drives C: and E: (the card), the boxes shown, and the converter staged; one per test.
struct Card {
    test::TempDrives drives{"CE"};
    ScriptedPrompter boxes;
    ScopedPrompter scope{boxes};
    explicit Card(bool stage = true) {
        // A test that needs the converter finds out in the conversion whether it was staged.
        if (stage) (void)StageConverter();
    }
    fs::path folder() const { return drives.folder('E') / "DCIM" / "100WKSIM"; }
    QString target() const { return QString::fromStdString((folder() / "ADUI0001.WAV").string()); }
    void put(const char* name, const std::string& bytes = "x") {
        test::writeBytes(folder() / name, bytes);
    }
    bool has(const char* name) const { return fs::exists(folder() / name); }
};

// Counts the converter's runs and notes how many boxes had been shown when it started.
struct Watch : ProcessObserver {
    const ScriptedPrompter& boxes;
    int runs = 0;
    std::size_t boxesBefore = 0;
    explicit Watch(const ScriptedPrompter& b) : boxes(b) {}
    void processStarted(const std::string&, const std::vector<std::string>&) override {
        ++runs;
        boxesBefore = boxes.shown().size();
    }
};

// Stands in for the converter where its exit alone matters: records its call, leaves
// `leaves` as the target and exits with `status`.
struct FakeConverter : ProcessRunner {
    int status = 0;
    bool killed = false;
    std::optional<std::string> leaves;
    long failAfter = 0;  // the nth changing file operation after the run fails with EIO
    std::string program;
    std::vector<std::string> args;
    ProcessResult run(const std::string& p, const std::vector<std::string>& a) override {
        program = p;
        args = a;
        if (leaves) test::writeBytes(a.back(), *leaves);
        if (failAfter) files::faults::failAt(failAfter, EIO);
        ProcessResult r;
        r.outcome = killed ? ProcessResult::Outcome::Killed : ProcessResult::Outcome::Exited;
        r.exitCode = status;
        r.signal = killed ? 9 : 0;
        return r;
    }
};

void expectBox(const Message& m, const char* caption, const QString& text, Buttons buttons,
               Icon icon) {
    QCOMPARE(QString::fromStdString(m.caption), QString(caption));
    QCOMPARE(QString::fromStdString(m.english()), text);
    QCOMPARE(int(m.buttons), int(buttons));
    QCOMPARE(int(m.icon), int(icon));
}

const QString kQuestion =
    "You must rename the existed \"IMAG0001.JPG\" and \"VIDE0001.AVI\" "
    "if you want to save the audio file ,continue ?";
const QString kRenameFailed =
    "Failed to rename \"IMAG0001.JPG\" or \"VIDE0001.AVI\" !\n"
    " You can delete or rename them manually !";

}  // namespace

class TestGameCall : public QObject {
    Q_OBJECT
    QTemporaryDir sources_;
    QString source(const char* ext) const { return sources_.filePath(QString("tone.") + ext); }

  private slots:
    void initTestCase();
    void convertsOntoCardWithoutPictureFolder_data();
    void convertsOntoCardWithoutPictureFolder();
    void onlyVideoIsRenamedAfterQuestion();
    void declinedQuestionConvertsNothing();
    void blockedRenameConvertsNothing_data();
    void blockedRenameConvertsNothing();
    void oldGameCall();
    void blankSourceDoesNothing();
    void batchFileHoldsTheCommandLine();
    void nothingInTheSourceNameIsExecuted();
    void failedConversions_data();
    void failedConversions();
    void converterArgumentsAndWhatItLeaves();
    void unfinishedConversionKeepsOldCall_data();
    void unfinishedConversionKeepsOldCall();
    void unflushedCallKeepsOldCall();
    void cardsOwnFilesAsSource_data();
    void cardsOwnFilesAsSource();
    void nothingWrittenThroughTheTemporaryName_data();
    void nothingWrittenThroughTheTemporaryName();
};

void TestGameCall::initTestCase() {
    for (const char* ext : {"mp3", "wav", "aac"}) QVERIFY(test::makeTone(source(ext), 3.0));
}

void TestGameCall::convertsOntoCardWithoutPictureFolder_data() {
    QTest::addColumn<QString>("ext");
    QTest::addColumn<bool>("stagingGone");  // another run removed the staging folder
    QTest::newRow("mp3") << "mp3" << false;
    QTest::newRow("wav") << "wav" << false;
    QTest::newRow("aac") << "aac" << false;
    QTest::newRow("wav, staging folder gone") << "wav" << true;
}

void TestGameCall::convertsOntoCardWithoutPictureFolder() {
    QFETCH(QString, ext);
    QFETCH(bool, stagingGone);
    Card card;
    if (stagingGone) fs::remove_all(card.drives.folder('C') / "WKS_TEMP");
    SystemProcessRunner runner;
    QCOMPARE(SaveGameCallAudio(kSavePath, source(qPrintable(ext)).toStdString(), runner),
             GameCallResult::Placed);
    QCOMPARE(card.boxes.shown().size(), std::size_t(0));
    WKS_VERIFY_GAME_CALL(card.target(), source(qPrintable(ext)));
}

void TestGameCall::onlyVideoIsRenamedAfterQuestion() {
    Card card;
    card.put("VIDE0001.AVI", "video");
    ::chmod((card.folder() / "VIDE0001.AVI").c_str(), 0444);
    SystemProcessRunner runner;
    Watch watch(card.boxes);
    runner.setObserver(&watch);
    QCOMPARE(SaveGameCallAudio(kSavePath, source("mp3").toStdString(), runner),
             GameCallResult::Placed);

    const auto& shown = card.boxes.shown();
    QCOMPARE(shown.size(), std::size_t(2));
    expectBox(shown[0], kCaptionTipsMixed, kQuestion, Buttons::OkCancel, Icon::Information);
    expectBox(shown[1], kAppTitle, "OK,audio file have been saved !", Buttons::Ok, Icon::None);
    QCOMPARE(watch.boxesBefore, std::size_t(2));  // both shown before the converter ran
    QVERIFY(!card.has("VIDE0001.AVI"));
    QCOMPARE(test::readBytes(card.folder() / "VIDE0001_RenameForSaveAudioFile.AVI"),
             std::string("video"));
    QVERIFY(!files::isReadOnly((card.folder() / "VIDE0001_RenameForSaveAudioFile.AVI").string()));
    QVERIFY(!card.has("IMAG0001_RenameForSaveAudioFile.JPG"));
    WKS_VERIFY_GAME_CALL(card.target(), source("mp3"));
}

void TestGameCall::declinedQuestionConvertsNothing() {
    Card card;
    for (const char* name : {"IMAG0001.JPG", "VIDE0001.AVI", "ADUI0001.WAV"}) {
        card.put(name, name);
        ::chmod((card.folder() / name).c_str(), 0444);
    }
    card.boxes.script({Answer::Cancel});
    SystemProcessRunner runner;
    Watch watch(card.boxes);
    runner.setObserver(&watch);
    QCOMPARE(SaveGameCallAudio(kSavePath, source("wav").toStdString(), runner),
             GameCallResult::GivenUp);

    QCOMPARE(card.boxes.shown().size(), std::size_t(2));
    expectBox(card.boxes.shown()[1], kCaptionTips, "You have given up saving audio file !",
              Buttons::Ok, Icon::Information);
    QCOMPARE(watch.runs, 0);
    // The card keeps its old game call and the camera's files, read-only as they were.
    for (const char* name : {"IMAG0001.JPG", "VIDE0001.AVI", "ADUI0001.WAV"}) {
        QCOMPARE(test::readBytes(card.folder() / name), std::string(name));
        QVERIFY2(files::isReadOnly((card.folder() / name).string()), name);
    }
}

void TestGameCall::blockedRenameConvertsNothing_data() {
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<bool>("pictureRenamed");
    QTest::newRow("picture's new name taken") << "IMAG0001_RenameForSaveAudioFile.JPG" << false;
    QTest::newRow("video's new name taken") << "VIDE0001_RenameForSaveAudioFile.AVI" << true;
}

void TestGameCall::blockedRenameConvertsNothing() {
    QFETCH(QString, blocker);
    QFETCH(bool, pictureRenamed);
    Card card;
    card.put("IMAG0001.JPG", "new picture");
    card.put("VIDE0001.AVI", "new video");
    card.put(qPrintable(blocker), "renamed by an earlier save");
    SystemProcessRunner runner;
    Watch watch(card.boxes);
    runner.setObserver(&watch);
    QCOMPARE(SaveGameCallAudio(kSavePath, source("mp3").toStdString(), runner),
             GameCallResult::Failed);

    QCOMPARE(card.boxes.shown().size(), std::size_t(2));
    expectBox(card.boxes.shown()[1], kCaptionTipsMixed, kRenameFailed, Buttons::Ok, Icon::Warning);
    QCOMPARE(watch.runs, 0);
    QCOMPARE(test::readBytes(card.folder() / qPrintable(blocker)),
             std::string("renamed by an earlier save"));
    QCOMPARE(card.has("IMAG0001.JPG"), !pictureRenamed);  // a first rename is not undone
    QVERIFY(card.has("VIDE0001.AVI"));
    QVERIFY(!card.has("ADUI0001.WAV"));
}

void TestGameCall::oldGameCall() {
    {  // a read-only one from an earlier save is replaced without a question
        Card card;
        card.put("ADUI0001.WAV", "old call");
        ::chmod((card.folder() / "ADUI0001.WAV").c_str(), 0444);
        SystemProcessRunner runner;
        QCOMPARE(SaveGameCallAudio(kSavePath, source("aac").toStdString(), runner),
                 GameCallResult::Placed);
        QCOMPARE(card.boxes.shown().size(), std::size_t(0));
        WKS_VERIFY_GAME_CALL(card.target(), source("aac"));
    }
    {  // one that cannot be deleted stops the save
        Card card;
        fs::create_directories(card.folder() / "ADUI0001.WAV");
        SystemProcessRunner runner;
        Watch watch(card.boxes);
        runner.setObserver(&watch);
        QCOMPARE(SaveGameCallAudio(kSavePath, source("aac").toStdString(), runner),
                 GameCallResult::Failed);
        QCOMPARE(card.boxes.shown().size(), std::size_t(1));
        expectBox(card.boxes.shown()[0], kAppTitle,
                  "Failed to delete E:\\DCIM\\100WKSIM\\ADUI0001.WAV !", Buttons::Ok, Icon::None);
        QCOMPARE(watch.runs, 0);
    }
}

void TestGameCall::blankSourceDoesNothing() {
    Card card;
    FakeConverter converter;
    QCOMPARE(SaveGameCallAudio(kSavePath, "   \t ", converter), GameCallResult::NoSource);
    QVERIFY(card.boxes.shown().empty());
    QVERIFY(converter.program.empty());
    QVERIFY(!fs::exists(card.drives.folder('E') / "DCIM"));
    QVERIFY(!fs::exists(card.drives.folder('C') / "WKS_TEMP" / "_[wkstmp]_.bat"));
}

void TestGameCall::batchFileHoldsTheCommandLine() {
    Card card;
    card.drives.add('D');
    FakeConverter converter;
    converter.leaves = "RIFF";
    QCOMPARE(SaveGameCallAudio(kSavePath, "  D:\\Calls\\deer grunt.mp3 ", converter),
             GameCallResult::Placed);
    QCOMPARE(test::readBytes(card.drives.folder('C') / "WKS_TEMP" / "_[wkstmp]_.bat"),
             std::string("\"C:\\WKS_TEMP\\ffmpeg.exe\" -i \"D:\\Calls\\deer grunt.mp3\" -ac 1 -ar "
                         "22050 -acodec pcm_u8 \"E:\\DCIM\\100WKSIM\\ADUI0001.WAV\""));
}

void TestGameCall::nothingInTheSourceNameIsExecuted() {
    Card card;
    QTemporaryDir work;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    const std::string name =
        "a b $(touch pwned1) 'q' \"d\" `touch pwned2` %PATH% & touch pwned3 ; touch pwned4 !x.mp3";
    const fs::path hostile = fs::path(work.path().toStdString()) / name;
    fs::copy_file(source("mp3").toStdString(), hostile);
    SystemProcessRunner runner;
    const GameCallResult saved = SaveGameCallAudio(kSavePath, hostile.string(), runner);
    QDir::setCurrent(previous);

    for (const fs::path& where : {fs::path(work.path().toStdString()), card.drives.root()}) {
        for (const auto& e : fs::recursive_directory_iterator(where)) {
            QVERIFY2(e.path().filename().string().rfind("pwned", 0) != 0, e.path().c_str());
        }
    }
    QCOMPARE(saved, GameCallResult::Placed);
    QVERIFY(card.boxes.shown().empty());
    WKS_VERIFY_GAME_CALL(card.target(), QString::fromStdString(hostile.string()));
    const std::string batch =
        test::readBytes(card.drives.folder('C') / "WKS_TEMP" / "_[wkstmp]_.bat");
    QVERIFY(batch.find("\"" + hostile.string() + "\"") != std::string::npos);
}

void TestGameCall::failedConversions_data() {
    QTest::addColumn<QString>("situation");
    QTest::addColumn<bool>("converterStarts");
    QTest::newRow("source is no audio") << "not audio" << true;
    QTest::newRow("converter not installed") << "not installed" << false;
    QTest::newRow("staging folder cannot be made") << "no folder" << false;
    QTest::newRow("source on a drive that is gone") << "no drive" << false;
}

void TestGameCall::failedConversions() {
    QFETCH(QString, situation);
    QFETCH(bool, converterStarts);
    Card card(situation == "not audio" || situation == "no drive");
    if (situation == "no folder") test::writeBytes(card.drives.folder('C') / "WKS_TEMP", "a file");
    QTemporaryDir emptyPath;
    const QByteArray path = qgetenv("PATH");
    if (situation == "not installed") qputenv("PATH", emptyPath.path().toLocal8Bit());
    QTemporaryDir work;
    const QString notAudio = work.filePath("notes.mp3");
    test::writeBytes(notAudio.toStdString(), "these are no sounds");
    SystemProcessRunner runner;
    Watch watch(card.boxes);
    runner.setObserver(&watch);
    const QString from = situation == "not audio"  ? notAudio
                         : situation == "no drive" ? "Q:\\Calls\\call.mp3"
                                                   : source("mp3");
    const GameCallResult result = SaveGameCallAudio(kSavePath, from.toStdString(), runner);
    qputenv("PATH", path);
    QCOMPARE(result, situation == "no folder" ? GameCallResult::Stopped : GameCallResult::Failed);

    QCOMPARE(watch.runs, converterStarts ? 1 : 0);
    QVERIFY(!card.has("ADUI0001.WAV"));
    QCOMPARE(card.boxes.shown().size(), std::size_t(1));
    const Message& box = card.boxes.shown()[0];
    QCOMPARE(QString::fromStdString(box.caption), QString(kAppTitle));
    if (situation == "no folder") {
        QVERIFY(QString::fromStdString(box.english())
                    .startsWith("Cannot write C:\\WKS_TEMP\\_[wkstmp]_.bat"));
    } else if (situation == "not installed") {  // the user learns what is missing
        expectBox(box, kAppTitle,
                  "Transform Failed.\nffmpeg is not installed, and the game call is converted "
                  "with it: install the package ffmpeg.",
                  Buttons::Ok, Icon::None);
    } else if (situation == "not audio") {  // ffmpeg's own reason, its last lines
        const QStringList lines = QString::fromStdString(box.english()).split('\n');
        QVERIFY2(lines.size() >= 2 && lines.size() <= 4, qPrintable(lines.join('|')));
        QCOMPARE(lines[0], "Transform Failed.");
        QVERIFY2(lines.last().startsWith(notAudio + ": "), qPrintable(lines.last()));
    } else {
        expectBox(box, kAppTitle, "Transform Failed.", Buttons::Ok, Icon::None);
    }
}

void TestGameCall::converterArgumentsAndWhatItLeaves() {
    Card card;
    const std::string nativeSource = source("wav").toStdString();
    FakeConverter converter;  // exits 0 but writes nothing
    QCOMPARE(SaveGameCallAudio(kSavePath, nativeSource, converter), GameCallResult::Failed);
    expectBox(card.boxes.shown().at(0), kAppTitle, "Transform Failed.", Buttons::Ok, Icon::None);
    QCOMPARE(converter.program, (card.drives.folder('C') / "WKS_TEMP" / "ffmpeg.exe").string());
    // Written beside the target under a name that keeps the WAV ending.
    const std::vector<std::string> expected{
        "-i",      nativeSource, "-ac",
        "1",       "-ar",        "22050",
        "-acodec", "pcm_u8",     (card.folder() / "ADUI0001.wkstmp.WAV").string()};
    QVERIFY(converter.args == expected);
}

void TestGameCall::unfinishedConversionKeepsOldCall_data() {
    QTest::addColumn<bool>("killed");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("leaves");
    QTest::newRow("killed half-way") << true << 0 << "RIFF....WA";
    QTest::newRow("failed half-way") << false << 1 << "RIFF....WAVEfmt";
    QTest::newRow("ended well, wrote nothing") << false << 0 << "";
}

void TestGameCall::unfinishedConversionKeepsOldCall() {
    QFETCH(bool, killed);
    QFETCH(int, status);
    QFETCH(QString, leaves);
    Card card;
    card.put("ADUI0001.WAV", "old call");
    ::chmod((card.folder() / "ADUI0001.WAV").c_str(), 0444);
    FakeConverter converter;
    converter.killed = killed;
    converter.status = status;
    converter.leaves = leaves.toStdString();
    QCOMPARE(SaveGameCallAudio(kSavePath, source("mp3").toStdString(), converter),
             GameCallResult::Failed);
    expectBox(card.boxes.shown().at(0), kAppTitle, "Transform Failed.", Buttons::Ok, Icon::None);
    // Only the old call is left in the folder, whole and as it was.
    std::vector<std::string> names;
    for (const auto& e : fs::directory_iterator(card.folder()))
        names.push_back(e.path().filename());
    QCOMPARE(names, std::vector<std::string>{"ADUI0001.WAV"});
    QCOMPARE(test::readBytes(card.folder() / "ADUI0001.WAV"), std::string("old call"));
    QVERIFY(files::isReadOnly((card.folder() / "ADUI0001.WAV").string()));
}

// A game call that did not reach the card never replaces the old one: each step that puts
// the converted call in place (its flush, the rename, the folder's flush) fails in turn.
void TestGameCall::unflushedCallKeepsOldCall() {
    for (long n = 1;; ++n) {
        Card card;
        card.put("ADUI0001.WAV", "old call");
        FakeConverter converter;
        converter.leaves = "RIFF new call";
        converter.failAfter = n;
        const GameCallResult result =
            SaveGameCallAudio(kSavePath, source("mp3").toStdString(), converter);
        const bool fired = files::faults::fired();
        files::faults::reset();
        const std::string call = test::readBytes(card.folder() / "ADUI0001.WAV");
        if (!fired) {
            QVERIFY2(n > 1, "nothing after the conversion can fail");
            QCOMPARE(result, GameCallResult::Placed);
            QCOMPARE(call, std::string("RIFF new call"));
            break;
        }
        const QByteArray where = "operation " + QByteArray::number(qlonglong(n));
        QVERIFY2(result == GameCallResult::Failed, where);
        expectBox(card.boxes.shown().at(0), kAppTitle, "Transform Failed.", Buttons::Ok,
                  Icon::None);
        // The old call stays when the new one's bytes did not reach the card; only a folder
        // that could not be flushed after the rename leaves the new one, reported as failed.
        QVERIFY2(call == "old call" || (n > 1 && call == "RIFF new call"), where);
        QVERIFY2(!card.has("ADUI0001.wkstmp.WAV"), where);
    }
}

void TestGameCall::cardsOwnFilesAsSource_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("renamed");  // where the rename step moves it; empty: not moved
    QTest::newRow("its game call") << "ADUI0001.WAV"
                                   << "";
    QTest::newRow("its first video") << "VIDE0001.AVI"
                                     << "VIDE0001_RenameForSaveAudioFile.AVI";
    QTest::newRow("its first picture") << "IMAG0001.JPG"
                                       << "IMAG0001_RenameForSaveAudioFile.JPG";
}

// The card's own files as the audio source: one the rename step moves is converted from its
// new name, and the messages come in their order and are true.
void TestGameCall::cardsOwnFilesAsSource() {
    QFETCH(QString, name);
    QFETCH(QString, renamed);
    Card card;
    fs::create_directories(card.folder());
    const fs::path chosen = card.folder() / name.toStdString();
    fs::copy_file(source("wav").toStdString(), chosen);
    SystemProcessRunner runner;
    QCOMPARE(SaveGameCallAudio(kSavePath, chosen.string(), runner), GameCallResult::Placed);
    QStringList texts;
    for (const Message& m : card.boxes.shown()) texts << QString::fromStdString(m.english());
    const QStringList expected{kQuestion, "OK,audio file have been saved !"};
    QCOMPARE(texts, renamed.isEmpty() ? QStringList() : expected);
    if (!renamed.isEmpty()) {
        QVERIFY(!fs::exists(chosen));
        QCOMPARE(test::readBytes(card.folder() / renamed.toStdString()),
                 test::readBytes(source("wav").toStdString()));
    }
    WKS_VERIFY_GAME_CALL(card.target(), source("wav"));
}

void TestGameCall::nothingWrittenThroughTheTemporaryName_data() {
    QTest::addColumn<QString>("planted");  // at DCIM\100WKSIM\ADUI0001.wkstmp.WAV
    QTest::addColumn<bool>("placed");
    QTest::newRow("link to nothing outside") << "dangling" << true;
    QTest::newRow("link to a file outside") << "file link" << true;
    QTest::newRow("empty folder") << "folder" << true;
    QTest::newRow("folder with a file") << "full folder" << false;
}

// Whatever sits at the converter's temporary name goes (or the conversion is refused): the
// converter never writes through a link, and only a regular file on the card becomes the call.
void TestGameCall::nothingWrittenThroughTheTemporaryName() {
    QFETCH(QString, planted);
    QFETCH(bool, placed);
    Card card;
    const fs::path outside = card.drives.root() / "outside";
    fs::create_directories(outside);
    test::writeBytes(outside / "theirs.wav", "theirs");
    fs::create_directories(card.folder());
    const fs::path partial = card.folder() / "ADUI0001.wkstmp.WAV";
    if (planted == "dangling") fs::create_symlink(outside / "made.wav", partial);
    if (planted == "file link") fs::create_symlink(outside / "theirs.wav", partial);
    if (planted.endsWith("folder")) fs::create_directory(partial);
    if (planted == "full folder") test::writeBytes(partial / "keep.txt", "kept");
    FakeConverter converter;
    converter.leaves = "RIFF new call";
    QCOMPARE(SaveGameCallAudio(kSavePath, source("mp3").toStdString(), converter),
             placed ? GameCallResult::Placed : GameCallResult::Failed);

    QCOMPARE(test::readBytes(outside / "theirs.wav"), std::string("theirs"));
    QVERIFY(!fs::exists(outside / "made.wav"));
    const fs::path call = card.folder() / "ADUI0001.WAV";
    QVERIFY(!fs::is_symlink(call));
    QCOMPARE(fs::is_regular_file(call), placed);
    if (placed) QCOMPARE(test::readBytes(call), std::string("RIFF new call"));
    if (!placed) {
        expectBox(card.boxes.shown().at(0), kAppTitle, "Transform Failed.", Buttons::Ok,
                  Icon::None);
        QCOMPARE(test::readBytes(partial / "keep.txt"), std::string("kept"));
    }
}

QTEST_GUILESS_MAIN(TestGameCall)
#include "test_gamecall.moc"
