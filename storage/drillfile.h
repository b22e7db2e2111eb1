#pragma once

#include "engine/drill.h"
#include "storage/handhistory.h"

#include <string>
#include <string_view>
#include <vector>

namespace tarvelle {

// drills.txt keeps every game's drill hands with their streaks, those that left the drill
// too, so a mistake answered right three times in a row stays out of later drills.
// One line a hand: "game c1 c2 c3 c4 c5 streak logged sibling"; damaged lines are refused.
inline constexpr const char* kDrillFile = "drills.txt";
inline constexpr size_t kMaxDrillHands = 4000; // lines kept, over all games

std::vector<DrillHand> loadDrillHands(const std::string& dir, std::string_view game);
// Replaces the game's lines (atomically); the other games' stay.
bool saveDrillHands(const std::string& dir, std::string_view game, const std::vector<DrillHand>& hands);

// The drill of a game: its logged mistakes (costliest first, each hand once, at most `most`
// still to answer) with the streaks kept, then the kept hands of their patterns.
std::vector<DrillHand> drillHands(const std::vector<HandRecord>& history, std::string_view game,
                                  const std::vector<DrillHand>& kept, size_t most = 24);

} // namespace tarvelle
