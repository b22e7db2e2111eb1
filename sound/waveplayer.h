#pragma once

#include "engine/soundcues.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>

class QTimer;

namespace tarvelle {

// Closes the stream; the next cue asks the sound server anew whether it answers.
void releaseSoundService();

// What a RIFF/WAVE image holds, once checked.
struct WaveInfo {
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    qsizetype dataOffset = 0; // first PCM byte in the image
    qsizetype dataSize = 0;   // PCM bytes, a whole number of frames
    double seconds() const;
};

// Checks a RIFF/WAVE image; false (with a reason) for anything that is not
// complete 8- or 16-bit PCM.
bool parseWave(const QByteArray& riff, WaveInfo* info, QString* error = nullptr);

class PulseOutput;

// The one owner of audio output: plays one recording at a time and cuts off
// whatever plays when a new one starts. Without an audio device it stays silent
// but still keeps the history of requests.
//
// One playback stream stays open on the sound server, fed from a thread of its own with the
// current recording or silence; it is never drained, so it never waits for the server to restart
// it, and a busy GUI thread cannot starve it. A watchdog reopens it when the server stops asking
// for samples, fails or restarts.
class SoundService : public QObject {
    Q_OBJECT
public:
    // The format of the one stream every recording goes out on (16-bit stereo).
    static constexpr int StreamRate = 44100;
    // What the stream asks of the sound server: request to heard, its own buffer and the
    // device's together. Its own thread refills it, so a busy GUI thread does not matter; what
    // breaks a cue is that thread or the server waiting for a core. With two busy programs
    // beside the game 60 ms kept every cue whole; on a machine loaded by other sessions too,
    // 40 and 50 ms broke some in every run, and 100 ms was no better than 60.
    static constexpr int LatencyMs = 60;
    // How little the server asks for at a time.
    static constexpr int RequestMs = 10;
    // A running stream costs the sound server a little of a core (PipeWire: about 2.5 %, the
    // game 0.9 %): after this long without a cue it is paused at the server (0.6 %, the game
    // nothing).
    static constexpr int RestAfterMs = 10000;
    // A running stream that has not been asked for samples in this long is stuck: reopened.
    static constexpr int StallMs = 1000;
    // How long a connection may take before it is given up and tried again.
    static constexpr int ConnectMs = 2000;

    static SoundService& instance();
    ~SoundService() override;

    void stopAll();
    // Starts riffWave (a complete RIFF/WAVE image) asynchronously. False when the
    // data is refused or nothing could be started.
    bool play(const QByteArray& riffWave, bool loop, const QString& name = QString());
    // The same for a recording already in the stream's format (decode()).
    bool playDecoded(const QByteArray& pcm, bool loop, const QString& name = QString());
    // A RIFF/WAVE image in the stream's format; empty when it is refused.
    static QByteArray decode(const QByteArray& riffWave);
    // Opens the output stream ahead of the first recording, so that it is not the one to wait.
    bool openStream();

    bool audioAvailable() const;
    // True from an accepted request until the recording has been heard to its end or is stopped.
    bool isPlaying() const { return m_playing; }
    // How much of the current recording went to the sound server, in microseconds; it is
    // heard up to LatencyMs later.
    qint64 playedUSecs() const;
    // How long after its request the current recording's first sample is heard, as the
    // server's timing reports put it, in microseconds; -1 while not yet known.
    qint64 heardAfterUSecs() const;
    // Whether the stream is connected and running (or resting) on the server.
    bool streamReady() const;
    // How often the output was opened anew since the service started (tests, bench).
    int reopenCount() const { return m_reopens; }
    // The latest requests, oldest first; only the last kHistoryLimit are kept, so a long
    // session does not grow it without end.
    static constexpr int kHistoryLimit = 256;
    QStringList history() const { return m_history; }
    void clearHistory() { m_history.clear(); }
    // Records a request that had nothing to play.
    void noteRequest(const QString& name) { remember(name); }
    // Whether the stream is paused at the server for want of cues; the rest can be shortened (tests).
    bool resting() const { return m_resting; }
    void setRestAfter(int ms);
    // Pretend there is no audio device (tests).
    void setMuted(bool on) { m_muted = on; }
    bool muted() const { return m_muted; }

signals:
    // The first sample went to the sound server.
    void started();
    // The recording stopped sounding: heard to its end, cut off, or given up. Once for every
    // accepted request, before the next recording starts.
    void finished();

private:
    SoundService();
    void checkEnd();
    void watch();
    void rest();
    void release();
    friend void releaseSoundService();

