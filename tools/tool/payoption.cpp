#include "tools/tool/payoption.h"

#include "engine/usergames.h"
#include "tools/tool/command.h"

#include <fstream>
#include <sstream>

namespace tarvelle::tool {

PayList paytableOption(const std::string& text)
{
    const auto parsed = parsePayList(text);
    if (!parsed)
        throw UsageError("pay table '" + excerpt(text) + "' must be 11 comma-separated whole numbers 0.." +
                         std::to_string(MaxPayMultiplier));
    return *parsed;
}

bool GameChoice::take(OptionCursor& opts)
{
    if (opts.is("--joker")) {
        joker = true;
    } else if (opts.is("--game")) {
        name = opts.value();
    } else if (opts.is("--paytable")) {
        paytable = opts.value();
        hasPaytable = true;
    } else if (opts.is("--games")) {
        gamesFile = opts.value();
    } else {
        return false;
    }
    return true;
}

Game GameChoice::game() const
{
    std::string id = name.empty() ? std::string("tarvelle") : name;
    if (joker) {
        if (id != "tarvelle")
            throw UsageError("--joker goes with the table's own game only (try --game tarvelle-joker)");
        id = "tarvelle-joker";
    }
    const std::vector<Game> own = userGames();
    const Game* base = findGame(id);
    for (const Game& g : own) {
        if (g.id == id)
            base = &g;
    }
    if (!base)
        throw UsageError("unknown game '" + excerpt(id) + "' (see tarvelle-tool games)");
    if (!hasPaytable)
        return *base;
    const auto edited = editedGame(*base, paytable);
    if (!edited)
        throw UsageError("pay table '" + excerpt(paytable) + "' must be " +
                         std::to_string(base->classCount - 1) + " comma-separated whole numbers 0.." +
                         std::to_string(MaxGamePay) + ", lowest class first");
    return *edited;
}

std::vector<Game> GameChoice::userGames() const
{
    if (gamesFile.empty())
        return {};
    std::ifstream in(gamesFile, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (!in)
        throw UsageError("cannot read the games file '" + excerpt(gamesFile) + "'");
    if (text.str().size() > 1000000)
        throw UsageError("the games file '" + excerpt(gamesFile) + "' is too big");
    const UserGames u = parseUserGames(text.str());
    if (!u.problems.empty())
        throw UsageError("games file '" + excerpt(gamesFile) + "', " + u.problems.front());
    return u.games;
}

std::string_view gameTitle(std::string_view id)
{
    static constexpr std::pair<std::string_view, std::string_view> titles[] = {
        {"tarvelle", "Tarvelle"},
        {"tarvelle-joker", "Tarvelle with the Joker"},
        {"jacks-9-6", "9/6 Jacks or Better"},
        {"jacks-8-5", "8/5 Jacks or Better"},
        {"bonus-8-5", "8/5 Bonus Poker"},
        {"double-bonus-10-7", "10/7 Double Bonus"},
        {"double-double-bonus-9-6", "9/6 Double Double Bonus"},
        {"deuces-wild", "Full-pay Deuces Wild"},
        {"joker-poker", "Full-pay Joker Poker (Kings or Better)"},
    };
    for (const auto& [key, title] : titles) {
        if (key == id)
            return title;
    }
    return id;
}

std::string_view className(ClassKey key)
{
    static constexpr std::string_view names[ClassKeyCount] = {
        "Nothing",
        "Low pair",
        "Jacks or Better",
        "Kings or Better",
        "Two Pair",
        "Three of a Kind",
        "Straight",
        "Flush",
        "Full House",
        "Four of a Kind",
        "Four 5s-Ks",
        "Four 2s-4s",
        "Four Aces",
        "Four 2s-4s with A-4",
        "Four Aces with 2-4",
        "Straight Flush",
        "Royal Flush",
        "Wild Royal Flush",
        "Five of a Kind",
        "Four Deuces",
        "Natural Royal Flush",
    };
    return names[int(key)];
}

} // namespace tarvelle::tool
