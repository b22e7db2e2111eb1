#include "engine/evaluator.h"

#include <array>

namespace tarvelle {

namespace {

void matchStraights(const Hand& hand, bool& straight, bool& royal)
{
    for (int p = 0; p < 9; ++p) {
        const auto& r = StraightPatterns[std::size_t(p)];
        if (HasRanks(hand, r[0], r[1], r[2], r[3], r[4]))
            straight = true;
    }
    const auto& r = StraightPatterns[9];
    if (HasRanks(hand, r[0], r[1], r[2], r[3], r[4])) {
        straight = true;
        royal = true;
    }
}

constexpr uint16_t rankBit(int r)
{
    return uint16_t(1u << (r - 2));
}

constexpr uint16_t patternMask(int p)
{
    uint16_t m = 0;
    for (int r : StraightPatterns[p])
        m |= rankBit(r);
    return m;
}

// Straight lookup by the set of ranks (bit r - 2). Bit 0: these five ranks are a
// straight; bit 1: ... the royal ranks. Bits 2 and 3: the same for four ranks plus
// the Joker, which fills whichever rank is missing.
constexpr int StraightExact = 1, RoyalExact = 2, StraightWild = 4, RoyalWild = 8;

struct StraightTable {
    std::array<uint8_t, 1 << 13> kind{};
    constexpr StraightTable()
    {
        for (int p = 0; p < 10; ++p) {
            const uint16_t pm = patternMask(p);
            const bool royal = p == 9;
            kind[pm] |= StraightExact | (royal ? RoyalExact : 0);
            for (int r = 0; r < 13; ++r) {
                if (pm & (1u << r))
                    kind[pm & ~(1u << r)] |= StraightWild | (royal ? RoyalWild : 0);
            }
        }
    }
};

constexpr StraightTable Straights{};

} // namespace

bool HasRanks(const Hand& hand, int a, int b, int c, int d, int e)
{
    bool fa = false, fb = false, fc = false, fd = false, fe = false;
    for (int i = 1; i <= 5; ++i) {
        const int r = hand.Rank[i];
        fa = fa || r == a;
        fb = fb || r == b;
        fc = fc || r == c;
        fd = fd || r == d;
        fe = fe || r == e;
    }
    return fa && fb && fc && fd && fe;
}

void EvalStraightFlush(Hand& hand, HandFlags& flags)
{
    int jokerPos = 0;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] == JokerSuit)
            jokerPos = i;
    }

    bool straight = false;
    bool royal = false;
    if (jokerPos == 0) {
        matchStraights(hand, straight, royal);
    } else {
        for (int v = 2; v <= 14; ++v) {
            hand.Rank[jokerPos] = uint8_t(v);
            matchStraights(hand, straight, royal);
        }
        hand.Rank[jokerPos] = 2;
    }

    int s = 1;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] != JokerSuit)
            s = hand.Suit[i];
    }
    bool flush = true;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] != JokerSuit && hand.Suit[i] != s)
            flush = false;
    }

    if (straight || flush) {
        for (int i = 1; i <= 5; ++i)
            hand.Held[i] = 1;
    }
    if (straight && flush) {
        flags[royal ? ClassRoyalFlush : ClassStraightFlush] = 1;
    } else if (straight) {
        flags[ClassStraight] = 1;
    } else if (flush) {
        flags[ClassFlush] = 1;
    }
}

void EvalGroups(Hand& hand, HandFlags& flags, bool holdHighCard)
{
    std::array<uint8_t, 15> count{};
    std::array<std::array<uint8_t, 6>, 15> mask{};
    int jokerPos = 0;
    for (int i = 1; i <= 5; ++i) {
        if (hand.Suit[i] == JokerSuit) {
            jokerPos = i;
            continue;
        }
        const int r = hand.Rank[i];
        ++count[r];
        mask[r][i] = 1;
    }
    auto markRank = [&](int r) {
        for (int i = 1; i <= 5; ++i) {
            if (mask[r][i])
                hand.Held[i] = 1;
        }
    };
    auto anyCount = [&](int c) {
        for (int r = 2; r <= 14; ++r) {
            if (count[r] == c)
                return true;
        }
        return false;
    };
    auto markCount = [&](int c) {
        int marked = 0;
        for (int r = 2; r <= 14; ++r) {
            if (count[r] == c) {
                markRank(r);
                ++marked;
            }
        }
        return marked;
    };

    if (jokerPos == 0) {
        if (markCount(4) > 0)
            flags[ClassPoker] = 1;
        const bool three = anyCount(3);
        const bool pair = anyCount(2);
        if (three && pair) {
            markCount(2);
            markCount(3);
            flags[ClassFullHouse] = 1;
        } else if (three) {
            markCount(3);
            flags[ClassThree] = 1;
        } else if (pair) {
            const int pairs = markCount(2);
            if (pairs == 1) {
                int pairRank = 0;
                for (int r = 2; r <= 14; ++r) {
                    if (count[r] == 2)
                        pairRank = r;
                }
                flags[pairRank <= 10 ? ClassLowPair : ClassJacks] = 1;
            } else if (pairs == 2) {
                flags[ClassTwoPairs] = 1;
            }
        }
        const bool noneHeld = !(hand.Held[1] || hand.Held[2] || hand.Held[3] || hand.Held[4] || hand.Held[5]);
        if (holdHighCard && noneHeld) {
            if (count[AceRank] == 1) {
                markRank(AceRank);
            } else {
                for (int r : {14, 13, 12}) {
                    if (count[r] != 1)
                        continue;
                    for (int i = 1; i <= 5; ++i) {
                        if (mask[r][i]) {
                            hand.Held[i] = 1;
                            break;
                        }
                    }
                    break;
                }
            }
        }
        return;
    }

    hand.Held[jokerPos] = 1;
    if (markCount(4) > 0)
        flags[ClassFive] = 1;
    const bool three = anyCount(3);
    const bool pair = anyCount(2);
    if (three) {
        markCount(3);
        flags[ClassPoker] = 1;
    }
    if (pair) {
        const int pairs = markCount(2);
        if (pairs == 1)
            flags[ClassThree] = 1;
        else if (pairs == 2)
            flags[ClassFullHouse] = 1;
    }
    if (!pair && !three) {
        int h = 0;
        for (int r = 12; r <= 14; ++r) {
            if (count[r] == 1)
                h = r;
        }
        if (count[AceRank] == 1)
            h = AceRank;
        if (h != 0) {
            flags[ClassJacks] = 1;
            markRank(h);
        }
    }
}

