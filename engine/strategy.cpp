#include "engine/strategy.h"

#include "engine/textid.h"

#include "engine/analysis.h"

#include <algorithm>
#include <bit>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <unordered_map>

namespace tarvelle {

namespace {

constexpr int JokerIndex = 52;
constexpr int AceIndex = 9; // rank index of the Ace; 0 is the deuce, 8 the ten
// Rank indices from the deuce up to the Ace, as players order them.
constexpr int ByValue[13] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 10, 11, 12, 9};
constexpr unsigned RoyalRanks = (1u << 8) | (1u << 9) | (1u << 10) | (1u << 11) | (1u << 12);

int rankValue(int r)
{
    return r == AceIndex ? 14 : r < AceIndex ? r + 2 : r + 1;
}

// What a hold is, as the chart tells it apart. Fields a pattern does not write stay zero,
// so two keys never share a text.
enum class Kind : uint8_t {
    Nothing,       // discard everything
    Made,          // all five kept: the class (a)
    Wilds,         // wild cards alone
    Group,         // one rank (with wild cards): n of them, ranks = the ranks alike for it
    TwoPair,       // two pairs without the fifth card
    TripsKicker,   // three of a rank (ranks) and a kicker of the ranks in `b` (a mask)
    PairOther,     // a pair or three and other cards
    Royal,         // n to a royal flush; two natural cards name their ranks
    StraightFlush, // windows straights fit; b those with a 2 in them where deuces are wild
    Flush,
    Straight, // as StraightFlush
    High,     // high cards without a draw: their ranks
    WildWith, // wild cards and odd natural cards
    Other,    // anything else
};

struct Key {
    Kind kind = Kind::Nothing;
    int n = 0;       // cards held, wild ones included
    int w = 0;       // wild cards held
    int high = -1;   // high cards held, where the pattern counts them
    int windows = 0; // straights the natural cards fit in
    int a = 0;       // class, or the count of the pair's rank
    unsigned ranks = 0;
    unsigned b = 0; // kicker ranks, or straights that need a 2
    bool suited = false;
    int penalty = 0; // cards thrown away that would have helped: 1 of the suit, 2 of a straight

    uint64_t pack() const
    {
        return uint64_t(kind) | uint64_t(n) << 4 | uint64_t(w) << 7 | uint64_t(high + 1) << 10 |
               uint64_t(windows) << 14 | uint64_t(a) << 18 | uint64_t(ranks) << 24 | uint64_t(b) << 37 |
               uint64_t(suited) << 50 | uint64_t(penalty) << 51;
    }
    static Key unpack(uint64_t v)
    {
        Key k;
        k.kind = Kind(v & 15);
        k.n = int(v >> 4 & 7);
        k.w = int(v >> 7 & 7);
        k.high = int(v >> 10 & 15) - 1;
        k.windows = int(v >> 14 & 15);
        k.a = int(v >> 18 & 63);
        k.ranks = unsigned(v >> 24 & 0x1FFF);
        k.b = unsigned(v >> 37 & 0x1FFF);
        k.suited = (v >> 50) & 1;
        k.penalty = int(v >> 51 & 3);
        return k;
    }
};

// What the chart needs to know of a game: which cards are wild, which pairs pay, and which
// ranks its four of a kind tell apart.
struct Traits {
    const Game* game = nullptr;
    GameClassifier classifier;
    bool deuces = false;
    bool joker = false;
    unsigned naturals = 0x1FFF; // ranks that are not wild
    unsigned high = 0;          // ranks whose pair pays
    std::array<unsigned, 13> pairGroup{};
    std::array<unsigned, 13> quadGroup{};
    std::array<std::array<int64_t, 13>, 13> quadPay{}; // [rank][kicker]

    explicit Traits(const Game& g) : game(&g), classifier(g)
    {
        deuces = g.wild == Wild::Deuces;
        joker = g.wild == Wild::Joker;
        if (deuces)
            naturals &= ~1u;
        std::array<int64_t, 13> pairPay{};
        for (int r = 0; r < 13; ++r) {
            if (!(naturals & (1u << r)))
                continue;
            int cards[5] = {r, r + 13};
            int k = 2;
            for (int o = 12; k < 5; --o) {
                if (o != r && (naturals & (1u << o))) {
                    cards[k] = o + 13 * (k % 4);
                    ++k;
                }
            }
            pairPay[r] = g.pay[std::size_t(classifier.classify(cards))];
            if (pairPay[r] > 0)
                high |= 1u << r;
            for (int t = 0; t < 13; ++t) {
                if (t == r || !(naturals & (1u << t)))
                    continue;
                const int four[5] = {r, r + 13, r + 26, r + 39, t + (t < r ? 0 : 13)};
                quadPay[r][t] = g.pay[std::size_t(classifier.classify(four))];
            }
        }
        for (int r = 0; r < 13; ++r) {
            for (int s = 0; s < 13; ++s) {
                if (!(naturals & (1u << r)) || !(naturals & (1u << s)))
                    continue;
                // Ranks alike for four of a kind pay the same with every kicker but each other.
                bool same = true;
                for (int t = 0; t < 13 && same; ++t) {
                    if (t != r && t != s && (naturals & (1u << t)))
                        same = quadPay[r][t] == quadPay[s][t];
                }
                if (same) {
                    quadGroup[r] |= 1u << s;
                    if (pairPay[r] == pairPay[s])
                        pairGroup[r] |= 1u << s;
                }
            }
        }
    }

