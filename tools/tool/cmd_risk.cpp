// risk [--game NAME] [--joker] [--paytable LIST] [--bankroll B] [--hands N] [--seed S]
// [--simulate]: a game's return and spread under optimal play, and the chance that a
// bankroll of B bets is lost within N hands, with the bankroll a 5 % risk needs.
#include "tools/tool/command.h"

#include "engine/analysis.h"
#include "engine/risk.h"
#include "tools/tool/payoption.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <thread>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

constexpr long long DefaultBankroll = 800;
constexpr long long DefaultHands = 10000;
constexpr long long MaxBankroll = 1000000000;
constexpr long long MaxHands = 1000000;

// Four decimals, or an exponent where they would show a chance known better than that as none.
void percent(char* buf, size_t size, double p, double error)
{
    std::snprintf(buf, size, p > error && p < 5e-7 ? "%.2e %%" : "%.4f %%", p * 100);
}

int runRisk(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    GameChoice choice;
    RiskOptions risk;
    risk.exactBudget = 5e9; // a few seconds at most: exact figures are worth the wait here
    long long bankroll = DefaultBankroll, hands = DefaultHands;
    OptionCursor opts(args);
    while (opts.next()) {
        if (choice.take(opts))
            continue;
        if (opts.is("--bankroll"))
            bankroll = parseInteger(opts.value(), "bankroll", 1, MaxBankroll);
        else if (opts.is("--hands"))
            hands = parseInteger(opts.value(), "hands", 1, MaxHands);
        else if (opts.is("--seed"))
            risk.seed = parseSeed(opts.value());
        else if (opts.is("--simulate"))
            risk.simulate = true;
        else
            opts.unknown();
    }
    const Game game = choice.game();
    ReturnOptions options;
    options.game = game;
    options.threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    const RiskFigures r = riskFigures(game, gameReturn(options), bankroll, hands, risk);

    char buf[200];
    const auto line = [&](const char* label, const char* value, const std::string& how) {
        std::snprintf(buf, sizeof buf, "%-22s %s", label, value);
        out << buf << (how.empty() ? "" : "  (" + how + ")") << '\n';
    };
    out << game.id << ' ' << gameTitle(game.family) << '\n';
    char value[64];
    std::snprintf(value, sizeof value, "%.4Lf %%", r.rate * 100);
    line("return", value, "exact, optimal play");
    std::snprintf(value, sizeof value, "%.4Lf bets", r.deviation);
    line("sd per hand", value, "exact");
    std::snprintf(value, sizeof value, "%lld bets", bankroll);
    line("bankroll", value, "");
    std::snprintf(value, sizeof value, "%lld", hands);
    line("hands", value, "");

    std::string how;
    if (r.method == RiskMethod::Exact) {
        std::snprintf(buf, sizeof buf, "exact, error below %.0e", r.ruinError);
        how = buf;
        percent(value, sizeof value, r.ruin, r.ruinError);
    } else {
        std::snprintf(buf, sizeof buf, "simulated, %lld sessions, seed %llu, +/- one standard error",
                      (long long)r.sessions, (unsigned long long)r.seed);
        how = buf;
        std::snprintf(value, sizeof value, "%.2f +/- %.2f %%", r.ruin * 100, r.ruinError * 100);
    }
    line("ruin chance", value, how);
    std::snprintf(value, sizeof value, "%lld bets", (long long)r.bankroll5);
    if (r.method == RiskMethod::Exact) {
        how = "exact";
    } else {
        std::snprintf(buf, sizeof buf, "simulated, 95 %% interval %lld..%lld bets", (long long)r.bankroll5Low,
                      (long long)r.bankroll5High);
        how = buf;
    }
    line("5 % bankroll", value, how);

    if (r.longRunBankroll5 > 0) {
        percent(value, sizeof value, r.longRunRuin, 0);
        line("long-run ruin", value, "exact, playing for ever");
        std::snprintf(value, sizeof value, "%lld bets", (long long)r.longRunBankroll5);
        line("long-run 5 % bankroll", value, "exact");
    } else {
        line("long-run ruin", "100 %", "the game returns 100 % or less: every bankroll is lost in time");
    }
    return 0;
}

const CommandRegistrar reg{
    {"risk",
     "risk [--game NAME] [--games FILE] [--data-dir DIR] [--joker] [--paytable LIST] [--bankroll B] "
     "[--hands N] [--seed S] [--simulate]",
     "the game's return and standard deviation per hand under optimal play, the chance of losing a "
     "bankroll of B bets (800) within N hands (10000), the bankroll a 5 % risk needs, and both for "
     "playing for ever; each says how it was found",
     runRisk}};

} // namespace
