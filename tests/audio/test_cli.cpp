// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// wks-settings audio: the game call onto a card folder from the command line.

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "audiotools.h"
#include "support/runcli.h"
#include "support/tempdrives.h"

namespace fs = std::filesystem;

namespace {

using Run = wks::test::CliRun;

Run audio(const QString& dataHome, const QStringList& args) {
    return wks::test::runSettings(QStringList{"audio"} + args, dataHome);
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
    QCOMPARE(audio(home.path(), {dir_.filePath("missing.mp3"), "--card", card.path()}).code, 2);
    QCOMPARE(audio(home.path(), {tone_, "--card", card.filePath("no-such-card")}).code, 2);
    QCOMPARE(audio(home.path(), {tone_}).code, 2);
    QCOMPARE(audio(home.path(), {tone_, "--card", card.path(), "--yes", "--no"}).code, 2);
    QVERIFY(QDir(card.path()).isEmpty());
}

void TestAudioCommand::convertsAndCleansUp() {
    QTemporaryDir home, card;
    Run r = audio(home.path(), {tone_, "--card", card.path()});
    QCOMPARE(r.code, 0);
    const QString target = card.filePath("DCIM/100WKSIM/ADUI0001.WAV");
    QCOMPARE(QString::fromLocal8Bit(r.out.trimmed()), target);
    WKS_VERIFY_GAME_CALL(target, tone_);
    QVERIFY(QDir(home.filePath("wks-config/drive_c")).exists());
    QVERIFY(!QDir(home.filePath("wks-config/drive_c/WKS_TEMP")).exists());

    // Again: the call it replaces is named in its real folder first.
    r = audio(home.path(), {tone_, "--card", card.path()});
    QCOMPARE(r.code, 0);
    QVERIFY2(r.out.contains(":\\DCIM\\100WKSIM\\ADUI0001.WAV (" + target.toUtf8() + ")\n"),
             r.out.constData());
    QCOMPARE(QString::fromLocal8Bit(r.out.trimmed().split('\n').last()), target);
}

void TestAudioCommand::renameQuestion_data() {
    QTest::addColumn<QStringList>("answer");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("said");
    QTest::newRow("no terminal")
        << QStringList{} << 1 << "[WKS TIPS] (information) You have given up saving audio file !";
    QTest::newRow("--no") << QStringList{"--no"} << 1
                          << "[WKS TIPS] (information) You have given up saving audio file !";
    QTest::newRow("--yes") << QStringList{"--yes"} << 0
                           << "[WKS CONFIG] OK,audio file have been saved !";
}

void TestAudioCommand::renameQuestion() {
    QFETCH(QStringList, answer);
    QFETCH(int, status);
    QFETCH(QString, said);
    QTemporaryDir home, card;
    wks::test::writeBytes(card.filePath("DCIM/100WKSIM/VIDE0001.AVI").toStdString(), "video");
    Run r = audio(home.path(), QStringList{tone_, "--card", card.path()} + answer);
    QCOMPARE(r.code, status);
    QVERIFY2(
        r.out.contains("[WKS Tips] (information) You must rename the existed \"IMAG0001.JPG\""),
        r.out.constData());
    QVERIFY2(r.out.contains(said.toLocal8Bit()), r.out.constData());
    QCOMPARE(QFile::exists(card.filePath("DCIM/100WKSIM/VIDE0001.AVI")), status != 0);
    QCOMPARE(QFile::exists(card.filePath("DCIM/100WKSIM/ADUI0001.WAV")), status == 0);
}

// ffmpeg's reason, without its banner, follows the message on lines of their own.
void TestAudioCommand::failedConversion() {
    QTemporaryDir home, card;
    const QString notAudio = dir_.filePath("notes.aac");
    wks::test::writeBytes(notAudio.toStdString(), "no sound here");
    Run r = audio(home.path(), {notAudio, "--card", card.path()});
    QCOMPARE(r.code, 1);
    const QList<QByteArray> lines =
        r.out.mid(r.out.indexOf("[WKS CONFIG] Transform Failed.\n")).split('\n');
    QVERIFY2(lines.size() >= 3 && lines[1].startsWith('[') && !lines[1].startsWith("[WKS"),
             r.out.constData());
    QVERIFY2(r.out.contains(notAudio.toUtf8() + ": "), r.out.constData());
    QVERIFY(!QFile::exists(card.filePath("DCIM/100WKSIM/ADUI0001.WAV")));
    QVERIFY(!QDir(home.filePath("wks-config/drive_c/WKS_TEMP")).exists());
}

QTEST_GUILESS_MAIN(TestAudioCommand)
#include "test_cli.moc"