    bool isWild(int c) const { return c == JokerIndex || (deuces && c % 13 == 0); }
};

std::string rankLetter(int r)
{
    static constexpr char letters[] = "23456789TAJQK";
    return std::string(1, letters[r]);
}

std::string rankPlural(int r)
{
    static constexpr const char* names[13] = {"2s", "3s",  "4s",   "5s",    "6s",     "7s",   "8s",
                                              "9s", "10s", "Aces", "Jacks", "Queens", "Kings"};
    return names[r];
}

std::string rankSingular(int r)
{
    static constexpr const char* names[13] = {"2", "3",  "4",   "5",    "6",     "7",   "8",
                                              "9", "10", "Ace", "Jack", "Queen", "King"};
    return names[r];
}

// "Aces", "2s to 4s", "Jacks, Queens or Aces" for a set of natural ranks.
std::string rankRange(unsigned mask, unsigned naturals, bool plural)
{
    std::vector<int> in;
    int first = -1, last = -1, seen = 0;
    bool contiguous = true;
    for (int i = 0; i < 13; ++i) {
        const int r = ByValue[i];
        if (!(naturals & (1u << r)))
            continue;
        if (mask & (1u << r)) {
            if (first >= 0 && last != seen - 1)
                contiguous = false;
            if (first < 0)
                first = seen;
            last = seen;
            in.push_back(r);
        }
        ++seen;
    }
    auto name = [&](int r) { return plural ? rankPlural(r) : rankSingular(r); };
    if (in.size() == 1)
        return name(in[0]);
    if (contiguous)
        return name(in.front()) + " to " + name(in.back());
    std::string s;
    for (size_t i = 0; i < in.size(); ++i)
        s += (i == 0 ? "" : i + 1 == in.size() ? " or " : ", ") + name(in[i]);
    return s;
}

// The ranks held, best first, as players write them ("KQJ").
std::string rankLetters(unsigned ranks)
{
    std::string s;
    for (int i = 12; i >= 0; --i) {
        if (ranks & (1u << ByValue[i]))
            s += rankLetter(ByValue[i]);
    }
    return s;
}

std::string wildPhrase(const Traits& t, int w)
{
    static constexpr const char* counts[5] = {"no", "one", "two", "three", "four"};
    if (t.joker)
        return "the Joker";
    return std::string(counts[w]) + (w == 1 ? " deuce" : " deuces");
}

std::string withWild(const Traits& t, int w)
{
    return w == 0 ? "" : " with " + wildPhrase(t, w);
}

std::string highText(const Traits& t, int high)
{
    if (high < 0 || t.high == 0)
        return "";
    if (high == 0)
        return ", no high cards";
    return ", " + std::to_string(high) + (high == 1 ? " high card" : " high cards");
}

std::string groupText(const Traits& t, int size, unsigned group)
{
    const unsigned all = t.naturals;
    if (size == 2) {
        if (group == all)
            return "a pair";
        if (t.high != 0 && group == t.high)
            return "high pair";
        if (t.high != 0 && group == (all & ~t.high))
            return "low pair";
        return "pair of " + rankRange(group, all, true);
    }
    const char* word = size == 3 ? "three" : "four";
    if (group == all)
        return std::string(word) + " of a kind";
    return std::string(word) + " " + rankRange(group, all, true);
}

// Draws to a royal or to high cards, where the cards thrown away can tell: each is
// written with its penalty cards, unless the chart finds they do not matter.
bool takesPenalties(const Key& k)
{
    return k.w == 0 && ((k.kind == Kind::Royal && k.n <= 3) || (k.kind == Kind::StraightFlush && k.n == 3) ||
                        k.kind == Kind::High);
}

std::string shapeText(const Traits& t, const Key& k);

std::string keyText(const Traits& t, const Key& k, bool penalties = true)
{
    std::string s = shapeText(t, k);
    if (!penalties || !takesPenalties(k))
        return s;
    switch (k.penalty) {
    case 0:
        return s + ", no penalty card";
    case 1:
        return s + " with a flush penalty";
    case 2:
        return s + " with a straight penalty";
    default:
        return s + " with flush and straight penalties";
    }
}

std::string shapeText(const Traits& t, const Key& k)
{
    switch (k.kind) {
    case Kind::Nothing:
        return "discard everything";
    case Kind::Made:
        if (k.a == 0)
            return "keep all five (no win)";
        return "dealt " + std::string(className(t.game->keys[std::size_t(k.a)]));
    case Kind::Wilds:
        return wildPhrase(t, k.w) + " alone";
    case Kind::Group:
        return groupText(t, k.n, k.ranks) + withWild(t, k.w);
    case Kind::TwoPair:
        return "two pair";
    case Kind::TripsKicker:
        return groupText(t, 3, k.ranks) + " and a " +
               (k.b == (t.naturals & ~k.ranks) ? std::string("kicker")
                                               : rankRange(k.b, t.naturals, false) + " kicker");
    case Kind::PairOther:
        return groupText(t, k.a, k.ranks) + withWild(t, k.w) + " and " + std::to_string(k.n - k.a - k.w) +
               (k.n - k.a - k.w == 1 ? " other card" : " other cards");
    case Kind::Royal:
        if (k.ranks)
            return "suited " + rankLetters(k.ranks) + withWild(t, k.w);
        return std::to_string(k.n) + " to a royal flush" + withWild(t, k.w) + highText(t, k.high);
    case Kind::StraightFlush:
    case Kind::Straight: {
        const bool sf = k.kind == Kind::StraightFlush;
        std::string s = std::to_string(k.n) + (sf ? " to a straight flush" : "");
        // Players' words where they fit: open and inside, gaps; else how many straights.
        const bool plain = k.w == 0 && !t.deuces;
        if (!sf)
            s += k.n == 4 && plain ? (k.windows >= 2 ? " to an outside straight" : " to an inside straight")
                                   : " to a straight";
        s += withWild(t, k.w);
        if (plain && k.n == 4 && sf)
            s += k.windows >= 2 ? ", open" : ", inside";
        else if (plain && k.n == 3)
            s += k.windows == 3 ? ", no gaps" : k.windows == 2 ? ", 1 gap" : ", 2 gaps";
        else if (!plain) {
            const int all = k.windows + int(k.b);
            s += ", fits " + std::to_string(all) + (all == 1 ? " straight" : " straights");
            if (k.b == 1 && all == 1)
                s += ", which needs a 2";
            else if (int(k.b) == all)
                s += ", all needing a 2";
            else if (k.b)
                s += ", " + std::to_string(k.b) + " needing a 2";
        }
        return s + highText(t, k.high);
    }
    case Kind::Flush:
        return std::to_string(k.n) + " to a flush" + withWild(t, k.w) + highText(t, k.high);
    case Kind::High:
        if (k.n == 1)
            return rankSingular(std::countr_zero(k.ranks)) + " alone";
        return (k.suited ? "suited " : "unsuited ") + rankLetters(k.ranks);
    case Kind::WildWith:
        if (k.ranks)
            return wildPhrase(t, k.w) + " and " +
                   (std::countr_zero(k.ranks) == AceIndex || std::countr_zero(k.ranks) == 6 ? "an " : "a ") +
                   rankSingular(std::countr_zero(k.ranks));
        return wildPhrase(t, k.w) + " and " + std::to_string(k.n - k.w) +
               (k.n - k.w == 1 ? " other card" : " other cards") + highText(t, k.high);
    case Kind::Other:
        if (k.n == 1)
            return "one low card";
        return std::to_string(k.n) + (k.suited ? " suited" : " unsuited") + " odd cards" +
               highText(t, k.high);
    }
    return {};
}

Key shapeKey(const Traits& t, const std::array<int, 5>& cards, int mask);

// A card thrown away is a flush penalty when it is of the suit of the cards kept, a
// straight penalty when it could have made a straight with them.
int penaltyCards(const Traits& t, const std::array<int, 5>& cards, int mask, const Key& k)
{
    unsigned ranks = 0, suits = 0;
    for (int p = 0; p < 5; ++p) {
        if (mask & (1 << p)) {
            ranks |= 1u << (cards[p] % 13);
            suits |= 1u << (cards[p] / 13);
        }
    }
    const bool oneSuit = std::popcount(suits) == 1;
    const bool straights = k.kind == Kind::High || (k.kind == Kind::Royal && k.n == 2);
    int penalty = 0;
    for (int p = 0; p < 5; ++p) {
        const int c = cards[p];
        if ((mask & (1 << p)) || t.isWild(c))
            continue;
        if (oneSuit && (suits & (1u << (c / 13))))
            penalty |= 1;
        const unsigned with = ranks | (1u << (c % 13));
        if (straights && with != ranks) {
            for (int low = 1; low <= 10; ++low) {
                bool fits = true;
                for (unsigned m = with; m && fits; m &= m - 1) {
                    const int r = std::countr_zero(m);
                    const int v = rankValue(r);
                    fits = (v >= low && v <= low + 4) || (r == AceIndex && low == 1);
                }
                if (fits) {
                    penalty |= 2;
                    break;
                }
            }
        }
    }
    return penalty;
}

Key holdKey(const Traits& t, const std::array<int, 5>& cards, int mask)
{
    Key k = shapeKey(t, cards, mask);
    if (takesPenalties(k))
        k.penalty = penaltyCards(t, cards, mask, k);
    return k;
}

Key shapeKey(const Traits& t, const std::array<int, 5>& cards, int mask)
{
    Key k;
    int nat[5];
    int natCount = 0;
    for (int p = 0; p < 5; ++p) {
        if (!(mask & (1 << p)))
            continue;
        ++k.n;
        if (t.isWild(cards[p]))
            ++k.w;
        else
            nat[natCount++] = cards[p];
    }
    if (k.n == 0)
        return k;
    if (k.n == 5) {
        k.kind = Kind::Made;
        k.w = 0;
        k.a = t.classifier.classify(cards.data());
        return k;
    }
    if (natCount == 0) {
        k.kind = Kind::Wilds;
        return k;
    }
    int count[13] = {};
    unsigned ranks = 0, suits = 0;
    for (int i = 0; i < natCount; ++i) {
        ++count[nat[i] % 13];
        ranks |= 1u << (nat[i] % 13);
        suits |= 1u << (nat[i] / 13);
    }
    const int distinct = std::popcount(ranks);
    int most = 0, mostRank = 0;
    for (int r = 0; r < 13; ++r) {
        if (count[r] > most) {
            most = count[r];
            mostRank = r;
        }
    }
    if (most >= 2) {
        const int size = most + k.w;
        if (distinct == 1) {
            k.kind = Kind::Group;
            k.ranks = size == 2 ? t.pairGroup[mostRank] : t.quadGroup[mostRank];
            return k;
        }
        if (distinct == 2 && most == 2 && k.w == 0 && natCount == 4) {
            k.kind = Kind::TwoPair;
            return k;
        }
        if (distinct == 2 && most == 3 && k.w == 0) {
            const int kicker = std::countr_zero(ranks & ~(1u << mostRank));
            k.kind = Kind::TripsKicker;
            k.ranks = t.quadGroup[mostRank];
            for (int s = 0; s < 13; ++s) {
                if (s != mostRank && (t.naturals & (1u << s)) &&
                    t.quadPay[mostRank][s] == t.quadPay[mostRank][kicker])
                    k.b |= 1u << s;
            }
            return k;
        }
        k.kind = Kind::PairOther;
        k.a = std::min(size, 4);
        k.ranks = k.a == 2 ? t.pairGroup[mostRank] : t.quadGroup[mostRank];
        return k;
    }
    const bool suited = std::popcount(suits) == 1;
    const int high = std::popcount(ranks & t.high);
    int windows = 0, withTwo = 0;
    for (int low = 1; low <= 10; ++low) {
        bool fits = true;
        for (unsigned m = ranks; m && fits; m &= m - 1) {
            const int r = std::countr_zero(m);
            const int v = rankValue(r);
            fits = (v >= low && v <= low + 4) || (r == AceIndex && low == 1);
        }
        // Where deuces are wild no natural 2 can be drawn: the straights with a 2 in them
        // count apart.
        if (t.deuces && low <= 2)
            withTwo += fits;
        else
            windows += fits;
    }
    if (natCount >= 2 && suited && (ranks & ~RoyalRanks) == 0) {
        k.kind = Kind::Royal;
        if (natCount == 2)
            k.ranks = ranks;
        else if (k.w > 0)
            k.high = high; // a wild card and a high card already make a paying pair
        return k;
    }
    if (natCount >= 2 && suited && windows + withTwo > 0 && k.n >= 3) {
        k.kind = Kind::StraightFlush;
        k.windows = windows;
        k.b = unsigned(withTwo);
        k.high = k.n == 3 || k.w > 0 ? high : -1;
        return k;
    }
    if (natCount >= 2 && suited && k.n >= 3) {
        k.kind = Kind::Flush;
        k.high = k.n == 3 || k.w > 0 ? high : -1;
        return k;
    }
    if (k.w == 0 && high == natCount && natCount <= 3) {
        k.kind = Kind::High;
        k.ranks = ranks;
        k.suited = natCount >= 2 && suited;
        return k;
    }
    if (natCount >= 2 && windows + withTwo > 0 && k.n >= 3) {
        k.kind = Kind::Straight;
        k.windows = windows;
        k.b = unsigned(withTwo);
        k.high = high;
        return k;
    }
    if (k.w > 0) {
        k.kind = Kind::WildWith;
        if (natCount == 1)
            k.ranks = ranks;
        else
            k.high = high;
        return k;
    }
    k.kind = Kind::Other;
    k.suited = natCount >= 2 && suited;
    k.high = natCount >= 2 ? high : -1;
    return k;
}

// Where a pattern fits a hand more than one way, the chart keeps the higher cards.
uint32_t cardsScore(const Traits& t, const std::array<int, 5>& cards, int mask)
{
    int v[5];
    int n = 0;
    for (int p = 0; p < 5; ++p) {
        if (mask & (1 << p))
            v[n++] = t.isWild(cards[p]) ? 15 : rankValue(cards[p] % 13);
    }
    for (int i = 1; i < n; ++i)
        for (int j = i; j > 0 && v[j] > v[j - 1]; --j)
            std::swap(v[j], v[j - 1]);
    uint32_t s = 0;
    for (int i = 0; i < 5; ++i)
        s = s * 16 + uint32_t(i < n ? v[i] : 0);
    return s;
}

// Every deal up to suit relabelling with the hold each pattern of it makes.
struct Entry {
    uint32_t pattern;
    uint32_t score; // cardsScore of the hold
    int64_t numerator;
    uint8_t held; // cards kept
};
struct Deal {
    uint32_t begin, end; // its entries
    uint32_t weight;     // deals it stands for
    uint32_t bestPattern;
    uint32_t bestHeld;
    int64_t bestNumerator;
};

struct Deals {
    std::vector<Deal> deals;
    std::vector<Entry> entries;
    std::vector<uint64_t> keys;         // by pattern id
    std::array<long double, 6> draws{}; // draws for 0..5 cards held
    std::array<int64_t, 6> drawCount{};
    long double everything = 0; // deals × 120 orders, as gameReturn counts
    int nothing = -1;           // the id of "discard everything"

