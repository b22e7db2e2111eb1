// A strategy chart for every casino game: every deal's holds, the ranking of the patterns
// and the chart's exact return. Target: a few seconds a game with two threads.
#include "engine/game.h"
#include "engine/strategy.h"

#include <benchmark/benchmark.h>

using namespace tarvelle;

namespace {

void chart(benchmark::State& state, const Game* game)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(strategyChart(*game, int(state.range(0))).chartReturn);
}

const bool registered = [] {
    for (const Game& g : gameCatalogue())
        benchmark::RegisterBenchmark(("BM_StrategyChart/" + g.id).c_str(), chart, &g)
            ->Arg(2)
            ->Iterations(1)
            ->UseRealTime()
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
