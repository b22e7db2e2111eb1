#include "sound/waveplayer.h"

#include "sound/soundserverprobe.h"

#include "engine/durations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace tarvelle {

namespace {

quint32 le32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint16 le16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

bool fail(QString* error, const QString& why)
{
    if (error)
        *error = why;
    return false;
}

SoundService* g_service = nullptr;

} // namespace

// The output must go before the application object does.
void releaseSoundService()
{
    if (g_service) {
        g_service->release();
        g_service->m_serverAnswers = -1;
    }
}

double WaveInfo::seconds() const
{
    const int frame = channels * bitsPerSample / 8;
    return frame > 0 && sampleRate > 0 ? double(dataSize) / frame / sampleRate : 0.0;
}

bool parseWave(const QByteArray& riff, WaveInfo* info, QString* error)
{
    if (riff.size() < 12)
        return fail(error, QStringLiteral("truncated RIFF header"));
    if (!riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return fail(error, QStringLiteral("not a RIFF/WAVE image"));
    const quint64 riffEnd = quint64(le32(riff, 4)) + 8;
    if (riffEnd > quint64(riff.size()))
        return fail(error, QStringLiteral("RIFF size runs past the end of the data"));

    WaveInfo w;
    bool haveFormat = false;
    bool haveData = false;
    qsizetype at = 12;
    while (at + 8 <= qsizetype(riffEnd) && !haveData) {
        const QByteArray id = riff.mid(at, 4);
        const quint64 size = le32(riff, at + 4);
        const qsizetype body = at + 8;
        if (body + size > riffEnd)
            return fail(error,
                        QStringLiteral("chunk \"%1\" runs past the end of the data").arg(QLatin1String(id)));
        if (id == "fmt ") {
            if (size < 16)
                return fail(error, QStringLiteral("format chunk too short"));
            quint16 tag = le16(riff, body);
            if (tag == 0xFFFE && size >= 26) // extensible: the sub-format says what it is
                tag = le16(riff, body + 24);
            if (tag != 1)
                return fail(error, QStringLiteral("not PCM (format tag %1)").arg(tag));
            w.channels = le16(riff, body + 2);
            w.sampleRate = int(le32(riff, body + 4));
            const int blockAlign = le16(riff, body + 12);
            w.bitsPerSample = le16(riff, body + 14);
            if (w.channels < 1 || w.channels > 2)
                return fail(error, QStringLiteral("unsupported channel count %1").arg(w.channels));
            if (w.bitsPerSample != 8 && w.bitsPerSample != 16)
                return fail(error, QStringLiteral("unsupported sample size %1").arg(w.bitsPerSample));
            if (w.sampleRate < 1000 || w.sampleRate > 192000)
                return fail(error, QStringLiteral("unsupported sample rate %1").arg(w.sampleRate));
            if (blockAlign != w.channels * w.bitsPerSample / 8)
                return fail(error, QStringLiteral("inconsistent block size %1").arg(blockAlign));
            haveFormat = true;
        } else if (id == "data") {
            if (!haveFormat)
                return fail(error, QStringLiteral("data chunk before the format chunk"));
            const int frame = w.channels * w.bitsPerSample / 8;
            w.dataOffset = body;
            w.dataSize = qsizetype(size) / frame * frame; // a partial last frame is dropped
            haveData = true;
        }
        at = body + qsizetype(size) + qsizetype(size & 1); // chunks are word aligned
    }
    if (!haveFormat)
        return fail(error, QStringLiteral("no format chunk"));
    if (!haveData)
        return fail(error, QStringLiteral("no data chunk"));
    if (w.dataSize == 0)
        return fail(error, QStringLiteral("no samples"));
    if (info)
        *info = w;
    return true;
}

namespace {

constexpr int kFrameBytes = 4; // 16-bit stereo

qint64 nowUs()
{
    using namespace std::chrono;
    return duration_cast<microseconds>(steady_clock::now().time_since_epoch()).count();
}

qint64 bytesToUs(qint64 bytes)
{
    return bytes / kFrameBytes * 1000000 / SoundService::StreamRate;
}

uint32_t msToBytes(int ms)
{
    return uint32_t(SoundService::StreamRate * ms / 1000 * kFrameBytes);
}

// Every recording goes out as 16-bit stereo at 44 100 Hz, the rate most sound servers run at, so
// one stream serves them all; other rates are interpolated, mono is doubled.
QByteArray toStreamFormat(const QByteArray& riff, const WaveInfo& w)
{
    const int frameBytes = w.channels * w.bitsPerSample / 8;
    const qsizetype frames = w.dataSize / frameBytes;
    const auto* in = reinterpret_cast<const uchar*>(riff.constData() + w.dataOffset);
    auto sample = [&](qsizetype frame, int ch) -> int {
        const uchar* p = in + frame * frameBytes + (w.channels == 2 ? ch : 0) * (w.bitsPerSample / 8);
        return w.bitsPerSample == 8 ? (int(p[0]) - 128) * 256 : int(qint16(qFromLittleEndian<quint16>(p)));
    };
    if (w.sampleRate == SoundService::StreamRate && w.channels == 2 && w.bitsPerSample == 16)
        return riff.mid(w.dataOffset, w.dataSize);
    const qsizetype outFrames = qsizetype(double(frames) * SoundService::StreamRate / w.sampleRate);
    QByteArray out(outFrames * kFrameBytes, Qt::Uninitialized);
    auto* o = reinterpret_cast<qint16*>(out.data());
    const double step = double(w.sampleRate) / SoundService::StreamRate;
    for (qsizetype i = 0; i < outFrames; ++i) {
        const double at = double(i) * step;
        const qsizetype a = std::min(qsizetype(at), frames - 1);
        const qsizetype b = std::min(a + 1, frames - 1);
        const double f = at - double(a);
        for (int ch = 0; ch < 2; ++ch)
            o[i * 2 + ch] = qint16(std::lround(sample(a, ch) * (1 - f) + sample(b, ch) * f));
    }
    return out;
}

} // namespace

// The connection to the sound server and its one playback stream, driven by libpulse's own
// thread. Its callbacks run with the loop's lock held; every member below m_loop is read and
// written only under that lock.
class PulseOutput {
public:
    struct Status {
        bool ready = false;       // the stream runs (or rests) on the server
        bool failed = false;      // the connection or the stream is lost
        bool corked = false;      // paused at the server
        qint64 connectUs = 0;     // when the current connection was begun
        qint64 lastRequestUs = 0; // when the server last asked for samples
        qint64 cueWritten = 0;    // bytes of the current recording handed over
        qint64 cueStartUs = -1;   // when its first sample is heard; -1 while not handed over
        qint64 cueEndUs = -1;     // when its last sample is heard; -1 while not all handed over
    };

    PulseOutput()
    {
        m_loop = pa_threaded_mainloop_new();
        if (!m_loop)
            return;
        pa_threaded_mainloop_set_name(m_loop, "tarvelle-sound");
        if (pa_threaded_mainloop_start(m_loop) < 0) {
            pa_threaded_mainloop_free(m_loop);
            m_loop = nullptr;
            return;
        }
        Lock lock(m_loop);
        connectContext();
    }

    ~PulseOutput()
    {
        if (!m_loop)
            return;
        {
            Lock lock(m_loop);
            teardown();
        }
        pa_threaded_mainloop_stop(m_loop);
        pa_threaded_mainloop_free(m_loop);
    }

    bool valid() const { return m_loop != nullptr; }

    // Drops the connection and begins a new one; never waits for the server.
    void reopen()
    {
        Lock lock(m_loop);
        teardown();
        connectContext();
    }

    // What goes out from the next sample the server asks for: the recording, cutting off the one
    // playing. A paused stream is emptied of the silence it holds and started.
    void setCue(const QByteArray& pcm, bool loop)
    {
        Lock lock(m_loop);
        m_cue = pcm;
        m_cueLoop = loop;
        m_cueActive = true;
        m_cueAskedUs = nowUs();
        m_cueWritten = 0;
        m_cueStartUs = -1;
        m_cueEndUs = -1;
        if (m_stream && m_corked) {
            pa_operation_unref_safe(pa_stream_flush(m_stream, nullptr, nullptr));
            pa_operation_unref_safe(pa_stream_cork(m_stream, 0, nullptr, nullptr));
            m_corked = false;
            m_fresh = true;
            m_lastRequestUs = nowUs();
        }
        m_pos = m_fresh ? -qint64(leadBytes()) : 0;
        m_fresh = false;
    }

    void clearCue()
    {
        Lock lock(m_loop);
        m_cueActive = false;
        m_cue.clear();
    }

    void cork()
    {
        Lock lock(m_loop);
        if (m_stream && !m_corked) {
            pa_operation_unref_safe(pa_stream_cork(m_stream, 1, nullptr, nullptr));
            m_corked = true;
        }
    }

    Status status()
    {
        Lock lock(m_loop);
        Status s;
        s.ready = m_ready;
        s.failed = m_failed;
        s.corked = m_corked;
        s.connectUs = m_connectUs;
        s.lastRequestUs = m_lastRequestUs;
        s.cueWritten = m_cueWritten;
        s.cueStartUs = m_cueStartUs;
        s.cueEndUs = m_cueEndUs;
        return s;
    }

private:
    struct Lock {
        explicit Lock(pa_threaded_mainloop* l) : loop(l) { pa_threaded_mainloop_lock(loop); }
        ~Lock() { pa_threaded_mainloop_unlock(loop); }
        pa_threaded_mainloop* loop;
    };

    static void pa_operation_unref_safe(pa_operation* o)
    {
        if (o)
            pa_operation_unref(o);
    }

    // A server that has just started the stream, or the device, may drop or soften its first
    // samples (a null sink did, for a whole click): the first recording goes out behind 20 ms of
    // silence.
    static uint32_t leadBytes() { return msToBytes(20); }

    void connectContext()
    {
        m_connectUs = nowUs();
        m_failed = false;
        m_ready = false;
        m_corked = false;
        m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop), "Tarvelle");
        if (!m_context) {
            m_failed = true;
            return;
        }
        pa_context_set_state_callback(m_context, &PulseOutput::onContextState, this);
        if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
            m_failed = true;
    }

    void teardown()
    {
        if (m_stream) {
            pa_stream_set_state_callback(m_stream, nullptr, nullptr);
            pa_stream_set_write_callback(m_stream, nullptr, nullptr);
            pa_stream_disconnect(m_stream);
            pa_stream_unref(m_stream);
            m_stream = nullptr;
        }
        if (m_context) {
            pa_context_set_state_callback(m_context, nullptr, nullptr);
            pa_context_disconnect(m_context);
            pa_context_unref(m_context);
            m_context = nullptr;
        }
        m_ready = false;
        m_corked = false;
    }

    void openStream()
    {
        const pa_sample_spec format{PA_SAMPLE_S16LE, uint32_t(SoundService::StreamRate), 2};
        m_stream = pa_stream_new(m_context, "Tarvelle sound cues", &format, nullptr);
        if (!m_stream) {
            m_failed = true;
            return;
        }
        pa_stream_set_state_callback(m_stream, &PulseOutput::onStreamState, this);
        pa_stream_set_write_callback(m_stream, &PulseOutput::onWrite, this);
        pa_buffer_attr attr;
        attr.maxlength = uint32_t(-1);
        attr.tlength = msToBytes(SoundService::LatencyMs);
        attr.prebuf = uint32_t(-1); // a whole buffer: after a stall nothing is skipped, only late
        attr.minreq = msToBytes(SoundService::RequestMs);
        attr.fragsize = uint32_t(-1);
        const auto flags = pa_stream_flags_t(PA_STREAM_ADJUST_LATENCY | PA_STREAM_AUTO_TIMING_UPDATE |
                                             PA_STREAM_INTERPOLATE_TIMING);
        if (pa_stream_connect_playback(m_stream, nullptr, &attr, flags, nullptr, nullptr) < 0)
            m_failed = true;
        m_fresh = true;
        // A recording asked for while the server was away is dropped once it is late: heard a
        // second after the click it would only confuse.
        if (m_cueActive && m_cueWritten == 0 && nowUs() - m_cueAskedUs < 300000)
            m_pos = -qint64(leadBytes());
        else if (m_cueActive) {
            m_cueActive = false;
            m_cue.clear();
            m_cueEndUs = nowUs();
        }
    }

    static void onContextState(pa_context* c, void* self)
    {
        auto* o = static_cast<PulseOutput*>(self);
        switch (pa_context_get_state(c)) {
        case PA_CONTEXT_READY:
            if (!o->m_stream)
                o->openStream();
            break;
        case PA_CONTEXT_FAILED:
        case PA_CONTEXT_TERMINATED:
            o->m_failed = true;
            o->m_ready = false;
            break;
        default:
            break;
        }
    }

    static void onStreamState(pa_stream* s, void* self)
    {
        auto* o = static_cast<PulseOutput*>(self);
        switch (pa_stream_get_state(s)) {
        case PA_STREAM_READY:
            o->m_ready = true;
            o->m_lastRequestUs = nowUs();
            break;
        case PA_STREAM_FAILED:
        case PA_STREAM_TERMINATED:
            o->m_failed = true;
            o->m_ready = false;
            break;
        default:
            break;
        }
    }

    // The server asks for n more bytes: the recording where it is, or silence.
    static void onWrite(pa_stream* s, size_t n, void* self)
    {
        auto* o = static_cast<PulseOutput*>(self);
        o->m_lastRequestUs = nowUs();
        while (n >= size_t(kFrameBytes)) {
            void* data = nullptr;
            size_t len = n;
            if (pa_stream_begin_write(s, &data, &len) < 0 || !data) {
                o->m_failed = true;
                return;
            }
            len = std::min(len, n) / kFrameBytes * kFrameBytes;
            if (len == 0) {
                pa_stream_cancel_write(s);
                return;
            }
            // When what is written now is heard: after all that the server still holds.
            pa_usec_t queued = 0;
            int negative = 0;
            if (pa_stream_get_latency(s, &queued, &negative) < 0 || negative)
                queued = pa_usec_t(SoundService::LatencyMs) * 1000;
            o->fill(static_cast<char*>(data), len, nowUs() + qint64(queued));
            if (pa_stream_write(s, data, len, nullptr, 0, PA_SEEK_RELATIVE) < 0) {
                o->m_failed = true;
                return;
            }
            n -= len;
        }
    }

    // The next n bytes of the stream, the first of them heard at heardUs.
    void fill(char* data, size_t n, qint64 heardUs)
    {
        qint64 done = 0;
        const auto size = qint64(n);
        if (m_cueActive && m_pos < 0) {
            done = std::min(size, -m_pos);
            std::memset(data, 0, size_t(done));
            m_pos += done;
        }
        while (m_cueActive && done < size && m_pos < m_cue.size()) {
            const qint64 k = std::min(size - done, qint64(m_cue.size()) - m_pos);
            if (m_cueWritten == 0)
                m_cueStartUs = heardUs + bytesToUs(done);
            std::memcpy(data + done, m_cue.constData() + m_pos, size_t(k));
            done += k;
            m_pos += k;
            m_cueWritten += k;
            if (m_pos == m_cue.size()) {
                if (m_cueLoop) {
                    m_pos = 0;
                } else {
                    m_cueEndUs = heardUs + bytesToUs(done);
                    m_cueActive = false;
                    m_cue.clear();
                }
            }
        }
        std::memset(data + done, 0, size_t(size - done));
    }

    pa_threaded_mainloop* m_loop = nullptr;
    pa_context* m_context = nullptr;
    pa_stream* m_stream = nullptr;
    bool m_ready = false;
    bool m_failed = false;
    bool m_corked = false;
    bool m_fresh = true; // nothing played yet on this stream, or since its rest
    qint64 m_connectUs = 0;
    qint64 m_lastRequestUs = 0;
    QByteArray m_cue;
    qint64 m_pos = 0; // next byte of m_cue; below zero while a lead of silence goes out
    bool m_cueLoop = false;
    bool m_cueActive = false;
    qint64 m_cueAskedUs = 0;
    qint64 m_cueWritten = 0;
    qint64 m_cueStartUs = -1;
    qint64 m_cueEndUs = -1;
};