    long double value(const Entry& e) const { return (long double)e.numerator / draws[e.held]; }
    // Which of two holds a line that fits both makes: the higher cards, else the worse.
    bool preferred(const Entry& a, const Entry& b) const
    {
        if (a.score != b.score)
            return a.score > b.score;
        return __int128(a.numerator) * drawCount[b.held] < __int128(b.numerator) * drawCount[a.held];
    }
    long double bestValue(const Deal& d) const { return (long double)d.bestNumerator / draws[d.bestHeld]; }
};

Deals collectDeals(const Game& game, const Traits& traits, int threads)
{
    const HoldEvaluator evaluator(game);
    const std::vector<DealClass> classes = dealClasses(game.deckSize() == 53);
    threads = std::clamp(threads, 1, 16);
    struct Part {
        std::vector<Deal> deals;
        std::vector<uint64_t> bestKeys;
        std::vector<std::pair<uint64_t, Entry>> entries;
    };
    std::vector<Part> parts(static_cast<size_t>(threads));
    auto work = [&](int th) {
        Part& part = parts[size_t(th)];
        const size_t chunk = (classes.size() + size_t(threads) - 1) / size_t(threads);
        const size_t from = chunk * size_t(th), to = std::min(classes.size(), from + chunk);
        for (size_t i = from; i < to; ++i) {
            std::array<int, 5> cards;
            for (int j = 0; j < 5; ++j)
                cards[j] = classes[i].cards[j];
            const HoldValues v = evaluator.evaluate(cards);
            const int best = v.best();
            // Per pattern, the hold the chart makes: the higher cards, and where those tie
            // too the worse hold, so the figure holds whichever way a player picks.
            std::pair<uint64_t, int> chosen[32];
            uint32_t scores[32];
            int count = 0;
            uint64_t bestKey = 0;
            for (int m = 0; m < 32; ++m) {
                const uint64_t key = holdKey(traits, cards, m).pack();
                if (m == best)
                    bestKey = key;
                const uint32_t score = cardsScore(traits, cards, m);
                int at = 0;
                while (at < count && chosen[at].first != key)
                    ++at;
                if (at == count) {
                    chosen[count] = {key, m};
                    scores[count++] = score;
                } else if (score > scores[at] || (score == scores[at] && v.better(chosen[at].second, m))) {
                    chosen[at].second = m;
                    scores[at] = score;
                }
            }
            Deal d{};
            d.weight = classes[i].weight;
            d.bestHeld = uint32_t(std::popcount(unsigned(best)));
            d.bestNumerator = v.numerator[best];
            d.begin = uint32_t(part.entries.size());
            for (int c = 0; c < count; ++c) {
                const int m = chosen[c].second;
                part.entries.push_back(
                    {chosen[c].first, {0, scores[c], v.numerator[m], uint8_t(std::popcount(unsigned(m)))}});
            }
            d.end = uint32_t(part.entries.size());
            part.deals.push_back(d);
            part.bestKeys.push_back(bestKey);
        }
    };
    std::vector<std::thread> pool;
    for (int th = 1; th < threads; ++th)
        pool.emplace_back(work, th);
    work(0);
    for (std::thread& th : pool)
        th.join();

    Deals out;
    std::unordered_map<uint64_t, uint32_t> ids;
    auto idOf = [&](uint64_t key) {
        const auto [it, added] = ids.emplace(key, uint32_t(out.keys.size()));
        if (added)
            out.keys.push_back(key);
        return it->second;
    };
    out.nothing = int(idOf(Key().pack()));
    size_t total = 0;
    for (const Part& part : parts)
        total += part.entries.size();
    out.entries.reserve(total);
    for (Part& part : parts) {
        const uint32_t offset = uint32_t(out.entries.size());
        for (const auto& [key, e] : part.entries)
            out.entries.push_back({idOf(key), e.score, e.numerator, e.held});
        for (size_t i = 0; i < part.deals.size(); ++i) {
            Deal d = part.deals[i];
            d.begin += offset;
            d.end += offset;
            d.bestPattern = idOf(part.bestKeys[i]);
            out.deals.push_back(d);
        }
        part = Part();
    }
    const int n = game.deckSize();
    long double deals5 = 1;
    for (int i = 0; i < 5; ++i)
        deals5 = deals5 * (n - i) / (i + 1);
    out.everything = deals5 * 120;
    for (int k = 0; k <= 5; ++k) {
        long double draws = 1;
        for (int i = 0; i < 5 - k; ++i)
            draws = draws * (n - 5 - i) / (i + 1);
        out.draws[size_t(k)] = draws;
        out.drawCount[size_t(k)] = int64_t(draws + 0.5L);
    }
    return out;
}

// The order most consistent with the best holds: first, greedily, the patterns that cost
// most to pass over when the best hold is theirs.
std::vector<uint32_t> greedyOrder(const Deals& data)
{
    const size_t C = data.keys.size();
    std::vector<double> cost(C * C, 0.0); // [a][b]: lost by playing b where a is best
    for (const Deal& d : data.deals) {
        const Entry* opt = nullptr;
        for (uint32_t e = d.begin; e < d.end; ++e) {
            if (data.entries[e].pattern == d.bestPattern)
                opt = &data.entries[e];
        }
        const double vo = double(data.value(*opt));
        for (uint32_t e = d.begin; e < d.end; ++e) {
            const Entry& b = data.entries[e];
            if (&b != opt)
                cost[d.bestPattern * C + b.pattern] += d.weight * (vo - double(data.value(b)));
        }
    }
    std::vector<double> score(C, 0.0);
    for (size_t a = 0; a < C; ++a)
        for (size_t b = 0; b < C; ++b)
            score[a] += cost[a * C + b] - cost[b * C + a];
    std::vector<uint32_t> order;
    std::vector<char> placed(C, 0);
    for (size_t step = 0; step < C; ++step) {
        size_t pick = C;
        for (size_t a = 0; a < C; ++a) {
            if (!placed[a] && (pick == C || score[a] > score[pick]))
                pick = a;
        }
        placed[pick] = 1;
        order.push_back(uint32_t(pick));
        for (size_t a = 0; a < C; ++a)
            score[a] -= cost[a * C + pick] - cost[pick * C + a];
    }

    return order;
}

// Then single moves of one pattern to another place while the return grows.
std::vector<uint32_t> rankPatterns(const Deals& data, std::vector<uint32_t> order = {})
{
    const size_t C = data.keys.size();
    if (order.empty())
        order = greedyOrder(data);
    std::vector<double> values(data.entries.size());
    for (size_t e = 0; e < values.size(); ++e)
        values[e] = double(data.value(data.entries[e]));
    std::vector<int> rank(C);
    std::vector<double> gain(C * C);
    for (int pass = 0; pass < 1000; ++pass) {
        for (size_t i = 0; i < C; ++i)
            rank[order[i]] = int(i);
        std::fill(gain.begin(), gain.end(), 0.0);
        // gain[a][q]: what a wins over the line that decides without it, placed at q
        for (const Deal& d : data.deals) {
            uint32_t first = d.begin, second = d.begin;
            for (uint32_t e = d.begin; e < d.end; ++e) {
                const int r = rank[data.entries[e].pattern];
                if (r < rank[data.entries[first].pattern]) {
                    second = first;
                    first = e;
                } else if (second == first || r < rank[data.entries[second].pattern]) {
                    second = e;
                }
            }
            if (first == second)
                continue;
            for (uint32_t e = d.begin; e < d.end; ++e) {
                const uint32_t a = data.entries[e].pattern;
                const uint32_t t = e == first ? second : first;
                const int rt = rank[data.entries[t].pattern];
                const int q = rt - (rt > rank[a]);
                gain[a * C + size_t(q)] += d.weight * (values[e] - values[t]);
            }
        }
        double bestDelta = 1e-9;
        size_t moveA = C;
        int moveTo = 0;
        for (size_t a = 0; a < C; ++a) {
            // Placed at p it wins where the other line sits at p or below.
            double suffix = 0;
            std::vector<double> above(C + 1, 0.0);
            for (size_t q = C; q-- > 0;) {
                suffix += gain[a * C + q];
                above[q] = suffix;
            }
            const double now = above[size_t(rank[a])];
            for (size_t p = 0; p < C; ++p) {
                if (above[p] - now > bestDelta) {
                    bestDelta = above[p] - now;
                    moveA = a;
                    moveTo = int(p);
                }
            }
        }
        if (moveA == C)
            break;
        order.erase(order.begin() + rank[moveA]);
        order.insert(order.begin() + moveTo, uint32_t(moveA));
    }

    // Neighbours that never meet as the two best lines of a deal can swap without changing a
    // single hold: put the richer first, so the chart reads like the pay table where it can.
    std::vector<double> mean(C, 0.0), seen(C, 0.0);
    for (const Deal& d : data.deals) {
        for (uint32_t e = d.begin; e < d.end; ++e) {
            mean[data.entries[e].pattern] += d.weight * values[e];
            seen[data.entries[e].pattern] += d.weight;
        }
    }
    for (size_t a = 0; a < C; ++a)
        mean[a] = seen[a] > 0 ? mean[a] / seen[a] : 0;
    std::vector<char> meet(C);
    for (int pass = 0; pass < 100; ++pass) {
        for (size_t i = 0; i < C; ++i)
            rank[order[i]] = int(i);
        std::fill(meet.begin(), meet.end(), 0);
        for (const Deal& d : data.deals) {
            int first = int(C), second = int(C);
            for (uint32_t e = d.begin; e < d.end; ++e) {
                const int r = rank[data.entries[e].pattern];
                if (r < first) {
                    second = first;
                    first = r;
                } else if (r < second) {
                    second = r;
                }
            }
            if (second == first + 1)
                meet[size_t(first)] = 1;
        }
        bool swapped = false;
        for (size_t i = 0; i + 1 < C; ++i) {
            if (!meet[i] && mean[order[i + 1]] > mean[order[i]]) {
                std::swap(order[i], order[i + 1]);
                swapped = true;
                ++i;
            }
        }
        if (!swapped)
            break;
    }
    return order;
}

// The same deals with the penalty cards left out of the patterns.
Deals shapesOnly(const Deals& data, std::vector<uint32_t>& shapeOfId)
{
    Deals out;
    out.draws = data.draws;
    out.drawCount = data.drawCount;
    out.everything = data.everything;
    std::unordered_map<uint64_t, uint32_t> ids;
    for (size_t id = 0; id < data.keys.size(); ++id) {
        Key k = Key::unpack(data.keys[id]);
        k.penalty = 0;
        const auto [it, added] = ids.emplace(k.pack(), uint32_t(out.keys.size()));
        if (added)
            out.keys.push_back(k.pack());
        shapeOfId[id] = it->second;
    }
    out.nothing = int(shapeOfId[size_t(data.nothing)]);
    out.entries.reserve(data.entries.size());
    for (Deal d : data.deals) {
        const uint32_t begin = uint32_t(out.entries.size());
        for (uint32_t e = d.begin; e < d.end; ++e) {
            Entry x = data.entries[e];
            x.pattern = shapeOfId[x.pattern];
            uint32_t at = begin;
            while (at < out.entries.size() && out.entries[at].pattern != x.pattern)
                ++at;
            if (at == out.entries.size())
                out.entries.push_back(x);
            else if (data.preferred(x, out.entries[at]))
                out.entries[at] = x;
        }
        d.begin = begin;
        d.end = uint32_t(out.entries.size());
        d.bestPattern = shapeOfId[d.bestPattern];
        out.deals.push_back(d);
    }
    return out;
}

std::optional<StrategyChart> playChart(const Game& game, const Traits& traits, const Deals& data,
                                       const std::vector<std::string>& patterns, std::string* unknown)
{
    std::unordered_map<std::string, int> lineOf;
    for (size_t i = 0; i < patterns.size(); ++i)
        lineOf.emplace(patterns[i], int(i));
    const int none = int(patterns.size());
    std::vector<int> lineOfPattern(data.keys.size(), none);
    std::vector<char> known(patterns.size(), 0);
    for (size_t id = 0; id < data.keys.size(); ++id) {
        // A line without penalty cards fits the draw whatever was thrown away.
        const Key key = Key::unpack(data.keys[id]);
        for (const std::string& text : {keyText(traits, key), keyText(traits, key, false)}) {
            const auto it = lineOf.find(text);
            if (it != lineOf.end()) {
                lineOfPattern[id] = std::min(lineOfPattern[id], it->second);
                known[size_t(it->second)] = 1;
            }
        }
    }
    for (size_t i = 0; i < patterns.size(); ++i) {
        if (!known[i] && lineOf.at(patterns[i]) == int(i)) {
            if (unknown)
                *unknown = patterns[i];
            return std::nullopt;
        }
    }
    std::array<__int128, 6> chart{}, optimal{};
    std::vector<int64_t> weight(patterns.size(), 0);
    std::vector<long double> value(patterns.size(), 0), loss(patterns.size(), 0);
    for (const Deal& d : data.deals) {
        const Entry* pick = nullptr;
        int line = none;
        for (uint32_t e = d.begin; e < d.end; ++e) {
            const int l = lineOfPattern[data.entries[e].pattern];
            if (l < line || (l == line && l < none && data.preferred(data.entries[e], *pick))) {
                line = l;
                pick = &data.entries[e];
            }
        }
        if (!pick) {
            if (unknown)
                *unknown = "";
            return std::nullopt;
        }
        const int64_t w = int64_t(d.weight) * 120;
        chart[pick->held] += __int128(w) * pick->numerator;
        optimal[d.bestHeld] += __int128(w) * d.bestNumerator;
        weight[size_t(line)] += w;
        value[size_t(line)] += w * data.value(*pick);
        loss[size_t(line)] += w * (data.bestValue(d) - data.value(*pick));
    }
    StrategyChart out;
    out.game = game;
    for (int k = 0; k <= 5; ++k) {
        out.chartReturn += (long double)chart[size_t(k)] / data.draws[size_t(k)] / data.everything;
        out.optimalReturn += (long double)optimal[size_t(k)] / data.draws[size_t(k)] / data.everything;
    }
    for (size_t i = 0; i < patterns.size(); ++i) {
        ChartLine l;
        l.pattern = patterns[i];
        l.share = weight[i] / data.everything;
        l.value = weight[i] ? value[i] / weight[i] : 0;
        l.loss = loss[i] / data.everything;
        out.lines.push_back(l);
    }
    return out;
}

std::string htmlEscape(std::string_view s)
{
    std::string out;
    for (char c : s) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// A game of the player's own goes by the title of the game it was made from.
std::string chartTitle(const Game& game)
{
    const std::string_view own = gameTitle(game.id);
    return std::string(own != game.id ? own : gameTitle(game.family));
}

bool hasPenalties(const StrategyChart& chart)
{
    return std::any_of(chart.lines.begin(), chart.lines.end(),
                       [](const ChartLine& l) { return l.pattern.find("penalt") != std::string::npos; });
}

std::string percent(long double rate, int places = 4)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Lf", places, rate * 100);
    return buf;
}

} // namespace

