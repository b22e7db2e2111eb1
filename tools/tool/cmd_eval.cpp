// eval [--hold-high-card]: class and marks of each hand read from standard input.
#include "command.h"

#include "evaluator.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runEval(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    bool holdHighCard = false;
    for (const std::string& a : args) {
        if (a == "--hold-high-card")
            holdHighCard = true;
        else
            throw UsageError("unknown option '" + a + "'");
    }

    std::string line;
    long long lineNo = 0;
    Hand hand;
    HandFlags flags{};
    while (std::getline(in, line)) {
        ++lineNo;
        std::istringstream words(line);
        std::vector<std::string> cards;
        for (std::string w; words >> w;)
            cards.push_back(w);
        if (cards.empty())
            continue;
        std::vector<int> codes;
        try {
            codes = parseHand(cards);
        } catch (const UsageError& e) {
            throw UsageError("line " + std::to_string(lineNo) + ": " + e.what());
        }
        for (int i = 1; i <= 5; ++i)
            hand.setCard(i, codes[i - 1]);
        hand.clearHeld();
        out << EvaluateHand(hand, flags, holdHighCard) << ' ';
        for (int i = 1; i <= 5; ++i)
            out << int(hand.Held[i]);
        out << '\n';
    }
    if (in.bad())
        throw UsageError("cannot read standard input");
    return 0;
}

const CommandRegistrar reg{
    {"eval", "eval [--hold-high-card]  (five cards per line on standard input)", runEval}};

} // namespace