SoundService& SoundService::instance()
{
    // Never destroyed with the statics: the output is released while the application still exists.
    if (!g_service) {
        g_service = new SoundService;
        qAddPostRoutine(releaseSoundService);
    }
    return *g_service;
}

SoundService::SoundService()
{
    m_since.start();
    m_endTimer = new QTimer(this);
    m_endTimer->setInterval(5);
    m_endTimer->setTimerType(Qt::PreciseTimer);
    connect(m_endTimer, &QTimer::timeout, this, &SoundService::checkEnd);
    m_restTimer = new QTimer(this);
    m_restTimer->setSingleShot(true);
    m_restTimer->setInterval(RestAfterMs);
    connect(m_restTimer, &QTimer::timeout, this, &SoundService::rest);
    m_watchdog = new QTimer(this);
    m_watchdog->setInterval(200);
    connect(m_watchdog, &QTimer::timeout, this, &SoundService::watch);
}

SoundService::~SoundService()
{
    release();
}

void SoundService::setRestAfter(int ms)
{
    m_restTimer->setInterval(ms);
    if (m_restTimer->isActive())
        m_restTimer->start();
}

void SoundService::rest()
{
    if (m_playing || !m_output || m_resting)
        return;
    m_output->cork();
    m_resting = true;
}

// Reopens the output when the server failed, went away, never answered the connection, or
// stopped asking for samples while the stream should run; a little later each time it fails
// again at once, so that a server that is gone costs next to nothing.
void SoundService::watch()
{
    if (!m_output) {
        m_watchdog->stop();
        return;
    }
    const PulseOutput::Status st = m_output->status();
    const qint64 now = nowUs();
    const bool stuck = st.failed || (!st.ready && now - st.connectUs > qint64(ConnectMs) * 1000) ||
                       (st.ready && !st.corked && now - st.lastRequestUs > qint64(StallMs) * 1000);
    if (!stuck) {
        if (st.ready)
            m_backoffMs = 0;
        return;
    }
    if (m_since.elapsed() < m_retryAtMs)
        return;
    m_backoffMs = m_backoffMs > 0 ? std::min(2 * m_backoffMs, ConnectMs) : 100;
    m_retryAtMs = m_since.elapsed() + m_backoffMs;
    ++m_reopens;
    m_output->reopen();
    m_resting = false;
    if (!m_playing)
        m_restTimer->start();
}

