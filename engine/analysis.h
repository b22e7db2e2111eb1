#pragma once

// Exact hold values and exact game returns. Cards here are indices 0..52 (engine/cards.h),
// so sets of them index the count tables directly.

#include "engine/game.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvelle {

// Pay per credit bet, indexed by class 0..11 (class 0 pays nothing).
using PayList = std::array<int64_t, 12>;
PayList gamePayList();
constexpr int64_t MaxPayMultiplier = 1000000;
// Eleven comma-separated whole multipliers 0..MaxPayMultiplier for classes 1..11.
std::optional<PayList> parsePayList(std::string_view text);

// The evaluator's class of five different deck indices, in any order.
int quickClass(const int* cards);

// Final class counts of a game, indexed by its classes.
using ClassCounts = std::array<int64_t, MaxClasses>;

// For every set of up to five deck cards, how many five-card hands of the deck
// contain it, per final class. Built once per game's deck, wild cards and classes
// (not its pays) on first use.
class DrawTables {
public:
    static const DrawTables& forDeck(bool joker);
    static const DrawTables& forGame(const Game& game);

    int deckSize() const { return m_deckSize; }
    int classCount() const { return m_stride; }
    // Class counts of the hands holding `size` cards given in ascending order;
    // adds them into `out` (classCount() entries) multiplied by `factor`.
    void addCounts(const int* sorted, int size, int64_t factor, int64_t* out) const;
    void addCounts(const int* sorted, int size, int64_t factor, std::array<int64_t, 12>& out) const;

private:
    explicit DrawTables(const Game& game);
    friend class HoldEvaluator;

    int m_deckSize;
    int m_stride; // counts per set: the game's classes
    GameClassifier m_classifier;
    std::vector<uint8_t> m_four;   // per 4-card set (at most 49 each)
    std::vector<uint32_t> m_three; // per 3-card set
    std::vector<uint32_t> m_two;   // per 2-card set
    std::vector<uint32_t> m_one;   // per card
    std::vector<uint32_t> m_none;  // all hands
};

// The 32 holds of a dealt hand. Mask bit i holds the card at index i of the hand
// the caller passed; a hold's value is numerator / draws(held count).
struct HoldValues {
    std::array<int64_t, 32> numerator{};
    std::array<int64_t, 6> drawsByHeld{}; // draws for 0..5 held cards
    int64_t draws(int mask) const;
    long double value(int mask) const;
    // True when hold a is worth strictly more than hold b (exact).
    bool better(int a, int b) const;
    int best() const; // the best hold; ties go to the smaller mask
    // The 32 masks best first, ties by ascending mask.
    std::array<int, 32> ranking() const;
};

// The 32 holds of one dealt hand worked out on their own, without the count tables:
// the draws are counted per multiset of drawn ranks, with the flushes apart. Cheap
// enough for a single hand; `classes`, when given, gets each hold's class counts.
HoldValues handHoldValues(const std::array<int, 5>& cards, bool joker, const PayList& pay,
                          std::array<std::array<int64_t, 12>, 32>* classes = nullptr);
HoldValues handHoldValues(const std::array<int, 5>& cards, const Game& game,
                          std::array<ClassCounts, 32>* classes = nullptr);

// The table's own game with `pay` for its classes.
Game tableGameWith(bool joker, const PayList& pay);

// Scores holds with one pay list: the pay-weighted count tables.
class HoldEvaluator {
public:
    HoldEvaluator(bool joker, const PayList& pay);
    explicit HoldEvaluator(const Game& game);

    bool joker() const { return m_tables.deckSize() == 53; }
    const PayList& pay() const { return m_pay; }
    const Game& game() const { return m_game; }
    HoldValues evaluate(const std::array<int, 5>& cards) const;
    // Final class counts of one hold (all draws), indexed by class.
    std::array<int64_t, 12> classCounts(const std::array<int, 5>& cards, int mask) const;
    ClassCounts gameClassCounts(const std::array<int, 5>& cards, int mask) const;

private:
    Game m_game;
    const DrawTables& m_tables;
    PayList m_pay; // the first twelve of the game's pays
    GameClassifier m_classifier;
    std::vector<int64_t> m_four, m_three, m_two, m_one;
    int64_t m_none = 0;
};

// The holds the table proposes for five dealt cards (deck indices, position 1
// first), as a mask over those positions.
int proposedHoldMask(const std::array<int, 5>& cards, bool holdHighCard, bool holdOpenInside);

// The proposal can depend on the dealing order, but only through the relative order
// of cards that share a rank (the Joker shares every rank): which card of a pair a
// straight draw keeps, whether the Joker or a real card stands for a rank. Every
// order of the five cards is equally likely; this lists the distinct proposals for
// the cards in ascending order as (mask over that order, how many of the 120 orders
// give it). `everyOrder` tries all 120 orders instead, to check that claim.
struct WeightedHold {
    int mask;
    int orders;
};
std::vector<WeightedHold> proposalsOverOrders(const std::array<int, 5>& sortedCards, bool holdHighCard,
                                              bool holdOpenInside, bool everyOrder = false);

// Deals up to a relabelling of the four suits: one representative (ascending
// indices) per class and the number of deals it stands for.
struct DealClass {
    std::array<uint8_t, 5> cards;
    uint8_t weight;
};
std::vector<DealClass> dealClasses(bool joker);

enum class Strategy { Optimal, Advisor };

struct ReturnOptions {
    bool joker = false;
    PayList pay = gamePayList();
    std::optional<Game> game; // any game; when set, `joker` and `pay` are not used
    Strategy strategy = Strategy::Optimal;
    bool holdHighCard = false;
    bool holdOpenInside = false;
    int threads = 2;
    bool classOdds = true; // off when only the rates are wanted: much quicker
};

struct GameReturn {
    long double rate = 0;                            // expected pay per credit bet
    long double bestRate = 0;                        // the same drawing to the best hold every time
    std::array<long double, MaxClasses> classOdds{}; // probability of each final class
    long double deviation = 0;                       // standard deviation of one hand's pay
    long double hitRate = 0;                         // probability that the final hand pays
    long double royalCycle = 0;                      // hands per royal flush (0: never)
    int64_t dealClasses = 0;
};

GameReturn gameReturn(const ReturnOptions& options);

} // namespace tarvelle