    void remember(const QString& name)
    {
        if (m_history.size() >= kHistoryLimit)
            m_history.removeFirst();
        m_history.append(name);
    }
    QStringList m_history;
    std::unique_ptr<PulseOutput> m_output;
    QTimer* m_restTimer = nullptr;
    QTimer* m_endTimer = nullptr;
    QTimer* m_watchdog = nullptr;
    QElapsedTimer m_clock; // since the current recording was asked for
    qint64 m_askedUs = 0;
    qint64 m_cueMs = 0;     // its length
    qint64 m_retryAtMs = 0; // on m_since: when the output may be opened again
    int m_backoffMs = 0;
    QElapsedTimer m_since; // since the service started
    int m_reopens = 0;
    bool m_resting = false;
    bool m_loop = false;
    bool m_muted = false;
    // Asked once, on the first need: whether the sound server answers at all.
    mutable int m_serverAnswers = -1;
    bool m_playing = false;
    bool m_startSeen = false;
};

// A non-visual player of one in-memory recording.
class TWavePlayer : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool Active READ active WRITE setActive)
    Q_PROPERTY(bool StopOthers READ stopOthers WRITE setStopOthers)
    Q_PROPERTY(bool WaitToStop READ waitToStop WRITE setWaitToStop)
    Q_PROPERTY(bool Loop READ loop WRITE setLoop)
    Q_PROPERTY(QByteArray Sound READ sound WRITE setSound)
public:
    explicit TWavePlayer(QObject* parent = nullptr);
    ~TWavePlayer() override;

    bool active() const { return m_active; }
    // true: stop whatever plays, then play this recording; false: stop.
    void setActive(bool on);
    bool stopOthers() const { return m_stopOthers; }
    void setStopOthers(bool on) { m_stopOthers = on; }
    // true: the caller waits for the end of each recording this player starts, not inside the
    // request (that would mean an event loop within the caller's handler) but by continuing
    // from ended().
    bool waitToStop() const { return m_waitToStop; }
    void setWaitToStop(bool on) { m_waitToStop = on; }
    bool loop() const { return m_loop; }
    void setLoop(bool on) { m_loop = on; }
    QByteArray sound() const { return m_sound; }
    // The recording is decoded for the stream here, once, not at every play.
    void setSound(const QByteArray& riff);
    QString name() const { return objectName(); }

signals:
    // With WaitToStop, once for every play request: the recording stopped sounding (heard to
    // its end, cut off or stopped), or there is nothing to wait for (no sound, no device, or a
    // loop, which never ends by itself). Always delivered from the event loop, after the
    // request that caused it has returned.
    void ended();

private:
    void stop();
    void watchEnd();
    void announceEnd();

    bool m_active = false;
    bool m_stopOthers = false;
    bool m_waitToStop = false;
    bool m_loop = false;
    QMetaObject::Connection m_endWatch;
    QByteArray m_sound;
    QByteArray m_pcm; // m_sound in the stream's format; empty when it is refused
};

// One player per recording of the game, loaded from ":/snd/<name>.wav"; the spoken ones from
// ":/snd/<language>/<name>.wav" where the language has its own.
class SoundBank {
public:
    static const QStringList& names();
    // The recording a cue plays in a language: its own words where it has them, else English.
    static QString recordingPath(const QString& name, const QString& language);

    // In the language of the assets (engine/assetlanguage.h).
    SoundBank();
    // Loads the spoken cues again in another language.
    void setLanguage(const QString& language);
    ~SoundBank();
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // The player of a recording; an unknown name gives a player with no sound.
    TWavePlayer* player(const QString& name);
    // Plays a recording, cutting off whatever plays.
    void play(CueName cue);

private:
    QHash<QString, TWavePlayer*> m_players;
};

} // namespace tarvelle
