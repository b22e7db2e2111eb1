#pragma once

#include "engine/cards.h"

#include <array>
#include <cstdint>

namespace tarvelle {

// Hand classes 0..11.
enum HandClassId : int {
    ClassNothing = 0, ClassLowPair, ClassJacks, ClassTwoPairs, ClassThree, ClassStraight,
    ClassFlush, ClassFullHouse, ClassPoker, ClassStraightFlush, ClassRoyalFlush, ClassFive
};

// The ten straights in test order, as rank codes; the Ace (11) plays low in the first and
// high in the last, the royal ranks. The evaluator, the hold advisor and the analysis use
// this one table.
inline constexpr std::array<std::array<int, 5>, 10> StraightPatterns{{
    {11, 2, 3, 4, 5},
    {2, 3, 4, 5, 6},
    {3, 4, 5, 6, 7},
    {4, 5, 6, 7, 8},
    {5, 6, 7, 8, 9},
    {6, 7, 8, 9, 10},
    {7, 8, 9, 10, 12},
    {8, 9, 10, 12, 13},
    {9, 10, 12, 13, 14},
    {10, 12, 13, 14, 11},
}};

// One flag per class, indexed 1..11.
using HandFlags = std::array<uint8_t, 12>;

bool HasRanks(const Hand& hand, int a, int b, int c, int d, int e);
void EvalStraightFlush(Hand& hand, HandFlags& flags);
void EvalGroups(Hand& hand, HandFlags& flags, bool holdHighCard);
int HandClass(const HandFlags& flags);

// The evaluation sequence used by every caller: clear the flags, straight/flush
// test, the group test when that found nothing. Marks cards in Held (never clears
// it) and returns the class.
int EvaluateHand(Hand& hand, HandFlags& flags, bool holdHighCard);

}  // namespace tarvelle
