#include "engine/doubleup.h"

#include "engine/cards.h"
#include "engine/deal.h"
#include "engine/money.h"

#include <algorithm>

namespace tarvelle {

bool DoubleGuessWins(bool redBlack, bool plusGuess, int suit, int rank)
{
    if (suit == JokerSuit)
        return true;
    if (redBlack)
        return plusGuess ? (suit == 3 || suit == 4) : (suit == 1 || suit == 2);
    // Low-High: the Ace is low, a Seven wins either guess.
    if (plusGuess)
        return rank >= 7 && rank != AceRank;
    return rank <= 7 || rank == AceRank;
}

int32_t DoubleWonStake(bool redBlack, int suit, int rank, int32_t win)
{
    const bool seven = !redBlack && suit != JokerSuit && rank == 7;
    int32_t stake = seven ? win : addMoney(win, win);
    if (suit == JokerSuit)
        stake = addMoney(stake, stake);
    return stake;
}

int32_t BankHalf(int32_t& win)
{
    // A stake below 1 only comes from a damaged counters file; bank nothing.
    if (win <= 0)
        return 0;
    const int32_t kept = win / 2;
    const int32_t banked = win - kept; // the larger half of an odd stake
    win = kept;
    return banked;
}

int ControlledDoubleDeal(Hand& hand, RandomSource& rng, bool joker, bool redBlack, bool plusGuess, int round,
                         int dealTrials)
{
    round = std::clamp(round, 1, 5);
    int k = 0;
    do {
        ++k;
        DealHand(hand, rng, joker);
    } while (DoubleGuessWins(redBlack, plusGuess, hand.Suit[round], hand.Rank[round]) && k < dealTrials);
    return k;
}

} // namespace tarvelle
