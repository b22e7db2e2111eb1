// analyze [--game NAME] [--joker] [--paytable LIST] [--hold-high-card] [--open-inside] C1..C5:
// the exact value of each of the 32 holds of a dealt hand, best first, then the table's
// proposal (in the table's own game).
#include "tools/tool/command.h"

#include "engine/analysis.h"
#include "engine/cards.h"
#include "tools/tool/payoption.h"

#include <cstdio>
#include <ostream>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

std::string maskText(int mask)
{
    std::string s(5, '0');
    for (int p = 0; p < 5; ++p) {
        if (mask & (1 << p))
            s[p] = '1';
    }
    return s;
}

std::string valueText(long double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.10Lf", v);
    return buf;
}

int runAnalyze(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    GameChoice choice;
    bool holdHighCard = false;
    bool holdOpenInside = false;
    std::vector<std::string> words;
    OptionCursor opts(args);
    while (opts.next()) {
        if (choice.take(opts)) {
            continue;
        } else if (opts.is("--hold-high-card")) {
            holdHighCard = true;
        } else if (opts.is("--open-inside")) {
            holdOpenInside = true;
        } else if (opts.looksLikeOption()) {
            opts.unknown();
        } else {
            words.push_back(opts.current());
        }
    }
    const Game game = choice.game();
    const std::vector<int> codes = parseHand(words);
    std::array<int, 5> cards;
    for (int p = 0; p < 5; ++p) {
        if (codes[p] == JokerCode && game.deckSize() != 53)
            throw UsageError("the Joker is only in the deck with --joker or a Joker game");
        cards[p] = codes[p] - 1;
    }

    const HoldValues values = handHoldValues(cards, game);
    const std::array<int, 32> order = values.ranking();
    for (int mask : order)
        out << maskText(mask) << ' ' << valueText(values.value(mask)) << '\n';
    // The table's advisor knows only the table's own game.
    if (game.family != "tarvelle" && game.family != "tarvelle-joker")
        return 0;
    const int proposal = proposedHoldMask(cards, holdHighCard, holdOpenInside);
    out << "advisor " << maskText(proposal) << ' ' << valueText(values.value(proposal)) << ' '
        << valueText(values.value(order[0]) - values.value(proposal)) << '\n';
    return 0;
}

const CommandRegistrar reg{
    {"analyze",
     "analyze [--game NAME] [--games FILE] [--data-dir DIR] [--joker] [--paytable LIST] [--hold-high-card] "
     "[--open-inside] C1 C2 C3 C4 C5",
     "the exact value of each of the 32 holds of a dealt hand, best first, and the table's proposal",
     runAnalyze}};

} // namespace
