// return [--joker] [--paytable LIST] [--strategy optimal|advisor] [--hold-high-card]
// [--open-inside]: the exact return of the whole game, then the odds of each final class.
#include "command.h"

#include "analysis.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <thread>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runReturn(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    ReturnOptions options;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= args.size())
                throw UsageError("option " + a + " needs a value");
            return args[++i];
        };
        if (a == "--joker") {
            options.joker = true;
        } else if (a == "--hold-high-card") {
            options.holdHighCard = true;
        } else if (a == "--open-inside") {
            options.holdOpenInside = true;
        } else if (a == "--paytable") {
            const std::string& text = value();
            const auto parsed = parsePayList(text);
            if (!parsed)
                throw UsageError("pay table '" + text + "' must be 11 comma-separated whole numbers 0.." +
                                 std::to_string(MaxPayMultiplier));
            options.pay = *parsed;
        } else if (a == "--strategy") {
            const std::string& s = value();
            if (s == "optimal")
                options.strategy = Strategy::Optimal;
            else if (s == "advisor")
                options.strategy = Strategy::Advisor;
            else
                throw UsageError("unknown strategy '" + s + "' (optimal or advisor)");
        } else {
            throw UsageError("unknown option '" + a + "'");
        }
    }
    options.threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));

    const GameReturn r = gameReturn(options);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4Lf", r.rate * 100);
    out << buf << '\n';
    for (int c = 1; c <= 11; ++c) {
        std::snprintf(buf, sizeof buf, "%d %.12Lf", c, r.classOdds[c]);
        out << buf << '\n';
    }
    return 0;
}

const CommandRegistrar reg{
    {"return",
     "return [--joker] [--paytable LIST] [--strategy optimal|advisor] [--hold-high-card] [--open-inside]",
     runReturn}};

} // namespace
