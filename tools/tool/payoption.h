#pragma once

#include "engine/analysis.h"
#include "engine/game.h"
#include "engine/usergames.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::tool {

// The --paytable value: eleven comma-separated multipliers; throws UsageError.
PayList paytableOption(const std::string& text);

// What --game, --joker, --paytable, --games and --data-dir chose, in any order: the table's
// own game by default (with the Joker under --joker), its pays replaced by --paytable.
struct GameChoice {
    std::string name;
    bool joker = false;
    std::string paytable;
    bool hasPaytable = false;
    std::string gamesFile; // --games FILE: games of the player's own, by name too
    std::string dataDir;   // --data-dir DIR: the player's folder, as the game's own option
    // Takes the option under the cursor if it is one of the five.
    bool take(class OptionCursor& opts);
    // Throws UsageError for an unknown game or a pay table that does not fit it.
    Game game() const;
    // The player's games: --games FILE, else games.txt in the game's folder of the player's
    // files. Read once; refused lines are said on standard error and the good ones kept.
    // Throws UsageError when a FILE given cannot be read.
    std::vector<Game> userGames() const;
    std::string gamesPath() const;

private:
    mutable std::optional<std::vector<Game>> m_userGames;
};

// Says each refused line of a games file once, on standard error.
void reportRefusedLines(const std::string& path, const UserGames& games);
// A line on standard error, as main writes its own.
void warn(std::string line);

} // namespace tarvelle::tool