bool SoundService::audioAvailable() const
{
    if (m_muted)
        return false;
    if (m_serverAnswers < 0) {
        const SoundServer server = probeSoundServer(durations::SoundServerAnswer);
        if (server == SoundServer::Silent)
            std::fprintf(stderr, "tarvelle: the sound server does not answer; playing without sound\n");
        m_serverAnswers = server == SoundServer::Answers ? 1 : 0;
    }
    return m_serverAnswers == 1;
}

qint64 SoundService::playedUSecs() const
{
    return m_playing && m_output ? bytesToUs(m_output->status().cueWritten) : 0;
}

qint64 SoundService::heardAfterUSecs() const
{
    const qint64 start = m_output ? m_output->status().cueStartUs : -1;
    return start < 0 ? -1 : start - m_askedUs;
}

bool SoundService::streamReady() const
{
    return m_output && m_output->status().ready;
}

void SoundService::release()
{
    m_playing = false;
    if (m_endTimer)
        m_endTimer->stop();
    if (m_restTimer)
        m_restTimer->stop();
    if (m_watchdog)
        m_watchdog->stop();
    m_resting = false;
    m_output.reset();
}

// Short streams opened and closed per recording lose their samples on some servers: the end
// is dropped when the stream stops, the start when the server rewinds to mix a new stream in.
// So one stream stays open and is fed silence between recordings. The connection is made in
// the background: this returns at once.
bool SoundService::openStream()
{
    if (m_output)
        return true;
    if (!audioAvailable())
        return false;
    m_output = std::make_unique<PulseOutput>();
    if (!m_output->valid()) {
        m_output.reset();
        return false;
    }
    m_resting = false;
    m_backoffMs = 0;
    m_retryAtMs = 0;
    m_watchdog->start();
    m_restTimer->start();
    return true;
}

