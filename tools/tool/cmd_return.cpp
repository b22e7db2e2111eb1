// return [--game NAME] [--joker] [--paytable LIST] [--strategy optimal|advisor]
// [--hold-high-card] [--open-inside]: the exact return of the whole game, then the odds
// of each final class.
#include "tools/tool/command.h"

#include "engine/analysis.h"
#include "tools/tool/payoption.h"

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
    GameChoice choice;
    OptionCursor opts(args);
    while (opts.next()) {
        if (choice.take(opts)) {
            continue;
        } else if (opts.is("--hold-high-card")) {
            options.holdHighCard = true;
        } else if (opts.is("--open-inside")) {
            options.holdOpenInside = true;
        } else if (opts.is("--strategy")) {
            const std::string& s = opts.value();
            if (s == "optimal")
                options.strategy = Strategy::Optimal;
            else if (s == "advisor")
                options.strategy = Strategy::Advisor;
            else
                throw UsageError("unknown strategy '" + excerpt(s) + "' (optimal or advisor)");
        } else {
            opts.unknown();
        }
    }
    options.game = choice.game();
    if (options.strategy == Strategy::Advisor && options.game->wild == Wild::Deuces)
        throw UsageError("the table's advisor does not play with wild deuces");
    options.threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));

    const GameReturn r = gameReturn(options);
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4Lf", r.rate * 100);
    out << buf << '\n';
    for (int c = 1; c < options.game->classCount; ++c) {
        std::snprintf(buf, sizeof buf, "%d %.12Lf", c, r.classOdds[c]);
        out << buf << '\n';
    }
    return 0;
}

const CommandRegistrar reg{
    {"return",
     "return [--game NAME] [--games FILE] [--data-dir DIR] [--joker] [--paytable LIST] "
     "[--strategy optimal|advisor] [--hold-high-card] [--open-inside]",
     "the exact return of the whole game in percent, then the odds of each final class", runReturn}};

} // namespace