int HandClass(const HandFlags& flags)
{
    int cls = 0;
    for (int i = 1; i <= 11; ++i) {
        if (flags[i])
            cls = i;
    }
    return cls;
}

// The evaluation sequence, fused: one pass gathers the rank set, the suits and a
// 4-bit count per rank; the straight table and the count signature then decide the
// class. It sets the same flag and the same marks as EvalStraightFlush followed by
// EvalGroups (the engine tests compare the two on every hand).
int EvaluateHand(Hand& hand, HandFlags& flags, bool holdHighCard)
{
    flags.fill(0);

    int jokerPos = 0;
    unsigned rankSet = 0;
    unsigned suitSet = 0;
    uint64_t counts = 0; // nibble r holds the number of cards of rank r
    for (int i = 1; i <= 5; ++i) {
        const unsigned s = hand.Suit[i];
        if (s == JokerSuit) {
            jokerPos = i;
            continue;
        }
        const unsigned r = hand.Rank[i];
        rankSet |= 1u << (r - 2);
        suitSet |= 1u << s;
        counts += uint64_t(1) << (4 * r);
    }

    const unsigned kind = Straights.kind[rankSet & 0x1FFF] >> (jokerPos ? 2 : 0);
    const bool straight = (kind & StraightExact) != 0;
    const bool flush = (suitSet & (suitSet - 1)) == 0;
    if (straight || flush) {
        hand.Held[1] = hand.Held[2] = hand.Held[3] = hand.Held[4] = hand.Held[5] = 1;
        int cls = ClassFlush;
        if (straight)
            cls = flush ? ((kind & RoyalExact) ? ClassRoyalFlush : ClassStraightFlush) : ClassStraight;
        flags[cls] = 1;
        return cls;
    }

    // Per position, how many cards share its rank; their sum tells the groups apart.
    uint8_t same[6];
    int signature = 0;
    for (int i = 1; i <= 5; ++i) {
        same[i] = i == jokerPos ? 0 : uint8_t((counts >> (4 * hand.Rank[i])) & 15u);
        signature += same[i];
    }
    auto markSame = [&](int lo, int hi) {
        for (int i = 1; i <= 5; ++i) {
            if (same[i] >= lo && same[i] <= hi)
                hand.Held[i] = 1;
        }
    };
    auto rankCount = [&](int r) { return int((counts >> (4 * r)) & 15u); };

    int cls = ClassNothing;
    if (jokerPos == 0) {
        switch (signature) {
        case 7: // one pair
            markSame(2, 2);
            for (int i = 1; i <= 5; ++i) {
                if (same[i] == 2) {
                    cls = hand.Rank[i] <= 10 ? ClassLowPair : ClassJacks;
                    break;
                }
            }
            break;
        case 9:
            markSame(2, 2);
            cls = ClassTwoPairs;
            break;
        case 11:
            markSame(3, 3);
            cls = ClassThree;
            break;
        case 13:
            markSame(2, 3);
            cls = ClassFullHouse;
            break;
        case 17:
            markSame(4, 4);
            cls = ClassPoker;
            break;
        default: // five different ranks
            break;
        }
        if (holdHighCard && !(hand.Held[1] | hand.Held[2] | hand.Held[3] | hand.Held[4] | hand.Held[5])) {
            int h = 0;
            if (rankCount(AceRank) == 1)
                h = AceRank;
            else if (rankCount(14) == 1)
                h = 14;
            else if (rankCount(13) == 1)
                h = 13;
            else if (rankCount(12) == 1)
                h = 12;
            if (h != 0) {
                // The Ace is marked wherever it is; a face card only at its first place.
                for (int i = 1; i <= 5; ++i) {
                    if (hand.Rank[i] == h) {
                        hand.Held[i] = 1;
                        if (h != AceRank)
                            break;
                    }
                }
            }
        }
    } else {
        hand.Held[jokerPos] = 1;
        switch (signature) {
        case 6:
            markSame(2, 2);
            cls = ClassThree;
            break;
        case 8:
            markSame(2, 2);
            cls = ClassFullHouse;
            break;
        case 10:
            markSame(3, 3);
            cls = ClassPoker;
            break;
        case 16:
            markSame(4, 4);
            cls = ClassFive;
            break;
        default: { // four different ranks
            int h = 0;
            if (rankCount(AceRank) == 1)
                h = AceRank;
            else if (rankCount(14) == 1)
                h = 14;
            else if (rankCount(13) == 1)
                h = 13;
            else if (rankCount(12) == 1)
                h = 12;
            if (h != 0) {
                cls = ClassJacks;
                for (int i = 1; i <= 5; ++i) {
                    if (i != jokerPos && hand.Rank[i] == h)
                        hand.Held[i] = 1;
                }
            }
            break;
        }
        }
    }
    if (cls != ClassNothing)
        flags[cls] = 1;
    return cls;
}

} // namespace tarvelle
