// How long a sound cue takes from the play request until it is heard, on PulseAudio and on
// PipeWire (through pipewire-pulse). For each, the program starts a server of its own with a null
// sink, records the sink's monitor with parec and finds each cue's first audible sample in the
// recording. Per cue:
//   heard    request -> the first audible sample is played by the sink: the recording's
//            samples laid on the request clock at the sink's steady rate; it can read a
//            millisecond or two early, never late by more than that;
//   recorded request -> parec hands over the piece holding that sample: later than it was
//            played by up to a piece of the recording (an upper bound);
//   breaks   quiet runs of 2 ms or more inside the sound: the stream ran dry;
//   handoff  request -> the sound service's play position first moves, i.e. the stream
//            took the first sample from us; the server may still hold it a while;
//   reported request -> the first sample is played, as the server's timing reports put it
//            when the sample was handed over. On PipeWire the monitor's recording does not
//            always arrive at a steady rate (pipewire-pulse hands it over in bursts, and its
//            times drifted by hundreds of ms in some runs), so there "heard" can read low and
//            "breaks" high: where they disagree with this figure, trust this one.
// Usage: build/bench/wave_latency [runs per cue, default 30] [busy loops, default 0]
//        [pulseaudio|pipewire, default both]
// (configure with -DTARVELLE_BENCH=ON). A server whose programs are missing is skipped with a
// word saying so.
#include "sound/waveplayer.h"
#include "tests/desktop/soundserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <thread>
#include <vector>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

using namespace tarvelle;
using tarvelle::testing::LocalSoundServer;

namespace {

constexpr int kRate = 44100; // the recording: mono, 16 bit

double nowMs()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

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

// parec on the monitor, read by a thread of its own so that every piece of the recording
// gets the time it arrived. Sample n is taken to play at origin() + n / kRate: the sink
// plays at a steady rate, and no piece can arrive before its samples were played, so the
// origin is the earliest arrival less the samples that came with it.
class Recorder {
public:
    ~Recorder() { stop(); }

    bool start(const char* monitor)
    {
        int fds[2];
        if (pipe(fds) != 0)
            return false;
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, fds[1], 1);
        posix_spawn_file_actions_addclose(&actions, fds[0]);
        const std::string device = std::string("--device=") + monitor;
        const char* argv[] = {"parec",        device.c_str(),     "--raw", "--format=s16le", "--rate=44100",
                              "--channels=1", "--latency-msec=5", nullptr};
        const int rc = posix_spawnp(&m_pid, "parec", &actions, nullptr, const_cast<char**>(argv), environ);
        posix_spawn_file_actions_destroy(&actions);
        close(fds[1]);
        if (rc != 0) {
            close(fds[0]);
            return false;
        }
        m_fd = fds[0];
        m_thread = std::thread([this] { run(); });
        return true;
    }

    void stop()
    {
        if (m_pid > 0) {
            kill(m_pid, SIGTERM);
            waitpid(m_pid, nullptr, 0);
            m_pid = 0;
        }
        if (m_thread.joinable())
            m_thread.join();
        if (m_fd >= 0)
            close(m_fd);
        m_fd = -1;
    }

    qsizetype samples() const
    {
        std::lock_guard lock(m_mutex);
        return qsizetype(m_pcm.size());
    }

    // Time of sample n on the request clock.
    double timeOf(qsizetype n) const { return m_origin + double(n) * 1000.0 / kRate; }
    qsizetype sampleAt(double ms) const { return qsizetype(std::floor((ms - m_origin) * kRate / 1000.0)); }

    // The first sample at or after `from`, before `to`, at least `threshold` loud; -1 if none.
    qsizetype firstLoud(qsizetype from, qsizetype to, int threshold) const
    {
        std::lock_guard lock(m_mutex);
        to = std::min<qsizetype>(to, qsizetype(m_pcm.size()));
        for (qsizetype i = std::max<qsizetype>(from, 0); i < to; ++i)
            if (std::abs(int(m_pcm[size_t(i)])) >= threshold)
                return i;
        return -1;
    }

