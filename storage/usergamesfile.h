#pragma once

// The player's own games, kept as text in games.txt beside poker.ini and poker.dat, so
// they stay with the credit they were made beside and go when that folder goes.

#include "engine/usergames.h"
#include "storage/gamefiles.h"

#include <string>
#include <vector>

namespace tarvelle {

constexpr const char* UserGamesFileName = "games.txt";
constexpr size_t MaxUserGamesFileSize = size_t(1) << 20;

struct UserGamesFile {
    // Loaded, or Damaged when some lines were refused (in games.problems); Missing is a
    // folder without games of its own. NotRegular and Unreadable (also: too big) load none.
    LoadState state = LoadState::Missing;
    UserGames games;
    std::string text; // the file as read, kept aside when a save replaces a damaged one
};

// Never blocks on a FIFO or a device and never throws: whatever the file holds, the
// good lines are kept and the rest is said in games.problems.
UserGamesFile loadUserGamesFile(const std::string& path);

// Replaces path atomically with games (creating its folder). When `loaded` had refused
// lines, what it held is first kept as path.damaged (named in keptAs), so a hand-edited
// line the parser could not read is not lost by the save. False on failure, path unchanged.
bool saveUserGamesFile(const std::string& path, const std::vector<Game>& games, const UserGamesFile& loaded,
                       std::string* keptAs = nullptr, int* ioCode = nullptr);

} // namespace tarvelle
