#include "engine/deal.h"

#include <utility>

namespace tarvelle {

void DealHand(Hand& hand, RandomSource& rng, bool joker)
{
    const int n = deckSize(joker);
    for (int i = 1; i <= 53; ++i)
        hand.Deck[i] = uint8_t(i);
    for (int i = 1; i <= 5; ++i) {
        const int m = n + 1 - i;
        const int k = rng.RandomCard(m);
        std::swap(hand.Deck[k], hand.Deck[m]);
        hand.setCard(i, hand.Deck[m]);
    }
}

void DrawCards(Hand& hand, RandomSource& rng, bool joker)
{
    int m = deckSize(joker) - 5;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Held[i])
            continue;
        const int k = rng.RandomCard(m);
        std::swap(hand.Deck[k], hand.Deck[m]);
        hand.setCard(i, hand.Deck[m]);
        --m;
    }
}

} // namespace tarvelle
