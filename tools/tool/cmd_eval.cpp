// eval [--hold-high-card]: class and marks of each hand read from standard input.
#include "tools/tool/command.h"

#include "engine/evaluator.h"

#include <ostream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runEval(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    bool holdHighCard = false;
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--hold-high-card"))
            holdHighCard = true;
        else
            opts.unknown();
    }

    Hand hand;
    HandFlags flags{};
    forEachHandLine(in, [&](const std::vector<int>& codes) {
        for (int i = 1; i <= 5; ++i)
            hand.setCard(i, codes[i - 1]);
        hand.clearHeld();
        out << EvaluateHand(hand, flags, holdHighCard) << ' ';
        for (int i = 1; i <= 5; ++i)
            out << int(hand.Held[i]);
        out << '\n';
    });
    return 0;
}

const CommandRegistrar reg{
    {"eval", "eval [--hold-high-card] < HANDS", "for each hand read, its class and the cards that make it",
     runEval}};

} // namespace
