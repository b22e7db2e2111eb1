// Measures how long a sound cue takes from the play request to the first sample
// being taken by the audio device. Run it where a sound server exists, e.g. a
// PulseAudio null sink on a headless machine:
//   XDG_RUNTIME_DIR=/tmp/xdg pulseaudio -D -n --load=module-null-sink \
//       --load=module-native-protocol-unix --exit-idle-time=-1
//   XDG_RUNTIME_DIR=/tmp/xdg build/bench/wave_latency 50
// (configure with -DTARVELLE_BENCH=ON; the argument is the number of runs per cue).
#include "widgets/waveplayer.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

using namespace tarvelle;

namespace {

QByteArray tone(int channels, int rate, double seconds)
{
    QByteArray pcm(int(rate * seconds) * channels * 2, '\0');
    auto* s = reinterpret_cast<qint16*>(pcm.data());
    for (int i = 0; i < int(rate * seconds); ++i)
        for (int ch = 0; ch < channels; ++ch)
            s[i * channels + ch] = qint16(6000 * std::sin(i * 2 * M_PI * 440 / rate));
    QByteArray h(44, '\0');
    char* d = h.data();
    memcpy(d, "RIFF", 4);
    qToLittleEndian<quint32>(quint32(36 + pcm.size()), d + 4);
    memcpy(d + 8, "WAVEfmt ", 8);
    qToLittleEndian<quint32>(16, d + 16);
    qToLittleEndian<quint16>(1, d + 20);
    qToLittleEndian<quint16>(quint16(channels), d + 22);
    qToLittleEndian<quint32>(quint32(rate), d + 24);
    qToLittleEndian<quint32>(quint32(rate * channels * 2), d + 28);
    qToLittleEndian<quint16>(quint16(channels * 2), d + 32);
    qToLittleEndian<quint16>(16, d + 34);
    memcpy(d + 36, "data", 4);
    qToLittleEndian<quint32>(quint32(pcm.size()), d + 40);
    return h + pcm;
}

double percentile(std::vector<double> v, double p)
{
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 50;
    SoundService& s = SoundService::instance();
    if (!s.audioAvailable()) {
        std::printf("no audio device: nothing to measure\n");
        return 1;
    }
    std::printf("device: %s\n", qPrintable(QMediaDevices::defaultAudioOutput().description()));

    struct Case {
        const char* name;
        QByteArray data;
    };
    const Case cases[] = {{"click (stereo 44100 Hz, 0.02 s)", tone(2, 44100, 0.02)},
                          {"voice (mono 22050 Hz, 1.2 s)", tone(1, 22050, 1.2)}};
    // The play position is reported in coarse steps, so two figures are kept: when the
    // position was first seen to move (an upper bound on the delay) and that moment less
    // the position reached (an estimate of when the first sample was played).
    for (const Case& c : cases) {
        std::vector<double> seenMs, startMs, endMs;
        for (int i = 0; i < runs; ++i) {
            bool finished = false;
            auto conn = QObject::connect(&s, &SoundService::finished, [&] { finished = true; });
            QElapsedTimer t;
            t.start();
            if (!s.play(c.data, false, QStringLiteral("bench"))) {
                std::printf("play refused\n");
                return 1;
            }
            while (t.elapsed() < 3000) {
                QCoreApplication::processEvents(QEventLoop::AllEvents);
                const qint64 played = s.playedUSecs();
                if (played > 0) {
                    const double now = t.nsecsElapsed() / 1e6;
                    seenMs.push_back(now);
                    startMs.push_back(now - played / 1000.0);
                    break;
                }
            }
            if (i % 5 == 0) {
                // Every fifth run plays to the end, to see how soon the end is noticed.
                while (!finished && t.elapsed() < 5000)
                    QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
                if (finished)
                    endMs.push_back(t.nsecsElapsed() / 1e6);
            }
            QObject::disconnect(conn);
            s.stopAll();
        }
        if (seenMs.empty()) {
            std::printf("%s: never started\n", c.name);
            continue;
        }
        std::printf("%s, %zu runs:\n", c.name, seenMs.size());
        std::printf("    request -> play position first moves: median %.1f ms, p90 %.1f ms, max %.1f ms\n",
                    percentile(seenMs, 0.5), percentile(seenMs, 0.9), percentile(seenMs, 1.0));
        std::printf("    request -> first sample played (estimate): median %.1f ms, p90 %.1f ms\n",
                    percentile(startMs, 0.5), percentile(startMs, 0.9));
        if (!endMs.empty())
            std::printf("    request -> end noticed, %zu runs: median %.1f ms\n", endMs.size(),
                        percentile(endMs, 0.5));
    }
    return 0;
}
