#pragma once

// Hands written as text in the engine tests: "Ah Td Jk 9s 2c".
#include "engine/cards.h"
#include "engine/cardtext.h"

#include <sstream>
#include <stdexcept>
#include <string>

namespace tarvelle::test {

inline int cardOf(const std::string& name)
{
    const int code = cardCodeFromName(name);
    if (code == 0)
        throw std::invalid_argument("bad card " + name);
    return code;
}

inline Hand handOf(const std::string& text)
{
    Hand hand;
    std::istringstream in(text);
    std::string word;
    for (int i = 1; i <= 5; ++i) {
        in >> word;
        hand.setCard(i, cardOf(word));
    }
    return hand;
}

// The hand as a deal leaves it: its cards at the end of the deck (position 1 last),
// the other cards before them.
inline Hand dealtHand(const std::string& text, bool joker)
{
    Hand hand = handOf(text);
    const int n = deckSize(joker);
    int next = 1;
    for (int code = 1; code <= 53; ++code) {
        bool inHand = false;
        for (int i = 1; i <= 5; ++i)
            inHand = inHand || hand.code(i) == code;
        if (!inHand && !(code == JokerCode && !joker))
            hand.Deck[next++] = uint8_t(code);
    }
    for (int i = 1; i <= 5; ++i)
        hand.Deck[n + 1 - i] = uint8_t(hand.code(i));
    if (!joker)
        hand.Deck[53] = JokerCode;
    return hand;
}

inline std::string heldText(const Hand& hand)
{
    std::string s;
    for (int i = 1; i <= 5; ++i)
        s += char('0' + hand.Held[i]);
    return s;
}

} // namespace tarvelle::test
