#pragma once

#include <array>
#include <cstdint>

namespace tarvelle {

// Card codes 1..52 are the ordinary cards, 53 is the Joker.
constexpr int JokerCode = 53;
constexpr int JokerSuit = 5;
constexpr int AceRank = 11;   // ranks: 2..10 pips, 11 Ace, 12 Jack, 13 Queen, 14 King
constexpr int BonusSuit = 3;  // the Ace of this suit feeds the bonus pot

constexpr int cardSuit(int code) { return code == JokerCode ? JokerSuit : (code - 1) / 13 + 1; }
constexpr int cardRank(int code) { return code == JokerCode ? 2 : (code - 1) % 13 + 2; }
constexpr int cardCode(int suit, int rank) { return suit == JokerSuit ? JokerCode : (suit - 1) * 13 + (rank - 2) + 1; }
// Index into the 54 card pictures (53 is the back).
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

}  // namespace tarvelle
