#include "sound/soundserverprobe.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>

#include <chrono>

namespace tarvelle {

SoundServer probeSoundServer(int timeoutMs)
{
    pa_mainloop* loop = pa_mainloop_new();
    if (!loop)
        return SoundServer::Absent;
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), "Tarvelle probe");
    SoundServer result = SoundServer::Absent;
    if (context && pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        using Clock = std::chrono::steady_clock;
        const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
        result = SoundServer::Silent;
        for (;;) {
            const pa_context_state_t state = pa_context_get_state(context);
            if (state == PA_CONTEXT_READY) {
                result = SoundServer::Answers;
                break;
            }
            if (!PA_CONTEXT_IS_GOOD(state)) {
                result = SoundServer::Absent;
                break;
            }
            if (Clock::now() >= deadline)
                break;
            // Wait for the next event, but never past the deadline.
            const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
            if (pa_mainloop_prepare(loop, int(left.count() / 1000) + 1) < 0 || pa_mainloop_poll(loop) < 0 ||
                pa_mainloop_dispatch(loop) < 0)
                break;
        }
        pa_context_disconnect(context);
    }
    if (context)
        pa_context_unref(context);
    pa_mainloop_free(loop);
    return result;
}

} // namespace tarvelle
