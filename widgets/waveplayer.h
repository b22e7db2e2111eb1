#pragma once

#include "engine/soundcues.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QIODevice>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <memory>

class QAudioSink;
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

class CueFeed;

// The one owner of audio output: plays one recording at a time and cuts off
// whatever plays when a new one starts. Without an audio device it stays silent
// but still keeps the history of requests.
class SoundService : public QObject {
    Q_OBJECT
public:
    // The format of the one stream every recording goes out on (16-bit stereo).
    static constexpr int StreamRate = 44100;
    // What the stream asks of the sound server: request to heard, its own buffer and the
    // device's together. 20 ms broke long sounds up on a loaded machine; 30 ms did not.
    static constexpr int LatencyMs = 30;
    // How often the stream is topped up; well inside LatencyMs.
    static constexpr int FeedMs = 5;
    // A stream that low costs the sound server a few per cent of a core: after this long
    // without a cue it is paused at the server, so a game left open costs next to nothing.
    static constexpr int RestAfterMs = 10000;

    static SoundService& instance();
    ~SoundService() override;

    void stopAll();
    // Starts riffWave (a complete RIFF/WAVE image) asynchronously. False when the
    // data is refused or nothing could be started.
    bool play(const QByteArray& riffWave, bool loop, const QString& name = QString());
    // Blocks (pumping events) until the current recording ends.
    void waitForEnd(int maxMs = 10000);
    // Opens the output stream ahead of the first recording, so that it is not the one to wait.
    bool openStream();

    bool audioAvailable() const;
    // True from an accepted request until the recording has been heard to its end or is stopped.
    bool isPlaying() const { return m_playing; }
    // How much of the current recording went to the sound server, in microseconds; it is
    // heard up to LatencyMs later.
    qint64 playedUSecs() const;
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
    void finished();

private:
    SoundService();
    void checkEnd();
    void feed();
    void rest();
    void release(bool now = false);
    friend void releaseSoundService();

    void remember(const QString& name)
    {
        if (m_history.size() >= kHistoryLimit)
            m_history.removeFirst();
        m_history.append(name);
    }
    QStringList m_history;
    QAudioSink* m_sink = nullptr;
    QPointer<QIODevice> m_out; // the sink's input, owned by it
    std::unique_ptr<CueFeed> m_feed;
    QTimer* m_feedTimer = nullptr;
    QTimer* m_restTimer = nullptr;
    bool m_resting = false;
    QByteArray m_chunk;
    QTimer* m_endTimer = nullptr;
    QElapsedTimer m_clock;  // since the current recording started
    qint64 m_handedMs = -1; // when its last sample went to the server, on m_clock
    bool m_loop = false;
    bool m_muted = false;
    // Asked once, on the first need: whether the sound server answers at all.
    mutable int m_serverAnswers = -1;
    bool m_playing = false;
    bool m_startSeen = false;
    bool m_fresh = false; // no recording yet on the open stream
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
    bool waitToStop() const { return m_waitToStop; }
    void setWaitToStop(bool on) { m_waitToStop = on; }
    bool loop() const { return m_loop; }
    void setLoop(bool on) { m_loop = on; }
    QByteArray sound() const { return m_sound; }
    void setSound(const QByteArray& riff) { m_sound = riff; }
    QString name() const { return objectName(); }

private:
    void stop();

    bool m_active = false;
    bool m_stopOthers = false;
    bool m_waitToStop = false;
    bool m_loop = false;
    QByteArray m_sound;
};

// One player per recording of the game, loaded from ":/snd/<name>.wav".
class SoundBank {
public:
    static const QStringList& names();

    SoundBank();
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
