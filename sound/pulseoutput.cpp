#include "sound/pulseoutput.h"

#include "sound/waveplayer.h"

#include <algorithm>
#include <chrono>
#include <cstring>

#include <pulse/context.h>
#include <pulse/stream.h>
#include <pulse/thread-mainloop.h>

namespace tarvelle {

namespace pulse {

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

} // namespace pulse

using namespace pulse;

namespace {

struct Lock {
    explicit Lock(pa_threaded_mainloop* l) : loop(l) { pa_threaded_mainloop_lock(loop); }
    ~Lock() { pa_threaded_mainloop_unlock(loop); }
    pa_threaded_mainloop* loop;
};

void pa_operation_unref_safe(pa_operation* o)
{
    if (o)
        pa_operation_unref(o);
}

// A server that has just started the stream, or the device, may drop or soften its first
// samples (a null sink did, for a whole click): the first recording goes out behind 20 ms of
// silence.
uint32_t leadBytes()
{
    return msToBytes(20);
}

} // namespace

PulseOutput::PulseOutput()
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

PulseOutput::~PulseOutput()
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

void PulseOutput::reopen()
{
    Lock lock(m_loop);
    teardown();
    connectContext();
}

void PulseOutput::setCue(const QByteArray& pcm, bool loop)
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

void PulseOutput::clearCue()
{
    Lock lock(m_loop);
    m_cueActive = false;
    m_cue.clear();
}

void PulseOutput::cork()
{
    Lock lock(m_loop);
    if (m_stream && !m_corked) {
        pa_operation_unref_safe(pa_stream_cork(m_stream, 1, nullptr, nullptr));
        m_corked = true;
    }
}

PulseOutput::Status PulseOutput::status()
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

void PulseOutput::connectContext()
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

void PulseOutput::teardown()
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

void PulseOutput::openStream()
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

void PulseOutput::onContextState(pa_context* c, void* self)
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

void PulseOutput::onStreamState(pa_stream* s, void* self)
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
void PulseOutput::onWrite(pa_stream* s, size_t n, void* self)
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
void PulseOutput::fill(char* data, size_t n, qint64 heardUs)
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

} // namespace tarvelle
