#include "command.h"

#include "advisor.h"
#include "cards.h"

#include <istream>
#include <ostream>
#include <sstream>

namespace tarvelle::tool {

namespace {

// advise: one dealt hand per input line; prints its class and the proposed holds.
int runAdvise(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    bool openInside = false;
    bool holdHighCard = false;
    for (const std::string& a : args) {
        if (a == "--open-inside")
            openInside = true;
        else if (a == "--hold-high-card")
            holdHighCard = true;
        else
            throw UsageError("advise: unknown option '" + a + "'");
    }

    std::string line;
    int lineNo = 0;
    while (std::getline(in, line)) {
        ++lineNo;
        std::istringstream words(line);
        std::vector<std::string> cards;
        for (std::string w; words >> w;)
            cards.push_back(w);
        if (cards.empty())
            continue;

        Hand hand;
        try {
            const std::vector<int> codes = parseHand(cards);
            for (int i = 1; i <= 5; ++i)
                hand.setCard(i, codes[i - 1]);
        } catch (const UsageError& e) {
            throw UsageError("advise: line " + std::to_string(lineNo) + ": " + e.what());
        }

        const int dealtClass = ProposeHolds(hand, holdHighCard, openInside);
        out << dealtClass << ' ';
        for (int i = 1; i <= 5; ++i)
            out << int(hand.Held[i]);
        out << '\n';
    }
    if (in.bad())
        throw UsageError("advise: cannot read standard input");
    return 0;
}

const CommandRegistrar reg{
    {"advise", "advise [--open-inside] [--hold-high-card] < hands (five cards a line)", runAdvise}};

} // namespace

} // namespace tarvelle::tool
