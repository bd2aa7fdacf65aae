// SPDX-FileCopyrightText: 2026 The WKS CONFIG developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "audiotools.h"

#include <QProcess>
#include <QStringList>

namespace wks::test {

bool makeTone(const QString& path, double seconds) {
    QStringList args{"-v",
                     "error",
                     "-y",
                     "-f",
                     "lavfi",
                     "-i",
                     QString("sine=frequency=440:sample_rate=44100:duration=%1").arg(seconds)};
    if (path.endsWith(".mp3"))
        args << "-c:a"
             << "libmp3lame";
    else if (path.endsWith(".aac"))
        args << "-c:a"
             << "aac";
    else
        args << "-ac"
             << "2"
             << "-c:a"
             << "pcm_s16le";
    args << path;
    return QProcess::execute("ffmpeg", args) == 0;
}

AudioInfo probe(const QString& path) {
    QProcess p;
    p.start("ffprobe", {"-v", "error", "-select_streams", "a:0", "-show_entries",
                        "stream=codec_name,channels,sample_rate:format=duration", "-of",
                        "default=noprint_wrappers=1", path});
    p.waitForFinished(-1);
    AudioInfo info;
    for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
        const QString key = line.section('=', 0, 0), value = line.section('=', 1);
        if (key == "codec_name")
            info.codec = value;
        else if (key == "channels")
            info.channels = value.toInt();
        else if (key == "sample_rate")
            info.sampleRate = value.toInt();
        else if (key == "duration")
            info.seconds = value.toDouble();
    }
    return info;
}

}  // namespace wks::test
