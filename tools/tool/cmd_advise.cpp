#include "tools/tool/command.h"

#include "engine/advisor.h"
#include "engine/cards.h"

#include <ostream>

namespace tarvelle::tool {

namespace {

// advise: one dealt hand per input line; prints its class and the proposed holds.
int runAdvise(const std::vector<std::string>& args, std::istream& in, std::ostream& out)
{
    bool openInside = false;
    bool holdHighCard = false;
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--open-inside"))
            openInside = true;
        else if (opts.is("--hold-high-card"))
            holdHighCard = true;
        else
            opts.unknown();
    }

    forEachHandLine(in, [&](const std::vector<int>& codes) {
        Hand hand;
        for (int i = 1; i <= 5; ++i)
            hand.setCard(i, codes[i - 1]);
        const int dealtClass = ProposeHolds(hand, holdHighCard, openInside);
        out << dealtClass << ' ';
        for (int i = 1; i <= 5; ++i)
            out << int(hand.Held[i]);
        out << '\n';
    });
    return 0;
}

const CommandRegistrar reg{
    {"advise", "advise [--open-inside] [--hold-high-card] < HANDS",
     "for each dealt hand read, its class and the holds the table proposes", runAdvise}};

} // namespace

} // namespace tarvelle::tool
