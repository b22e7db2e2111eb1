#include "engine/analysis.h"

#include "engine/bitcount.h"
#include "engine/evaluator.h"
#include "engine/paytable.h"

#include <algorithm>
#include <bit>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tarvelle {

namespace {

constexpr int JokerIndex = 52;

struct Binomials {
    int64_t c[54][6]{};
    constexpr Binomials()
    {
        for (int n = 0; n < 54; ++n) {
            c[n][0] = 1;
            for (int k = 1; k < 6; ++k)
                c[n][k] = n == 0 ? 0 : c[n - 1][k - 1] + c[n - 1][k];
        }
    }
};
constexpr Binomials Binom{};

// Colex rank of a set given in ascending order: its place among all sets of that size.
inline int64_t setIndex(const int* sorted, int size)
{
    int64_t idx = 0;
    for (int j = 0; j < size; ++j)
        idx += Binom.c[sorted[j]][j + 1];
    return idx;
}


// The places of each 5-bit mask's set bits, lowest first.
struct MaskPlaces {
    uint8_t place[32][5]{};
    constexpr MaskPlaces()
    {
        for (int m = 0; m < 32; ++m)
            for (int j = 0, k = 0; j < 5; ++j)
                if (m & (1 << j))
                    place[m][k++] = uint8_t(j);
    }
};
constexpr MaskPlaces Places{};

template <class T> void addRow(T* to, const T* from, int n)
{
    for (int c = 0; c < n; ++c)
        to[c] += from[c];
}

} // namespace

PayList gamePayList()
{
    PayList pay{};
    for (int c = 1; c <= 11; ++c)
        pay[c] = Multiplier[c];
    return pay;
}

std::optional<PayList> parsePayList(std::string_view text)
{
    PayList pay{};
    int c = 1;
    size_t at = 0;
    while (true) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view item = text.substr(at, comma - at);
        if (c > 11 || item.empty() || item.size() > 7)
            return std::nullopt;
        int64_t v = 0;
        for (char ch : item) {
            if (ch < '0' || ch > '9')
                return std::nullopt;
            v = v * 10 + (ch - '0');
        }
        if (v > MaxPayMultiplier)
            return std::nullopt;
        pay[c++] = v;
        if (comma == text.size())
            break;
        at = comma + 1;
    }
    if (c != 12)
        return std::nullopt;
    return pay;
}

int quickClass(const int* cards)
{
    // A hand without the Joker has the same class in both decks.
    static const GameClassifier table(tableGame(true));
    return table.classify(cards);
}

Game tableGameWith(bool joker, const PayList& pay)
{
    Game g = tableGame(joker);
    for (int c = 0; c < 12; ++c)
        g.pay[std::size_t(c)] = pay[std::size_t(c)];
    return g;
}

const DrawTables& DrawTables::forDeck(bool joker)
{
    return forGame(tableGame(joker));
}

const DrawTables& DrawTables::forGame(const Game& game)
{
    // Games that differ only in their pays share their tables.
    static std::mutex lock;
    static std::vector<std::pair<std::string, std::unique_ptr<DrawTables>>> built;
    std::string key(1, char('0' + int(game.wild)));
    for (int c = 0; c < game.classCount; ++c)
        key += char('A' + int(game.keys[std::size_t(c)]));
    const std::lock_guard<std::mutex> hold(lock);
    for (const auto& [k, t] : built) {
        if (k == key)
            return *t;
    }
    built.emplace_back(key, std::unique_ptr<DrawTables>(new DrawTables(game)));
    return *built.back().second;
}