std::string holdPattern(const Game& game, const std::array<int, 5>& cards, int mask)
{
    const Traits traits(game);
    return keyText(traits, holdKey(traits, cards, mask));
}

StrategyChart strategyChart(const Game& game, int threads)
{
    const Traits traits(game);
    const Deals data = collectDeals(game, traits, threads);
    // Two holds a player must tell apart must never read the same.
    std::unordered_map<std::string, uint64_t> texts;
    for (uint64_t key : data.keys) {
        const auto [it, added] = texts.emplace(keyText(traits, Key::unpack(key)), key);
        if (!added)
            throw std::logic_error("two hold patterns read \"" + it->first + "\"");
    }
    for (uint64_t key : data.keys) {
        const Key k = Key::unpack(key);
        if (takesPenalties(k) && texts.count(keyText(traits, k, false)))
            throw std::logic_error("a hold pattern reads as another's draw: \"" + keyText(traits, k, false) +
                                   "\"");
    }
    // Ranked first without penalty cards, then each draw's penalty lines find their own places.
    std::vector<uint32_t> shapeOfId(data.keys.size());
    const Deals plain = shapesOnly(data, shapeOfId);
    std::vector<uint32_t> start;
    for (uint32_t shape : rankPatterns(plain)) {
        for (uint32_t id = 0; id < data.keys.size(); ++id) {
            if (shapeOfId[id] == shape)
                start.push_back(id);
        }
    }
    const std::vector<uint32_t> order = rankPatterns(data, start);
    std::vector<std::string> patterns;
    for (uint32_t id : order) {
        patterns.push_back(keyText(traits, Key::unpack(data.keys[id])));
        if (int(id) == data.nothing)
            break;
    }
    // Lines that never decide a deal change nothing: leave them out.
    auto decidingLines = [&](const std::vector<std::string>& lines) {
        const std::optional<StrategyChart> all = playChart(game, traits, data, lines, nullptr);
        std::vector<std::string> used;
        for (const ChartLine& l : all->lines) {
            if (l.share > 0 || l.pattern == lines.back())
                used.push_back(l.pattern);
        }
        return used;
    };
    std::vector<std::string> used = decidingLines(patterns);

    // Penalty cards stay only where they are worth something: the lines of one draw are
    // tried as a single line, in the place of each of them, and kept apart only when that
    // loses at least 0.0001 points.
    constexpr long double PenaltyWorth = 1e-6;
    std::unordered_map<std::string, std::string> shapeOf;
    std::vector<std::string> shapes;
    for (uint64_t packed : data.keys) {
        const Key key = Key::unpack(packed);
        if (!takesPenalties(key))
            continue;
        const std::string shape = keyText(traits, key, false);
        if (shapeOf.emplace(keyText(traits, key), shape).second &&
            std::find(shapes.begin(), shapes.end(), shape) == shapes.end())
            shapes.push_back(shape);
    }
    long double now = playChart(game, traits, data, used, nullptr)->chartReturn;
    for (const std::string& shape : shapes) {
        std::vector<size_t> at;
        for (size_t i = 0; i < used.size(); ++i) {
            const auto it = shapeOf.find(used[i]);
            if (it != shapeOf.end() && it->second == shape)
                at.push_back(i);
        }
        if (at.empty())
            continue;
        long double best = now - PenaltyWorth;
        std::vector<std::string> merged;
        for (size_t place : at) {
            std::vector<std::string> lines;
            for (size_t i = 0; i < used.size(); ++i) {
                if (i == place)
                    lines.push_back(shape);
                else if (std::find(at.begin(), at.end(), i) == at.end())
                    lines.push_back(used[i]);
            }
            const long double r = playChart(game, traits, data, lines, nullptr)->chartReturn;
            if (r >= best) {
                best = r;
                merged = std::move(lines);
            }
        }
        if (!merged.empty()) {
            used = std::move(merged);
            now = best;
        }
    }
    return *playChart(game, traits, data, decidingLines(used), nullptr);
}

