// Engine speed: the evaluation sequence over every hand of each deck, and one
// odds simulation.
#include "engine/deal.h"
#include "engine/evaluator.h"
#include "engine/odds.h"

#include <benchmark/benchmark.h>

#include <array>
#include <vector>

using namespace tarvelle;

namespace {

std::vector<std::array<uint8_t, 5>> everyHand(int deck)
{
    std::vector<std::array<uint8_t, 5>> hands;
    for (int a = 1; a <= deck; ++a)
        for (int b = a + 1; b <= deck; ++b)
            for (int c = b + 1; c <= deck; ++c)
                for (int d = c + 1; d <= deck; ++d)
                    for (int e = d + 1; e <= deck; ++e)
                        hands.push_back({uint8_t(a), uint8_t(b), uint8_t(c), uint8_t(d), uint8_t(e)});
    return hands;
}

void evaluateEveryHand(benchmark::State& state, int deck)
{
    const auto hands = everyHand(deck);
    Hand hand;
    HandFlags flags;
    for (auto _ : state) {
        int sum = 0;
        for (const auto& codes : hands) {
            for (int i = 0; i < 5; ++i)
                hand.setCard(i + 1, codes[i]);
            hand.clearHeld();
            sum += EvaluateHand(hand, flags, false);
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(int64_t(state.iterations()) * int64_t(hands.size()));
}

void BM_EvaluateAllHands52(benchmark::State& state)
{
    evaluateEveryHand(state, 52);
}
void BM_EvaluateAllHands53(benchmark::State& state)
{
    evaluateEveryHand(state, 53);
}

void BM_LiveOdds(benchmark::State& state)
{
    RandomSource rng;
    rng.seed(12345);
    Hand hand;
    DealHand(hand, rng, true);
    hand.Held = {0, 1, 0, 0, 1, 0}; // three cards to draw in each trial
    for (auto _ : state) {
        const OddsResult odds = LiveOdds(hand, rng, true);
        benchmark::DoNotOptimize(odds.OddsCounts.data());
    }
}

} // namespace

BENCHMARK(BM_EvaluateAllHands52)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EvaluateAllHands53)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LiveOdds)->Unit(benchmark::kMicrosecond);