    // Gaps of at least minSamples quiet samples inside [from, to): the stream ran dry there.
    int gaps(qsizetype from, qsizetype to, int quiet, qsizetype minSamples) const
    {
        std::lock_guard lock(m_mutex);
        to = std::min<qsizetype>(to, qsizetype(m_pcm.size()));
        int count = 0;
        qsizetype run = 0;
        for (qsizetype i = std::max<qsizetype>(from, 0); i < to; ++i) {
            if (std::abs(int(m_pcm[size_t(i)])) < quiet) {
                if (++run == minSamples)
                    ++count;
            } else {
                run = 0;
            }
        }
        return count;
    }

    // When the piece holding sample n came from parec: an upper bound on when it was played,
    // later by up to a piece of the recording.
    double arrivalOf(qsizetype n) const
    {
        std::lock_guard lock(m_mutex);
        const auto it = std::upper_bound(m_arrivals.begin(), m_arrivals.end(), n,
                                         [](qsizetype v, const Arrival& a) { return v < a.end; });
        return it == m_arrivals.end() ? -1 : it->at;
    }

private:
    void run()
    {
        std::vector<char> buf(1 << 16);
        qsizetype bytes = 0;
        for (;;) {
            const ssize_t n = read(m_fd, buf.data(), buf.size());
            if (n <= 0)
                break;
            const double at = nowMs();
            std::lock_guard lock(m_mutex);
            bytes += n;
            m_odd.insert(m_odd.end(), buf.data(), buf.data() + n);
            const size_t whole = m_odd.size() / 2 * 2;
            for (size_t i = 0; i < whole; i += 2)
                m_pcm.push_back(qint16(quint16(uchar(m_odd[i])) | quint16(uchar(m_odd[i + 1])) << 8));
            m_odd.erase(m_odd.begin(), m_odd.begin() + long(whole));
            m_arrivals.push_back({bytes / 2, at});
            const double origin = at - double(bytes / 2) * 1000.0 / kRate;
            if (m_origin == 0 || origin < m_origin)
                m_origin = origin;
        }
    }

    pid_t m_pid = 0;
    int m_fd = -1;
    std::thread m_thread;
    mutable std::mutex m_mutex;
    std::vector<qint16> m_pcm;
    std::vector<char> m_odd;
    struct Arrival {
        qsizetype end; // samples received so far
        double at;
    };
    std::vector<Arrival> m_arrivals;
    double m_origin = 0;
};

// Runs the event loop for a while; a 1 ms timer keeps it from sleeping longer than that.
void pump(double ms)
{
    const double until = nowMs() + ms;
    while (nowMs() < until)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

} // namespace

