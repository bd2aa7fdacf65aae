// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Audio made and measured with the real ffmpeg and ffprobe.

#include <QString>

namespace wks::test {

// Makes a sine tone of the given length; the container and codec follow the extension
// (.mp3, .wav, .aac).
bool makeTone(const QString& path, double seconds);

struct AudioInfo {
    QString codec;
    int channels = 0;
    int sampleRate = 0;
    double seconds = 0;
};
// What ffprobe says of the file's first audio stream; empty codec when it reads none.
AudioInfo probe(const QString& path);

}  // namespace wks::test

// Checks that target is the camera's game-call format and lasts as long as source (2 %).
#define WKS_VERIFY_GAME_CALL(target, source)                                                  \
    do {                                                                                      \
        const auto got_ = wks::test::probe(target);                                           \
        const auto from_ = wks::test::probe(source);                                          \
        QCOMPARE(got_.codec, QStringLiteral("pcm_u8"));                                       \
        QCOMPARE(got_.channels, 1);                                                           \
        QCOMPARE(got_.sampleRate, 22050);                                                     \
        QVERIFY2(from_.seconds > 0, "source has no duration");                                \
        QVERIFY2(qAbs(got_.seconds - from_.seconds) <= 0.02 * from_.seconds,                  \
                 qPrintable(QString("%1 s from %2 s").arg(got_.seconds).arg(from_.seconds))); \
    } while (0)
