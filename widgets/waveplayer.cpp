#include "widgets/waveplayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

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
    if (g_service)
        g_service->release(true);
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
    // The sink reports running dry late (up to seconds on some servers), so the end of a
    // recording is found from the play position instead.
    m_endTimer = new QTimer(this);
    m_endTimer->setSingleShot(true);
    m_endTimer->setTimerType(Qt::PreciseTimer);
    connect(m_endTimer, &QTimer::timeout, this, &SoundService::checkEnd);
}

SoundService::~SoundService()
{
    release(true);
}

bool SoundService::audioAvailable() const
{
    return !m_muted && !QMediaDevices::defaultAudioOutput().isNull();
}

qint64 SoundService::playedUSecs() const
{
    return m_sink ? m_sink->processedUSecs() : 0;
}

void SoundService::release(bool now)
{
    if (m_endTimer)
        m_endTimer->stop();
    QAudioSink* sink = m_sink;
    m_sink = nullptr;
    m_buffer = nullptr; // a child of the sink
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

void SoundService::stopAll()
{
    const bool was = m_sink != nullptr;
    release();
    if (was)
        emit finished();
}

bool SoundService::play(const QByteArray& riffWave, bool loop, const QString& name)
{
    m_history.append(name);
    stopAll();
    WaveInfo info;
    if (!parseWave(riffWave, &info))
        return false;
    if (!audioAvailable())
        return false;

    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    QAudioFormat format;
    format.setChannelCount(info.channels);
    format.setSampleRate(info.sampleRate);
    format.setSampleFormat(info.bitsPerSample == 8 ? QAudioFormat::UInt8 : QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;

    m_loop = loop;
    m_sink = new QAudioSink(device, format);
    m_buffer = new QBuffer(m_sink);
    m_buffer->setData(riffWave.mid(info.dataOffset, info.dataSize));
    m_buffer->open(QIODevice::ReadOnly);
    // The sink's own buffer size is kept: small ones starve the stream with Qt 6.4's
    // PulseAudio backend, and the default already starts a cue within a few tens of ms.
    connect(m_sink, &QAudioSink::stateChanged, this, &SoundService::onStateChanged);
    m_durationUs = qint64(info.seconds() * 1e6);
    m_sink->start(m_buffer);
    if (m_sink->error() != QAudio::NoError) {
        release();
        return false;
    }
    m_clock.start();
    m_endTimer->start(int(m_durationUs / 1000));
    return true;
}

void SoundService::checkEnd()
{
    if (!m_sink)
        return;
    const qint64 played = m_sink->processedUSecs();
    // The position can stop a hair short of the end; past a generous limit the recording is over anyway.
    const bool overdue = m_clock.elapsed() * 1000 > m_durationUs + 2000000;
    if (played >= m_durationUs || m_sink->state() == QAudio::StoppedState || overdue)
        endOfRecording();
    else
        m_endTimer->start(5);
}

void SoundService::endOfRecording()
{
    if (m_loop && m_sink && m_sink->error() == QAudio::NoError) {
        m_sink->stop();
        m_buffer->seek(0);
        m_sink->start(m_buffer);
        m_clock.start();
        m_endTimer->start(int(m_durationUs / 1000));
        return;
    }
    release();
    emit finished();
}

void SoundService::onStateChanged()
{
    if (!m_sink)
        return;
    switch (m_sink->state()) {
    case QAudio::ActiveState:
        emit started();
        break;
    case QAudio::IdleState:
        // Idle means the last samples were handed over, not yet heard: the end timer decides.
        break;
    case QAudio::StoppedState:
        if (m_sink->error() != QAudio::NoError)
            endOfRecording();
        break;
    default:
        break;
    }
}

void SoundService::waitForEnd(int maxMs)
{
    QElapsedTimer t;
    t.start();
    while (m_sink && !m_loop && t.elapsed() < maxMs)
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
    static const QStringList list = {
        QStringLiteral("intro"), QStringLiteral("welcome"),  QStringLiteral("byebye"),
        QStringLiteral("click"), QStringLiteral("clickmic"), QStringLiteral("cartile"),
        QStringLiteral("okd"),   QStringLiteral("offg"),     QStringLiteral("succes"),
        QStringLiteral("jb"),    QStringLiteral("tp"),       QStringLiteral("tok"),
        QStringLiteral("st"),    QStringLiteral("flu"),      QStringLiteral("fh"),
        QStringLiteral("pok"),   QStringLiteral("sflu"),     QStringLiteral("rf"),
        QStringLiteral("fok"),   QStringLiteral("cart1"),    QStringLiteral("cart2"),
        QStringLiteral("cart3"), QStringLiteral("cart4"),    QStringLiteral("cart5"),
        QStringLiteral("err")};
    return list;
}

SoundBank::SoundBank()
{
    // Finding the audio device takes a few tens of ms: do it now rather than on the first cue.
    SoundService::instance().audioAvailable();
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

void SoundBank::play(const QString& name)
{
    player(name)->setActive(true);
}

} // namespace tarvelle
