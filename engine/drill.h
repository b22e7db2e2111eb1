#pragma once

// Drills: the player's past mistakes dealt again with nothing at stake, each joined by a hand
// of the same pattern, until every one has been answered right three times in a row.
// Cards are indices 0..52 as in engine/analysis.h.

#include "engine/game.h"

#include <array>
#include <cstdint>
#include <deque>
#include <random>
#include <string>
#include <vector>

namespace tarvelle {

struct DrillHand {
    std::array<int, 5> cards{};
    int streak = 0;      // answered right this many times in a row
    bool logged = true;  // a mistake from the history; false: a hand of the same pattern
    bool sibling = false; // a hand of its pattern has been added already
    bool operator==(const DrillHand&) const = default;
};

struct DrillVerdict {
    int hold = 0;
    int best = 0;                // the best hold (the player's own when it was among the best)
    std::vector<int> bestHolds;  // every hold worth the best
    bool right = false;          // equal-value holds are never a mistake
    long double yourValue = 0;   // per credit bet
    long double bestValue = 0;
    long double cost() const { return bestValue - yourValue; }
    bool retired = false;        // the hand left the drill with this answer
};

class Drill {
public:
    static constexpr int RetireStreak = 3; // right answers in a row that end a hand's drill
    // Hands whose streak already reaches RetireStreak stay out of it.
    Drill(Game game, std::vector<DrillHand> hands, uint64_t seed);

    const Game& game() const { return m_game; }
    bool finished() const { return m_queue.empty(); }
    const DrillHand& current() const { return m_queue.front(); }
    // Judges the hold (a mask, bit i holds cards[i]) for the current hand, exactly; then the
    // next hand comes up. A logged mistake brings a hand of its pattern in after its first answer.
    DrillVerdict answer(int hold);

    int asked() const { return m_asked; }
    int right() const { return m_right; }
    size_t left() const { return m_queue.size(); }
    // The hands still in the drill, the current one first (kept between sessions).
    const std::deque<DrillHand>& hands() const { return m_queue; }
    // Hands that left the drill with an answer of this session.
    int retiredNow() const { return m_retiredNow; }
    // Every hand with its streak, those that left the drill included (to be kept).
    std::vector<DrillHand> kept() const;

private:
    std::array<int, 5> samePattern(const std::array<int, 5>& cards, int best);

    Game m_game;
    std::deque<DrillHand> m_queue;
    std::vector<DrillHand> m_retired;
    std::mt19937_64 m_rng;
    int m_asked = 0;
    int m_right = 0;
    int m_retiredNow = 0;
};

} // namespace tarvelle
