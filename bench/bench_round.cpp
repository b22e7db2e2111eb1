// The round's own cost: a whole hand (deal, its waits and animation, draw, announcement,
// the Auto Double second and the double-up it starts) on a manual clock, waits delivered as
// wake-ups; the same hand with a key inside every wait; and a hand of a casino game.
#include "engine/clock.h"
#include "engine/round.h"

#include <benchmark/benchmark.h>

using namespace tarvelle;

namespace {

struct Host : RoundEffects {
    ManualClock clock;
    bool animating = false;
    int64_t wakeAt = -1;
    void wakeAfter(int ms) override { wakeAt = clock.elapsedMs() + ms; }
    void cancelWake() override { wakeAt = -1; }
    void startAnimation(bool) override { animating = true; }
    void stopAnimation(bool) override { animating = false; }
};

// Plays until the round rests; with a key, that key is pressed inside every wait of the
// hand (not in the waits of a bet change it makes itself, which would never end).
void settle(Round& round, Host& host, int key)
{
    for (;;) {
        if (host.animating) {
            round.input(Input::AnimationTick);
        } else if (host.wakeAt >= 0) {
            if (key >= 0 && round.busy())
                round.input(Input(key), ByKey);
            host.clock.advance(host.wakeAt - host.clock.elapsedMs());
            host.wakeAt = -1;
            round.input(Input::WaitOver);
        } else {
            return;
        }
    }
}

void wholeHands(benchmark::State& state)
{
    const int key = int(state.range(0));
    GameState gs;
    // Arg 1: a casino game, whose deal works out the best hold exactly.
    if (state.range(1) > 0)
        gs.casino = *findGame(state.range(1) == 1 ? "jacks-9-6" : "deuces-wild");
    gs.settings.AutoDouble = 1;
    gs.settings.SoundFx = gs.settings.VoiceFx = 1;
    gs.counters.Credit = 1000000000;
    gs.counters.Bet = 10;
    gs.rng.seed(20261209);
    Host host;
    Round round(gs, host, host.clock);
    int64_t hands = 0;
    for (auto _ : state) {
        if (gs.counters.Credit < 1000)
            gs.counters.Credit = 1000000000;
        while (gs.dbl.DoubleActive) { // collect whatever Auto Double started
            round.input(Input::DealRelease, ByKey);
            settle(round, host, -1);
        }
        round.input(Input::DealRelease, ByKey);
        settle(round, host, key);
        round.input(Input::DealRelease, ByKey);
        settle(round, host, key);
        ++hands;
    }
    state.counters["hands/s"] = benchmark::Counter(double(hands), benchmark::Counter::kIsRate);
}

} // namespace

// -1: no key; otherwise the bet-down key inside each wait (a guess in the double-up).
// Second arg: 0 the table's own game, 1 9/6 Jacks or Better, 2 Deuces Wild.
BENCHMARK(wholeHands)
    ->Args({-1, 0})
    ->Args({int(Input::BetDown), 0})
    ->Args({-1, 1})
    ->Args({-1, 2})
    ->Unit(benchmark::kMicrosecond);
