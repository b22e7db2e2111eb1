// The sound service's one connection to the sound server; the only user of libpulse besides the
// probe.
#pragma once

#include <QByteArray>

#include <cstddef>
#include <cstdint>

struct pa_context;
struct pa_stream;
struct pa_threaded_mainloop;

namespace tarvelle {

namespace pulse {

constexpr int kFrameBytes = 4; // 16-bit stereo, the stream's format

// A steady clock in microseconds, the one every time below is on.
qint64 nowUs();
// How long bytes of the stream's format last.
qint64 bytesToUs(qint64 bytes);
uint32_t msToBytes(int ms);

} // namespace pulse

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

    PulseOutput();
    ~PulseOutput();
    PulseOutput(const PulseOutput&) = delete;
    PulseOutput& operator=(const PulseOutput&) = delete;

    bool valid() const { return m_loop != nullptr; }

    // Drops the connection and begins a new one; never waits for the server.
    void reopen();
    // What goes out from the next sample the server asks for: the recording, cutting off the one
    // playing. A paused stream is emptied of the silence it holds and started.
    void setCue(const QByteArray& pcm, bool loop);
    void clearCue();
    void cork();
    Status status();

private:
    void connectContext();
    void teardown();
    void openStream();
    static void onContextState(pa_context* c, void* self);
    static void onStreamState(pa_stream* s, void* self);
    static void onWrite(pa_stream* s, size_t n, void* self);
    void fill(char* data, size_t n, qint64 heardUs);

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

} // namespace tarvelle
