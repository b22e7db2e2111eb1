#include "engine/drill.h"

#include "engine/analysis.h"
#include "engine/strategy.h"

#include <algorithm>
#include <numeric>

namespace tarvelle {

namespace {

// A right answer goes to the back; a wrong one comes back after this many other hands.
constexpr size_t kWrongAgainAfter = 2;
// Random fillings tried for a hand of the same pattern before settling for new suits.
constexpr int kPatternTries = 40;

} // namespace

Drill::Drill(Game game, std::vector<DrillHand> hands, uint64_t seed)
    : m_game(std::move(game))
    , m_rng(seed)
{
    for (DrillHand& h : hands)
        if (h.streak < RetireStreak)
            m_queue.push_back(h);
        else
            m_retired.push_back(h);
}

std::vector<DrillHand> Drill::kept() const
{
    std::vector<DrillHand> out(m_queue.begin(), m_queue.end());
    out.insert(out.end(), m_retired.begin(), m_retired.end());
    return out;
}

DrillVerdict Drill::answer(int hold)
{
    DrillVerdict v;
    if (m_queue.empty())
        return v;
    DrillHand hand = m_queue.front();
    m_queue.pop_front();

    const HoldValues values = handHoldValues(hand.cards, m_game);
    v.hold = hold & 31;
    v.best = values.best();
    v.right = !values.better(v.best, v.hold);
    if (v.right)
        v.best = v.hold;
    for (int m = 0; m < 32; ++m)
        if (!values.better(v.best, m))
            v.bestHolds.push_back(m);
    v.yourValue = values.value(v.hold);
    v.bestValue = values.value(v.best);

    ++m_asked;
    if (v.right)
        ++m_right;
    hand.streak = v.right ? hand.streak + 1 : 0;

    if (hand.logged && !hand.sibling) {
        hand.sibling = true;
        DrillHand twin;
        twin.cards = samePattern(hand.cards, values.best());
        twin.logged = false;
        twin.sibling = true;
        m_queue.push_back(twin);
    }
    if (hand.streak >= RetireStreak) {
        v.retired = true;
        ++m_retiredNow;
        m_retired.push_back(hand);
    } else if (v.right) {
        m_queue.push_back(hand);
    } else {
        m_queue.insert(m_queue.begin() + std::ptrdiff_t(std::min(kWrongAgainAfter, m_queue.size())), hand);
    }
    return v;
}

// Keeps the cards the best hold keeps, in new suits, and deals the rest afresh until the
// new hand's best hold reads as the same chart line; failing that, the hand in new suits.
std::array<int, 5> Drill::samePattern(const std::array<int, 5>& cards, int best)
{
    const std::string pattern = holdPattern(m_game, cards, best);
    std::array<int, 4> suits{0, 1, 2, 3};
    do
        std::shuffle(suits.begin(), suits.end(), m_rng);
    while (suits == std::array<int, 4>{0, 1, 2, 3});
    const auto relabel = [&](int c) { return c >= 52 ? c : suits[size_t(c / 13)] * 13 + c % 13; };

    std::array<int, 5> kept{};
    std::transform(cards.begin(), cards.end(), kept.begin(), relabel);
    if (best == 31)
        return kept;

    std::vector<int> deck(size_t(m_game.deckSize()));
    std::iota(deck.begin(), deck.end(), 0);
    for (int t = 0; t < kPatternTries; ++t) {
        std::array<int, 5> hand = kept;
        std::vector<int> free;
        for (int c : deck)
            if (std::find(kept.begin(), kept.end(), c) == kept.end())
                free.push_back(c);
        std::shuffle(free.begin(), free.end(), m_rng);
        size_t next = 0;
        for (int p = 0; p < 5; ++p)
            if (!(best & (1 << p)))
                hand[size_t(p)] = free[next++];
        const int handBest = handHoldValues(hand, m_game).best();
        if (holdPattern(m_game, hand, handBest) == pattern)
            return hand;
    }
    return kept;
}

} // namespace tarvelle
