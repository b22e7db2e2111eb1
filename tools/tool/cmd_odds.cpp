// odds --seed S [--joker] [--hold MASK] [--hold-high-card]: the odds column for a dealt hand.
#include "tools/tool/command.h"

#include "engine/deal.h"
#include "engine/odds.h"

#include <ostream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runOdds(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    bool haveSeed = false;
    uint32_t seed = 0;
    bool joker = false;
    bool holdHighCard = false;
    std::vector<int> mask(5, 0);
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--seed")) {
            seed = parseSeed(opts.value());
            haveSeed = true;
        } else if (opts.is("--joker")) {
            joker = true;
        } else if (opts.is("--hold")) {
            mask = parseMask(opts.value());
        } else if (opts.is("--hold-high-card")) {
            holdHighCard = true;
        } else {
            opts.unknown();
        }
    }
    if (!haveSeed)
        throw UsageError("--seed is required");

    RandomSource rng;
    rng.seed(seed);
    Hand hand;
    DealHand(hand, rng, joker);
    printHand(out, hand);
    out << '\n';
    setHeld(hand, mask);
    const OddsResult odds = LiveOdds(hand, rng, joker, holdHighCard);
    for (int row = 1; row <= 11; ++row)
        out << odds.texts[row] << '\n';
    return 0;
}

const CommandRegistrar reg{{"odds", "odds --seed S [--joker] [--hold MASK] [--hold-high-card]",
                              "a seeded dealt hand and the pay table's odds column for MASK held", runOdds}};

} // namespace
