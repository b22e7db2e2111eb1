// games [--games FILE] [--data-dir DIR] [NAME [--paytable LIST] | --add NAME FAMILY PAYS |
// --remove NAME]: the catalogue (and the player's own games) with each game's exact figures
// under optimal play, or one game's classes and pays with the odds of each final class; or
// a game of the player's own made or removed.
#include "tools/tool/command.h"

#include "engine/analysis.h"
#include "engine/game.h"
#include "storage/usergamesfile.h"
#include "tools/tool/payoption.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>
#include <stdexcept>
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

// --add and --remove: the file is read, edited and saved whole; its refused lines are said
// and kept aside rather than lost with the save.
int editGames(const GameChoice& choice, const std::vector<std::string>& add, const std::string& remove,
              std::ostream& out)
{
    const std::string path = choice.gamesPath();
    const UserGamesFile file = loadUserGamesFile(path);
    if (file.state == LoadState::NotRegular || file.state == LoadState::Unreadable)
        throw std::runtime_error(path + " cannot be read (not a text file of at most " +
                                 std::to_string(MaxUserGamesFileSize) + " bytes); it is left alone");
    reportRefusedLines(path, file.games);
    std::vector<Game> games = file.games.games;
    const std::string why =
        add.empty() ? removeUserGame(games, remove) : addUserGame(games, add[0], add[1], add[2]);
    if (!why.empty())
        throw UsageError(why);
    std::string kept;
    int err = 0;
    if (!saveUserGamesFile(path, games, file, &kept, &err))
        throw std::runtime_error("cannot save " + path + ": " + std::strerror(err) + "; nothing was changed");
    if (!kept.empty())
        warn("what " + path + " held, refused lines and all, is kept in " + kept);
    if (add.empty())
        out << "removed " << remove << " from " << path << '\n';
    else
        out << "added " << add[0] << " (" << gameTitle(add[1]) << ", pays of your own) to " << path << '\n';
    return 0;
}

int runGames(const std::vector<std::string>& args, std::istream&, std::ostream& out)
{
    GameChoice choice;
    bool one = false;
    bool named = false;
    std::vector<std::string> add;
    std::string remove;
    bool removing = false;
    OptionCursor opts(args);
    while (opts.next()) {
        if (opts.is("--games") || opts.is("--data-dir")) {
            choice.take(opts);
        } else if (opts.is("--add") && add.empty()) {
            for (int i = 0; i < 3; ++i)
                add.push_back(opts.value());
        } else if (opts.is("--remove") && !removing) {
            remove = opts.value();
            removing = true;
        } else if (choice.take(opts)) {
            one = true;
        } else if (opts.looksLikeOption() || named) {
            opts.unknown();
        } else {
            choice.name = opts.current();
            one = named = true;
        }
    }
    if (int(one) + int(!add.empty()) + int(removing) > 1)
        throw UsageError("one at a time: a game's figures, --add or --remove");
    if (!add.empty() || removing)
        return editGames(choice, add, remove, out);
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
    {"games",
     "games [--games FILE] [--data-dir DIR] "
     "[NAME [--paytable LIST] | --add NAME FAMILY PAYS | --remove NAME]",
     "every catalogue game and each of your own with its exact return under optimal play, standard "
     "deviation per hand, hit frequency and royal cycle; or one game's classes, pays and odds; or "
     "a game of your own (kept in games.txt beside poker.dat) made from a catalogue one or removed",
     runGames}};

} // namespace