std::optional<StrategyChart> measureChart(const Game& game, const std::vector<std::string>& patterns,
                                          int threads, std::string* unknown)
{
    const Traits traits(game);
    const Deals data = collectDeals(game, traits, threads);
    return playChart(game, traits, data, patterns, unknown);
}

int chartHold(const StrategyChart& chart, const std::array<int, 5>& cards, int* line)
{
    const Traits traits(chart.game);
    int best = -1;
    size_t bestLine = chart.lines.size();
    uint32_t bestScore = 0;
    for (int m = 0; m < 32; ++m) {
        const Key key = holdKey(traits, cards, m);
        const std::string text = keyText(traits, key);
        const std::string shape = keyText(traits, key, false);
        size_t at = 0;
        while (at < chart.lines.size() && chart.lines[at].pattern != text && chart.lines[at].pattern != shape)
            ++at;
        if (at > bestLine || at == chart.lines.size())
            continue;
        const uint32_t score = cardsScore(traits, cards, m);
        if (at < bestLine || score > bestScore) {
            best = m;
            bestLine = at;
            bestScore = score;
        }
    }
    if (line)
        *line = best < 0 ? -1 : int(bestLine);
    return best;
}

std::string chartText(const StrategyChart& chart)
{
    std::string out = chartTitle(chart.game) + " (" + chart.game.id + ")\n";
    out += "Hold the first line that fits the dealt hand; where it fits more than one way,\n"
           "keep the higher cards.\n";
    if (hasPenalties(chart))
        out += "A flush penalty is a card thrown away of the suit kept, a straight penalty one\n"
               "that could have made a straight with the cards kept.\n";
    out += '\n';
    int width = 4;
    for (const ChartLine& l : chart.lines)
        width = std::max(width, int(l.pattern.size()));
    char buf[256];
    std::snprintf(buf, sizeof buf, "%4s  %-*s %9s %9s %9s\n", "", width, "hold", "deals %", "pays", "loss");
    out += buf;
    for (size_t i = 0; i < chart.lines.size(); ++i) {
        const ChartLine& l = chart.lines[i];
        std::snprintf(buf, sizeof buf, "%4zu  %-*s %9.4Lf %9.4Lf %9.4Lf\n", i + 1, width, l.pattern.c_str(),
                      l.share * 100, l.value, l.loss * 100);
        out += buf;
    }
    out += "\nchart " + percent(chart.chartReturn) + " %, optimal " + percent(chart.optimalReturn) +
           " %, loss " + percent(chart.loss()) + " points\n";
    return out;
}

