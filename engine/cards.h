#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace tarvelle {

// How a card is numbered, here once for the whole game:
//   code   1..52 the ordinary cards, 53 the Joker; the deck holds codes.
//   suit   (code - 1) / 13 + 1: 1 hearts, 2 diamonds (the red ones), 3 spades, 4 clubs; 5 the Joker.
//   rank   (code - 1) % 13 + 2: 2..10 the pips, 11 the Ace, 12 Jack, 13 Queen, 14 King;
//          the Joker has rank 2. So the Ace sorts between the ten and the Jack.
//   index  code - 1, 0..52 (52 the Joker): the analysis, the coach and the game variants
//          count with it, and it is the card's picture (53 the back).
// As text (the tool and the tests) a card is named as in engine/cardtext.h: "Ah", "Td", "Jk".
constexpr int JokerCode = 53;
constexpr int JokerSuit = 5;
constexpr int AceRank = 11;
constexpr int BonusSuit = 3;  // the Ace of this suit feeds the bonus pot

constexpr int cardSuit(int code) { return code == JokerCode ? JokerSuit : (code - 1) / 13 + 1; }
constexpr int cardRank(int code) { return code == JokerCode ? 2 : (code - 1) % 13 + 2; }
constexpr int cardCode(int suit, int rank) { return suit == JokerSuit ? JokerCode : (suit - 1) * 13 + (rank - 2) + 1; }
// The card's index, which numbers its picture too.
constexpr int pictureIndex(int suit, int rank) { return (suit - 1) * 13 + (rank - 2); }
constexpr int deckSize(bool joker) { return joker ? 53 : 52; }

// The hand on the table and the deck it was dealt from. Arrays are indexed from 1
// as the rules count positions; element 0 is unused.
struct Hand {
    std::array<uint8_t, 54> Deck{};  // 1..53, a permutation of card codes
    std::array<uint8_t, 6> Suit{};   // 1..5
    std::array<uint8_t, 6> Rank{};   // 1..5
    std::array<uint8_t, 6> Held{};   // 1..5, 0 or 1

    int code(int pos) const { return cardCode(Suit[pos], Rank[pos]); }
    void setCard(int pos, int code)
    {
        Suit[pos] = uint8_t(cardSuit(code));
        Rank[pos] = uint8_t(cardRank(code));
    }
    void clearHeld() { Held.fill(0); }
};

// The hand's cards as indices, position 1 first.
inline std::array<int, 5> handCards(const Hand& hand)
{
    std::array<int, 5> cards;
    for (int p = 0; p < 5; ++p)
        cards[std::size_t(p)] = hand.code(p + 1) - 1;
    return cards;
}

}  // namespace tarvelle
