#pragma once

#include "engine/analysis.h"
#include "engine/game.h"

#include <string>
#include <string_view>

namespace tarvelle::tool {

// The --paytable value: eleven comma-separated multipliers; throws UsageError.
PayList paytableOption(const std::string& text);

// What --game, --joker and --paytable chose, in any order: the table's own game by
// default (with the Joker under --joker), its pays replaced by --paytable.
struct GameChoice {
    std::string name;
    bool joker = false;
    std::string paytable;
    bool hasPaytable = false;
    // Takes the option under the cursor if it is one of the three.
    bool take(class OptionCursor& opts);
    // Throws UsageError for an unknown game or a pay table that does not fit it.
    Game game() const;
};

// Names shown for games and classes (the engine has only ids).
std::string_view gameTitle(std::string_view id);
std::string_view className(ClassKey key);

} // namespace tarvelle::tool
