#include "engine/deal.h"
#include "engine/doubleup.h"
#include "tests/playaids/testhands.h"

#include <QSet>
#include <QTest>

#include <limits>

using namespace tarvelle;

namespace {
constexpr int32_t Top = std::numeric_limits<int32_t>::max();
}

class TestDoubleUp : public QObject {
    Q_OBJECT

private slots:
    void guess_data();
    void guess();
    void fiveWonGuessesPayThirtyTwoTimes();
    void stakeSaturates();
    void bankHalf_data();
    void bankHalf();
    void controlledCardOneTrialIsPlainDeal();
    void controlledCardRedealsWinners_data();
    void controlledCardRedealsWinners();
};

void TestDoubleUp::guess_data()
{
    QTest::addColumn<bool>("redBlack");
    QTest::addColumn<QString>("card");
    QTest::addColumn<bool>("minusWins");
    QTest::addColumn<bool>("plusWins");
    QTest::addColumn<int>("stakeAfterWin"); // from a stake of 10

    QTest::newRow("RB suit 1") << true << "5h" << true << false << 20;
    QTest::newRow("RB suit 2") << true << "Kd" << true << false << 20;
    QTest::newRow("RB suit 3") << true << "As" << false << true << 20;
    QTest::newRow("RB suit 4") << true << "7c" << false << true << 20;
    QTest::newRow("RB Joker") << true << "Jk" << true << true << 40;
    QTest::newRow("LH Two") << false << "2s" << true << false << 20;
    QTest::newRow("LH Six") << false << "6c" << true << false << 20;
    QTest::newRow("LH Seven stands off") << false << "7h" << true << true << 10;
    QTest::newRow("LH Eight") << false << "8d" << false << true << 20;
    QTest::newRow("LH Ten") << false << "Ts" << false << true << 20;
    QTest::newRow("LH Ace is low") << false << "Ac" << true << false << 20;
    QTest::newRow("LH Jack") << false << "Jh" << false << true << 20;
    QTest::newRow("LH Queen") << false << "Qd" << false << true << 20;
    QTest::newRow("LH King") << false << "Ks" << false << true << 20;
    QTest::newRow("LH Joker") << false << "Jk" << true << true << 40;
}

void TestDoubleUp::guess()
{
    QFETCH(bool, redBlack);
    QFETCH(QString, card);
    QFETCH(bool, minusWins);
    QFETCH(bool, plusWins);
    QFETCH(int, stakeAfterWin);

    const int code = testhands::code(card);
    const int suit = cardSuit(code), rank = cardRank(code);
    QCOMPARE(DoubleGuessWins(redBlack, false, suit, rank), minusWins);
    QCOMPARE(DoubleGuessWins(redBlack, true, suit, rank), plusWins);
    QCOMPARE(DoubleWonStake(redBlack, suit, rank, 10), stakeAfterWin);
}

void TestDoubleUp::fiveWonGuessesPayThirtyTwoTimes()
{
    for (bool redBlack : {true, false}) {
        int32_t win = 15;
        for (int round = 1; round <= 5; ++round)
            win = DoubleWonStake(redBlack, 1, 9, win);
        QCOMPARE(win, 15 * 32);
    }
}

void TestDoubleUp::stakeSaturates()
{
    QCOMPARE(DoubleWonStake(true, 2, 5, 1 << 30), Top);
    QCOMPARE(DoubleWonStake(false, 1, 12, Top), Top);
    QCOMPARE(DoubleWonStake(false, 1, 7, Top), Top); // a standoff leaves even the top alone
    QCOMPARE(DoubleWonStake(true, JokerSuit, 2, 1 << 29), Top);
    QCOMPARE(DoubleWonStake(false, JokerSuit, 2, (1 << 29) - 1), 4 * ((1 << 29) - 1));
}

void TestDoubleUp::bankHalf_data()
{
    QTest::addColumn<int>("stake");
    QTest::addColumn<int>("banked");
    QTest::addColumn<int>("kept");

    QTest::newRow("even") << 8 << 4 << 4;
    QTest::newRow("odd gives the larger half") << 7 << 4 << 3;
    QTest::newRow("one") << 1 << 1 << 0;
    QTest::newRow("two") << 2 << 1 << 1;
    QTest::newRow("top") << int(Top) << (1 << 30) << (1 << 30) - 1;
    QTest::newRow("nothing") << 0 << 0 << 0;
    QTest::newRow("damaged negative") << -7 << 0 << -7;
}

void TestDoubleUp::bankHalf()
{
    QFETCH(int, stake);
    QFETCH(int, banked);
    QFETCH(int, kept);
    int32_t win = stake;
    QCOMPARE(BankHalf(win), banked);
    QCOMPARE(win, kept);
}

void TestDoubleUp::controlledCardOneTrialIsPlainDeal()
{
    for (uint32_t seed = 1; seed <= 20; ++seed) {
        RandomSource rng = testhands::source(seed);
        RandomSource copy = rng;
        Hand h, plain;
        QCOMPARE(ControlledDoubleDeal(h, rng, true, seed % 2 == 0, seed % 3 == 0, 1 + seed % 5, 1), 1);
        DealHand(plain, copy, true);
        QCOMPARE(h.Deck, plain.Deck);
        QCOMPARE(h.Suit, plain.Suit);
        QCOMPARE(h.Rank, plain.Rank);
        QVERIFY(testhands::sameState(rng, copy));
    }
}

void TestDoubleUp::controlledCardRedealsWinners_data()
{
    QTest::addColumn<bool>("redBlack");
    QTest::addColumn<bool>("plus");
    QTest::newRow("Red-Black -") << true << false;
    QTest::newRow("Red-Black +") << true << true;
    QTest::newRow("Low-High -") << false << false;
    QTest::newRow("Low-High +") << false << true;
}

// The deals stop at the first losing card, or after the allowed number of deals.
void TestDoubleUp::controlledCardRedealsWinners()
{
    QFETCH(bool, redBlack);
    QFETCH(bool, plus);

    QSet<int> counts;
    bool sevenRedealt = false;
    for (uint32_t seed = 1; seed <= 150; ++seed) {
        const int round = 1 + int(seed % 5);
        const int trials = 1 + int(seed % 4) + 1; // 2..5
        RandomSource rng = testhands::source(seed);
        RandomSource copy = rng;
        Hand h;
        const int k = ControlledDoubleDeal(h, rng, true, redBlack, plus, round, trials);
        QVERIFY(k >= 1 && k <= trials);
        counts.insert(k);

        Hand replay;
        for (int i = 1; i <= k; ++i) {
            DealHand(replay, copy, true);
            const bool wins = DoubleGuessWins(redBlack, plus, replay.Suit[round], replay.Rank[round]);
            if (i < k)
                QVERIFY2(wins, "stopped late: an earlier card already lost");
            else
                QVERIFY2(!wins || k == trials, "stopped on a winning card with deals left");
            if (i < k && !redBlack && replay.Rank[round] == 7 && replay.Suit[round] != JokerSuit)
                sevenRedealt = true;
        }
        QCOMPARE(h.Deck, replay.Deck);
        QCOMPARE(h.Suit, replay.Suit);
        QCOMPARE(h.Rank, replay.Rank);
        QVERIFY(testhands::sameState(rng, copy));
    }
    QVERIFY(counts.size() >= 3);
    if (!redBlack)
        QVERIFY(sevenRedealt);
}

QTEST_APPLESS_MAIN(TestDoubleUp)
#include "tst_doubleup.moc"
