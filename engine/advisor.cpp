#include "engine/advisor.h"

#include "engine/evaluator.h"

#include <array>

namespace tarvelle {

namespace {

using Window = std::array<int, 5>;
using Run = std::array<int, 4>;

// The straight windows are the evaluator's straight patterns, in the same test order.
constexpr const std::array<Window, 10>& Windows = StraightPatterns;

// Open-ended runs only: nothing touching the Ace.
constexpr std::array<Run, 9> OpenRuns{{
    {2, 3, 4, 5},
    {3, 4, 5, 6},
    {4, 5, 6, 7},
    {5, 6, 7, 8},
    {6, 7, 8, 9},
    {7, 8, 9, 10},
    {8, 9, 10, 12},
    {9, 10, 12, 13},
    {10, 12, 13, 14},
}};

bool hasRank(const Hand& hand, int rank)
{
    for (int i = 1; i <= 5; ++i) {
        if (hand.Rank[i] == rank)
            return true;
    }
    return false;
}

template <class Ranks> int ranksPresent(const Hand& hand, const Ranks& ranks)
{
    int present = 0;
    for (int r : ranks)
        present += hasRank(hand, r) ? 1 : 0;
    return present;
}

// One card per listed rank: the first position carrying it.
template <class Ranks> void holdRanks(Hand& hand, const Ranks& ranks)
{
    hand.clearHeld();
    for (int r : ranks) {
        for (int i = 1; i <= 5; ++i) {
            if (hand.Rank[i] == r) {
                hand.Held[i] = 1;
                break;
            }
        }
    }
}

// Every match replaces the holds before it, so the last match in test order stands.
void straightDrawTest(Hand& hand, bool holdOpenInside)
{
    if (holdOpenInside) {
        for (const Window& w : Windows) {
            if (ranksPresent(hand, w) >= 4)
                holdRanks(hand, w);
        }
    } else {
        for (const Run& r : OpenRuns) {
            if (ranksPresent(hand, r) == 4)
                holdRanks(hand, r);
        }
    }
}

int jokerPosition(const Hand& hand)
{
    int pos = 0;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] == JokerSuit)
            pos = i;
    }
    return pos;
}

} // namespace

void HoldRanks(Hand& hand, std::initializer_list<int> ranks)
{
    holdRanks(hand, ranks);
}

void HoldSuit(Hand& hand, int suit)
{
    hand.clearHeld();
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] == suit || hand.Suit[i] == JokerSuit)
            hand.Held[i] = 1;
    }
}

void HoldAdvisor(Hand& hand, bool holdOpenInside)
{
    const int jokerPos = jokerPosition(hand);

    if (jokerPos == 0) {
        straightDrawTest(hand, holdOpenInside);
    } else {
        for (int v = 2; v <= 14; ++v) {
            hand.Rank[jokerPos] = uint8_t(v);
            straightDrawTest(hand, holdOpenInside);
        }
        hand.Rank[jokerPos] = 2;
    }

    // Flush draws come last and so beat a straight draw. The Joker is no suit's card.
    const int needed = jokerPos == 0 ? 4 : 3;
    for (int s = 1; s <= 4; ++s) {
        int count = 0;
        for (int i = 1; i <= 5; ++i)
            count += hand.Suit[i] == s ? 1 : 0;
        if (count == needed)
            HoldSuit(hand, s);
    }
}

int ProposeHolds(Hand& hand, bool holdHighCard, bool holdOpenInside)
{
    hand.clearHeld();
    HandFlags flags{};
    const int dealtClass = EvaluateHand(hand, flags, holdHighCard);
    if (dealtClass <= ClassJacks)
        HoldAdvisor(hand, holdOpenInside);
    return dealtClass;
}

} // namespace tarvelle
