#include "engine/risk.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <stdexcept>

namespace tarvelle {

std::vector<HandOutcome> handOutcomes(const Game& game, const GameReturn& figures)
{
    std::map<int64_t, long double> byNet;
    long double total = 0;
    for (int c = 0; c < game.classCount; ++c) {
        if (figures.classOdds[c] > 0) {
            byNet[game.pay[c] - 1] += figures.classOdds[c];
            total += figures.classOdds[c];
        }
    }
    if (total <= 0)
        throw std::invalid_argument("the game's figures have no class odds");
    std::vector<HandOutcome> out;
    for (const auto& [net, p] : byNet)
        out.push_back({net, p / total});
    return out;
}

namespace {

// Doob's inequality on exp(θ · loss) bounds the chance that n hands ever lose k bets by
// exp(−θk) · max(1, M(θ))^n, M(θ) = E exp(−θ · net); no hand loses more than one bet, so M
// is finite for every θ. The smallest k that bound keeps below ε, over a grid of θ (any θ
// gives a true bound), tells which bankrolls the exact method may treat as safe.
class SafeLevels {
public:
    SafeLevels(const std::vector<HandOutcome>& outcomes, double epsilon)
        : m_logInverseEpsilon(std::log(1.0L / epsilon))
    {
        constexpr int Steps = 600;
        for (int i = 0; i < Steps; ++i) {
            const long double theta = 1e-8L * std::pow(1e10L, (long double)i / (Steps - 1)); // to 100
            long double m1 = 0;                                                              // M − 1
            for (const HandOutcome& o : outcomes)
                m1 += o.probability * std::expm1(-theta * (long double)o.net);
            m_grid.push_back({theta, std::max(0.0L, std::log1p(m1))});
        }
    }

    // Every bankroll above this one keeps its ruin chance within n hands below ε (above n,
    // it cannot be lost at all).
    int64_t level(int64_t n) const
    {
        long double best = (long double)n;
        for (const auto& [theta, logM] : m_grid)
            best = std::min(best, std::ceil((n * logM + m_logInverseEpsilon) / theta));
        return int64_t(best);
    }

private:
    long double m_logInverseEpsilon;
    std::vector<std::pair<long double, long double>> m_grid; // θ, max(0, log M(θ))
};

// The levels for n = 1..hands in up to 512 blocks, each with its last n's level: the
// level only grows with n, so that stays a true bound and costs a little extra work.
struct LevelBlocks {
    std::vector<int64_t> end, level;