DrawTables::DrawTables(const Game& game)
    : m_deckSize(game.deckSize()), m_stride(game.classCount), m_classifier(game)
{
    const int n = m_deckSize;
    const int K = m_stride;
    const GameClassifier& cl = m_classifier;
    using Tally = GameClassifier::Tally;
    const auto& C = Binom.c;
    // Every hand counts once in each of its five 4-card subsets. Two threads take
    // alternate largest cards, each into its own table.
    const size_t fourSize = size_t(C[n][4]) * K;
    std::vector<uint8_t> second(fourSize, 0);
    m_four.assign(fourSize, 0);
    auto census = [&](uint8_t* four, int firstTop) {
        for (int e = firstTop; e >= 4; e -= 2) {
            Tally te;
            cl.add(te, e);
            for (int d = 3; d < e; ++d) {
                Tally td = te;
                cl.add(td, d);
                for (int c = 2; c < d; ++c) {
                    Tally tc = td;
                    cl.add(tc, c);
                    const int64_t cde = C[c][2] + C[d][3] + C[e][4];
                    const int64_t xde = C[d][3] + C[e][4];
                    for (int b = 1; b < c; ++b) {
                        Tally tb = tc;
                        cl.add(tb, b);
                        const int64_t bcde = b + cde;
                        const int64_t bde = C[b][2] + xde;
                        const int64_t bce = C[b][2] + C[c][3] + C[e][4];
                        const int64_t bcd = C[b][2] + C[c][3] + C[d][4];
                        for (int a = 0; a < b; ++a) {
                            Tally t = tb;
                            cl.add(t, a);
                            const int cls = cl.classify(t);
                            ++four[bcde * K + cls];
                            ++four[(a + cde) * K + cls];
                            ++four[(a + bde) * K + cls];
                            ++four[(a + bce) * K + cls];
                            ++four[(a + bcd) * K + cls];
                        }
                    }
                }
            }
        }
    };
    std::thread helper(census, second.data(), n - 2);
    census(m_four.data(), n - 1);
    helper.join();
    for (size_t i = 0; i < fourSize; ++i)
        m_four[i] = uint8_t(m_four[i] + second[i]);
    const uint8_t* four = m_four.data();

    // A hand holding a k-set is counted from each of its 5 − k (k+1)-subsets that hold it.
    m_three.assign(size_t(C[n][3]) * K, 0);
    for (int d = 3; d < n; ++d)
        for (int c = 2; c < d; ++c)
            for (int b = 1; b < c; ++b)
                for (int a = 0; a < b; ++a) {
                    const uint8_t* from = four + (a + C[b][2] + C[c][3] + C[d][4]) * K;
                    for (int64_t to : {b + C[c][2] + C[d][3], a + C[c][2] + C[d][3], a + C[b][2] + C[d][3],
                                       a + C[b][2] + C[c][3]})
                        for (int k = 0; k < K; ++k)
                            m_three[to * K + k] += from[k];
                }
    for (uint32_t& v : m_three)
        v /= 2;

    m_two.assign(size_t(C[n][2]) * K, 0);
    for (int c = 2; c < n; ++c)
        for (int b = 1; b < c; ++b)
            for (int a = 0; a < b; ++a) {
                const uint32_t* from = &m_three[(a + C[b][2] + C[c][3]) * K];
                addRow(&m_two[(b + C[c][2]) * K], from, K);
                addRow(&m_two[(a + C[c][2]) * K], from, K);
                addRow(&m_two[(a + C[b][2]) * K], from, K);
            }
    for (uint32_t& v : m_two)
        v /= 3;

    m_one.assign(size_t(n) * K, 0);
    for (int b = 1; b < n; ++b)
        for (int a = 0; a < b; ++a) {
            const uint32_t* from = &m_two[(a + C[b][2]) * K];
            addRow(&m_one[b * K], from, K);
            addRow(&m_one[a * K], from, K);
        }
    for (uint32_t& v : m_one)
        v /= 4;

    m_none.assign(size_t(K), 0);
    for (int a = 0; a < n; ++a)
        addRow(m_none.data(), &m_one[a * K], K);
    for (uint32_t& v : m_none)
        v /= 5;
}

void DrawTables::addCounts(const int* sorted, int size, int64_t factor, std::array<int64_t, 12>& out) const
{
    int64_t all[MaxClasses] = {};
    addCounts(sorted, size, factor, all);
    for (int c = 0; c < 12 && c < m_stride; ++c)
        out[std::size_t(c)] += all[c];
}

