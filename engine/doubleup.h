#pragma once

#include "engine/cards.h"
#include "engine/random.h"

#include <cstdint>

namespace tarvelle {

// Double-up state; not saved.
struct DoubleUpState {
    uint8_t DoubleActive = 0;
    uint8_t DoubleRound = 1;     // 1..5
    uint8_t DoubleMarks[6] = {}; // 1..5: 0 nothing, 1 current, 2 won
    uint8_t BlinkTicks = 0;
};

// Does a guess win for the card (suit, rank)? plusGuess: LbSpeedButton4 ("+").
bool DoubleGuessWins(bool redBlack, bool plusGuess, int suit, int rank);
// The stake after a won guess on that card (x2, a Seven in Low-High x1, the Joker x2 more).
int32_t DoubleWonStake(bool redBlack, int suit, int rank, int32_t win);
// Bank half: returns the amount banked, win keeps the smaller half.
int32_t BankHalf(int32_t& win);

// The card against the player: fresh deals until the card at position round (1..5) loses
// this guess (a Low-High Seven is dealt again too) or dealTrials deals were made.
// Returns the number of deals.
int ControlledDoubleDeal(Hand& hand, RandomSource& rng, bool joker, bool redBlack, bool plusGuess, int round,
                         int dealTrials);

} // namespace tarvelle
