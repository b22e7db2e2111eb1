// deal --seed S [--joker] [--hands N] [--hold MASK]: hands from a seeded source.
#include "tools/tool/command.h"

#include "engine/deal.h"

#include <ostream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runDeal(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    bool haveSeed = false;
    uint32_t seed = 0;
    bool joker = false;
    long long hands = 1;
    bool draw = false;
    std::vector<int> mask;
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--seed")) {
            seed = parseSeed(opts.value());
            haveSeed = true;
        } else if (opts.is("--joker")) {
            joker = true;
        } else if (opts.is("--hands")) {
            hands = parseInteger(opts.value(), "hand count", 1, 1000000);
        } else if (opts.is("--hold")) {
            mask = parseMask(opts.value());
            draw = true;
        } else {
            opts.unknown();
        }
    }
    if (!haveSeed)
        throw UsageError("--seed is required");

    RandomSource rng;
    rng.seed(seed);
    Hand hand;
    for (long long h = 0; h < hands; ++h) {
        DealHand(hand, rng, joker);
        printHand(out, hand);
        if (draw) {
            setHeld(hand, mask);
            DrawCards(hand, rng, joker);
            out << " | ";
            printHand(out, hand);
        }
        out << '\n';
    }
    return 0;
}

const CommandRegistrar reg{{"deal", "deal --seed S [--joker] [--hands N] [--hold MASK]",
                              "hands dealt, and drawn to MASK, by the game's seeded random source", runDeal}};

} // namespace
