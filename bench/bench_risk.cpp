// Risk of ruin from a game's exact final-class odds: the exact method for 9/6 Jacks with a
// bankroll of 800 bets over 10,000 hands (target: well under a second), the whole set of
// figures for each catalogue game, and the simulation's cost per million hands.
#include "engine/analysis.h"
#include "engine/game.h"
#include "engine/risk.h"

#include <benchmark/benchmark.h>

#include <map>

using namespace tarvelle;

namespace {

// The odds come from the exact return, worked out once per game outside the timings.
const std::vector<HandOutcome>& outcomesOf(const Game& game)
{
    static std::map<std::string, std::vector<HandOutcome>> cache;
    auto it = cache.find(game.id);
    if (it == cache.end()) {
        ReturnOptions o;
        o.game = game;
        it = cache.emplace(game.id, handOutcomes(game, gameReturn(o))).first;
    }
    return it->second;
}

void exactRuin(benchmark::State& state)
{
    const auto& outcomes = outcomesOf(*findGame("jacks-9-6"));
    const int64_t hands = state.range(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(exactRuinChances(outcomes, hands, 1e-10)[800]);
    state.counters["work"] = exactRuinWork(outcomes, hands, 1e-10);
}

void figures(benchmark::State& state, const Game* game)
{
    const auto& outcomes = outcomesOf(*game);
    RiskFigures r;
    for (auto _ : state)
        benchmark::DoNotOptimize(r = riskFigures(outcomes, 800, 10000));
    state.counters["simulated"] = r.method == RiskMethod::Simulation;
}

void simulation(benchmark::State& state)
{
    const auto& outcomes = outcomesOf(*findGame("jacks-9-6"));
    for (auto _ : state)
        benchmark::DoNotOptimize(simulatedFalls(outcomes, 10000, 100, 1));
    state.SetItemsProcessed(state.iterations() * 1000000);
}

const bool registered = [] {
    benchmark::RegisterBenchmark("BM_ExactRuin/jacks-9-6/800", exactRuin)
        ->Arg(1000)
        ->Arg(10000)
        ->Arg(100000)
        ->Unit(benchmark::kMillisecond);
    for (const Game& g : gameCatalogue())
        benchmark::RegisterBenchmark(("BM_RiskFigures/" + g.id + "/800/10000").c_str(), figures, &g)
            ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("BM_SimulatedMillionHands/jacks-9-6", simulation)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
