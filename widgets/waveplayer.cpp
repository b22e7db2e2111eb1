#include "widgets/waveplayer.h"

#include "widgets/soundserverprobe.h"

#include "engine/durations.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

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

// Sinks must go before the application object does.
void releaseSoundService()
{
    if (g_service) {
        g_service->release(true);
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

// What the open stream plays: the current recording once (or over and over), then silence.
class CueFeed {
public:
    // lead: bytes of silence ahead of the recording.
    void setCue(QByteArray pcm, bool loop, qint64 lead = 0)
    {
        m_cue = std::move(pcm);
        m_pos = m_cue.isEmpty() ? 0 : -lead;
        m_loop = loop;
    }
    void clear() { setCue({}, false); }
    qint64 position() const { return std::max<qint64>(m_pos, 0); }
    qint64 cueSize() const { return m_cue.size(); }

    // The next maxSize bytes (whole frames) of the stream.
    void fill(char* data, qint64 maxSize)
    {
        qint64 done = 0;
        if (m_pos < 0) {
            done = std::min(maxSize, -m_pos);
            std::memset(data, 0, size_t(done));
            m_pos += done;
        }
        while (done < maxSize && m_pos < m_cue.size()) {
            const qint64 n = std::min(maxSize - done, qint64(m_cue.size()) - m_pos);
            std::memcpy(data + done, m_cue.constData() + m_pos, size_t(n));
            done += n;
            m_pos += n;
            if (m_loop && m_pos == m_cue.size())
                m_pos = 0;
        }
        std::memset(data + done, 0, size_t(maxSize - done));
    }

private:
    QByteArray m_cue;
    qint64 m_pos = 0; // below zero while the lead goes out
    bool m_loop = false;
};

namespace {

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
    QByteArray out(outFrames * 4, Qt::Uninitialized);
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

SoundService& SoundService::instance()
{
    // Never destroyed with the statics: the sinks are released while the application still exists.
    if (!g_service) {
        g_service = new SoundService;
        qAddPostRoutine(releaseSoundService);
    }
    return *g_service;
}

SoundService::SoundService()
{
    m_endTimer = new QTimer(this);
    m_endTimer->setInterval(5);
    m_endTimer->setTimerType(Qt::PreciseTimer);
    connect(m_endTimer, &QTimer::timeout, this, &SoundService::checkEnd);
    m_feedTimer = new QTimer(this);
    m_feedTimer->setTimerType(Qt::PreciseTimer);
    m_feedTimer->setInterval(FeedMs);
    connect(m_feedTimer, &QTimer::timeout, this, &SoundService::feed);
    m_restTimer = new QTimer(this);
    m_restTimer->setSingleShot(true);
    m_restTimer->setInterval(RestAfterMs);
    connect(m_restTimer, &QTimer::timeout, this, &SoundService::rest);
}

// Tops the stream up to the sink's buffer; what plays is a buffer behind what was written.
void SoundService::setRestAfter(int ms)
{
    m_restTimer->setInterval(ms);
    if (m_restTimer->isActive())
        m_restTimer->start();
}

void SoundService::rest()
{
    if (m_playing || !m_sink || m_resting || m_sink->state() == QAudio::StoppedState)
        return;
    m_feedTimer->stop();
    m_sink->suspend();
    m_resting = true;
}

void SoundService::feed()
{
    if (!m_sink || !m_out)
        return;
    // The sink deletes its input when the server goes away.
    if (m_sink->state() == QAudio::StoppedState) {
        const bool was = m_playing;
        release();
        if (was)
            emit finished();
        return;
    }
    const qint64 n = m_sink->bytesFree() & ~qint64(3);
    if (n <= 0)
        return;
    if (m_chunk.size() < n)
        m_chunk.resize(n);
    m_feed->fill(m_chunk.data(), n);
    m_out->write(m_chunk.constData(), n);
}

SoundService::~SoundService()
{
    release(true);
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
    return m_serverAnswers == 1 && !QMediaDevices::defaultAudioOutput().isNull();
}

qint64 SoundService::playedUSecs() const
{
    return m_playing && m_feed ? qint64(double(m_feed->position()) / 4 / StreamRate * 1e6) : 0;
}

void SoundService::release(bool now)
{
    m_playing = false;
    if (m_endTimer)
        m_endTimer->stop();
    if (m_feedTimer)
        m_feedTimer->stop();
    if (m_restTimer)
        m_restTimer->stop();
    m_resting = false;
    QAudioSink* sink = m_sink;
    m_sink = nullptr;
    m_out = nullptr; // owned by the sink
    if (!sink)
        return;
    sink->disconnect(this);
    sink->stop();
    // A request may come from a slot run inside the sink's own signal: delete it later.
    if (now)
        delete sink;
    else
        sink->deleteLater();
}

// Short streams opened and closed per recording lose their samples on some servers: the end
// is dropped when the stream stops, the start when the server rewinds to mix a new stream in.
// So one stream stays open and is fed silence between recordings. It is fed by us, a few ms
// at a time, rather than pulled by the sink a period at a time: a new recording then waits
// behind no more than LatencyMs of queued silence.
bool SoundService::openStream()
{
    if (m_sink && m_sink->state() != QAudio::StoppedState)
        return true;
    release();
    if (!audioAvailable())
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setChannelCount(2);
    format.setSampleRate(StreamRate);
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_sink = new QAudioSink(device, format);
    m_sink->setBufferSize(format.bytesForDuration(LatencyMs * 1000));
    if (!m_feed)
        m_feed = std::make_unique<CueFeed>();
    m_feed->clear();
    m_fresh = true;
    m_out = m_sink->start();
    if (!m_out || m_sink->error() != QAudio::NoError) {
        release();
        return false;
    }
    feed();
    m_feedTimer->start();
    m_restTimer->start();
    return true;
}

void SoundService::stopAll()
{
    const bool was = m_playing;
    m_playing = false;
    m_endTimer->stop();
    if (m_feed)
        m_feed->clear();
    if (m_sink && !m_resting)
        m_restTimer->start();
    if (was)
        emit finished();
}

bool SoundService::play(const QByteArray& riffWave, bool loop, const QString& name)
{
    remember(name);
    stopAll();
    WaveInfo info;
    if (!parseWave(riffWave, &info))
        return false;
    if (!openStream())
        return false;
    m_restTimer->stop();
    if (m_resting) {
        m_sink->resume();
        m_resting = false;
        m_feedTimer->start();
    }
    // A server that has just started the stream, or the device, may drop or soften its first
    // samples (a null sink did, for a whole click): the first recording goes out behind 20 ms of
    // silence.
    m_feed->setCue(toStreamFormat(riffWave, info), loop, m_fresh ? StreamRate / 50 * 4 : 0);
    m_fresh = false;
    feed();
    m_loop = loop;
    m_playing = true;
    m_startSeen = false;
    m_handedMs = -1;
    m_clock.start();
    m_endTimer->start();
    return true;
}

void SoundService::checkEnd()
{
    if (!m_sink || !m_playing) {
        m_endTimer->stop();
        return;
    }
    // An underrun is not a lost server: the sink goes on pulling, and reopening would cost a start.
    const QAudio::Error error = m_sink->error();
    if ((error != QAudio::NoError && error != QAudio::UnderrunError) ||
        m_sink->state() == QAudio::StoppedState) {
        // The server went away: the next request opens a new stream.
        release();
        emit finished();
        return;
    }
    const qint64 pos = m_feed->position();
    if (!m_startSeen && (pos > 0 || m_loop)) {
        m_startSeen = true;
        emit started();
    }
    if (m_loop)
        return;
    // The last sample is heard at the latest the stream's latency after it was handed over.
    if (m_handedMs < 0 && pos >= m_feed->cueSize())
        m_handedMs = m_clock.elapsed();
    const qint64 bufferMs =
        std::max<qint64>(LatencyMs, m_sink->format().durationForBytes(m_sink->bufferSize()) / 1000);
    if (m_handedMs >= 0 && m_clock.elapsed() - m_handedMs >= bufferMs) {
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
    const bool accepted = s.play(m_sound, m_loop, name());
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
    // Finding the audio device and opening the stream take a few tens of ms: do it now rather
    // than on the first cue.
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
