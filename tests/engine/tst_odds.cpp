// The odds simulation: it must leave the table as it found it and report the
// draws it made in the pay-table texts.
#include "engine/deal.h"
#include "engine/evaluator.h"
#include "tests/engine/handtext.h"
#include "engine/odds.h"
#include "engine/paytable.h"

#include <QtTest>

#include <cmath>

using namespace tarvelle;
using namespace tarvelle::test;

class TestOdds : public QObject {
    Q_OBJECT

private slots:
    void restoresTheTable();
    void allHeld_data();
    void allHeld();
    void flushDrawMatchesProbability();
    void textsFollowCounts();
    void noFiveWithoutJoker();
};

void TestOdds::restoresTheTable()
{
    for (bool joker : {false, true}) {
        RandomSource rng;
        rng.seed(joker ? 11 : 12);
        Hand hand;
        for (int round = 0; round < 64; ++round) {
            DealHand(hand, rng, joker);
            for (int i = 1; i <= 5; ++i)
                hand.Held[i] = (round >> (i - 1)) & 1;
            const Hand before = hand;
            const OddsResult odds = LiveOdds(hand, rng, joker);
            QCOMPARE(hand.Deck, before.Deck);
            QCOMPARE(hand.Suit, before.Suit);
            QCOMPARE(hand.Rank, before.Rank);
            QCOMPARE(hand.Held, before.Held);
            int total = 0;
            for (int cls = 1; cls <= 11; ++cls)
                total += odds.OddsCounts[cls];
            QVERIFY(total <= 2000);
        }
    }
}

void TestOdds::allHeld_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<int>("row"); // 0: no paying row
    QTest::addColumn<QString>("wins");

    QTest::newRow("royal flush") << "Ts Js Qs Ks As" << 9 << "50000";
    QTest::newRow("straight flush") << "5d 6d 7d 8d 9d" << 8 << "10000";
    QTest::newRow("jacks") << "Jh Jd 3s 7c 9h" << 1 << "200.00";
    QTest::newRow("two pairs") << "Jh Jd 3s 3c 9h" << 2 << "300.00";
    QTest::newRow("five with joker") << "9h 9d Jk 9s 9c" << 10 << "100000";
    QTest::newRow("low pair pays nothing") << "Th Td 3s 7c 9h" << 0 << "0";
    QTest::newRow("nothing") << "2h 5d 9s Jc Kh" << 0 << "0";
}

void TestOdds::allHeld()
{
    QFETCH(QString, cards);
    QFETCH(int, row);
    QFETCH(QString, wins);

    Hand hand = dealtHand(cards.toStdString(), true);
    hand.Held = {0, 1, 1, 1, 1, 1};

    RandomSource rng;
    rng.seed(3);
    const uint32_t seedBefore = rng.system().seed();
    const OddsResult odds = LiveOdds(hand, rng, true);
    QCOMPARE(rng.system().seed(), seedBefore); // nothing to draw, nothing drawn
    for (int r = 1; r <= 10; ++r)
        QCOMPARE(QString::fromStdString(odds.texts[r]), QString(r == row ? "100.00" : "0"));
    QCOMPARE(QString::fromStdString(odds.texts[11]), wins);
}

void TestOdds::flushDrawMatchesProbability()
{
    // Four hearts held: 9 of the 47 unseen cards make the flush (19.15 %).
    RandomSource rng;
    rng.seed(909);
    double sum = 0;
    const int runs = 50;
    for (int run = 0; run < runs; ++run) {
        Hand hand = dealtHand("2h 5h 9h Qh 7d", false);
        hand.Held = {0, 1, 1, 1, 1, 0};
        sum += LiveOdds(hand, rng, false).OddsCounts[ClassFlush];
    }
    const double share = sum / (2000.0 * runs);
    const double sigma = std::sqrt(9.0 / 47 * 38.0 / 47 / (2000.0 * runs));
    QVERIFY2(std::abs(share - 9.0 / 47) < 4 * sigma, qPrintable(QString("flush share %1").arg(share)));
}

void TestOdds::textsFollowCounts()
{
    RandomSource rng;
    rng.seed(2718);
    Hand hand;
    for (int round = 0; round < 40; ++round) {
        DealHand(hand, rng, true);
        hand.clearHeld();
        HandFlags flags;
        EvaluateHand(hand, flags, false); // hold what the deal made
        const OddsResult odds = LiveOdds(hand, rng, true);
        double expected = 0;
        for (int r = 1; r <= 10; ++r) {
            const int count = odds.OddsCounts[r + 1];
            const QString text = count == 0 ? QString("0") : QString::number(count / 20.0, 'f', 2);
            QCOMPARE(QString::fromStdString(odds.texts[r]), text);
            expected += Multiplier[r + 1] * (count / 20.0);
        }
        QVERIFY(std::abs(odds.ExpectedReturn - expected) < 1e-6);
        const QString wins = QString::fromStdString(odds.texts[11]);
        if (expected > 999)
            QCOMPARE(wins, QString::number(std::floor(expected + 0.5), 'f', 0));
        else
            QCOMPARE(wins, expected < 0.005 ? QString("0") : QString::number(expected, 'f', 2));
    }
}

void TestOdds::noFiveWithoutJoker()
{
    RandomSource rng;
    rng.seed(1);
    Hand hand;
    DealHand(hand, rng, false);
    hand.clearHeld();
    const OddsResult odds = LiveOdds(hand, rng, false);
    QCOMPARE(odds.OddsCounts[ClassFive], 0);
    QCOMPARE(QString::fromStdString(odds.texts[10]), QString("0"));
}

QTEST_APPLESS_MAIN(TestOdds)
#include "tst_odds.moc"
