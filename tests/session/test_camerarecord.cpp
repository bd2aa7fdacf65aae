// What a camera screen's opening and OK change in the shared state, without a screen.

#include <QtTest>

#include "session/camerarecord.h"
#include "session/camerarules.h"

using namespace wks;

class TestCameraRecord : public QObject {
    Q_OBJECT
private slots:
    void opening_data();
    void opening();
    void store_data();
    void store();
};

// The remembered audio file and the clock flag as opening leaves them.
void TestCameraRecord::opening_data() {
    QTest::addColumn<int>("gameCall");
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<int>("clockYear");  // of an otherwise valid clock
    QTest::addColumn<QString>("screenAudio");
    QTest::addColumn<QString>("rememberedAfter");
    QTest::addColumn<bool>("follows");
    QTest::newRow("on, file") << 1 << " /a b.mp3 " << 2020 << "/a b.mp3" << " /a b.mp3 " << false;
    QTest::newRow("on, none") << 1 << "" << 2020 << kAudioHint << "" << false;
    QTest::newRow("off forgets") << 0 << "/a.mp3" << 2020 << kAudioHint << "" << false;
    QTest::newRow("none forgets") << -1 << "/a.mp3" << 1752 << kAudioHint << "" << true;
}

void TestCameraRecord::opening() {
    QFETCH(int, gameCall);
    QFETCH(QString, remembered);
    QFETCH(int, clockYear);
    AppState state;
    auto& p = state.cameraParams;
    p.GameCall = gameCall;
    std::tie(p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute, p.ClockSecond) =
        std::tuple(clockYear, 2, 28, 23, 59, 59);
    state.gameCallAudioPath = remembered.toStdString();
    CameraRecordEditor editor(state);
    editor.openGameCall();
    QTEST(QString::fromStdString(editor.screenAudio()), "screenAudio");
    QTEST(QString::fromStdString(state.gameCallAudioPath), "rememberedAfter");
    QTEST(editor.openClock(), "follows");
    QTEST(state.clockFollowsPc, "follows");
}

// OK: lists by position and offset, the audio file, work-day bits, the last checked button of
// each group, and the clock with its flag; groups a screen lacks leave their fields alone.
void TestCameraRecord::store_data() {
    QTest::addColumn<bool>("gameCallOn");
    QTest::addColumn<QString>("screenAudio");
    QTest::addColumn<bool>("setClock");
    QTest::addColumn<QList<int>>("pickers");
    QTest::addColumn<QString>("remembered");  // gameCallAudioPath after OK
    QTest::addColumn<bool>("follows");
    QTest::addColumn<QList<int>>("clock");    // the record's clock after OK
    const QList<int> old{2020, 5, 6, 7, 8, 9}, picked{2024, 2, 29, 1, 2, 3};
    const QList<int> bad{2023, 2, 29, 1, 2, 3};
    QTest::newRow("on, file") << true << " /x.wav" << false << picked << "/x.wav" << false
                              << picked;
    QTest::newRow("on, hint") << true << kAudioHint << false << picked << "" << false << picked;
    QTest::newRow("off, file") << false << "/x.wav" << false << picked << "" << false << picked;
    QTest::newRow("set clock") << true << "/x.wav" << true << picked << "/x.wav" << true << old;
    QTest::newRow("invalid pickers") << true << "" << false << bad << "" << true << bad;
}

void TestCameraRecord::store() {
    QFETCH(bool, gameCallOn);
    QFETCH(QString, screenAudio);
    QFETCH(bool, setClock);
    QFETCH(QList<int>, pickers);
    AppState state;
    auto& p = state.cameraParams;
    std::tie(p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute, p.ClockSecond) =
        std::tuple(2020, 5, 6, 7, 8, 9);
    state.gameCallAudioPath = "/old.mp3";
    CameraRecordEditor editor(state);
    editor.setScreenAudio(screenAudio.toStdString());
    CameraChoices c;
    c.lists = {{&CameraParams::GameCallPlayTime, -1, 0}, {&CameraParams::PhotoSize, 0, 2},
               {&CameraParams::Language, 0, -1}};
    c.gameCallOn = gameCallOn;
    c.days = std::array{true, false, false, false, false, false, true};
    c.sendTo = std::vector{false, true, false, true};
    c.sendMode = std::vector{false, false, false, false};
    c.setClock = setClock;
    c.pickers = {pickers[0], pickers[1], pickers[2], pickers[3], pickers[4], pickers[5]};
    editor.store(c);
    QCOMPARE(std::tuple(p.GameCallPlayTime, p.PhotoSize, p.Language), std::tuple(-1, 2, -1));
    QCOMPARE(std::tuple(p.WorkDay, p.SendTo, p.SendMode), std::tuple(65, 3, -1));
    QTEST(QString::fromStdString(state.gameCallAudioPath), "remembered");
    QCOMPARE(editor.screenAudio().empty(), state.gameCallAudioPath.empty());
    QTEST(state.clockFollowsPc, "follows");
    QTEST((QList<int>{p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute,
                      p.ClockSecond}),
          "clock");

    // A screen without a game call, day boxes or button groups leaves those fields alone.
    const CameraParams before = p;
    editor.store({.setClock = true});
    QVERIFY(p == before);
}

QTEST_GUILESS_MAIN(TestCameraRecord)
#include "test_camerarecord.moc"
