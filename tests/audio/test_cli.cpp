// wks-settings audio: the game call onto a card folder from the command line.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "audiotools.h"
#include "support/tempdrives.h"

namespace fs = std::filesystem;

namespace {

struct Run {
    int status = -1;
    QString out;
    QString err;
};

// Runs with its own data folder (and so its own drive C:) and no terminal to ask on.
Run audio(const QString& dataHome, const QStringList& args) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_DATA_HOME", dataHome);
    p.setProcessEnvironment(env);
    p.setStandardInputFile(QProcess::nullDevice());
    p.start(WKS_SETTINGS_EXE, QStringList{"audio"} + args);
    p.waitForFinished(-1);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromLocal8Bit(p.readAllStandardOutput()),
            QString::fromLocal8Bit(p.readAllStandardError())};
}

}  // namespace

class TestAudioCommand : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;
    QString tone_;

private slots:
    void initTestCase();
    void badInput();
    void convertsAndCleansUp();
    void renameQuestion_data();
    void renameQuestion();
    void failedConversion();
};

void TestAudioCommand::initTestCase() {
    tone_ = dir_.filePath("call.wav");
    QVERIFY(wks::test::makeTone(tone_, 2.0));
}

void TestAudioCommand::badInput() {
    QTemporaryDir home, card;
    QCOMPARE(audio(home.path(), {dir_.filePath("missing.mp3"), "--card", card.path()}).status, 2);
    QCOMPARE(audio(home.path(), {tone_, "--card", card.filePath("no-such-card")}).status, 2);
    QCOMPARE(audio(home.path(), {tone_}).status, 2);
    QCOMPARE(audio(home.path(), {tone_, "--card", card.path(), "--yes", "--no"}).status, 2);
    QVERIFY(QDir(card.path()).isEmpty());
}

void TestAudioCommand::convertsAndCleansUp() {
    QTemporaryDir home, card;
    Run r = audio(home.path(), {tone_, "--card", card.path()});
    QCOMPARE(r.status, 0);
    const QString target = card.filePath("DCIM/100WKSIM/ADUI0001.WAV");
    QCOMPARE(r.out.trimmed(), target);
    WKS_VERIFY_GAME_CALL(target, tone_);
    QVERIFY(QDir(home.filePath("wks-config/drive_c")).exists());
    QVERIFY(!QDir(home.filePath("wks-config/drive_c/WKS_TEMP")).exists());
}

void TestAudioCommand::renameQuestion_data() {
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("no terminal") << QStringList{} << 1 << "[WKS TIPS] (information) You have given up saving audio file !";
    QTest::newRow("--no") << QStringList{"--no"} << 1 << "[WKS TIPS] (information) You have given up saving audio file !";
    QTest::newRow("--yes") << QStringList{"--yes"} << 0 << "[WKS CONFIG] OK,audio file have been saved !";
}

void TestAudioCommand::renameQuestion() {
    QFETCH(QStringList, answer);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir home, card;
    wks::test::writeBytes(card.filePath("DCIM/100WKSIM/VIDE0001.AVI").toStdString(), "video");
    Run r = audio(home.path(), QStringList{tone_, "--card", card.path()} + answer);
    QCOMPARE(r.status, status);
    QVERIFY2(r.out.contains("[WKS Tips] (information) You must rename the existed \"IMAG0001.JPG\""), qPrintable(r.out));
    QVERIFY2(r.out.contains(said), qPrintable(r.out));
    QCOMPARE(QFile::exists(card.filePath("DCIM/100WKSIM/VIDE0001.AVI")), status != 0);
    QCOMPARE(QFile::exists(card.filePath("DCIM/100WKSIM/ADUI0001.WAV")), status == 0);
}

void TestAudioCommand::failedConversion() {
    QTemporaryDir home, card;
    const QString notAudio = dir_.filePath("notes.aac");
    wks::test::writeBytes(notAudio.toStdString(), "no sound here");
    Run r = audio(home.path(), {notAudio, "--card", card.path()});
    QCOMPARE(r.status, 1);
    QVERIFY2(r.out.contains("[WKS CONFIG] Transform Failed."), qPrintable(r.out));
    QVERIFY(!QFile::exists(card.filePath("DCIM/100WKSIM/ADUI0001.WAV")));
    QVERIFY(!QDir(home.filePath("wks-config/drive_c/WKS_TEMP")).exists());
}

QTEST_GUILESS_MAIN(TestAudioCommand)
#include "test_cli.moc"