void SoundService::stopAll()
{
    const bool was = m_playing;
    m_playing = false;
    m_endTimer->stop();
    if (m_output) {
        m_output->clearCue();
        if (!m_resting)
            m_restTimer->start();
    }
    if (was)
        emit finished();
}

QByteArray SoundService::decode(const QByteArray& riffWave)
{
    WaveInfo info;
    if (!parseWave(riffWave, &info))
        return {};
    return toStreamFormat(riffWave, info);
}

bool SoundService::play(const QByteArray& riffWave, bool loop, const QString& name)
{
    return playDecoded(decode(riffWave), loop, name);
}

bool SoundService::playDecoded(const QByteArray& pcm, bool loop, const QString& name)
{
    remember(name);
    stopAll();
    if (pcm.isEmpty() || !openStream())
        return false;
    m_restTimer->stop();
    m_askedUs = nowUs();
    m_output->setCue(pcm, loop);
    m_resting = false;
    m_loop = loop;
    m_playing = true;
    m_startSeen = false;
    m_cueMs = bytesToUs(pcm.size()) / 1000;
    m_clock.start();
    m_endTimer->start();
    return true;
}

void SoundService::checkEnd()
{
    if (!m_output || !m_playing) {
        m_endTimer->stop();
        return;
    }
    const PulseOutput::Status st = m_output->status();
    if (!m_startSeen && st.cueWritten > 0) {
        m_startSeen = true;
        emit started();
        return; // a slot may have asked for another recording
    }
    if (m_loop)
        return;
    // A recording the server never took (it went away) is given up after its length and a margin.
    const bool over = (st.cueEndUs >= 0 && nowUs() >= st.cueEndUs) || m_clock.elapsed() > m_cueMs + 2000;
    if (over) {
        m_playing = false;
        m_endTimer->stop();
        m_restTimer->start();
        emit finished();
    }
}

