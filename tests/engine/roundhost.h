#pragma once

// The round's host in the tests: a manual clock, the animation, autoplay and wake-up
// timers kept as flags, and settle() to play on until the round rests.
#include "engine/clock.h"
#include "engine/round.h"

namespace tarvelle::testing {

struct RoundHost : RoundEffects {
    ManualClock clock;
    bool animating = false;
    bool autoplayOn = false;
    int64_t wakeAt = -1; // the wake-up asked for
    __int128 reported = 0; // every money change the round reported

    void wakeAfter(int ms) override { wakeAt = clock.elapsedMs() + ms; }
    void cancelWake() override { wakeAt = -1; }
    void startAnimation(bool) override { animating = true; }
    void stopAnimation(bool) override { animating = false; }
    void autoplayTimer(bool on) override { autoplayOn = on; }
    bool openExtra() override { return true; }
    void money(MoneyKind, __int128 amount) override { reported += amount; }

    // The wake-up asked for, with the clock moved to its time; false when none is due.
    bool wake(Round& round)
    {
        if (wakeAt < 0)
            return false;
        clock.advance(wakeAt - clock.elapsedMs());
        wakeAt = -1;
        round.input(Input::WaitOver);
        return true;
    }

    // Ticks the animation and delivers the wake-ups until the round rests.
    bool settle(Round& round, int guard = 10000)
    {
        for (int i = 0; i < guard; ++i) {
            if (animating)
                round.input(Input::AnimationTick);
            else if (!wake(round))
                return !round.busy();
        }
        return false;
    }
};

} // namespace tarvelle::testing