void DrawTables::addCounts(const int* sorted, int size, int64_t factor, int64_t* out) const
{
    if (size == 5) {
        out[m_classifier.classify(sorted)] += factor;
        return;
    }
    const int64_t idx = setIndex(sorted, size);
    const int K = m_stride;
    auto add = [&](const auto* counts) {
        for (int c = 0; c < K; ++c)
            out[c] += factor * int64_t(counts[c]);
    };
    switch (size) {
    case 4:
        add(&m_four[idx * K]);
        break;
    case 3:
        add(&m_three[idx * K]);
        break;
    case 2:
        add(&m_two[idx * K]);
        break;
    case 1:
        add(&m_one[idx * K]);
        break;
    default:
        add(m_none.data());
        break;
    }
}

int64_t HoldValues::draws(int mask) const
{
    return drawsByHeld[bitCount(unsigned(mask))];
}

long double HoldValues::value(int mask) const
{
    return (long double)numerator[mask] / (long double)draws(mask);
}

bool HoldValues::better(int a, int b) const
{
    return __int128(numerator[a]) * draws(b) > __int128(numerator[b]) * draws(a);
}

int HoldValues::best() const
{
    int best = 0;
    for (int m = 1; m < 32; ++m) {
        if (better(m, best))
            best = m;
    }
    return best;
}

std::array<int, 32> HoldValues::ranking() const
{
    std::array<int, 32> order;
    for (int m = 0; m < 32; ++m)
        order[m] = m;
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return better(a, b); });
    return order;
}

namespace {

// Counts the draws of one hold by the multiset of ranks drawn, the flushes apart.
class RankDraws {
public:
    RankDraws(const std::array<int, 5>& dealt, const Game& game) : m_classifier(game)
    {
        std::fill(std::begin(m_avail), std::end(m_avail), 4);
        std::fill(std::begin(m_suitAvail), std::end(m_suitAvail), 0x1FFFu);
        m_jokerAvail = game.deckSize() == 53;
        m_deuces = m_classifier.deucesWild();
        for (int c : dealt) {
            if (c == JokerIndex) {
                m_jokerAvail = false;
                continue;
            }
            --m_avail[c % 13];
            m_suitAvail[c / 13] &= ~(1u << (c % 13));
        }
    }

    const ClassCounts& count(const std::array<int, 5>& dealt, int mask)
    {
        m_held = Tally();
        m_heldSuit = -1;
        int k = 0;
        for (int p = 0; p < 5; ++p) {
            if (!(mask & (1 << p)))
                continue;
            ++k;
            const int c = dealt[p];
            const int wildsBefore = m_held.wilds;
            m_classifier.add(m_held, c);
            if (m_held.wilds == wildsBefore)
                m_heldSuit = (m_heldSuit == -1 || m_heldSuit == c / 13) ? c / 13 : -2;
        }
        m_out.fill(0);
        const int draw = 5 - k;
        walk(0, draw, 1, m_held.counts, m_held.ranks, 0, m_held.wilds);
        if (m_jokerAvail && draw > 0)
            walk(0, draw - 1, 1, m_held.counts, m_held.ranks, 0, m_held.wilds + 1);
        return m_out;
    }

private:
    using Tally = GameClassifier::Tally;

    void walk(int r, int left, int64_t ways, uint64_t counts, unsigned ranks, unsigned drawn, int wilds)
    {
        if (left == 0) {
            finish(ways, counts, ranks, drawn, wilds);
            return;
        }
        if (r == 13)
            return;
        walk(r + 1, left, ways, counts, ranks, drawn, wilds);
        const int most = std::min(m_avail[r], left);
        for (int n = 1; n <= most; ++n) {
            // ways of picking n of the available cards of this rank
            static constexpr int pick[5][5] = {{1}, {1, 1}, {1, 2, 1}, {1, 3, 3, 1}, {1, 4, 6, 4, 1}};
            walk(r + 1, left - n, ways * pick[m_avail[r]][n], counts + (uint64_t(n) << (4 * r)),
                 ranks | (1u << r), drawn | (1u << r), wilds);
        }
    }

