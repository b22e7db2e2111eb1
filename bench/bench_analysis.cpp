// Exact analysis: one hand's 32 holds, and the whole game's return.
#include "engine/analysis.h"

#include "bench/benchhands.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>

using namespace tarvelle;

namespace {

// What `analyze` computes: every hold counted for this hand alone, plus the proposal.
void BM_AnalyzeHand(benchmark::State& state)
{
    const bool joker = state.range(0) != 0;
    const auto hands = randomHands(joker, 1000, 2024);
    const PayList pay = gamePayList();
    size_t i = 0;
    for (auto _ : state) {
        const auto& h = hands[i++ % hands.size()];
        const HoldValues v = handHoldValues(h, joker, pay);
        benchmark::DoNotOptimize(v.ranking());
        benchmark::DoNotOptimize(proposedHoldMask(h, false, false));
    }
    state.SetLabel(joker ? "53 cards" : "52 cards");
}
BENCHMARK(BM_AnalyzeHand)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The same values from the count tables, once they are built.
void BM_HoldValuesFromTables(benchmark::State& state)
{
    const bool joker = state.range(0) != 0;
    const auto hands = randomHands(joker, 1000, 2024);
    const HoldEvaluator ev(joker, gamePayList());
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(ev.evaluate(hands[i++ % hands.size()]));
    state.SetLabel(joker ? "53 cards" : "52 cards");
}
BENCHMARK(BM_HoldValuesFromTables)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The whole return on two threads; the first iteration also builds the count tables.
void BM_GameReturn(benchmark::State& state)
{
    ReturnOptions o;
    o.joker = state.range(0) != 0;
    o.strategy = state.range(1) ? Strategy::Advisor : Strategy::Optimal;
    o.threads = 2;
    for (auto _ : state)
        benchmark::DoNotOptimize(gameReturn(o).rate);
    state.SetLabel(std::string(o.joker ? "53 cards, " : "52 cards, ") +
                   (state.range(1) ? "advisor" : "optimal"));
}
BENCHMARK(BM_GameReturn)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Iterations(3)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

} // namespace
