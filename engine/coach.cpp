#include "engine/coach.h"

#include <chrono>

namespace tarvelle {

int heldMask(const Hand& hand)
{
    int mask = 0;
    for (int p = 0; p < 5; ++p) {
        if (hand.Held[size_t(p + 1)])
            mask |= 1 << p;
    }
    return mask;
}

void setHeld(Hand& hand, int mask)
{
    for (int p = 0; p < 5; ++p)
        hand.Held[size_t(p + 1)] = (mask >> p) & 1;
}

int keptMask(const std::array<int, 5>& dealt, const std::array<int, 5>& final)
{
    int mask = 0;
    for (int p = 0; p < 5; ++p) {
        if (dealt[p] == final[p])
            mask |= 1 << p;
    }
    return mask;
}

HandAdvice::HandAdvice(const std::array<int, 5>& cards, bool joker, const PayList& pay)
    : HandAdvice(cards, tableGameWith(joker, pay))
{
}

HandAdvice::HandAdvice(const std::array<int, 5>& cards, const Game& game)
    : m_cards(cards), m_joker(game.deckSize() == 53), m_values(handHoldValues(cards, game)),
      m_ranking(m_values.ranking())
{
}

int HandAdvice::rank(int mask) const
{
    int r = 1;
    for (int m : m_ranking) {
        if (!m_values.better(m, mask))
            break;
        ++r;
    }
    return r;
}

long double HandAdvice::cost(int mask, int bet) const
{
    return (value(best()) - value(mask)) * bet;
}

int expertHoldMask(const std::array<int, 5>& cards, bool joker, const PayList& pay)
{
    return handHoldValues(cards, joker, pay).best();
}

int expertHoldMask(const std::array<int, 5>& cards, const Game& game)
{
    return handHoldValues(cards, game).best();
}

double SessionFigures::accuracy() const
{
    if (hands == 0)
        return 100.0;
    return 100.0 * double(hands - mistakes) / double(hands);
}

const HandAdvice& Coach::dealt(const std::array<int, 5>& cards, bool joker)
{
    if (!m_hand || m_hand->cards() != cards || m_hand->joker() != joker)
        m_hand.emplace(cards, joker, m_pay);
    m_review.reset();
    m_reviewed = false;
    return *m_hand;
}

const HandAdvice& Coach::dealt(const std::array<int, 5>& cards, const Game& game)
{
    m_hand.emplace(cards, game);
    m_review.reset();
    m_reviewed = false;
    return *m_hand;
}

std::optional<DrawReview> Coach::drawn(int mask, int bet, bool counted)
{
    if (!m_hand || m_reviewed)
        return std::nullopt;
    m_reviewed = true;
    DrawReview r;
    r.best = m_hand->best();
    r.yours = mask;
    r.bestValue = m_hand->value(r.best);
    r.yourValue = m_hand->value(mask);
    r.bestPlay = m_hand->isBest(mask);
    r.cost = r.bestPlay ? 0 : m_hand->cost(mask, bet);
    if (counted) {
        ++m_figures.hands;
        if (!r.bestPlay) {
            ++m_figures.mistakes;
            m_figures.creditsLost += r.cost;
        }
    }
    m_review = r;
    return r;
}

SettingReturn settingReturn(const ReturnSetting& s, const PayList& pay, int threads)
{
    const auto start = std::chrono::steady_clock::now();
    ReturnOptions o;
    o.game = s.game;
    o.joker = s.joker;
    o.pay = pay;
    o.strategy = Strategy::Advisor;
    o.holdHighCard = s.holdHighCard;
    o.holdOpenInside = s.holdOpenInside;
    o.threads = threads;
    o.classOdds = false;
    if (s.game)
        o.strategy = Strategy::Optimal; // the table proposes the best hold
    const GameReturn r = gameReturn(o);
    SettingReturn out;
    out.best = r.bestRate;
    out.advisor = r.rate;
    out.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return out;
}

ReturnFigures::ReturnFigures(Ready onReady, const PayList& pay) : m_onReady(std::move(onReady)), m_pay(pay)
{
    m_worker = std::thread([this] { run(); });
}

ReturnFigures::~ReturnFigures()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_wanted.reset();
    }
    m_wake.notify_all();
    m_worker.join();
}

std::optional<SettingReturn> ReturnFigures::request(const ReturnSetting& s)
{
    {
        std::lock_guard lock(m_mutex);
        const auto it = m_known.find(s);
        if (it != m_known.end())
            return it->second;
        m_wanted = s; // a setting asked for earlier and not started is no longer wanted
    }
    m_wake.notify_all();
    return std::nullopt;
}

std::optional<SettingReturn> ReturnFigures::known(const ReturnSetting& s) const
{
    std::lock_guard lock(m_mutex);
    const auto it = m_known.find(s);
    if (it == m_known.end())
        return std::nullopt;
    return it->second;
}

void ReturnFigures::run()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stop || m_wanted; });
        if (m_stop)
            return;
        const ReturnSetting s = *m_wanted;
        m_wanted.reset();
        if (m_known.count(s))
            continue;
        lock.unlock();
        const SettingReturn r = settingReturn(s, m_pay);
        lock.lock();
        m_known[s] = r;
        if (m_onReady && !m_stop) {
            lock.unlock();
            m_onReady(s, r);
            lock.lock();
        }
    }
}

bool trainingStops(const HandAdvice& advice, int mask, long double threshold)
{
    if (advice.isBest(mask))
        return false;
    return advice.value(advice.best()) - advice.value(mask) > threshold;
}

} // namespace tarvelle
