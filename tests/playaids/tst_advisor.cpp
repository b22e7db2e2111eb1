#include "engine/advisor.h"
#include "tests/playaids/testhands.h"

#include <QTest>

using namespace tarvelle;

class TestAdvisor : public QObject {
    Q_OBJECT

private slots:
    void proposal_data();
    void proposal();
    void holdRanksOneCardPerRank();
    void holdSuitTakesTheJoker();
    void advisorAloneReplacesEarlierMarks();
};

void TestAdvisor::proposal_data()
{
    QTest::addColumn<QString>("cards");
    QTest::addColumn<bool>("highCard");
    QTest::addColumn<bool>("openInside");
    QTest::addColumn<int>("dealtClass");
    QTest::addColumn<QString>("holds");

    // Open-ended run beats the lone high card.
    QTest::newRow("5-8 run, King marked first") << "5h 6d 7c 8s Kh" << true << false << 0 << "11110";
    QTest::newRow("5-8 run, windows") << "5h 6d 7c 8s Kh" << false << true << 0 << "11110";

    // A-2-3-4 and T-J-Q-A touch the Ace: only windows take them.
    QTest::newRow("A-2-3-4, runs, high card") << "Ah 2d 3c 4s 9h" << true << false << 0 << "10000";
    QTest::newRow("A-2-3-4, runs") << "Ah 2d 3c 4s 9h" << false << false << 0 << "00000";
    QTest::newRow("A-2-3-4, windows") << "Ah 2d 3c 4s 9h" << true << true << 0 << "11110";
    QTest::newRow("T-J-Q-A, runs, high card") << "Tc Jd Qh Ah 3s" << true << false << 0 << "00010";
    QTest::newRow("T-J-Q-A, windows") << "Tc Jd Qh Ah 3s" << true << true << 0 << "11110";

    // Inside draws; the last matching window stands (4-8 after 3-7).
    QTest::newRow("inside, runs") << "3h 4d 5c 7s 8h" << true << false << 0 << "00000";
    QTest::newRow("inside, last window wins") << "3h 4d 5c 7s 8h" << false << true << 0 << "01111";

    // Pairs give way to draws; a pair inside a run keeps its first card only.
    QTest::newRow("jacks broken by flush draw") << "Jh Js 2s 5s 9s" << true << false << 2 << "01111";
    QTest::newRow("jacks inside 8-J run") << "8h 9d Tc Jh Js" << true << false << 2 << "11110";
    QTest::newRow("jacks inside windows") << "8h 9d Tc Jh Js" << true << true << 2 << "11110";
    QTest::newRow("low pair inside 5-8 run") << "5h 5d 6c 7s 8h" << false << false << 1 << "10111";
    QTest::newRow("low pair without a draw") << "5h 5d 9c Qs 2h" << true << true << 1 << "11000";

    // Flush draws come after straight draws.
    QTest::newRow("flush draw over run") << "5h 6h 7h 8s Kh" << false << false << 0 << "11101";
    QTest::newRow("flush draw over window") << "5h 6h 7h 8s Kh" << false << true << 0 << "11101";
    QTest::newRow("three suited, no Joker") << "2h 7h 9h Ks 4d" << true << false << 0 << "00010";

    // The Joker plays every rank in turn; the highest matching rank's draw stands.
    QTest::newRow("Joker 5-6-7 King, runs") << "Jk 5h 6d 7c Ks" << false << false << 2 << "11110";
    QTest::newRow("Joker 5-6-7 King, windows") << "Jk 5h 6d 7c Ks" << false << true << 2 << "11110";
    QTest::newRow("Joker, last of several windows") << "Jk 4h 5d 8c 9s" << false << true << 0 << "10111";
    QTest::newRow("Joker, no draw") << "Jk 4h 5d 8c 9s" << true << false << 0 << "10000";
    QTest::newRow("Joker at the end") << "5h 6d 7c Ks Jk" << false << false << 2 << "11101";
    QTest::newRow("Joker and three suited") << "Jk 2h 7h 9h Ks" << false << false << 2 << "11110";
    QTest::newRow("Joker and two suited") << "Jk 2h 7h 9s Ks" << false << false << 2 << "10001";

    // Two pairs and better keep the evaluator's marks even beside a draw.
    QTest::newRow("Joker three keeps marks") << "Jk 5h 5s 7h 9h" << false << true << 4 << "11100";
    QTest::newRow("two pairs keep marks") << "5h 5d 6c 6h 7h" << true << true << 3 << "11110";
    QTest::newRow("made straight") << "Ah 2d 3c 4s 5h" << true << true << 5 << "11111";
}

void TestAdvisor::proposal()
{
    QFETCH(QString, cards);
    QFETCH(bool, highCard);
    QFETCH(bool, openInside);
    QFETCH(int, dealtClass);
    QFETCH(QString, holds);

    Hand h = testhands::hand(cards);
    const Hand dealt = h;
    h.Held.fill(1); // the proposal starts from a clean slate
    QCOMPARE(ProposeHolds(h, highCard, openInside), dealtClass);
    QCOMPARE(testhands::held(h), holds);
    QCOMPARE(h.Rank, dealt.Rank); // the Joker is back at rank 2
    QCOMPARE(h.Suit, dealt.Suit);
}

void TestAdvisor::holdRanksOneCardPerRank()
{
    Hand h = testhands::hand("5h 5d 9c Ks 2h");
    h.Held.fill(1);
    HoldRanks(h, {5, 9, 5});
    QCOMPARE(testhands::held(h), QStringLiteral("10100"));
    HoldRanks(h, {3, 4}); // ranks not in the hand hold nothing, and old holds go
    QCOMPARE(testhands::held(h), QStringLiteral("00000"));
    HoldRanks(h, {10, 12, 13, 14, 11});
    QCOMPARE(testhands::held(h), QStringLiteral("00010"));
}

void TestAdvisor::holdSuitTakesTheJoker()
{
    Hand h = testhands::hand("Jk 5h 5d 9h Ks");
    h.Held.fill(1);
    HoldSuit(h, 1);
    QCOMPARE(testhands::held(h), QStringLiteral("11010"));
    HoldSuit(h, 4);
    QCOMPARE(testhands::held(h), QStringLiteral("10000"));
}

// Without a draw the advisor leaves the marks it was given; with one it replaces them.
void TestAdvisor::advisorAloneReplacesEarlierMarks()
{
    Hand h = testhands::hand("Qh 9d 4c 2s 7h");
    h.Held = {0, 1, 0, 1, 0, 1};
    HoldAdvisor(h, true);
    QCOMPARE(testhands::held(h), QStringLiteral("10101"));

    h = testhands::hand("Jk 9h Td Jc 3s");
    h.Held = {0, 0, 0, 0, 0, 1};
    HoldAdvisor(h, true);
    QCOMPARE(testhands::held(h), QStringLiteral("11110"));
    QCOMPARE(int(h.Rank[1]), 2);
}

QTEST_APPLESS_MAIN(TestAdvisor)
#include "tst_advisor.moc"
