// analyze [--joker] [--paytable LIST] [--hold-high-card] [--open-inside] C1..C5: the exact
// value of each of the 32 holds of a dealt hand, best first, then the table's proposal.
#include "command.h"

#include "analysis.h"
#include "cards.h"

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
    bool joker = false;
    bool holdHighCard = false;
    bool holdOpenInside = false;
    PayList pay = gamePayList();
    std::vector<std::string> words;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--joker") {
            joker = true;
        } else if (a == "--hold-high-card") {
            holdHighCard = true;
        } else if (a == "--open-inside") {
            holdOpenInside = true;
        } else if (a == "--paytable") {
            if (i + 1 >= args.size())
                throw UsageError("option --paytable needs a value");
            const auto parsed = parsePayList(args[++i]);
            if (!parsed)
                throw UsageError("pay table '" + args[i] + "' must be 11 comma-separated whole numbers 0.." +
                                 std::to_string(MaxPayMultiplier));
            pay = *parsed;
        } else if (a.size() > 1 && a[0] == '-' && a[1] == '-') {
            throw UsageError("unknown option '" + a + "'");
        } else {
            words.push_back(a);
        }
    }
    const std::vector<int> codes = parseHand(words);
    std::array<int, 5> cards;
    for (int p = 0; p < 5; ++p) {
        if (codes[p] == JokerCode && !joker)
            throw UsageError("the Joker is only in the deck with --joker");
        cards[p] = codes[p] - 1;
    }

    const HoldValues values = handHoldValues(cards, joker, pay);
    const std::array<int, 32> order = values.ranking();
    for (int mask : order)
        out << maskText(mask) << ' ' << valueText(values.value(mask)) << '\n';
    const int proposal = proposedHoldMask(cards, holdHighCard, holdOpenInside);
    out << "advisor " << maskText(proposal) << ' ' << valueText(values.value(proposal)) << ' '
        << valueText(values.value(order[0]) - values.value(proposal)) << '\n';
    return 0;
}

const CommandRegistrar reg{
    {"analyze", "analyze [--joker] [--paytable LIST] [--hold-high-card] [--open-inside] C1 C2 C3 C4 C5",
     runAnalyze}};

} // namespace
