// Dealing and drawing: the deck bookkeeping and the fairness of the cards.
#include "engine/deal.h"

#include <QtTest>

#include <array>
#include <set>

using namespace tarvelle;

namespace {

void checkDeckIsPermutation(const Hand& hand, bool joker)
{
    std::array<int, 54> seen{};
    for (int i = 1; i <= 53; ++i) {
        QVERIFY(hand.Deck[i] >= 1 && hand.Deck[i] <= 53);
        ++seen[hand.Deck[i]];
    }
    for (int code = 1; code <= 53; ++code)
        QCOMPARE(seen[code], 1);
    if (!joker)
        QCOMPARE(int(hand.Deck[53]), JokerCode);
}

// Chi-square with 51 and 52 degrees of freedom at 99 %.
double chiSquareLimit(int cells)
{
    return cells == 52 ? 77.386 : 78.616;
}

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    void cardCodes();
    void dealKeepsDeckInvariant();
    void drawTakesFromUndealtCards();
    void holdingEverythingDrawsNothing();
    void jokerReachesEveryPosition();
    void dealtCardsAreUniform_data();
    void dealtCardsAreUniform();
};

void TestDeal::cardCodes()
{
    const int table[][3] = {{1, 1, 2},   {10, 1, 11}, {13, 1, 14}, {14, 2, 2},
                            {36, 3, 11}, {52, 4, 14}, {53, 5, 2}};
    for (const auto& row : table) {
        QCOMPARE(cardSuit(row[0]), row[1]);
        QCOMPARE(cardRank(row[0]), row[2]);
        QCOMPARE(cardCode(row[1], row[2]), row[0]);
    }
}

void TestDeal::dealKeepsDeckInvariant()
{
    for (bool joker : {false, true}) {
        const int n = deckSize(joker);
        RandomSource rng;
        rng.seed(joker ? 77 : 78);
        Hand hand;
        for (int deal = 0; deal < 2000; ++deal) {
            hand.Held = {0, 1, 0, 1, 0, 1};
            const auto heldBefore = hand.Held;
            DealHand(hand, rng, joker);
            checkDeckIsPermutation(hand, joker);
            for (int i = 1; i <= 5; ++i) {
                QCOMPARE(hand.code(i), int(hand.Deck[n + 1 - i]));
                if (!joker)
                    QVERIFY(hand.Suit[i] != JokerSuit);
            }
            QCOMPARE(hand.Held, heldBefore); // the deal leaves the holds to the caller
        }
    }
}

void TestDeal::drawTakesFromUndealtCards()
{
    for (bool joker : {false, true}) {
        const int n = deckSize(joker);
        RandomSource rng;
        rng.seed(joker ? 5 : 6);
        Hand hand;
        for (int round = 0; round < 2000; ++round) {
            DealHand(hand, rng, joker);
            const Hand dealt = hand;
            const int mask = round % 32;
            for (int i = 1; i <= 5; ++i)
                hand.Held[i] = (mask >> (i - 1)) & 1;
            DrawCards(hand, rng, joker);
            checkDeckIsPermutation(hand, joker);

            std::set<int> seen;
            for (int i = 1; i <= 5; ++i)
                seen.insert(dealt.code(i));
            int m = n - 5;
            for (int i = 1; i <= 5; ++i) {
                if (hand.Held[i]) {
                    QCOMPARE(hand.code(i), dealt.code(i));
                } else {
                    // Each new card ends the shrinking undealt stretch.
                    QCOMPARE(hand.code(i), int(hand.Deck[m--]));
                    QVERIFY(seen.insert(hand.code(i)).second);
                }
            }
            for (int i = 1; i <= 5; ++i) // the dealt cards stay at the deck's end
                QCOMPARE(int(hand.Deck[n + 1 - i]), dealt.code(i));
        }
    }
}

void TestDeal::holdingEverythingDrawsNothing()
{
    RandomSource rng;
    rng.seed(31337);
    Hand hand;
    DealHand(hand, rng, true);
    hand.Held = {0, 1, 1, 1, 1, 1};
    const Hand before = hand;
    const uint32_t seedBefore = rng.system().seed();
    RandomSource copy = rng;
    DrawCards(hand, rng, true);
    QCOMPARE(hand.Deck, before.Deck);
    QCOMPARE(hand.Suit, before.Suit);
    QCOMPARE(hand.Rank, before.Rank);
    QCOMPARE(rng.system().seed(), seedBefore);
    QCOMPARE(rng.rmar().RanmarNext(), copy.rmar().RanmarNext());
}

void TestDeal::jokerReachesEveryPosition()
{
    RandomSource rng;
    rng.seed(4242);
    Hand hand;
    std::array<int, 6> jokers{};
    for (int deal = 0; deal < 5000; ++deal) {
        DealHand(hand, rng, true);
        for (int i = 1; i <= 5; ++i) {
            if (hand.code(i) == JokerCode) {
                QCOMPARE(int(hand.Suit[i]), JokerSuit);
                QCOMPARE(int(hand.Rank[i]), 2);
                ++jokers[i];
            }
        }
    }
    for (int i = 1; i <= 5; ++i)
        QVERIFY2(jokers[i] > 50,
                 qPrintable(QString("position %1 saw the Joker %2 times").arg(i).arg(jokers[i])));
}

void TestDeal::dealtCardsAreUniform_data()
{
    QTest::addColumn<bool>("joker");
    QTest::addColumn<uint>("seed");
    QTest::newRow("52 cards") << false << 20240601u;
    QTest::newRow("53 cards") << true << 20240602u;
}

void TestDeal::dealtCardsAreUniform()
{
    QFETCH(bool, joker);
    QFETCH(uint, seed);
    const int n = deckSize(joker);
    const int deals = 1000000;
    RandomSource rng;
    rng.seed(seed);
    Hand hand;
    std::array<std::array<int, 54>, 6> seen{};
    for (int deal = 0; deal < deals; ++deal) {
        DealHand(hand, rng, joker);
        for (int i = 1; i <= 5; ++i)
            ++seen[i][hand.code(i)];
    }
    const double expected = double(deals) / n;
    for (int i = 1; i <= 5; ++i) {
        double chi = 0;
        for (int code = 1; code <= n; ++code) {
            const double d = seen[i][code] - expected;
            chi += d * d / expected;
        }
        QVERIFY2(chi < chiSquareLimit(n), qPrintable(QString("position %1: chi-square %2").arg(i).arg(chi)));
    }
}

QTEST_APPLESS_MAIN(TestDeal)
#include "tst_deal.moc"
