// Every catalogue game: one hand's 32 holds (the `analyze` path) and the whole game's
// exact return. Targets: under 1 ms a hand, under 1 s a game, in this one process.
#include "engine/analysis.h"
#include "engine/game.h"

#include "bench/benchhands.h"

#include <benchmark/benchmark.h>

using namespace tarvelle;

namespace {

void holds(benchmark::State& state, const Game* game)
{
    const auto hands = randomHands(game->deckSize() == 53, 1000, 2024);
    size_t i = 0;
    for (auto _ : state) {
        const HoldValues v = handHoldValues(hands[i++ % hands.size()], *game);
        benchmark::DoNotOptimize(v.ranking());
    }
}

// One iteration, run in catalogue order: a game's count tables are built inside its
// figure unless an earlier game had the same classes (8/5 Jacks shares 9/6 Jacks').
void gameReturnOnce(benchmark::State& state, const Game* game)
{
    ReturnOptions o;
    o.game = *game;
    o.threads = int(state.range(0));
    for (auto _ : state)
        benchmark::DoNotOptimize(gameReturn(o).rate);
}

const bool registered = [] {
    for (const Game& g : gameCatalogue())
        benchmark::RegisterBenchmark(("BM_Holds/" + g.id).c_str(), holds, &g)->Unit(benchmark::kMicrosecond);
    for (int threads : {1, 2}) {
        for (const Game& g : gameCatalogue())
            benchmark::RegisterBenchmark(("BM_GameReturn/" + g.id).c_str(), gameReturnOnce, &g)
                ->Arg(threads)
                ->Iterations(threads == 1 ? 1 : 3)
                ->UseRealTime()
                ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