    void finish(int64_t ways, uint64_t counts, unsigned ranks, unsigned drawn, int wilds)
    {
        Tally t;
        if (m_deuces && (drawn & 1)) {
            // Drawn deuces are wild, whatever their suits.
            wilds += int(counts & 15);
            counts &= ~uint64_t(15);
            ranks &= ~1u;
            drawn &= ~1u;
        }
        t.counts = counts;
        t.ranks = ranks;
        t.wilds = wilds;
        int64_t flushes = 0;
        if (bitCount(ranks) == 5 - wilds && m_heldSuit != -2) {
            // Natural cards of different ranks: the draws that keep them to one suit
            // are flushes; a drawn deuce may be of any suit.
            int64_t wildWays = 1;
            if (m_deuces) {
                const int n0 = wilds - m_held.wilds;
                static constexpr int pick[5][5] = {{1}, {1, 1}, {1, 2, 1}, {1, 3, 3, 1}, {1, 4, 6, 4, 1}};
                wildWays = pick[m_avail[0]][n0];
            }
            for (int s = 0; s < 4; ++s) {
                if ((m_heldSuit == -1 || m_heldSuit == s) && (drawn & ~m_suitAvail[s]) == 0)
                    flushes += wildWays;
            }
        }
        t.suits = 3; // two suits: no flush
        if (ways > flushes)
            m_out[std::size_t(m_classifier.classify(t))] += ways - flushes;
        if (flushes) {
            t.suits = 1;
            m_out[std::size_t(m_classifier.classify(t))] += flushes;
        }
    }

    GameClassifier m_classifier;
    bool m_deuces = false;
    int m_avail[13];
    unsigned m_suitAvail[4];
    bool m_jokerAvail;
    Tally m_held;
    int m_heldSuit = -1; // -1 no natural card held, -2 two suits held
    ClassCounts m_out{};
};

} // namespace

HoldValues handHoldValues(const std::array<int, 5>& cards, const Game& game,
                          std::array<ClassCounts, 32>* classes)
{
    RankDraws draws(cards, game);
    HoldValues v;
    for (int mask = 0; mask < 32; ++mask) {
        const ClassCounts& counts = draws.count(cards, mask);
        int64_t paid = 0;
        for (int c = 1; c < game.classCount; ++c)
            paid += game.pay[std::size_t(c)] * counts[std::size_t(c)];
        v.numerator[mask] = paid;
        if (classes)
            (*classes)[mask] = counts;
    }
    const int left = game.deckSize() - 5;
    for (int k = 0; k <= 5; ++k)
        v.drawsByHeld[k] = Binom.c[left][5 - k];
    return v;
}

HoldValues handHoldValues(const std::array<int, 5>& cards, bool joker, const PayList& pay,
                          std::array<std::array<int64_t, 12>, 32>* classes)
{
    std::array<ClassCounts, 32> all;
    const HoldValues v = handHoldValues(cards, tableGameWith(joker, pay), classes ? &all : nullptr);
    if (classes) {
        for (int m = 0; m < 32; ++m)
            std::copy_n(all[m].begin(), 12, (*classes)[m].begin());
    }
    return v;
}

HoldEvaluator::HoldEvaluator(bool joker, const PayList& pay) : HoldEvaluator(tableGameWith(joker, pay)) {}

HoldEvaluator::HoldEvaluator(const Game& game)
    : m_game(game), m_tables(DrawTables::forGame(game)), m_pay{}, m_classifier(game)
{
    for (int c = 0; c < 12 && c < game.classCount; ++c)
        m_pay[std::size_t(c)] = game.pay[std::size_t(c)];
    const int K = m_tables.m_stride;
    auto weigh = [&](const auto& counts, std::vector<int64_t>& out) {
        out.resize(counts.size() / std::size_t(K));
        for (size_t i = 0; i < out.size(); ++i) {
            int64_t v = 0;
            for (int c = 1; c < K; ++c)
                v += m_game.pay[std::size_t(c)] * int64_t(counts[i * std::size_t(K) + std::size_t(c)]);
            out[i] = v;
        }
    };
    weigh(m_tables.m_four, m_four);
    weigh(m_tables.m_three, m_three);
    weigh(m_tables.m_two, m_two);
    weigh(m_tables.m_one, m_one);
    std::vector<int64_t> none;
    weigh(m_tables.m_none, none);
    m_none = none[0];
}

