#pragma once

// Risk of ruin: how a bankroll fares over a number of hands of one game played the best
// way. Money here is in bets: a hand costs one bet and returns the pay of its final class,
// so its net result is pay − 1, never below −1. A player is ruined when the bankroll drops
// below one bet at any time during the hands (after the last one included).

#include "engine/analysis.h"
#include "engine/game.h"

#include <cstdint>
#include <vector>

namespace tarvelle {

// One hand's net result in bets and its probability.
struct HandOutcome {
    int64_t net;
    long double probability;
};

// A game's final classes as net results: equal pays merged, impossible classes left out,
// lowest result first. Throws std::invalid_argument when `figures` has no class odds.
std::vector<HandOutcome> handOutcomes(const Game& game, const GameReturn& figures);

enum class RiskMethod { Exact, Simulation };

struct RiskOptions {
    double epsilon = 1e-10; // what the exact method may leave out, at most
    // Work (outcomes times bankroll states times hands) the exact method may take before
    // the figures are simulated instead.
    double exactBudget = 1.5e9;
    // Hands simulated in all, shared among sessions of `hands` hands; never fewer sessions
    // than `minSessions`, so very long sessions take longer.
    int64_t simulatedHands = 200000000;
    int64_t minSessions = 400;
    int64_t maxSessions = 200000;
    uint64_t seed = 1;
    bool simulate = false; // simulate even where the exact method is cheap enough
};

struct RiskFigures {
    long double rate = 0;      // expected return per bet
    long double deviation = 0; // standard deviation of one hand's result, in bets
    int64_t bankroll = 0;
    int64_t hands = 0;

    RiskMethod method = RiskMethod::Exact;
    double ruin = 0;      // chance of ruin within `hands` hands
    double ruinError = 0; // exact: bound on what was left out; simulated: one standard error
    // Smallest bankroll whose ruin chance within `hands` hands is at most 5 %; simulated, with
    // a 95 % interval for it (both equal to it when exact).
    int64_t bankroll5 = 0;
    int64_t bankroll5Low = 0;
    int64_t bankroll5High = 0;
    int64_t sessions = 0; // simulated sessions of `hands` hands
    uint64_t seed = 0;

    // Playing for ever: the ruin chance and the bankroll for 5 %. A game returning 100 % or
    // less ruins every bankroll (1 and no bankroll, 0).
    double longRunRuin = 1;
    int64_t longRunBankroll5 = 0;
};

RiskFigures riskFigures(const std::vector<HandOutcome>& outcomes, int64_t bankroll, int64_t hands,
                        const RiskOptions& options = {});
// For a view: the figures of a game from its exact return (with class odds).
RiskFigures riskFigures(const Game& game, const GameReturn& figures, int64_t bankroll, int64_t hands,
                        const RiskOptions& options = {});

// The parts, for checks and timings.

// Ruin chances within `hands` hands for the bankrolls 0, 1, ... size − 1; every larger
// bankroll's chance is below `epsilon`, and so is each value's shortfall.
std::vector<double> exactRuinChances(const std::vector<HandOutcome>& outcomes, int64_t hands, double epsilon);
// The work exactRuinChances would take, counted as RiskOptions::exactBudget counts it.
double exactRuinWork(const std::vector<HandOutcome>& outcomes, int64_t hands, double epsilon);
// Seeded sessions of `hands` hands each: how far each fell below its start at its lowest.
// A bankroll is ruined in a session exactly when it is at most that fall.
std::vector<int64_t> simulatedFalls(const std::vector<HandOutcome>& outcomes, int64_t hands, int64_t sessions,
                                    uint64_t seed);
// The rate s of the long-run ruin chance exp(−s · bankroll); 0 when ruin is certain.
long double longRunRuinRate(const std::vector<HandOutcome>& outcomes);

} // namespace tarvelle
