// Fairness of the plain deal (payout-rate control off), for both deck sizes:
//   - each position's card is uniform over the deck;
//   - the first cards of deal n and deal n + 1 are independent (uniform over all pairs);
//   - the dealt hand classes follow their exact counts over every possible hand;
// each by a chi-square test at the 99 % level. Exit 0 when all pass.
//   fairness [--deals N] [--seed S]
#include "engine/deal.h"
#include "engine/evaluator.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

using namespace tarvelle;

namespace {

// The 99 % point of chi-square with df degrees of freedom (Wilson-Hilferty; within a
// fraction of a percent from df 5 upwards).
double critical99(int df)
{
    const double z = 2.3263478740;
    const double a = 2.0 / (9.0 * df);
    return df * std::pow(1.0 - a + z * std::sqrt(a), 3.0);
}

struct Verdict {
    double chi2 = 0;
    int df = 0;
    bool pass() const { return chi2 <= critical99(df); }
};

// Observed counts against expected ones. Bins expected below 5 are pooled into one, and a
// pool still below 5 joins the smallest of the other bins.
Verdict chiSquare(const std::vector<double>& observed, const std::vector<double>& expected)
{
    std::vector<double> o, e;
    double poolO = 0, poolE = 0;
    for (size_t i = 0; i < observed.size(); ++i) {
        if (expected[i] < 5) {
            poolO += observed[i];
            poolE += expected[i];
        } else {
            o.push_back(observed[i]);
            e.push_back(expected[i]);
        }
    }
    if (poolE >= 5 || (poolE > 0 && e.empty())) {
        o.push_back(poolO);
        e.push_back(poolE);
    } else if (poolE > 0 || poolO > 0) {
        size_t smallest = 0;
        for (size_t i = 1; i < e.size(); ++i)
            if (e[i] < e[smallest])
                smallest = i;
        o[smallest] += poolO;
        e[smallest] += poolE;
    }
    Verdict v;
    for (size_t i = 0; i < o.size(); ++i)
        v.chi2 += (o[i] - e[i]) * (o[i] - e[i]) / e[i];
    v.df = int(o.size()) - 1;
    return v;
}

// Hand classes of every possible five-card hand of the deck.
std::array<double, 12> exactClassCounts(bool joker)
{
    std::array<double, 12> counts{};
    const int n = deckSize(joker);
    Hand h;
    HandFlags flags{};
    int c[5];
    for (c[0] = 1; c[0] <= n; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= n; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= n; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= n; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= n; ++c[4]) {
                        for (int k = 0; k < 5; ++k)
                            h.setCard(k + 1, c[k]);
                        h.clearHeld();
                        counts[size_t(EvaluateHand(h, flags, false))] += 1;
                    }
    return counts;
}

bool report(const char* what, bool joker, const Verdict& v)
{
    std::printf("%-34s %2d cards  chi2 %10.2f  df %4d  99%% limit %10.2f  %s\n", what, deckSize(joker),
                v.chi2, v.df, critical99(v.df), v.pass() ? "ok" : "FAIL");
    return v.pass();
}

bool runDeck(bool joker, long long deals, uint32_t seed)
{
    const int n = deckSize(joker);
    RandomSource rng;
    rng.seed(seed);
    Hand hand;
    HandFlags flags{};
    std::vector<std::vector<double>> position(5, std::vector<double>(size_t(n), 0));
    std::vector<double> pairs(size_t(n * n), 0);
    std::vector<double> classes(12, 0);
    int previous = -1;
    for (long long d = 0; d < deals; ++d) {
        DealHand(hand, rng, joker);
        for (int p = 1; p <= 5; ++p)
            position[size_t(p - 1)][size_t(hand.code(p) - 1)] += 1;
        const int first = hand.code(1) - 1;
        if (previous >= 0)
            pairs[size_t(previous * n + first)] += 1;
        previous = first;
        hand.clearHeld();
        classes[size_t(EvaluateHand(hand, flags, false))] += 1;
    }

    bool ok = true;
    const std::vector<double> uniform(size_t(n), double(deals) / n);
    for (int p = 0; p < 5; ++p) {
        const std::string what = "card at position " + std::to_string(p + 1);
        ok = report(what.c_str(), joker, chiSquare(position[size_t(p)], uniform)) && ok;
    }
    const std::vector<double> uniformPairs(size_t(n * n), double(deals - 1) / (n * n));
    ok = report("first cards of consecutive deals", joker, chiSquare(pairs, uniformPairs)) && ok;

    const std::array<double, 12> exact = exactClassCounts(joker);
    double all = 0;
    for (double e : exact)
        all += e;
    std::vector<double> expected(12);
    for (size_t k = 0; k < 12; ++k)
        expected[k] = exact[k] / all * double(deals);
    ok = report("dealt hand classes", joker, chiSquare(classes, expected)) && ok;

    // The test has teeth: one card in a hundred at position 1 turned into the first card fails it.
    std::vector<double> skewed = position[0];
    double moved = 0;
    for (size_t c = 1; c < skewed.size(); ++c) {
        moved += skewed[c] / 100;
        skewed[c] -= skewed[c] / 100;
    }
    skewed[0] += moved;
    const Verdict biased = chiSquare(skewed, uniform);
    std::printf("%-34s %2d cards  chi2 %10.2f  (must fail)\n", "a deal biased by 1 %", n, biased.chi2);
    ok = !biased.pass() && ok;
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    long long deals = 1000000;
    uint32_t seed = 20261209;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--deals") && i + 1 < argc)
            deals = std::atoll(argv[++i]);
        else if (!std::strcmp(argv[i], "--seed") && i + 1 < argc)
            seed = uint32_t(std::strtoul(argv[++i], nullptr, 10));
        else {
            std::fprintf(stderr, "usage: fairness [--deals N] [--seed S]\n");
            return 2;
        }
    }
    if (deals < 1000) {
        std::fprintf(stderr, "fairness: at least 1000 deals\n");
        return 2;
    }
    std::printf("%lld deals per deck size, seed %u\n", deals, seed);
    const bool ok52 = runDeck(false, deals, seed);
    const bool ok53 = runDeck(true, deals, seed + 1);
    std::printf("%s\n", ok52 && ok53 ? "fair" : "NOT FAIR");
    return ok52 && ok53 ? 0 : 1;
}