namespace {

// Positions of the cards in ascending order, and each mask over that order moved
// back to the caller's positions.
struct SortedHand {
    std::array<int, 5> cards;
    std::array<int, 5> from; // cards[j] is the caller's card from[j]
    bool inOrder = true;
    SortedHand(const std::array<int, 5>& given) : cards(given), from{0, 1, 2, 3, 4}
    {
        for (int j = 1; j < 5; ++j) {
            for (int i = j; i > 0 && cards[i - 1] > cards[i]; --i) {
                std::swap(cards[i - 1], cards[i]);
                std::swap(from[i - 1], from[i]);
                inOrder = false;
            }
        }
    }
    int toGiven(int sortedMask) const
    {
        int m = 0;
        for (int j = 0; j < 5; ++j) {
            if (sortedMask & (1 << j))
                m |= 1 << from[j];
        }
        return m;
    }
    int toSorted(int givenMask) const
    {
        int m = 0;
        for (int j = 0; j < 5; ++j) {
            if (givenMask & (1 << from[j]))
                m |= 1 << j;
        }
        return m;
    }
    int subset(int mask, int* out) const
    {
        int k = 0;
        for (int j = 0; j < 5; ++j) {
            if (mask & (1 << j))
                out[k++] = cards[j];
        }
        return k;
    }
};

} // namespace

HoldValues HoldEvaluator::evaluate(const std::array<int, 5>& given) const
{
    const SortedHand hand(given);
    const std::array<int, 5>& c = hand.cards;
    const auto& B = Binom.c;
    // Pay totals of every hand holding each subset of the dealt cards ...
    std::array<int64_t, 32> total;
    for (int m = 0; m < 32; ++m) {
        const uint8_t* p = Places.place[m];
        switch (bitCount(unsigned(m))) {
        case 0:
            total[m] = m_none;
            break;
        case 1:
            total[m] = m_one[c[p[0]]];
            break;
        case 2:
            total[m] = m_two[c[p[0]] + B[c[p[1]]][2]];
            break;
        case 3:
            total[m] = m_three[c[p[0]] + B[c[p[1]]][2] + B[c[p[2]]][3]];
            break;
        case 4:
            total[m] = m_four[c[p[0]] + B[c[p[1]]][2] + B[c[p[2]]][3] + B[c[p[3]]][4]];
            break;
        default:
            total[m] = m_game.pay[std::size_t(m_classifier.classify(c.data()))];
            break;
        }
    }
    // ... and by inclusion-exclusion, of the hands that hold exactly a mask's cards
    // and none of the discarded ones: the hands that drawing can make.
    for (int bit = 1; bit < 32; bit <<= 1)
        for (int m = 0; m < 32; ++m)
            if (!(m & bit))
                total[m] -= total[m | bit];

    HoldValues v;
    if (hand.inOrder)
        v.numerator = total;
    else
        for (int m = 0; m < 32; ++m)
            v.numerator[hand.toGiven(m)] = total[m];
    const int left = m_tables.deckSize() - 5;
    for (int k = 0; k <= 5; ++k)
        v.drawsByHeld[k] = Binom.c[left][5 - k];
    return v;
}

ClassCounts HoldEvaluator::gameClassCounts(const std::array<int, 5>& given, int mask) const
{
    const SortedHand hand(given);
    const int held = hand.toSorted(mask);
    ClassCounts out{};
    for (int m = held; m < 32; m = (m + 1) | held) {
        int sub[5];
        const int k = hand.subset(m, sub);
        m_tables.addCounts(sub, k, (bitCount(unsigned(m & ~held)) & 1) ? -1 : 1, out.data());
    }
    return out;
}

std::array<int64_t, 12> HoldEvaluator::classCounts(const std::array<int, 5>& given, int mask) const
{
    const ClassCounts all = gameClassCounts(given, mask);
    std::array<int64_t, 12> out{};
    std::copy_n(all.begin(), 12, out.begin());
    return out;
}

} // namespace tarvelle
