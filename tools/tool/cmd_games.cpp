// games [--games FILE] [NAME [--paytable LIST]]: the catalogue (and the player's own
// games) with each game's exact figures under optimal play, or one game's classes and
// pays with the odds of each final class.
#include "tools/tool/command.h"

#include "engine/analysis.h"
#include "engine/game.h"
#include "tools/tool/payoption.h"

#include <algorithm>
#include <cstdio>
#include <ostream>
#include <thread>

namespace {

using namespace tarvelle;
using namespace tarvelle::tool;

GameReturn optimalReturn(const Game& game)
{
    ReturnOptions o;
    o.game = game;
    o.threads = int(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    return gameReturn(o);
}

int runGames(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    GameChoice choice;
    bool one = false;
    bool named = false;
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--games")) {
            choice.gamesFile = opts.value();
        } else if (choice.take(opts)) {
            one = true;
        } else if (opts.looksLikeOption() || named) {
            opts.unknown();
        } else {
            choice.name = opts.current();
            one = named = true;
        }
    }
    char buf[160];
    if (one) {
        const Game game = choice.game();
        const GameReturn r = optimalReturn(game);
        out << game.id << ' ' << gameTitle(game.family) << '\n';
        for (int c = game.classCount - 1; c > 0; --c) {
            std::snprintf(buf, sizeof buf, "%-22s %7lld %14.10Lf %%",
                          std::string(className(game.keys[c])).c_str(), (long long)game.pay[c],
                          r.classOdds[c] * 100);
            out << buf << '\n';
        }
        std::snprintf(buf, sizeof buf, "return %.4Lf %%", r.rate * 100);
        out << buf << '\n';
        return 0;
    }
    out << "game                      return    sd/hand  hit freq  royal cycle  title\n";
    std::vector<Game> list = gameCatalogue();
    for (const Game& own : choice.userGames())
        list.push_back(own);
    for (const Game& game : list) {
        const GameReturn r = optimalReturn(game);
        std::snprintf(buf, sizeof buf, "%-23s %8.4Lf %% %8.4Lf %7.4Lf %% %12.0Lf  ", game.id.c_str(),
                      r.rate * 100, r.deviation, r.hitRate * 100, r.royalCycle);
        out << buf << gameTitle(game.family) << (game.family != game.id ? ", pays of your own" : "") << '\n';
    }
    return 0;
}

const CommandRegistrar reg{
    {"games", "games [--games FILE] [NAME [--paytable LIST]]",
     "every catalogue game with its exact return under optimal play, standard deviation "
     "per hand, hit frequency and royal cycle; or one game's classes, pays and odds",
     runGames}};

} // namespace