    LevelBlocks(const std::vector<HandOutcome>& outcomes, int64_t hands, double epsilon)
    {
        const SafeLevels safe(outcomes, epsilon);
        const int64_t blocks = std::min<int64_t>(hands, 512);
        for (int64_t b = 1; b <= blocks; ++b) {
            end.push_back(hands * b / blocks);
            level.push_back(safe.level(end.back()));
        }
    }
};

} // namespace

namespace {

// Every method here stands on no hand losing more than its one bet.
void checkOutcomes(const std::vector<HandOutcome>& outcomes)
{
    if (outcomes.empty())
        throw std::invalid_argument("no hand outcomes");
    for (const HandOutcome& o : outcomes) {
        if (o.net < -1 || !(o.probability >= 0))
            throw std::invalid_argument("a hand outcome loses more than its bet or has no probability");
    }
}

} // namespace

double exactRuinWork(const std::vector<HandOutcome>& outcomes, int64_t hands, double epsilon)
{
    checkOutcomes(outcomes);
    const LevelBlocks blocks(outcomes, hands, epsilon);
    // The sum over n of min(n, level), block by block.
    const auto upTo = [](double n) { return n * (n + 1) / 2; };
    double states = 0;
    int64_t first = 1;
    for (size_t b = 0; b < blocks.end.size(); ++b) {
        const int64_t last = blocks.end[b], level = blocks.level[b];
        const int64_t rising = std::clamp<int64_t>(level, first - 1, last); // n up to here count n
        states += upTo(double(rising)) - upTo(double(first - 1)) + double(last - rising) * double(level);
        first = last + 1;
    }
    return states * double(outcomes.size());
}

std::vector<double> exactRuinChances(const std::vector<HandOutcome>& outcomes, int64_t hands, double epsilon)
{
    // f[k]: the chance that bankroll k is ruined within the hands played so far, for k up
    // to the current level; higher bankrolls count as safe, and each path that climbs past
    // the level does so once, so what is left out stays below ε.
    checkOutcomes(outcomes);
    const LevelBlocks blocks(outcomes, hands, epsilon);
    const int64_t top = blocks.level.empty() ? 0 : blocks.level.back();
    std::vector<double> f(size_t(top) + 1, 0.0), next(size_t(top) + 1, 0.0);
    f[0] = next[0] = 1;
    int64_t level = 0; // the highest bankroll f holds
    int64_t n = 1;
    for (size_t b = 0; b < blocks.end.size(); ++b) {
        for (; n <= blocks.end[b]; ++n) {
            const int64_t nextLevel = std::min(n, blocks.level[b]);
            std::fill(next.begin() + 1, next.begin() + nextLevel + 1, 0.0);
            for (const HandOutcome& o : outcomes) {
                // next[k] += p · f[k + net] wherever k + net is still held
                const int64_t last = std::min(nextLevel, level - o.net);
                if (last < 1)
                    continue;
                const double p = double(o.probability);
                const double* from = f.data() + 1 + o.net; // net ≥ −1
                double* to = next.data() + 1;
                for (int64_t i = 0; i < last; ++i)
                    to[i] += p * from[i];
            }
            f.swap(next);
            level = nextLevel;
        }
    }
    f.resize(size_t(level) + 1);
    return f;
}

std::vector<int64_t> simulatedFalls(const std::vector<HandOutcome>& outcomes, int64_t hands, int64_t sessions,
                                    uint64_t seed)
{
    checkOutcomes(outcomes);
    // Likeliest outcome first, each with the 64-bit draw below which it is chosen.
    std::vector<HandOutcome> order = outcomes;
    std::stable_sort(order.begin(), order.end(), [](const HandOutcome& a, const HandOutcome& b) {
        return a.probability > b.probability;
    });
    std::vector<uint64_t> below;
    std::vector<int64_t> net;
    long double sum = 0;
    for (const HandOutcome& o : order) {
        sum += o.probability;
        const long double scaled = std::ldexp(sum, 64);
        below.push_back(scaled >= 0x1p64L ? std::numeric_limits<uint64_t>::max() : uint64_t(scaled));
        net.push_back(o.net);
    }
    below.back() = std::numeric_limits<uint64_t>::max();
    const size_t lastOutcome = below.size() - 1;
    // The top 16 bits of a draw mostly settle the outcome alone: a table of those, with
    // −1 where an outcome boundary falls inside the slice.
    std::vector<int16_t> bySlice(size_t(1) << 16);
    size_t i = 0;
    for (size_t slice = 0; slice < bySlice.size(); ++slice) {
        const uint64_t first = uint64_t(slice) << 48, last = first | ((uint64_t(1) << 48) - 1);
        while (i < lastOutcome && first >= below[i])
            ++i;
        bySlice[slice] = int16_t(i == lastOutcome || last < below[i] ? int(i) : -1);
    }

    // mt19937_64's output is fixed by the standard, so a seed gives the same figures anywhere.
    std::mt19937_64 random(seed);
    std::vector<int64_t> falls(size_t(std::max<int64_t>(sessions, 0)));
    for (int64_t& fall : falls) {
        int64_t total = 0, lowest = 0;
        for (int64_t h = 0; h < hands; ++h) {
            const uint64_t u = random();
            int o = bySlice[u >> 48];
            if (o < 0) {
                o = 0;
                while (size_t(o) < lastOutcome && u >= below[size_t(o)])
                    ++o;
            }
            total += net[size_t(o)];
            lowest = std::min(lowest, total);
        }
        fall = -lowest;
    }
    return falls;
}

long double longRunRuinRate(const std::vector<HandOutcome>& outcomes)
{
    // A bankroll of k is lost when the walk ever falls k bets; hands lose at most one bet,
    // so it must pass each bet on the way and the chance is r^k, where r < 1 solves
    // E r^net = 1 when the game gains on average. With s = −ln r: E exp(−s · net) = 1.
    long double mean = 0;
    bool canLose = false;
    for (const HandOutcome& o : outcomes) {
        mean += o.probability * o.net;
        canLose = canLose || o.net < 0;
    }
    if (!canLose)
        return std::numeric_limits<long double>::infinity();
    if (mean <= 0)
        return 0;
    const auto excess = [&](long double s) {
        long double e = 0;
        for (const HandOutcome& o : outcomes)
            e += o.probability * std::expm1(-s * (long double)o.net);
        return e;
    };
    long double low = 0, high = 1e-9L;
    while (excess(high) < 0) {
        low = high;
        high *= 2;
    }
    for (int i = 0; i < 200 && low < high; ++i) {
        const long double mid = (low + high) / 2;
        if (mid <= low || mid >= high)
            break;
        (excess(mid) < 0 ? low : high) = mid;
    }
    return (low + high) / 2;
}

RiskFigures riskFigures(const std::vector<HandOutcome>& outcomes, int64_t bankroll, int64_t hands,
                        const RiskOptions& options)
{
    RiskFigures r;
    r.bankroll = bankroll;
    r.hands = hands = std::max<int64_t>(hands, 0);
    long double mean = 0, square = 0;
    for (const HandOutcome& o : outcomes) {
        mean += o.probability * o.net;
        square += o.probability * o.net * o.net;
    }
    r.rate = 1 + mean;
    r.deviation = std::sqrt(std::max(0.0L, square - mean * mean));

    if (options.simulate || exactRuinWork(outcomes, hands, options.epsilon) > options.exactBudget) {
        r.method = RiskMethod::Simulation;
        r.seed = options.seed;
        r.sessions = std::clamp(options.simulatedHands / std::max<int64_t>(hands, 1), options.minSessions,
                                options.maxSessions);
        std::vector<int64_t> falls = simulatedFalls(outcomes, hands, r.sessions, options.seed);
        const auto ruined =
            std::count_if(falls.begin(), falls.end(), [&](int64_t f) { return f >= bankroll; });
        const double n = double(r.sessions);
        r.ruin = double(ruined) / n;
        // With no ruin (or only ruin) seen, the error is still not nil: one more each way.
        const double p = (double(ruined) + 1) / (n + 2);
        r.ruinError = std::sqrt(p * (1 - p) / n);

        // Deepest falls first: the bankroll one above the fall at rank 5 % is ruined in at
        // most 5 % of the sessions; the ranks 1.96 standard errors either side bound it.
        std::sort(falls.begin(), falls.end(), std::greater<>());
        const auto at = [&](double rank) {
            const int64_t i = std::clamp<int64_t>(int64_t(rank), 0, r.sessions - 1);
            return falls[size_t(i)] + 1;
        };
        const double m = std::floor(0.05 * n);
        const double spread = 1.96 * std::sqrt(n * 0.05 * 0.95);
        r.bankroll5 = at(m);
        r.bankroll5High = at(std::floor(m - spread));
        r.bankroll5Low = at(std::ceil(m + spread));
    } else {
        const std::vector<double> f = exactRuinChances(outcomes, hands, options.epsilon);
        r.ruin = bankroll < 0 ? 1 : size_t(bankroll) < f.size() ? f[size_t(bankroll)] : 0;
        r.ruinError = options.epsilon;
        int64_t k = 1;
        while (size_t(k) < f.size() && f[size_t(k)] > 0.05)
            ++k;
        r.bankroll5 = r.bankroll5Low = r.bankroll5High = k;
    }
    if (bankroll < 1) {
        r.ruin = 1;
        r.ruinError = 0;
    }

    const long double s = longRunRuinRate(outcomes);
    if (s > 0) {
        r.longRunRuin = bankroll < 1 ? 1.0 : double(std::exp(-s * (long double)bankroll));
        r.longRunBankroll5 = std::max<int64_t>(1, int64_t(std::ceil(std::log(20.0L) / s)));
    }
    return r;
}

RiskFigures riskFigures(const Game& game, const GameReturn& figures, int64_t bankroll, int64_t hands,
                        const RiskOptions& options)
{
    return riskFigures(handOutcomes(game, figures), bankroll, hands, options);
}

} // namespace tarvelle
