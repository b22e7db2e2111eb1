#pragma once

#include "engine/cards.h"

#include <initializer_list>

namespace tarvelle {

void HoldRanks(Hand& hand, std::initializer_list<int> ranks);
void HoldSuit(Hand& hand, int suit);
// Straight and flush draws for a dealt hand of class 2 or lower; may replace Held.
void HoldAdvisor(Hand& hand, bool holdOpenInside);

// What the table proposes with "Auto Hold" on: evaluator marks, then the advisor
// when the class is 2 or lower. Returns the dealt class; Held holds the proposal.
int ProposeHolds(Hand& hand, bool holdHighCard, bool holdOpenInside);

}  // namespace tarvelle
