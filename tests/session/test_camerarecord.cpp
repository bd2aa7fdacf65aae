// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What a camera screen's OK changes in the shared state, without a screen.

#include <QtTest>

#include "session/camerarecord.h"
#include "session/camerarules.h"

using namespace wks;

namespace {

using Clock = std::array<int, 6>;

Clock clockOf(const CameraParams& p) {
    return {p.ClockYear, p.ClockMonth, p.ClockDay, p.ClockHour, p.ClockMinute, p.ClockSecond};
}

const Clock kNone{-1, -1, -1, -1, -1, -1}, kPicked{2024, 2, 29, 1, 2, 3},
    kBad{2023, 2, 29, 1, 2, 3};

}  // namespace

class TestCameraRecord : public QObject {
    Q_OBJECT
  private slots:
    // OK: lists by position and offset, the audio file, work-day bits, the last checked button
    // of each group, and the clock with its flag.
    void store() {
        struct Row {
            bool on;
            const char* audio;
            bool tick;
            Clock pickers;
            const char* after;
            bool follows;
            Clock clock;
        };
        for (const Row& r : {Row{true, " /x.wav", false, kPicked, "/x.wav", false, kPicked},
                             Row{true, kAudioHint, false, kPicked, "", false, kPicked},
                             Row{false, "/x.wav", false, kPicked, "", false, kPicked},
                             Row{true, "/x.wav", true, kPicked, "/x.wav", true, kNone},
                             Row{true, "", false, kBad, "", true, kBad}}) {
            AppState state;
            CameraParams& p = state.cameraParams;
            state.gameCallAudioPath = "/old.mp3";
            CameraRecordEditor editor(state);
            editor.setScreenAudio(r.audio);
            const auto& t = r.pickers;
            editor.store({{{&CameraParams::GameCallPlayTime, -1, 0},
                           {&CameraParams::PhotoSize, 0, 2},
                           {&CameraParams::Language, 0, -1}},
                          r.on,
                          std::array{true, false, false, false, false, false, true},
                          std::vector{false, true, false, true},
                          std::vector{false, false, false, false},
                          r.tick,
                          {t[0], t[1], t[2], t[3], t[4], t[5]}});
            QCOMPARE(std::tuple(p.GameCallPlayTime, p.PhotoSize, p.Language),
                     std::tuple(-1, 2, -1));
            QCOMPARE(std::tuple(p.WorkDay, p.SendTo, p.SendMode), std::tuple(65, 3, -1));
            QCOMPARE(state.gameCallAudioPath, std::string(r.after));
            QCOMPARE(editor.screenAudio().empty(), state.gameCallAudioPath.empty());
            QCOMPARE(state.clockFollowsPc, r.follows);
            QCOMPARE(clockOf(p), r.clock);
        }
    }
};

QTEST_GUILESS_MAIN(TestCameraRecord)
#include "test_camerarecord.moc"
