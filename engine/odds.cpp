#include "engine/odds.h"

#include "engine/deal.h"
#include "engine/evaluator.h"
#include "engine/paytable.h"

namespace tarvelle {

namespace {

constexpr int Trials = 2000;

// A value given in hundredths, as "0.00" would print it; "0.00" itself becomes "0".
std::string hundredthsText(int64_t hundredths)
{
    if (hundredths == 0)
        return "0";
    std::string text = std::to_string(hundredths / 100);
    const int cents = int(hundredths % 100);
    text += '.';
    text += char('0' + cents / 10);
    text += char('0' + cents % 10);
    return text;
}

} // namespace

OddsResult LiveOdds(Hand& hand, RandomSource& rng, bool joker)
{
    return LiveOdds(hand, rng, joker, false);
}

OddsResult LiveOdds(Hand& hand, RandomSource& rng, bool joker, bool holdHighCard)
{
    const Hand saved = hand;
    OddsResult result;
    HandFlags flags{};
    for (int trial = 0; trial < Trials; ++trial) {
        hand.Deck = saved.Deck;
        hand.Held = saved.Held;
        DrawCards(hand, rng, joker);
        const int cls = EvaluateHand(hand, flags, holdHighCard);
        if (cls > 0)
            ++result.OddsCounts[cls];
    }

    // Counts are out of 2000, so a percentage is count / 20 = count * 5 hundredths,
    // and the expected return is exact in hundredths too. Working in integers keeps
    // the texts free of binary rounding; ExpectedReturn carries the same value.
    int64_t expectedHundredths = 0;
    for (int row = 1; row <= 10; ++row) {
        const int64_t hundredths = int64_t(result.OddsCounts[row + 1]) * 5;
        result.texts[row] = hundredthsText(hundredths);
        expectedHundredths += hundredths * Multiplier[row + 1];
    }
    result.ExpectedReturn = double(expectedHundredths) / 100.0;
    if (expectedHundredths > 99900) {
        // No decimals above 999; halves round up.
        result.texts[11] = std::to_string((expectedHundredths + 50) / 100);
    } else {
        result.texts[11] = hundredthsText(expectedHundredths);
    }

    hand = saved;
    return result;
}

} // namespace tarvelle
