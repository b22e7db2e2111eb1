// The hand evaluator: every hand of both decks, and the marks of the special cases.
#include "engine/evaluator.h"
#include "tests/engine/handtext.h"

#include <QtTest>

#include <algorithm>
#include <array>

using namespace tarvelle;
using namespace tarvelle::test;

namespace {

// Ordinary poker with conventional ranks (Ace 14, and low in A-2-3-4-5), written
// without the game's rank order. Five equal ranks count as five of a kind.
int plainClass(const int (&codes)[5])
{
    int rank[5], suit[5];
    for (int i = 0; i < 5; ++i) {
        const int pip = (codes[i] - 1) % 13; // 0..8 = 2..10, 9 Ace, 10 J, 11 Q, 12 K
        rank[i] = pip <= 8 ? pip + 2 : pip == 9 ? 14 : pip + 1;
        suit[i] = (codes[i] - 1) / 13;
    }
    int count[15] = {};
    for (int r : rank)
        ++count[r];
    int groups[6] = {};
    for (int r = 2; r <= 14; ++r)
        ++groups[count[r]];
    const bool flush = std::all_of(suit, suit + 5, [&](int s) { return s == suit[0]; });
    std::sort(rank, rank + 5);
    bool straight =
        groups[1] == 5 && (rank[4] - rank[0] == 4 || (rank[4] == 14 && rank[0] == 2 && rank[3] == 5));
    if (groups[5])
        return ClassFive;
    if (straight && flush)
        return rank[0] == 10 ? ClassRoyalFlush : ClassStraightFlush;
    if (groups[4])
        return ClassPoker;
    if (groups[3] && groups[2])
        return ClassFullHouse;
    if (flush)
        return ClassFlush;
    if (straight)
        return ClassStraight;
    if (groups[3])
        return ClassThree;
    if (groups[2] == 2)
        return ClassTwoPairs;
    if (groups[2] == 1) {
        for (int r = 11; r <= 14; ++r) {
            if (count[r] == 2)
                return ClassJacks;
        }
        return ClassLowPair;
    }
    return ClassNothing;
}

// The Joker as the best of all 52 cards (duplicates allowed, for five of a kind);
// a wild low pair pays nothing, so it counts as nothing.
int wildClass(int (&codes)[5], int jokerAt)
{
    int best = 0;
    for (int c = 1; c <= 52; ++c) {
        codes[jokerAt] = c;
        best = std::max(best, plainClass(codes));
    }
    codes[jokerAt] = JokerCode;
    return best == ClassLowPair ? ClassNothing : best;
}

template <typename Fn> void forEveryHand(int deck, Fn fn)
{
    int c[5];
    for (c[0] = 1; c[0] <= deck; ++c[0])
        for (c[1] = c[0] + 1; c[1] <= deck; ++c[1])
            for (c[2] = c[1] + 1; c[2] <= deck; ++c[2])
                for (c[3] = c[2] + 1; c[3] <= deck; ++c[3])
                    for (c[4] = c[3] + 1; c[4] <= deck; ++c[4])
                        fn(c);
}

} // namespace

class TestEvaluator : public QObject {
    Q_OBJECT

private slots:
    void classCountsWithoutJoker();
    void classCountsWithJoker();
    void sequenceMatchesStepByStepEvaluation();
    void markedHands_data();
    void markedHands();
    void hasRanksNeedsFiveDifferentRanks();
    void jokerRankRestored();
    void evaluationKeepsEarlierMarks();
};

void TestEvaluator::classCountsWithoutJoker()
{
    std::array<long, 12> counts{};
    Hand hand;
    HandFlags flags;
    forEveryHand(52, [&](const int(&c)[5]) {
        for (int i = 0; i < 5; ++i)
            hand.setCard(i + 1, c[i]);
        hand.clearHeld();
        ++counts[EvaluateHand(hand, flags, false)];
    });
    const std::array<long, 12> expected = {1302540, 760320, 337920, 123552, 54912, 10200,
                                           5108,    3744,   624,    36,     4,     0};
    for (int cls = 0; cls <= 11; ++cls)
        QCOMPARE(counts[cls], expected[cls]);
}