void SoundService::waitForEnd(int maxMs)
{
    QElapsedTimer t;
    t.start();
    while (m_playing && !m_loop && t.elapsed() < maxMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

TWavePlayer::TWavePlayer(QObject* parent) : QObject(parent) {}

void TWavePlayer::setSound(const QByteArray& riff)
{
    m_sound = riff;
    m_pcm = SoundService::decode(riff);
}

TWavePlayer::~TWavePlayer()
{
    stop();
}

void TWavePlayer::stop()
{
    m_active = false;
    SoundService::instance().stopAll();
}

void TWavePlayer::setActive(bool on)
{
    if (on == m_active)
        return;
    if (!on) {
        stop();
        return;
    }
    stop();
    SoundService& s = SoundService::instance();
    if (m_sound.isEmpty()) {
        s.noteRequest(name());
        return;
    }
    const bool accepted = s.playDecoded(m_pcm, m_loop, name());
    if (accepted && m_waitToStop)
        s.waitForEnd();
    m_active = accepted && m_loop;
}

const QStringList& SoundBank::names()
{
    static const QStringList list = [] {
        QStringList names;
        for (const char* name : kCueNames)
            names << QString::fromLatin1(name);
        return names;
    }();
    return list;
}

SoundBank::SoundBank()
{
    // Connecting to the sound server takes a few ms: begin now rather than on the first cue.
    SoundService& service = SoundService::instance();
    if (service.audioAvailable())
        service.openStream();
    for (const QString& n : names()) {
        auto* p = new TWavePlayer;
        p->setObjectName(n);
        QFile f(QStringLiteral(":/snd/%1.wav").arg(n));
        if (f.open(QIODevice::ReadOnly))
            p->setSound(f.readAll());
        m_players.insert(n, p);
    }
}

SoundBank::~SoundBank()
{
    qDeleteAll(m_players);
}

TWavePlayer* SoundBank::player(const QString& name)
{
    auto it = m_players.find(name);
    if (it == m_players.end()) {
        auto* p = new TWavePlayer;
        p->setObjectName(name);
        it = m_players.insert(name, p);
    }
    return it.value();
}

void SoundBank::play(CueName cue)
{
    player(QString::fromLatin1(cue.name()))->setActive(true);
}

} // namespace tarvelle
