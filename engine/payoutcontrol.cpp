#include "engine/payoutcontrol.h"

#include "engine/deal.h"
#include "engine/evaluator.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace tarvelle {

namespace {

constexpr int MaxTrials = 5;

// Nearest integer to num/den (den > 0), halves to the even neighbour, clamped to 32 bits.
// The game's formula divides in 80-bit floating point; for |num| < 2^63 the quotient's
// rounding error stays below 1/(2*den), the smallest distance from a non-half quotient to a
// half, so the floating result rounds the same way as this exact integer one.
int32_t roundedRatio(__int128 num, __int128 den)
{
    const bool negative = num < 0;
    const __int128 a = negative ? -num : num;
    __int128 q = a / den;
    const __int128 twiceRest = 2 * (a % den);
    if (twiceRest > den || (twiceRest == den && (q & 1) != 0))
        ++q;
    if (negative)
        q = -q;
    return int32_t(
        std::clamp<__int128>(q, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int levelFor(int32_t m, int r)
{
    if (m <= r - 10)
        return 0;
    if (m <= r - 1)
        return 1;
    if (m == r)
        return 2;
    if (m <= r + 9)
        return 3;
    return 4;
}

// One candidate hand; storage is fixed so a press allocates nothing.
struct Candidate {
    std::array<uint8_t, 54> Deck;
    std::array<uint8_t, 6> Suit;
    std::array<uint8_t, 6> Rank;
    int handClass;
};

void store(Candidate& c, const Hand& hand)
{
    c.Deck = hand.Deck;
    c.Suit = hand.Suit;
    c.Rank = hand.Rank;
}

void restore(Hand& hand, const Candidate& c)
{
    hand.Deck = c.Deck;
    hand.Suit = c.Suit;
    hand.Rank = c.Rank;
}

// The smallest class wins; on equal classes the later candidate does.
int worstCandidate(const std::array<Candidate, MaxTrials>& slots, int n)
{
    int best = 0;
    for (int k = 1; k < n; ++k) {
        if (slots[k].handClass <= slots[best].handClass)
            best = k;
    }
    return best;
}

int clampTrials(int n)
{
    return std::clamp(n, 1, MaxTrials);
}

} // namespace

int32_t RealisedPayout(int32_t credit, int64_t cashoutTotal, int64_t insertedTotal)
{
    // Only a damaged counters file gives no inserted money: count it as 0 %.
    if (insertedTotal <= 0)
        return 0;
    const __int128 held = __int128(credit) + cashoutTotal;
    return roundedRatio(held * 100, insertedTotal);
}

bool EvenPeriod(double startDays, double nowDays)
{
    const long double periods = ((long double)nowDays - (long double)startDays) * 288.0L;
    if (!std::isfinite(periods))
        return true;
    // Far outside any real run time; only the parity matters and llrint would overflow.
    if (std::fabs(periods) > 1e18L)
        return true;
    const long long t = std::llrint(periods); // the default rounding mode sends halves to even
    return (t & 1) == 0;
}

void ctrl(PayoutControlState& pc, RandomSource& rng, int32_t credit, int64_t cashoutTotal,
          int64_t insertedTotal, uint8_t payoutRate, double nowDays)
{
    const int32_t m = RealisedPayout(credit, cashoutTotal, insertedTotal);
    pc.ControlLevel = uint8_t(levelFor(m, payoutRate));

    pc.TightFlag = EvenPeriod(pc.StartTime, nowDays) ? 1 : 0;
    if (m > 150)
        pc.TightFlag = 1;
    if (credit < 100)
        pc.TightFlag = 0;

    if (pc.TightFlag == 1 && rng.RandomInt(7) < 5)
        pc.ControlLevel = 4;

    // The deal count is drawn before the draw count.
    switch (pc.ControlLevel) {
    case 0:
        pc.DealTrials = 1;
        pc.DrawTrials = rng.RandomInt(2) == 1 ? 1 : 2;
        break;
    case 1:
        pc.DealTrials = rng.RandomInt(2) == 1 ? 1 : 2;
        pc.DrawTrials = rng.RandomInt(2) == 1 ? 1 : 2;
        break;
    case 2:
        pc.DealTrials = rng.RandomInt(3) == 1 ? 1 : 3;
        pc.DrawTrials = rng.RandomInt(3) == 1 ? 1 : 3;
        break;
    case 3:
        pc.DealTrials = rng.RandomInt(5) > 1 ? 4 : 1;
        pc.DrawTrials = rng.RandomInt(5) > 1 ? 4 : 1;
        break;
    default:
        pc.DealTrials = rng.RandomInt(5) > 1 ? 5 : 2;
        pc.DrawTrials = rng.RandomInt(5) > 1 ? 5 : 2;
        break;
    }

    if (rng.RandomInt(10) == 1) {
        pc.DealTrials = 1;
        pc.DrawTrials = 1;
    }
}

void genecaz(Hand& hand, RandomSource& rng, bool joker, int n)
{
    n = clampTrials(n);
    std::array<Candidate, MaxTrials> slots;
    HandFlags flags{};
    for (int k = 0; k < n; ++k) {
        DealHand(hand, rng, joker);
        store(slots[k], hand);
        slots[k].handClass = EvaluateHand(hand, flags, false);
    }
    restore(hand, slots[worstCandidate(slots, n)]);
    hand.clearHeld();
}

void ControlledDraw(Hand& hand, RandomSource& rng, bool joker, int n)
{
    n = clampTrials(n);
    const std::array<uint8_t, 6> savedHeld = hand.Held;
    const std::array<uint8_t, 54> savedDeck = hand.Deck;
    std::array<Candidate, MaxTrials> slots;
    HandFlags flags{};
    for (int k = 0; k < n; ++k) {
        hand.Held = savedHeld;
        hand.Deck = savedDeck;
        DrawCards(hand, rng, joker);
        store(slots[k], hand);
        slots[k].handClass = EvaluateHand(hand, flags, false);
    }
    restore(hand, slots[worstCandidate(slots, n)]);
    hand.Held = savedHeld;
}

uint8_t NormalisePayoutRate(uint8_t rate)
{
    switch (rate) {
    case 100:
    case 90:
    case 80:
    case 70:
    case 60:
    case 50:
        return rate;
    default:
        return 70;
    }
}

} // namespace tarvelle
