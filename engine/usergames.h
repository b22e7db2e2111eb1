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
    int refused = 0; // every refused line, also those past the problems kept
};

constexpr int MaxUserGameName = 40;
constexpr int MaxUserGames = 200;

UserGames parseUserGames(std::string_view text);
std::string formatUserGames(const std::vector<Game>& games);

// The player's edits, by the file's own rules (so whatever is added reads back the same):
// the reason when refused, empty when done.
std::string addUserGame(std::vector<Game>& games, std::string_view name, std::string_view family,
                        std::string_view pays);
std::string removeUserGame(std::vector<Game>& games, std::string_view name);

} // namespace tarvelle