void TestEvaluator::classCountsWithJoker()
{
    std::array<long, 12> counts{}, reference{};
    long hands = 0;
    Hand hand;
    HandFlags flags;
    forEveryHand(53, [&](const int(&c)[5]) {
        int codes[5];
        int jokerAt = -1;
        for (int i = 0; i < 5; ++i) {
            codes[i] = c[i];
            hand.setCard(i + 1, c[i]);
            if (c[i] == JokerCode)
                jokerAt = i;
        }
        hand.clearHeld();
        ++counts[EvaluateHand(hand, flags, false)];
        ++reference[jokerAt < 0 ? plainClass(codes) : wildClass(codes, jokerAt)];
        ++hands;
    });
    QCOMPARE(hands, 2869685L);
    for (int cls = 0; cls <= 11; ++cls)
        QCOMPARE(counts[cls], reference[cls]);
    QCOMPARE(counts[ClassFive], 13L);
}

void TestEvaluator::sequenceMatchesStepByStepEvaluation()
{
    // The fast evaluation must leave exactly the flags, marks and ranks of the two
    // steps run one after the other, from any starting marks and either high-card rule.
    long hands = 0;
    uint32_t noise = 12345;
    forEveryHand(53, [&](const int(&c)[5]) {
        Hand fast;
        for (int i = 0; i < 5; ++i)
            fast.setCard(i + 1, c[i]);
        noise = noise * 1103515245u + 12345u;
        const unsigned startMarks = (noise >> 16) % 4 == 0 ? (noise >> 20) & 31 : 0;
        for (int i = 1; i <= 5; ++i)
            fast.Held[i] = (startMarks >> (i - 1)) & 1;
        for (bool highCard : {false, true}) {
            Hand a = fast, b = fast;
            HandFlags fa, fb{};
            fa.fill(1); // the sequence clears them itself
            const int cls = EvaluateHand(a, fa, highCard);
            EvalStraightFlush(b, fb);
            if (HandClass(fb) == 0)
                EvalGroups(b, fb, highCard);
            if (fa != fb || a.Held != b.Held || a.Rank != b.Rank || a.Suit != b.Suit ||
                cls != HandClass(fb)) {
                QFAIL(qPrintable(QString("hand %1 %2 %3 %4 %5 marks %6 high card %7")
                                     .arg(c[0])
                                     .arg(c[1])
                                     .arg(c[2])
                                     .arg(c[3])
                                     .arg(c[4])
                                     .arg(startMarks)
                                     .arg(highCard)));
            }
        }
        ++hands;
    });
    QCOMPARE(hands, 2869685L);
}

void TestEvaluator::markedHands_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<bool>("highCard");
    QTest::addColumn<int>("cls");
    QTest::addColumn<QString>("marks");

    QTest::newRow("ace low straight") << "Ah 2d 3s 4c 5h" << false << int(ClassStraight) << "11111";
    QTest::newRow("ace high straight") << "Th Jd Qs Kc Ah" << false << int(ClassStraight) << "11111";
    QTest::newRow("royal flush") << "Ks Ts As Qs Js" << false << int(ClassRoyalFlush) << "11111";
    QTest::newRow("king high straight flush")
        << "9d Td Jd Qd Kd" << false << int(ClassStraightFlush) << "11111";
    QTest::newRow("no wrap around") << "Jh Qd Ks Ac 2h" << false << int(ClassNothing) << "00000";
    QTest::newRow("pair of tens") << "Th 4d Ts 8c 2h" << false << int(ClassLowPair) << "10100";
    QTest::newRow("pair of jacks") << "3h Jd 9s Jc 2h" << false << int(ClassJacks) << "01010";
    QTest::newRow("pair of aces") << "Ah 4d 9s 8c Ad" << false << int(ClassJacks) << "10001";
    QTest::newRow("two pairs") << "Ah 4d 4s 8c Ad" << false << int(ClassTwoPairs) << "11101";
    QTest::newRow("full house") << "4h 4d 9s 9c 4c" << false << int(ClassFullHouse) << "11111";
    QTest::newRow("four of a kind") << "7h 7d 9s 7c 7s" << false << int(ClassPoker) << "11011";
    QTest::newRow("flush") << "2c 9c Jc 4c Kc" << false << int(ClassFlush) << "11111";

    QTest::newRow("joker royal") << "Th Jk Jh Qh Kh" << false << int(ClassRoyalFlush) << "11111";
    QTest::newRow("joker low straight") << "2h 3d Jk 4s 5c" << false << int(ClassStraight) << "11111";
    QTest::newRow("joker flush") << "2s 9s Jk Qs 5s" << false << int(ClassFlush) << "11111";
    QTest::newRow("joker straight flush low")
        << "Jk 2h 3h 4h Ah" << false << int(ClassStraightFlush) << "11111";
    QTest::newRow("joker pair is three") << "9h 9d Jk 2s 5c" << false << int(ClassThree) << "11100";
    QTest::newRow("joker two pairs is full") << "9h 9d Jk 5s 5c" << false << int(ClassFullHouse) << "11111";
    QTest::newRow("joker three is poker") << "9h 9d Jk 9s 5c" << false << int(ClassPoker) << "11110";
    QTest::newRow("joker four is five") << "9h 9d Jk 9s 9c" << false << int(ClassFive) << "11111";
    QTest::newRow("joker with ace") << "Ah Jk 7d Ks 3c" << false << int(ClassJacks) << "11000";
    QTest::newRow("joker with king") << "Kh Jk 7d Qs 3c" << false << int(ClassJacks) << "11000";
    QTest::newRow("joker with jack") << "8h Jk Jd 3s 6c" << false << int(ClassJacks) << "01100";
    QTest::newRow("joker with low cards") << "9h Jk 7d 5s 2c" << false << int(ClassNothing) << "01000";
    QTest::newRow("joker ignores high card rule") << "9h Jk 7d 5s 2c" << true << int(ClassNothing) << "01000";

    QTest::newRow("high card king") << "Kh Qd 9s 5c 2h" << true << int(ClassNothing) << "10000";
    QTest::newRow("high card queen") << "Qh 3d 9s 5c 2h" << true << int(ClassNothing) << "10000";
    QTest::newRow("high card ace first") << "Kh Qd 9s Ac 2h" << true << int(ClassNothing) << "00010";
    QTest::newRow("high card off") << "Kh Qd 9s 5c 2h" << false << int(ClassNothing) << "00000";
    QTest::newRow("high card none") << "Th 3d 9s 5c 2h" << true << int(ClassNothing) << "00000";
    QTest::newRow("high card not with a pair") << "Kh Qd 9s 9c 2h" << true << int(ClassLowPair) << "00110";
}

