// strategy [--game NAME] [--joker] [--paytable LIST] [--format text|html]: the game's strategy
// chart worked out from the best holds, with its measured return beside the best play's.
#include "tools/tool/command.h"

#include "engine/strategy.h"
#include "tools/tool/payoption.h"

#include <algorithm>
#include <ostream>
#include <thread>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

int runStrategy(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    GameChoice choice;
    bool html = false;
    OptionCursor opts(args);
    while (opts.next()) {
        if (choice.take(opts)) {
            continue;
        } else if (opts.is("--format")) {
            const std::string& f = opts.value();
            if (f == "text")
                html = false;
            else if (f == "html")
                html = true;
            else
                throw UsageError("unknown format '" + excerpt(f) + "' (text or html)");
        } else {
            opts.unknown();
        }
    }
    const Game game = choice.game();
    const int threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    const StrategyChart chart = strategyChart(game, threads);
    out << (html ? chartHtml(chart) : chartText(chart));
    return 0;
}

const CommandRegistrar reg{
    {"strategy",
     "strategy [--game NAME] [--games FILE] [--data-dir DIR] [--joker] [--paytable LIST] [--format "
     "text|html]",
     "the game's strategy chart made from the best holds, with its exact return beside the best play's",
     runStrategy}};

} // namespace
