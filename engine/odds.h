#pragma once

#include "engine/cards.h"
#include "engine/random.h"

#include <array>
#include <cstdint>
#include <string>

namespace tarvelle {

struct OddsResult {
    std::array<int32_t, 12> OddsCounts{}; // per class 1..11, out of 2000 draws
    std::array<std::string, 12> texts;    // column 2 of the pay table, rows 1..11 (11 = "Wins")
    double ExpectedReturn = 0;            // the "Wins" value, percent of the bet
};

// LiveOdds: 2000 simulated draws for the current holds from the game's own random source.
// Leaves Deck, Suit, Rank and Held exactly as they were.
OddsResult LiveOdds(Hand& hand, RandomSource& rng, bool joker);
// The same with the "Hold High Card" setting passed to the evaluator; it only
// changes the marks, which are discarded, so the result is the same.
OddsResult LiveOdds(Hand& hand, RandomSource& rng, bool joker, bool holdHighCard);

} // namespace tarvelle