void TestEvaluator::markedHands()
{
    QFETCH(QString, cards);
    QFETCH(bool, highCard);
    QFETCH(int, cls);
    QFETCH(QString, marks);

    Hand hand = handOf(cards.toStdString());
    HandFlags flags;
    QCOMPARE(EvaluateHand(hand, flags, highCard), cls);
    QCOMPARE(QString::fromStdString(heldText(hand)), marks);
    QCOMPARE(HandClass(flags), cls);
    QCOMPARE(int(std::count(flags.begin() + 1, flags.end(), 1)), cls == 0 ? 0 : 1);
}

void TestEvaluator::hasRanksNeedsFiveDifferentRanks()
{
    const Hand straight = handOf("Th Jd Qs Kc Ah");
    QVERIFY(HasRanks(straight, 10, 12, 13, 14, 11));
    QVERIFY(HasRanks(straight, 11, 14, 13, 12, 10)); // order does not matter
    QVERIFY(!HasRanks(straight, 9, 10, 12, 13, 14));
    // Repeating a rank in the pattern is satisfied by one card, but a hand with a
    // repeated rank never covers five different ones.
    const Hand pair = handOf("Th Td Qs Kc Ah");
    QVERIFY(HasRanks(pair, 10, 10, 13, 13, 11));
    QVERIFY(!HasRanks(pair, 10, 12, 13, 14, 11));
}

void TestEvaluator::jokerRankRestored()
{
    for (const char* text : {"Th Jk Jh Qh Kh", "9h 7d 5s 2c Jk", "Jk 9d 9h 9s 9c"}) {
        const Hand dealt = handOf(text);
        Hand hand = dealt;
        HandFlags flags{};
        EvalStraightFlush(hand, flags);
        QCOMPARE(hand.Rank, dealt.Rank);
        EvaluateHand(hand, flags, true);
        QCOMPARE(hand.Rank, dealt.Rank);
        QCOMPARE(hand.Suit, dealt.Suit);
    }
}

void TestEvaluator::evaluationKeepsEarlierMarks()
{
    // The caller decides when marks are cleared; earlier marks also stop the high-card hold.
    Hand hand = handOf("Kh Qd 9s 5c 2h");
    hand.Held[4] = 1;
    HandFlags flags;
    QCOMPARE(EvaluateHand(hand, flags, true), int(ClassNothing));
    QCOMPARE(QString::fromStdString(heldText(hand)), QString("00010"));

    hand = handOf("3h Jd 9s Jc 2h");
    hand.Held[5] = 1;
    QCOMPARE(EvaluateHand(hand, flags, false), int(ClassJacks));
    QCOMPARE(QString::fromStdString(heldText(hand)), QString("01011"));
}

QTEST_APPLESS_MAIN(TestEvaluator)
#include "tst_evaluator.moc"
