// A drill's answer: the exact verdict and, for a logged mistake, a hand of its pattern. The
// counter `suits_only` is the share of those hands that only changed suits (no fresh draw fit).
#include "engine/drill.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <random>

using namespace tarvelle;

static void BM_DrillAnswer(benchmark::State& state, const char* id)
{
    const Game& game = id ? *findGame(id) : tableGame(false);
    std::mt19937_64 rng(5);
    std::vector<int> deck(size_t(game.deckSize()));
    std::iota(deck.begin(), deck.end(), 0);
    int64_t twins = 0, suitsOnly = 0;
    for (auto _ : state) {
        state.PauseTiming();
        std::shuffle(deck.begin(), deck.end(), rng);
        DrillHand h;
        std::copy_n(deck.begin(), 5, h.cards.begin());
        Drill drill(game, {h}, rng());
        state.ResumeTiming();
        benchmark::DoNotOptimize(drill.answer(0));
        state.PauseTiming();
        auto ranks = [](std::array<int, 5> c) {
            for (int& x : c)
                x = x >= 52 ? 52 : x % 13;
            std::sort(c.begin(), c.end());
            return c;
        };
        ++twins;
        suitsOnly += ranks(drill.current().cards) == ranks(h.cards);
        state.ResumeTiming();
    }
    state.counters["suits_only"] = double(suitsOnly) / double(std::max<int64_t>(twins, 1));
}
BENCHMARK_CAPTURE(BM_DrillAnswer, table_game, nullptr)->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(BM_DrillAnswer, jacks_9_6, "jacks-9-6")->Unit(benchmark::kMillisecond)->Iterations(200);
BENCHMARK_CAPTURE(BM_DrillAnswer, deuces_wild, "deuces-wild")->Unit(benchmark::kMillisecond)->Iterations(200);
