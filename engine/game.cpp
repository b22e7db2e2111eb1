#include "engine/game.h"

#include "engine/bitcount.h"
#include "engine/evaluator.h"
#include "engine/paytable.h"
#include "engine/textid.h"

#include <algorithm>
#include <bit>
#include <initializer_list>
#include <utility>

namespace tarvelle {

namespace {

using K = ClassKey;

Game makeGame(const char* id, Wild wild, std::initializer_list<std::pair<ClassKey, int64_t>> classes)
{
    Game g;
    g.id = id;
    g.family = id;
    g.wild = wild;
    g.keys[0] = K::Nothing;
    for (const auto& [key, pay] : classes) {
        g.keys[std::size_t(g.classCount)] = key;
        g.pay[std::size_t(g.classCount)] = pay;
        ++g.classCount;
    }
    return g;
}

Game makeTableGame(bool joker)
{
    // Class numbers are the table's own, 1..11, so figures line up with its counters.
    static constexpr K keys[12] = {K::Nothing,      K::LowPair,       K::JacksOrBetter, K::TwoPairs,
                                   K::ThreeOfAKind, K::Straight,      K::Flush,         K::FullHouse,
                                   K::FourOfAKind,  K::StraightFlush, K::RoyalFlush,    K::FiveOfAKind};
    Game g;
    g.id = joker ? "tarvelle-joker" : "tarvelle";
    g.family = g.id;
    g.wild = joker ? Wild::Joker : Wild::None;
    g.classCount = 12;
    for (int c = 0; c < 12; ++c) {
        g.keys[std::size_t(c)] = keys[c];
        g.pay[std::size_t(c)] = Multiplier[std::size_t(c)];
    }
    return g;
}

std::vector<Game> makeCatalogue()
{
    std::vector<Game> list;
    list.push_back(makeTableGame(false));
    list.push_back(makeTableGame(true));
    list.push_back(makeGame("jacks-9-6", Wild::None,
                            {{K::JacksOrBetter, 1},
                             {K::TwoPairs, 2},
                             {K::ThreeOfAKind, 3},
                             {K::Straight, 4},
                             {K::Flush, 6},
                             {K::FullHouse, 9},
                             {K::FourOfAKind, 25},
                             {K::StraightFlush, 50},
                             {K::RoyalFlush, 800}}));
    list.push_back(makeGame("jacks-8-5", Wild::None,
                            {{K::JacksOrBetter, 1},
                             {K::TwoPairs, 2},
                             {K::ThreeOfAKind, 3},
                             {K::Straight, 4},
                             {K::Flush, 5},
                             {K::FullHouse, 8},
                             {K::FourOfAKind, 25},
                             {K::StraightFlush, 50},
                             {K::RoyalFlush, 800}}));
    list.push_back(makeGame("bonus-8-5", Wild::None,
                            {{K::JacksOrBetter, 1},
                             {K::TwoPairs, 2},
                             {K::ThreeOfAKind, 3},
                             {K::Straight, 4},
                             {K::Flush, 5},
                             {K::FullHouse, 8},
                             {K::FourFivesToKings, 25},
                             {K::FourTwosToFours, 40},
                             {K::FourAces, 80},
                             {K::StraightFlush, 50},
                             {K::RoyalFlush, 800}}));
    list.push_back(makeGame("double-bonus-10-7", Wild::None,
                            {{K::JacksOrBetter, 1},
                             {K::TwoPairs, 1},
                             {K::ThreeOfAKind, 3},
                             {K::Straight, 5},
                             {K::Flush, 7},
                             {K::FullHouse, 10},
                             {K::FourFivesToKings, 50},
                             {K::FourTwosToFours, 80},
                             {K::FourAces, 160},
                             {K::StraightFlush, 50},
                             {K::RoyalFlush, 800}}));
    list.push_back(makeGame("double-double-bonus-9-6", Wild::None,
                            {{K::JacksOrBetter, 1},
                             {K::TwoPairs, 1},
                             {K::ThreeOfAKind, 3},
                             {K::Straight, 4},
                             {K::Flush, 6},
                             {K::FullHouse, 9},
                             {K::FourFivesToKings, 50},
                             {K::FourTwosToFours, 80},
                             {K::FourAces, 160},
                             {K::FourTwosToFoursWithKicker, 160},
                             {K::FourAcesWithKicker, 400},
                             {K::StraightFlush, 50},
                             {K::RoyalFlush, 800}}));
    list.push_back(makeGame("deuces-wild", Wild::Deuces,
                            {{K::ThreeOfAKind, 1},
                             {K::Straight, 2},
                             {K::Flush, 2},
                             {K::FullHouse, 3},
                             {K::FourOfAKind, 5},
                             {K::StraightFlush, 9},
                             {K::FiveOfAKind, 15},
                             {K::WildRoyalFlush, 25},
                             {K::FourDeuces, 200},
                             {K::NaturalRoyalFlush, 800}}));
    list.push_back(makeGame("joker-poker", Wild::Joker,
                            {{K::KingsOrBetter, 1},
                             {K::TwoPairs, 1},
                             {K::ThreeOfAKind, 2},
                             {K::Straight, 3},
                             {K::Flush, 5},
                             {K::FullHouse, 7},
                             {K::FourOfAKind, 20},
                             {K::StraightFlush, 50},
                             {K::WildRoyalFlush, 100},
                             {K::FiveOfAKind, 200},
                             {K::NaturalRoyalFlush, 800}}));
    return list;
}

// Rank index 0..12 is rank value 2..14: 9 the Ace, 10..12 Jack, Queen, King.
constexpr unsigned rankBit(int value)
{
    return 1u << (value - 2);
}
constexpr unsigned AceBit = rankBit(AceRank);
constexpr unsigned JacksUp = rankBit(11) | rankBit(12) | rankBit(13) | rankBit(14);
constexpr unsigned KingsUp = rankBit(11) | rankBit(14);
constexpr unsigned TwosToFours = rankBit(2) | rankBit(3) | rankBit(4);
constexpr unsigned FivesToKings = 0x1FFFu & ~TwosToFours & ~AceBit;
constexpr unsigned AllRanks = 0x1FFFu;

// Per set of ranks: bit 0 they fit in one straight, bit 1 in the royal ranks.
struct StraightFits {
    uint8_t fit[1 << 13]{};
    constexpr StraightFits()
    {
        for (int p = 0; p < 10; ++p) {
            unsigned m = 0;
            for (int v : StraightPatterns[std::size_t(p)])
                m |= rankBit(v);
            const uint8_t kind = p == 9 ? 3 : 1;
            for (unsigned sub = m;; sub = (sub - 1) & m) {
                fit[sub] |= kind;
                if (sub == 0)
                    break;
            }
        }
    }
};
constexpr StraightFits Fits{};


} // namespace

std::string_view classKeyId(ClassKey key)
{
    static constexpr std::string_view ids[ClassKeyCount] = {
        "nothing",
        "low-pair",
        "jacks-or-better",
        "kings-or-better",
        "two-pairs",
        "three-of-a-kind",
        "straight",
        "flush",
        "full-house",
        "four-of-a-kind",
        "four-5-k",
        "four-2-4",
        "four-aces",
        "four-2-4-with-a-4",
        "four-aces-with-2-4",
        "straight-flush",
        "royal-flush",
        "wild-royal-flush",
        "five-of-a-kind",
        "four-deuces",
        "natural-royal-flush",
    };
    return ids[int(key)];
}

std::string_view gameTitle(std::string_view id)
{
    static constexpr std::pair<std::string_view, std::string_view> titles[] = {
        {"tarvelle", QT_TRANSLATE_NOOP("Engine", "Tarvelle")},
        {"tarvelle-joker", QT_TRANSLATE_NOOP("Engine", "Tarvelle with the Joker")},
        {"jacks-9-6", QT_TRANSLATE_NOOP("Engine", "9/6 Jacks or Better")},
        {"jacks-8-5", QT_TRANSLATE_NOOP("Engine", "8/5 Jacks or Better")},
        {"bonus-8-5", QT_TRANSLATE_NOOP("Engine", "8/5 Bonus Poker")},
        {"double-bonus-10-7", QT_TRANSLATE_NOOP("Engine", "10/7 Double Bonus")},
        {"double-double-bonus-9-6", QT_TRANSLATE_NOOP("Engine", "9/6 Double Double Bonus")},
        {"deuces-wild", QT_TRANSLATE_NOOP("Engine", "Full-pay Deuces Wild")},
        {"joker-poker", QT_TRANSLATE_NOOP("Engine", "Full-pay Joker Poker (Kings or Better)")},
    };
    for (const auto& [key, title] : titles) {
        if (key == id)
            return title;
    }
    return id;
}

std::string_view className(ClassKey key)
{
    static constexpr std::string_view names[ClassKeyCount] = {
        QT_TRANSLATE_NOOP("Engine", "Nothing"),
        QT_TRANSLATE_NOOP("Engine", "Low pair"),
        QT_TRANSLATE_NOOP("Engine", "Jacks or Better"),
        QT_TRANSLATE_NOOP("Engine", "Kings or Better"),
        QT_TRANSLATE_NOOP("Engine", "Two Pair"),
        QT_TRANSLATE_NOOP("Engine", "Three of a Kind"),
        QT_TRANSLATE_NOOP("Engine", "Straight"),
        QT_TRANSLATE_NOOP("Engine", "Flush"),
        QT_TRANSLATE_NOOP("Engine", "Full House"),
        QT_TRANSLATE_NOOP("Engine", "Four of a Kind"),
        QT_TRANSLATE_NOOP("Engine", "Four 5s-Ks"),
        QT_TRANSLATE_NOOP("Engine", "Four 2s-4s"),
        QT_TRANSLATE_NOOP("Engine", "Four Aces"),
        QT_TRANSLATE_NOOP("Engine", "Four 2s-4s with A-4"),
        QT_TRANSLATE_NOOP("Engine", "Four Aces with 2-4"),
        QT_TRANSLATE_NOOP("Engine", "Straight Flush"),
        QT_TRANSLATE_NOOP("Engine", "Royal Flush"),
        QT_TRANSLATE_NOOP("Engine", "Wild Royal Flush"),
        QT_TRANSLATE_NOOP("Engine", "Five of a Kind"),
        QT_TRANSLATE_NOOP("Engine", "Four Deuces"),
        QT_TRANSLATE_NOOP("Engine", "Natural Royal Flush"),
    };
    return names[int(key)];
}

int Game::classOf(ClassKey key) const
{
    for (int c = 0; c < classCount; ++c) {
        if (keys[std::size_t(c)] == key)
            return c;
    }
    return -1;
}

int Game::royalClass() const
{
    const int natural = classOf(ClassKey::NaturalRoyalFlush);
    return natural >= 0 ? natural : classOf(ClassKey::RoyalFlush);
}

const std::vector<Game>& gameCatalogue()
{
    static const std::vector<Game> list = makeCatalogue();
    return list;
}

const Game* findGame(std::string_view id)
{
    for (const Game& g : gameCatalogue()) {
        if (g.id == id)
            return &g;
    }
    return nullptr;
}

const Game& tableGame(bool joker)
{
    return gameCatalogue()[joker ? 1 : 0];
}

std::optional<Game> editedGame(const Game& base, std::string_view text)
{
    Game g = base;
    int c = 1;
    size_t at = 0;
    while (true) {
        const size_t comma = std::min(text.find(',', at), text.size());
        const std::string_view item = text.substr(at, comma - at);
        if (c >= base.classCount || item.empty() || item.size() > 7)
            return std::nullopt;
        int64_t v = 0;
        for (char ch : item) {
            if (ch < '0' || ch > '9')
                return std::nullopt;
            v = v * 10 + (ch - '0');
        }
        if (v > MaxGamePay)
            return std::nullopt;
        g.pay[std::size_t(c++)] = v;
        if (comma == text.size())
            break;
        at = comma + 1;
    }
    if (c != base.classCount)
        return std::nullopt;
    if (g.pay != base.pay)
        g.id = base.id + "-edited";
    return g;
}

GameClassifier::GameClassifier(const Game& game)
    : m_deuces(game.wild == Wild::Deuces), m_count(game.classCount), m_keys(game.keys)
{
    for (int r = 0; r < 13; ++r) {
        // A pair of rank r beside three odd ranks of two suits.
        Tally t;
        t.counts = uint64_t(2) << (4 * r);
        t.ranks = 1u << r;
        for (int o = 0, added = 0; added < 3; ++o) {
            if (o == r)
                continue;
            t.counts += uint64_t(1) << (4 * o);
            t.ranks |= 1u << o;
            ++added;
        }
        t.suits = 3;
        m_onePair[std::size_t(r)] = uint8_t(classifyAny(t));
    }
    Tally odd; // Two, Three, Four, Five, Eight
    for (int r : {0, 1, 2, 3, 6}) {
        odd.counts += uint64_t(1) << (4 * r);
        odd.ranks |= 1u << r;
    }
    odd.suits = 3;
    m_noPair = uint8_t(classifyAny(odd));
    // Natural two pairs, three of a kind and full house, whatever their ranks.
    auto natural = [&](std::initializer_list<std::pair<int, int>> groups) {
        Tally t;
        for (const auto& [rank, count] : groups) {
            t.counts += uint64_t(count) << (4 * rank);
            t.ranks |= 1u << rank;
        }
        t.suits = 3;
        return uint8_t(classifyAny(t));
    };
    m_twoPairs = natural({{0, 2}, {1, 2}, {5, 1}});
    m_three = natural({{0, 3}, {1, 1}, {5, 1}});
    m_fullHouse = natural({{0, 3}, {1, 2}});
    // Without a straight or a flush, a wild card and four odd ranks make at best a pair.
    for (int c = 1; c < m_count; ++c) {
        const ClassKey key = m_keys[std::size_t(c)];
        const unsigned ranks = key == K::JacksOrBetter ? JacksUp : key == K::KingsOrBetter ? KingsUp : 0;
        for (int r = 0; r < 13; ++r) {
            if (ranks & (1u << r))
                m_wildPair[std::size_t(r)] = uint8_t(c);
        }
    }
}

int GameClassifier::classify(const int* cards) const
{
    Tally t;
    for (int i = 0; i < 5; ++i)
        add(t, cards[i]);
    return classify(t);
}

int GameClassifier::classify(const Tally& t) const
{
    if (t.wilds == 0) {
        constexpr uint64_t ones = 0x1111111111111ull;
        switch (bitCount(t.ranks)) {
        case 5:
            if ((t.suits & (t.suits - 1)) != 0 && !(Fits.fit[t.ranks] & 1))
                return m_noPair;
            break;
        case 4:
            return m_onePair[std::size_t(std::countr_zero((t.counts >> 1) & ~t.counts & ones) / 4)];
        case 3:
            return (t.counts & (t.counts >> 1) & ones) ? m_three : m_twoPairs;
        case 2:
            if (!(t.counts & (ones << 2)))
                return m_fullHouse;
            break;
        default:
            break;
        }
    } else if (t.wilds == 1 && bitCount(t.ranks) == 4 && (t.suits & (t.suits - 1)) != 0 &&
               !(Fits.fit[t.ranks] & 1)) {
        uint8_t best = 0;
        for (unsigned m = t.ranks; m; m &= m - 1)
            best = std::max(best, m_wildPair[std::size_t(std::countr_zero(m))]);
        return best;
    }
    return classifyAny(t);
}

int GameClassifier::classifyAny(const Tally& t) const
{
    const int w = t.wilds;
    const int naturals = 5 - w;
    const int distinct = bitCount(t.ranks);
    int most = 0;
    unsigned paired = 0;
    for (unsigned m = t.ranks; m; m &= m - 1) {
        const int r = std::countr_zero(m);
        const int n = int((t.counts >> (4 * r)) & 15);
        most = std::max(most, n);
        if (n >= 2)
            paired |= 1u << r;
    }
    const bool flush = (t.suits & (t.suits - 1)) == 0;
    const uint8_t fit = distinct == naturals ? Fits.fit[t.ranks] : 0;
    const bool straight = fit & 1;
    const bool royal = fit & 2;
    auto count = [&](int r) { return int((t.counts >> (4 * r)) & 15); };
    // Four of a kind of a rank in `quads`; with `kickers`, the fifth card a natural
    // one of those ranks.
    auto four = [&](unsigned quads, unsigned kickers) {
        for (unsigned m = t.ranks & quads; m; m &= m - 1) {
            const int r = std::countr_zero(m);
            if (count(r) + w < 4)
                continue;
            if (kickers == 0)
                return true;
            const unsigned others = t.ranks & ~(1u << r);
            if (count(r) + w == 4 && naturals - count(r) == 1 && (others & kickers))
                return true;
        }
        return false;
    };
    auto pairOf = [&](unsigned ranks) { return (paired & ranks) || (w >= 1 && (t.ranks & ranks)) || w >= 2; };

    for (int c = m_count - 1; c > 0; --c) {
        bool made = false;
        switch (m_keys[std::size_t(c)]) {
        case K::Nothing:
            break;
        case K::LowPair:
            made = w == 0 && paired != 0;
            break;
        case K::JacksOrBetter:
            made = pairOf(JacksUp);
            break;
        case K::KingsOrBetter:
            made = pairOf(KingsUp);
            break;
        case K::TwoPairs:
            made = bitCount(paired) + w >= 2;
            break;
        case K::ThreeOfAKind:
            made = most + w >= 3;
            break;
        case K::Straight:
            made = straight;
            break;
        case K::Flush:
            made = flush;
            break;
        case K::FullHouse:
            made = distinct <= 2 && most <= 3;
            break;
        case K::FourOfAKind:
            made = four(AllRanks, 0);
            break;
        case K::FourFivesToKings:
            made = four(FivesToKings, 0);
            break;
        case K::FourTwosToFours:
            made = four(TwosToFours, 0);
            break;
        case K::FourAces:
            made = four(AceBit, 0);
            break;
        case K::FourTwosToFoursWithKicker:
            made = four(TwosToFours, TwosToFours | AceBit);
            break;
        case K::FourAcesWithKicker:
            made = four(AceBit, TwosToFours);
            break;
        case K::StraightFlush:
            made = straight && flush;
            break;
        case K::RoyalFlush:
        case K::WildRoyalFlush:
            made = royal && flush;
            break;
        case K::FiveOfAKind:
            made = most + w >= 5;
            break;
        case K::FourDeuces:
            made = m_deuces && w == 4;
            break;
        case K::NaturalRoyalFlush:
            made = w == 0 && royal && flush;
            break;
        }
        if (made)
            return c;
    }
    return 0;
}

int winningMask(const Game& game, const int* cards, int cls)
{
    if (cls <= 0 || cls >= game.classCount)
        return 0;
    const bool deuces = game.wild == Wild::Deuces;
    auto isWild = [&](int c) { return c == 52 || (deuces && c % 13 == 0); };
    std::array<int, 13> counts{};
    int wilds = 0;
    for (int i = 0; i < 5; ++i) {
        if (isWild(cards[i]))
            wilds |= 1 << i;
        else
            ++counts[std::size_t(cards[i] % 13)];
    }
    auto ofRank = [&](int r) {
        int m = 0;
        for (int i = 0; i < 5; ++i) {
            if (!isWild(cards[i]) && cards[i] % 13 == r)
                m |= 1 << i;
        }
        return m;
    };
    auto value = [](int r) { return r == 9 ? 13 : r < 9 ? r : r - 1; }; // the Ace high
    // A pair, three or four: the natural rank in `ranks` with the most cards (then the
    // highest), and the wild cards that join it.
    auto group = [&](unsigned ranks) {
        int best = -1;
        for (int r = 0; r < 13; ++r) {
            const int n = counts[std::size_t(r)];
            if (!(ranks >> r & 1) || n == 0)
                continue;
            if (best < 0 || n > counts[std::size_t(best)] ||
                (n == counts[std::size_t(best)] && value(r) > value(best)))
                best = r;
        }
        return (best < 0 ? 0 : ofRank(best)) | wilds;
    };
    switch (game.keys[std::size_t(cls)]) {
    case K::Nothing:
        return 0;
    case K::LowPair:
    case K::ThreeOfAKind:
    case K::FourOfAKind:
        return group(AllRanks);
    case K::JacksOrBetter:
        return group(JacksUp);
    case K::KingsOrBetter:
        return group(KingsUp);
    case K::TwoPairs: {
        int m = wilds;
        for (int r = 0; r < 13; ++r) {
            if (counts[std::size_t(r)] >= 2)
                m |= ofRank(r);
        }
        return m;
    }
    case K::FourFivesToKings:
        return group(FivesToKings);
    case K::FourTwosToFours:
        return group(TwosToFours);
    case K::FourAces:
        return group(AceBit);
    case K::FourDeuces:
        return wilds;
    default:
        return 31; // the class takes all five cards
    }
}

} // namespace tarvelle
