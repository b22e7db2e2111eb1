// The coach: its work on the GUI thread at each deal (budget 1 ms), and the game's
// return for a setting, from the request to the answer of the worker (budget 1 s).
#include "engine/coach.h"

#include "bench/benchhands.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <random>

using namespace tarvelle;

namespace {

// What the table asks of the coach after each deal: every hold's value, the ranking
// and the best hold, and the review at the draw.
void BM_CoachDealAndDraw(benchmark::State& state)
{
    const bool joker = state.range(0) != 0;
    const auto hands = randomHands(joker, 1000, 16);
    Coach coach;
    size_t i = 0;
    for (auto _ : state) {
        const auto& h = hands[i++ % hands.size()];
        const HandAdvice& a = coach.dealt(h, joker);
        benchmark::DoNotOptimize(a.rank(0));
        benchmark::DoNotOptimize(coach.drawn(0, 1, true));
    }
    state.SetLabel(joker ? "53 cards" : "52 cards");
}
BENCHMARK(BM_CoachDealAndDraw)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// From a setting's request to its figures, each setting on a fresh worker: the first
// one also builds the count tables of its deck, as at the program's first request.
void BM_ReturnReady(benchmark::State& state)
{
    const ReturnSetting s{state.range(0) != 0, state.range(1) != 0, state.range(2) != 0};
    double worst = 0;
    for (auto _ : state) {
        std::mutex m;
        std::condition_variable cv;
        bool ready = false;
        ReturnFigures figures([&](const ReturnSetting&, const SettingReturn&) {
            std::lock_guard lock(m);
            ready = true;
            cv.notify_all();
        });
        const auto start = std::chrono::steady_clock::now();
        figures.request(s);
        std::unique_lock lock(m);
        cv.wait(lock, [&] { return ready; });
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        worst = std::max(worst, seconds);
        state.SetIterationTime(seconds);
    }
    state.counters["worst_s"] = worst;
    state.SetLabel(std::string(s.joker ? "53 cards" : "52 cards") + (s.holdHighCard ? ", high card" : "") +
                   (s.holdOpenInside ? ", open inside" : ""));
}
BENCHMARK(BM_ReturnReady)
    ->ArgsProduct({{0, 1}, {0, 1}, {0, 1}})
    ->Iterations(2)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
