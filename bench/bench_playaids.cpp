// Cost of one Deal/Draw press with the payout-rate control on, and of the hold proposal.
#include "engine/advisor.h"
#include "engine/deal.h"
#include "engine/payoutcontrol.h"

#include <benchmark/benchmark.h>

using namespace tarvelle;

namespace {

RandomSource seeded()
{
    RandomSource rng;
    rng.seed(12345);
    return rng;
}

void BM_Ctrl(benchmark::State& state)
{
    RandomSource rng = seeded();
    PayoutControlState pc;
    pc.StartTime = 46000.0;
    int32_t credit = 500;
    for (auto _ : state) {
        ctrl(pc, rng, credit, 300, 1000, 70, 46000.01);
        credit = 400 + (credit + 37) % 600; // move across the levels
        benchmark::DoNotOptimize(pc);
    }
}
BENCHMARK(BM_Ctrl);

void BM_GenecazFive(benchmark::State& state)
{
    RandomSource rng = seeded();
    Hand hand;
    const bool joker = state.range(0) != 0;
    for (auto _ : state) {
        genecaz(hand, rng, joker, 5);
        benchmark::DoNotOptimize(hand);
    }
}
BENCHMARK(BM_GenecazFive)->Arg(0)->Arg(1);

void BM_PlainDeal(benchmark::State& state)
{
    RandomSource rng = seeded();
    Hand hand;
    for (auto _ : state) {
        DealHand(hand, rng, true);
        benchmark::DoNotOptimize(hand);
    }
}
BENCHMARK(BM_PlainDeal);

// A fresh deal and its proposal outside the timing, then five candidate draws.
void BM_ControlledDrawFive(benchmark::State& state)
{
    RandomSource rng = seeded();
    Hand hand;
    for (auto _ : state) {
        state.PauseTiming();
        DealHand(hand, rng, true);
        ProposeHolds(hand, true, false);
        state.ResumeTiming();
        ControlledDraw(hand, rng, true, 5);
        benchmark::DoNotOptimize(hand);
    }
}
BENCHMARK(BM_ControlledDrawFive);

void BM_ProposeHolds(benchmark::State& state)
{
    RandomSource rng = seeded();
    Hand hands[64];
    for (Hand& h : hands)
        DealHand(h, rng, true);
    const bool openInside = state.range(0) != 0;
    size_t i = 0;
    for (auto _ : state) {
        Hand h = hands[i++ % 64];
        benchmark::DoNotOptimize(ProposeHolds(h, true, openInside));
    }
}
BENCHMARK(BM_ProposeHolds)->Arg(0)->Arg(1);

} // namespace
