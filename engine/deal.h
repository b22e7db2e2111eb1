#pragma once

#include "engine/cards.h"
#include "engine/random.h"

namespace tarvelle {

// Five fresh cards by a partial Fisher-Yates shuffle; does not touch Held.
void DealHand(Hand& hand, RandomSource& rng, bool joker);
// Replaces the cards not held from the undealt part of the deck.
void DrawCards(Hand& hand, RandomSource& rng, bool joker);

}  // namespace tarvelle
