#pragma once

// The player's own games: catalogue games with edited pays, kept as text, one a line,
//   NAME FAMILY PAY,PAY,...
// the pays of the family's classes from the lowest; blank lines and lines starting
// with '#' are skipped.

#include "engine/game.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

struct UserGames {
    std::vector<Game> games;
    // One line each for what was refused ("line 3: unknown game 'x'"); the good lines
    // are kept, so a damaged file costs only its damaged games.
    std::vector<std::string> problems;
};

constexpr int MaxUserGameName = 40;
constexpr int MaxUserGames = 200;

UserGames parseUserGames(std::string_view text);
std::string formatUserGames(const std::vector<Game>& games);

} // namespace tarvelle