std::vector<std::string> patternsFromChartText(std::string_view text)
{
    std::vector<std::string> patterns;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(at, end - at);
        at = end + 1;
        // "  12  pattern words   share  pays  loss"
        const size_t start = line.find_first_not_of(' ');
        if (start == std::string_view::npos)
            continue;
        const size_t p = line.find(' ', start);
        if (p == std::string_view::npos ||
            line.substr(start, p - start).find_first_not_of("0123456789") != std::string_view::npos)
            continue; // not a line of the table ("9/6 Jacks or Better ...")
        std::string_view rest = line.substr(p);
        for (int field = 0; field < 3; ++field) {
            const size_t last = rest.find_last_not_of(' ');
            const size_t space = rest.rfind(' ', last);
            rest = rest.substr(0, space == std::string_view::npos ? 0 : space);
        }
        const size_t first = rest.find_first_not_of(' ');
        const size_t last = rest.find_last_not_of(' ');
        if (first != std::string_view::npos)
            patterns.emplace_back(rest.substr(first, last - first + 1));
    }
    return patterns;
}

std::string chartHtml(const StrategyChart& chart, const ChartWords& words)
{
    const auto say = [&words](const char* source) { return words ? words(source) : std::string(source); };
    // The figures go into the sentence where its "%1", "%2" and "%3" stand.
    const auto fill = [](std::string text, std::initializer_list<std::string> figures) {
        int n = 1;
        for (const std::string& f : figures) {
            const std::string mark = "%" + std::to_string(n++);
            if (const size_t at = text.find(mark); at != std::string::npos)
                text.replace(at, mark.size(), f);
        }
        return text;
    };
    const std::string title = htmlEscape(chartTitle(chart.game));
    const std::string shownTitle = htmlEscape(say(chartTitle(chart.game).c_str()));
    std::string out =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" +
        fill(say(QT_TRANSLATE_NOOP("Engine", "%1 strategy")), {shownTitle}) +
        "</title>\n<style>\n"
        "body { font-family: sans-serif; font-size: 1em; margin: 1em; }\n"
        "table { border-collapse: collapse; width: 100%; }\n"
        "th, td { padding: 0.15em 0.5em; border-bottom: 1px solid #ccc; }\n"
        "td.n { text-align: right; font-variant-numeric: tabular-nums; }\n"
        "th { text-align: left; }\n"
        "@media print { body { margin: 0; font-size: 10pt; } }\n"
        "</style></head><body>\n<h1>" +
        shownTitle + "</h1>\n<p>" +
        say(QT_TRANSLATE_NOOP("Engine", "Hold the first line that fits the dealt hand; where it fits "
                                        "more than one way, keep the higher cards."));
    if (hasPenalties(chart))
        out +=
            std::string(" ") + say(QT_TRANSLATE_NOOP("Engine", "A flush penalty is a card thrown away of the "
                                                               "suit kept, a straight penalty one that could "
                                                               "have made a straight with the cards kept."));
    out += "</p>\n<table>\n<tr><th></th><th>" + say(QT_TRANSLATE_NOOP("Engine", "Hold")) + "</th><th>" +
           say(QT_TRANSLATE_NOOP("Engine", "Deals %")) + "</th><th>" +
           say(QT_TRANSLATE_NOOP("Engine", "Pays")) + "</th><th>" + say(QT_TRANSLATE_NOOP("Engine", "Loss")) +
           "</th></tr>\n";
    char buf[128];
    for (size_t i = 0; i < chart.lines.size(); ++i) {
        const ChartLine& l = chart.lines[i];
        std::snprintf(buf, sizeof buf,
                      "<td class=\"n\">%.4Lf</td><td class=\"n\">%.4Lf</td><td class=\"n\">%.4Lf</td>",
                      l.share * 100, l.value, l.loss * 100);
        out += "<tr><td class=\"n\">" + std::to_string(i + 1) + "</td><td>" +
               htmlEscape(say(l.pattern.c_str())) + "</td>" + buf + "</tr>\n";
    }
    out += "</table>\n<p>" +
           fill(say(QT_TRANSLATE_NOOP("Engine",
                                      "Played by this chart the game returns %1 %; the best play returns "
                                      "%2 %, %3 points more.")),
                {percent(chart.chartReturn), percent(chart.optimalReturn), percent(chart.loss())}) +
           "</p>\n</body></html>\n";
    return out;
}

} // namespace tarvelle