// Measures one server; the number of cases with requests never heard.
int measure(LocalSoundServer::Kind kind, int runs, int busyLoops)
{
    LocalSoundServer server(kind);
    std::printf("== %s\n", qPrintable(server.name()));
    const QString missing = server.missingProgram();
    if (!missing.isEmpty()) {
        std::printf("%s is not installed: nothing to measure\n", qPrintable(missing));
        return 0;
    }
    QString why;
    if (!server.start(&why)) {
        std::printf("the sound server does not start (%s): nothing to measure\n", qPrintable(why));
        return 0;
    }
    releaseSoundService(); // the next connection goes to this server
    SoundService& s = SoundService::instance();
    if (!s.audioAvailable() || !s.openStream()) {
        std::printf("no audio device: nothing to measure\n");
        return 0;
    }
    const double openFrom = nowMs();
    while (!s.streamReady() && nowMs() - openFrom < 5000)
        pump(10);
    Recorder recorder;
    if (!recorder.start(qPrintable(server.monitor()))) {
        std::printf("parec does not start: nothing to measure\n");
        return 0;
    }
    QList<QProcess*> busy;
    for (int i = 0; i < busyLoops; ++i) {
        auto* p = new QProcess;
        LocalSoundServer::dieWithParent(p);
        p->start(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("while :; do :; done")});
        busy << p;
    }
    if (busyLoops > 0)
        std::printf("with %d busy loops\n", busyLoops);
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.start(1);
    // A null sink takes up to two seconds to start: the recording runs, and the stream has
    // settled, before the first request.
    const double waitFrom = nowMs();
    while (recorder.samples() < kRate / 2 && nowMs() - waitFrom < 10000)
        pump(10);
    pump(500);

    struct Case {
        const char* name;
        double seconds;
        QByteArray data;
    };
    const Case cases[] = {{"click (stereo 44100 Hz, 0.02 s)", 0.02, tone(2, 44100, 0.02)},
                          {"voice (mono 22050 Hz, 1.2 s)", 1.2, tone(1, 22050, 1.2)}};
    int failures = 0;
    for (const Case& c : cases) {
        std::vector<double> requests, handoffMs, reportedMs;
        for (int i = 0; i < runs; ++i) {
            bool finished = false;
            auto conn = QObject::connect(&s, &SoundService::finished, [&] { finished = true; });
            const double asked = nowMs();
            if (!s.play(c.data, false, QStringLiteral("bench"))) {
                std::printf("play refused\n");
                return 1;
            }
            requests.push_back(asked);
            bool handed = false;
            while (!finished && nowMs() - asked < 5000) {
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
                if (!handed && s.playedUSecs() > 0) {
                    handed = true;
                    handoffMs.push_back(nowMs() - asked);
                    reportedMs.push_back(double(s.heardAfterUSecs()) / 1000.0);
                }
            }
            QObject::disconnect(conn);
            // The sound has died away in the recording, and a while longer, so that the next
            // request does not fall in step with the stream's periods.
            pump(300 + QRandomGenerator::global()->bounded(100));
            s.stopAll();
        }
        pump(300);
        // Each request's sound is the first loud sample between it and the next request.
        std::vector<double> heardMs, arrivedMs;
        int missing = 0;
        int gaps = 0;
        // Whole sound heard without a break: the tone never falls quiet for 2 ms.
        const qsizetype length = qsizetype(c.seconds * kRate) - kRate / 100;
        for (size_t i = 0; i < requests.size(); ++i) {
            const qsizetype from = recorder.sampleAt(requests[i]);
            const qsizetype to =
                i + 1 < requests.size() ? recorder.sampleAt(requests[i + 1]) : recorder.samples();
            const qsizetype at = recorder.firstLoud(from, to, 1500);
            if (at < 0)
                ++missing;
            else {
                heardMs.push_back(recorder.timeOf(at) - requests[i]);
                arrivedMs.push_back(recorder.arrivalOf(at) - requests[i]);
                gaps += recorder.gaps(at, at + length, 100, kRate / 500);
            }
            if (qEnvironmentVariableIsSet("TARVELLE_BENCH_VERBOSE"))
                std::printf("    request %zu: heard %.1f ms\n", i, at < 0 ? -1.0 : heardMs.back());
        }
        std::printf("%s, %d requests:\n", c.name, runs);
        if (!heardMs.empty())
            std::printf(
                "    heard:   request -> first sample played: median %.1f ms, p90 %.1f ms, min %.1f ms, "
                "max %.1f ms\n",
                percentile(heardMs, 0.5), percentile(heardMs, 0.9), percentile(heardMs, 0.0),
                percentile(heardMs, 1.0));
        if (!arrivedMs.empty())
            std::printf(
                "    recorded: request -> parec delivers it:   median %.1f ms, p90 %.1f ms (upper bound)\n",
                percentile(arrivedMs, 0.5), percentile(arrivedMs, 0.9));
        std::printf("    breaks inside the sound: %d\n", gaps);
        if (missing > 0) {
            std::printf("    heard:   %d of %d requests were never heard\n", missing, runs);
            ++failures;
        }
        if (!handoffMs.empty())
            std::printf("    handoff: request -> play position moves:   median %.1f ms, p90 %.1f ms\n",
                        percentile(handoffMs, 0.5), percentile(handoffMs, 0.9));
        if (!reportedMs.empty())
            std::printf(
                "    reported: request -> first sample played:  median %.1f ms, p90 %.1f ms, max %.1f ms\n",
                percentile(reportedMs, 0.5), percentile(reportedMs, 0.9), percentile(reportedMs, 1.0));
    }
    for (QProcess* p : busy) {
        p->kill();
        p->waitForFinished(3000);
        delete p;
    }
    recorder.stop();
    s.stopAll();
    releaseSoundService();
    return failures;
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    const int busyLoops = argc > 2 ? std::max(0, atoi(argv[2])) : 0;
    QList<LocalSoundServer::Kind> kinds{LocalSoundServer::Kind::PulseAudio, LocalSoundServer::Kind::PipeWire};
    if (argc > 3)
        kinds = {LocalSoundServer::kindNamed(QString::fromLocal8Bit(argv[3]))};
    int failures = 0;
    for (LocalSoundServer::Kind kind : kinds)
        failures += measure(kind, runs, busyLoops);
    return failures == 0 ? 0 : 1;
}
