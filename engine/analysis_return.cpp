// The whole game's return: every deal (up to suit relabelling), every draw.
#include "engine/analysis.h"

#include "engine/advisor.h"
#include "engine/cards.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <mutex>
#include <thread>

namespace tarvelle {

namespace {

constexpr int JokerIndex = 52;

using Order = std::array<uint8_t, 5>; // card (index into the sorted hand) at each position

struct OrderGroup {
    Order order;
    int count;
};

// The ten pairs of sorted places, numbered as a bit each.
constexpr int PairA[10] = {0, 0, 0, 0, 1, 1, 1, 2, 2, 3};
constexpr int PairB[10] = {1, 2, 3, 4, 2, 3, 4, 3, 4, 4};

// For each set of tied pairs, the 120 orders grouped by which card of each tied
// pair comes first.
const std::vector<OrderGroup>& orderGroups(unsigned tiedPairs)
{
    static std::once_flag once;
    static std::vector<std::vector<OrderGroup>> groups;
    std::call_once(once, [] {
        groups.resize(1024);
        for (unsigned tied = 0; tied < 1024; ++tied) {
            std::vector<std::pair<unsigned, OrderGroup>> seen;
            Order order = {0, 1, 2, 3, 4};
            do {
                int place[5];
                for (int p = 0; p < 5; ++p)
                    place[order[p]] = p;
                unsigned key = 0;
                for (int q = 0; q < 10; ++q) {
                    if ((tied >> q) & 1 && place[PairA[q]] < place[PairB[q]])
                        key |= 1u << q;
                }
                auto it =
                    std::find_if(seen.begin(), seen.end(), [&](const auto& s) { return s.first == key; });
                if (it == seen.end())
                    seen.push_back({key, {order, 1}});
                else
                    ++it->second.count;
            } while (std::next_permutation(order.begin(), order.end()));
            for (const auto& s : seen)
                groups[tied].push_back(s.second);
        }
    });
    return groups[tiedPairs];
}

int proposalInOrder(const std::array<int, 5>& sortedCards, const Order& order, bool holdHighCard,
                    bool holdOpenInside)
{
    std::array<int, 5> dealt;
    for (int p = 0; p < 5; ++p)
        dealt[p] = sortedCards[order[p]];
    const int byPosition = proposedHoldMask(dealt, holdHighCard, holdOpenInside);
    int mask = 0;
    for (int p = 0; p < 5; ++p) {
        if (byPosition & (1 << p))
            mask |= 1 << order[p];
    }
    return mask;
}

void addProposal(std::vector<WeightedHold>& list, int mask, int orders)
{
    for (WeightedHold& w : list) {
        if (w.mask == mask) {
            w.orders += orders;
            return;
        }
    }
    list.push_back({mask, orders});
}

} // namespace

int proposedHoldMask(const std::array<int, 5>& cards, bool holdHighCard, bool holdOpenInside)
{
    Hand hand;
    for (int p = 0; p < 5; ++p)
        hand.setCard(p + 1, cards[p] + 1);
    hand.clearHeld();
    ProposeHolds(hand, holdHighCard, holdOpenInside);
    int mask = 0;
    for (int p = 0; p < 5; ++p) {
        if (hand.Held[p + 1])
            mask |= 1 << p;
    }
    return mask;
}

std::vector<WeightedHold> proposalsOverOrders(const std::array<int, 5>& sortedCards, bool holdHighCard,
                                              bool holdOpenInside, bool everyOrder)
{
    // Two pairs and better keep the cards of the made hand, wherever they lie: only
    // the draws of the weaker hands can depend on the order.
    if (!everyOrder && quickClass(sortedCards.data()) > 2)
        return {{proposedHoldMask(sortedCards, holdHighCard, holdOpenInside), 120}};
    unsigned tied = 0;
    for (int q = 0; q < 10; ++q) {
        const int a = sortedCards[PairA[q]];
        const int b = sortedCards[PairB[q]];
        if (everyOrder || a == JokerIndex || b == JokerIndex || a % 13 == b % 13)
            tied |= 1u << q;
    }
    std::vector<WeightedHold> list;
    for (const OrderGroup& g : orderGroups(tied))
        addProposal(list, proposalInOrder(sortedCards, g.order, holdHighCard, holdOpenInside), g.count);
    return list;
}

std::vector<DealClass> dealClasses(bool joker)
{
    // A deal up to suit relabelling is the multiset of its four per-suit rank sets;
    // list them as non-increasing quadruples of 13-bit masks.
    std::vector<unsigned> byCount[6];
    for (unsigned m = 0; m < (1u << 13); ++m) {
        const int c = std::popcount(m);
        if (c <= 5)
            byCount[c].push_back(m);
    }
    std::vector<DealClass> out;
    out.reserve(joker ? 150000 : 135000);
    unsigned masks[4];
    auto emit = [&](bool withJoker) {
        DealClass d{};
        int k = 0;
        for (int s = 0; s < 4; ++s)
            for (int r = 0; r < 13; ++r)
                if (masks[s] & (1u << r))
                    d.cards[k++] = uint8_t(s * 13 + r);
        if (withJoker)
            d.cards[k++] = JokerIndex;
        int weight = 24;
        for (int s = 0, run = 1; s < 4; ++s) {
            run = (s > 0 && masks[s] == masks[s - 1]) ? run + 1 : 1;
            weight /= run;
        }
        d.weight = uint8_t(weight);
        out.push_back(d);
    };
    auto fill = [&](auto&& self, int s, unsigned limit, int left, bool withJoker) -> void {
        if (s == 4) {
            if (left == 0)
                emit(withJoker);
            return;
        }
        for (int c = (s == 3 ? left : 0); c <= left; ++c)
            for (unsigned m : byCount[c]) {
                if (m > limit)
                    break;
                masks[s] = m;
                self(self, s + 1, m, left - c, withJoker);
            }
    };
    fill(fill, 0, (1u << 13) - 1, 5, false);
    if (joker)
        fill(fill, 0, (1u << 13) - 1, 4, true);
    return out;
}

GameReturn gameReturn(const ReturnOptions& options)
{
    const Game game = options.game ? *options.game : tableGameWith(options.joker, options.pay);
    const bool joker = game.deckSize() == 53;
    const HoldEvaluator evaluator(game);
    const std::vector<DealClass> deals = dealClasses(joker);
    const int K = game.classCount;
    const int threads = std::clamp(options.threads, 1, 16);

    // Exact sums, per number of held cards, of pay and of class counts, each deal
    // weighted by its suit relabellings times its orders out of 120.
    struct Sums {
        std::array<__int128, 6> pay{};
        std::array<__int128, 6> bestPay{};
        std::array<std::array<__int128, MaxClasses>, 6> classes{};
    };
    std::vector<Sums> sums(threads);
    auto work = [&](int t) {
        Sums& s = sums[t];
        std::vector<WeightedHold> holds;
        for (size_t i = t; i < deals.size(); i += threads) {
            std::array<int, 5> cards;
            for (int j = 0; j < 5; ++j)
                cards[j] = deals[i].cards[j];
            const HoldValues values = evaluator.evaluate(cards);
            const int best = values.best();
            s.bestPay[std::popcount(unsigned(best))] +=
                __int128(int64_t(deals[i].weight) * 120) * values.numerator[best];
            holds.clear();
            if (options.strategy == Strategy::Optimal)
                holds.push_back({best, 120});
            else
                holds = proposalsOverOrders(cards, options.holdHighCard, options.holdOpenInside);
            for (const WeightedHold& h : holds) {
                const int64_t w = int64_t(deals[i].weight) * h.orders;
                const int k = std::popcount(unsigned(h.mask));
                s.pay[k] += __int128(w) * values.numerator[h.mask];
                if (!options.classOdds)
                    continue;
                const ClassCounts counts = evaluator.gameClassCounts(cards, h.mask);
                for (int c = 0; c < K; ++c)
                    s.classes[k][c] += __int128(w) * counts[c];
            }
        }
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; ++t)
        pool.emplace_back(work, t);
    work(0);
    for (std::thread& th : pool)
        th.join();

    const int n = game.deckSize();
    long double deals5 = 1;
    for (int i = 0; i < 5; ++i)
        deals5 = deals5 * (n - i) / (i + 1);
    const long double everything = deals5 * 120;
    GameReturn r;
    r.dealClasses = int64_t(deals.size());
    for (int k = 0; k <= 5; ++k) {
        long double draws = 1;
        for (int i = 0; i < 5 - k; ++i)
            draws = draws * (n - 5 - i) / (i + 1);
        __int128 pay = 0;
        __int128 bestPay = 0;
        std::array<__int128, MaxClasses> cls{};
        for (const Sums& s : sums) {
            pay += s.pay[k];
            bestPay += s.bestPay[k];
            for (int c = 0; c < K; ++c)
                cls[c] += s.classes[k][c];
        }
        r.rate += (long double)pay / draws / everything;
        r.bestRate += (long double)bestPay / draws / everything;
        for (int c = 0; c < K; ++c)
            r.classOdds[c] += (long double)cls[c] / draws / everything;
    }
    if (options.classOdds) {
        long double square = 0;
        for (int c = 1; c < K; ++c) {
            const long double p = (long double)game.pay[std::size_t(c)];
            square += r.classOdds[c] * p * p;
            if (game.pay[std::size_t(c)] > 0)
                r.hitRate += r.classOdds[c];
        }
        r.deviation = std::sqrt(std::max<long double>(0, square - r.rate * r.rate));
        const int royal = game.royalClass();
        if (royal >= 0 && r.classOdds[royal] > 0)
            r.royalCycle = 1 / r.classOdds[royal];
    }
    return r;
}

} // namespace tarvelle
