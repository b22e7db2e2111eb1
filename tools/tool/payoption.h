#pragma once

#include "engine/analysis.h"
#include "engine/game.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvelle::tool {

// The --paytable value: eleven comma-separated multipliers; throws UsageError.
PayList paytableOption(const std::string& text);

// What --game, --joker, --paytable and --games chose, in any order: the table's own game by
// default (with the Joker under --joker), its pays replaced by --paytable.
struct GameChoice {
    std::string name;
    bool joker = false;
    std::string paytable;
    bool hasPaytable = false;
    std::string gamesFile; // --games FILE: games of the player's own, by name too
    // Takes the option under the cursor if it is one of the four.
    bool take(class OptionCursor& opts);
    // Throws UsageError for an unknown game or a pay table that does not fit it.
    Game game() const;
    // The player's games from --games FILE (none without it); throws UsageError
    // when the file cannot be read or has a bad line.
    std::vector<Game> userGames() const;
};

// Names shown for games and classes (the engine has only ids).
std::string_view gameTitle(std::string_view id);
std::string_view className(ClassKey key);

} // namespace tarvelle::tool
