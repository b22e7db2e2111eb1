#include "sound/waveplayer.h"

#include "sound/pulseoutput.h"
#include "sound/soundserverprobe.h"

#include "engine/assetlanguage.h"
#include "engine/durations.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTimer>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>

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

using pulse::bytesToUs;
using pulse::kFrameBytes;
using pulse::nowUs;

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
    const bool was = m_playing;
    m_playing = false;
    if (m_endTimer)
        m_endTimer->stop();
    if (m_restTimer)
        m_restTimer->stop();
    if (m_watchdog)
        m_watchdog->stop();
    m_resting = false;
    m_output.reset();
    if (was)
        emit finished();
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
        if (m_waitToStop)
            announceEnd();
        return;
    }
    const bool accepted = s.playDecoded(m_pcm, m_loop, name());
    if (m_waitToStop) {
        // A loop never ends by itself: its caller is not held.
        if (accepted && !m_loop)
            watchEnd();
        else
            announceEnd();
    }
    m_active = accepted && m_loop;
}

// The service plays one recording at a time and reports the end of each once, before the next
// one starts: the first finished() after an accepted request is that recording's.
void TWavePlayer::watchEnd()
{
    m_endWatch = connect(&SoundService::instance(), &SoundService::finished, this, [this] {
        disconnect(m_endWatch);
        announceEnd();
    });
}

// From the event loop, so that the caller's follow-up does not run inside the request that cut
// the recording off, only to be cut off in turn when that request goes on.
void TWavePlayer::announceEnd()
{
    QTimer::singleShot(0, this, &TWavePlayer::ended);
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
    const QString language = QString::fromStdString(assetLanguage());
    for (const QString& n : names()) {
        auto* p = new TWavePlayer;
        p->setObjectName(n);
        QFile f(recordingPath(n, language));
        if (f.open(QIODevice::ReadOnly))
            p->setSound(f.readAll());
        m_players.insert(n, p);
    }
}

QString SoundBank::recordingPath(const QString& name, const QString& language)
{
    const QString own = QStringLiteral(":/snd/%1/%2.wav")
                            .arg(QString::fromStdString(assetLanguageOf(language.toStdString())), name);
    return QFile::exists(own) ? own : QStringLiteral(":/snd/%1.wav").arg(name);
}

void SoundBank::setLanguage(const QString& language)
{
    for (const QString& n : names()) {
        QFile f(recordingPath(n, language));
        if (f.open(QIODevice::ReadOnly))
            player(n)->setSound(f.readAll());
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
