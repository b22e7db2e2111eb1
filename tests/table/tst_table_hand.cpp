// The table's hand flow: bets, deal, holds, draw, payout and the money transfers.
// The main table driven through its handlers, its keys and real mouse events.
#include "tests/table/tablefixture.h"

#include "engine/advisor.h"
#include "engine/deal.h"
#include "extra/form2.h"
#include "storage/gamefiles.h"
#include "engine/paytable.h"

#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

#include <QFile>
#include <QtTest>

using namespace tarvelle;
using namespace tarvelle::testing;

class TestTableHand : public QObject {
    Q_OBJECT
private slots:
    void betLadder_data();
    void betLadder();
    void autoBetChoosesWhatTheMoneyCovers();
    void dealNeedsMoney();
    void pendingWinIsPaidBeforeTheBet();
    void wholeHandWithTheMouse();
    void dealtHandPreviewAndItsDraw();
    void dealKeyDuringTheAnimationIsIgnored();
    void keysInsideTheWinTransferPayOnce();
    void payoutControlRunsAtEachPress();
    void bonusPotAndHoldingAllFive();
    void smartHold();
    void betButtonsAndWheel();
};

void TestTableHand::betLadder_data()
{
    QTest::addColumn<int>("bet");
    QTest::addColumn<int>("up");
    QTest::addColumn<int>("down");
    QTest::newRow("1") << 1 << 2 << 1;
    QTest::newRow("9") << 9 << 10 << 8;
    QTest::newRow("10") << 10 << 20 << 9;
    QTest::newRow("20") << 20 << 30 << 10;
    QTest::newRow("37 clamps to 30") << 37 << 40 << 20;
    QTest::newRow("500") << 500 << 500 << 490;
    QTest::newRow("900 clamps to 500") << 900 << 500 << 490;
    QTest::newRow("0 clamps to 1") << 0 << 2 << 1;
}

void TestTableHand::betLadder()
{
    QFETCH(int, bet);
    QFETCH(int, up);
    QFETCH(int, down);
    QCOMPARE(Round::BetUp(Round::ClampBet(bet)), up);
    QCOMPARE(Round::BetDown(Round::ClampBet(bet)), down);
}

void TestTableHand::autoBetChoosesWhatTheMoneyCovers()
{
    QCOMPARE(Round::AutoBetFor(35), 30);
    QCOMPARE(Round::AutoBetFor(7), 7);
    QCOMPARE(Round::AutoBetFor(0), 1);
    QCOMPARE(Round::AutoBetFor(10), 10);
    QCOMPARE(Round::AutoBetFor(100000), 490); // the largest step the rule reaches
}

void TestTableHand::dealNeedsMoney()
{
    {
        Table t;
        t.gs.counters.Credit = 0;
        t.gs.counters.Bet = 1;
        for (uint8_t autoBet : {0, 1}) {
            t.gs.settings.AutoBet = autoBet;
            key(*t.form, '\r');
            QCOMPARE(t.gs.HandActive, uint8_t(0));
            QCOMPARE(t.gs.counters.Bet, 1);
            QCOMPARE(t.gs.Armed[ArmDeal], uint8_t(0));
        }
    }
    {
        Table t;
        t.gs.counters.Credit = 35;
        t.gs.counters.Bet = 50;
        t.gs.settings.AutoBet = 0;
        key(*t.form, '\r');
        QCOMPARE(t.gs.HandActive, uint8_t(0));
        QCOMPARE(t.gs.counters.Credit, 35);
        t.gs.settings.AutoBet = 1;
        key(*t.form, '\r');
        QCOMPARE(t.gs.counters.Bet, 30);
        QCOMPARE(t.gs.HandActive, uint8_t(1));
        QCOMPARE(t.gs.counters.Credit, 5);
        QVERIFY(t.settle());
        QCOMPARE(t.gs.State, uint8_t(2));
        // The lowered bet reached the file.
        QCOMPARE(savedCounters(t).Bet, 30);
    }
    {
        Table t;
        t.gs.counters.Credit = 7;
        t.gs.counters.Bet = 10;
        t.gs.settings.AutoBet = 1;
        key(*t.form, '\r');
        QCOMPARE(t.gs.counters.Bet, 7);
        QCOMPARE(t.gs.counters.Credit, 0);
        QVERIFY(t.settle());
    }
}

void TestTableHand::pendingWinIsPaidBeforeTheBet()
{
    Table t;
    t.gs.counters.Credit = 0;
    t.gs.counters.Win = 20;
    t.gs.counters.Bet = 10;
    key(*t.form, '\r');
    QCOMPARE(t.gs.counters.Credit, 10);
    QCOMPARE(t.gs.counters.Win, 0);
    QVERIFY(t.settle());
}

void TestTableHand::wholeHandWithTheMouse()
{
    Table t;
    t.gs.settings.SoundFx = 1;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 5;
    const uint32_t dealsBefore = t.gs.counters.DealtCountsJoker[12];

    press(t.form->LbSpeedButton2);
    QCOMPARE(t.gs.counters.Credit, 95);
    QVERIFY(t.form->phaseBusy());
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(2));
    QCOMPARE(t.gs.counters.DealtCountsJoker[12], dealsBefore + 1);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("1"));

    // Hold the first card by clicking it (whatever was proposed).
    t.gs.hand.clearHeld();
    const auto dealt = t.gs.hand;
    QTest::mousePress(t.form->Image1, Qt::LeftButton, {}, QPoint(60, 80));
    QTest::mouseRelease(t.form->Image1, Qt::LeftButton, {}, QPoint(60, 80));
    QVERIFY(t.gs.hand.Held[1]);
    QVERIFY(SoundService::instance().history().contains(QStringLiteral("cart1")));

    press(t.form->LbSpeedButton2);
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(3));
    QCOMPARE(t.gs.HandActive, uint8_t(0));
    QCOMPARE(t.gs.hand.Suit[1], dealt.Suit[1]);
    QCOMPARE(t.gs.hand.Rank[1], dealt.Rank[1]);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("2"));

    // Win follows the final class; the counters file holds what memory holds.
    HandFlags flags{};
    Hand copy = t.gs.hand;
    copy.clearHeld();
    const int cls = EvaluateHand(copy, flags, true);
    QCOMPARE(t.gs.counters.Win, cls >= 2 ? Multiplier[size_t(cls)] * 5 : 0);
    const Counters saved = savedCounters(t);
    QCOMPARE(saved.Credit, 95 + t.gs.counters.Win); // loading pays a pending win
    QCOMPARE(saved.FinalCountsJoker[12], t.gs.counters.FinalCountsJoker[12]);
    QVERIFY(saved.FinalCountsJoker[12] >= 1);
}

// A seed whose first deal (Joker off) is a lone pair of Kings.
static uint32_t seedForPairOfKings()
{
    for (uint32_t seed = 1; seed < 200000; ++seed) {
        RandomSource rng;
        rng.seed(seed);
        Hand h;
        DealHand(h, rng, false);
        HandFlags flags{};
        Hand copy = h;
        if (EvaluateHand(copy, flags, false) != ClassJacks)
            continue;
        // ...and no straight or flush draw that the advisor would prefer.
        Hand proposal = h;
        ProposeHolds(proposal, false, false);
        int kings = 0, heldKings = 0, held = 0;
        for (int k = 1; k <= 5; ++k) {
            kings += h.Rank[size_t(k)] == 14;
            held += proposal.Held[size_t(k)];
            heldKings += proposal.Held[size_t(k)] && h.Rank[size_t(k)] == 14;
        }
        if (kings == 2 && held == 2 && heldKings == 2)
            return seed;
    }
    return 0;
}

void TestTableHand::dealtHandPreviewAndItsDraw()
{
    const uint32_t seed = seedForPairOfKings();
    QVERIFY(seed != 0);
    Table t;
    t.gs.settings.Joker = 0;
    t.gs.settings.HoldHighCard = 0;
    t.gs.settings.AutoHold = 1;
    t.gs.settings.VoiceFx = 1;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 10;
    t.gs.rng.seed(seed);
    SoundService::instance().clearHistory();
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral("Jacks or better"));
    QCOMPARE(t.form->AntiAliasLabel8->text(), QStringLiteral("2"));
    QCOMPARE(t.gs.counters.Win, 20);
    QCOMPARE(t.gs.counters.DealtCounts[2], 1u);
    QCOMPARE(t.gs.counters.DealtCounts[12], 1u);
    int held = 0;
    for (int k = 1; k <= 5; ++k) {
        if (t.gs.hand.Held[size_t(k)]) {
            ++held;
            QCOMPARE(t.gs.hand.Rank[size_t(k)], uint8_t(14)); // the Kings are proposed
        }
    }
    QCOMPARE(held, 2);
    QCOMPARE(SoundService::instance().history().count(QStringLiteral("jb")), 1);

    // The draw press replaces the preview by the final hand's value and saves it before
    // a card is shown; the Kings make the final hand pay again, without a second
    // announcement of jacks or better.
    key(*t.form, '\r');
    QVERIFY(t.form->phaseBusy());
    const int32_t decided = t.gs.counters.Win;
    QVERIFY(decided >= 20);
    QCOMPARE(savedBytes(t), countersBytes(t.gs.counters)); // read back, the win would be paid
    QVERIFY(t.settle());
    QCOMPARE(t.gs.counters.Win, decided);
    QCOMPARE(t.gs.counters.FinalCounts[12], 1u);
    QCOMPARE(SoundService::instance().history().count(QStringLiteral("jb")), 1);
}

void TestTableHand::dealKeyDuringTheAnimationIsIgnored()
{
    Table t;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 10;
    key(*t.form, '\r');
    key(*t.form, ' ');
    key(*t.form, '\r');
    QCOMPARE(t.gs.counters.Credit, 90);
    // A mouse press and release in the middle of the animation does not deal either.
    press(t.form->LbSpeedButton2);
    press(t.form->LbSpeedButton2);
    QCOMPARE(t.gs.counters.Credit, 90);
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(2));
}

// Repeated keys (auto-repeat) land inside the short waits of the money transfers.
void TestTableHand::keysInsideTheWinTransferPayOnce()
{
    {
        // A Deal key while the pending win goes to the credit: one hand, one bet.
        Table t;
        t.gs.counters.Credit = 100;
        t.gs.counters.Win = 20;
        t.gs.counters.Bet = 10;
        keyInside(*t.form, '\r');
        QCOMPARE(t.gs.counters.Credit, 120); // moved at once; the displays still flash
        t.throughWaits([&](int n) {
            if (n < 2)
                keyInside(*t.form, n == 0 ? '\r' : ' ');
        });
        QCOMPARE(t.gs.counters.Credit, 110);
        QVERIFY(t.settle());
        QCOMPARE(t.gs.counters.DealtCounts[12] + t.gs.counters.DealtCountsJoker[12], 1u);
        QCOMPARE(t.gs.State, uint8_t(2));
    }
    {
        // A bet key arriving just after the credit rose, while its display still flashes.
        Table t;
        t.gs.counters.Credit = 100;
        t.gs.counters.Win = 40;
        t.gs.counters.Bet = 10;
        bool pressed = false;
        keyInside(*t.form, 'm');
        t.throughWaits([&](int) {
            if (!pressed && t.gs.counters.Credit != 100) {
                pressed = true;
                keyInside(*t.form, 'm');
            }
        });
        QVERIFY(pressed);
        QCOMPARE(t.gs.counters.Credit, 140);
        QCOMPARE(t.gs.counters.Win, 0);
        QCOMPARE(t.gs.counters.Bet, 500);
        QCOMPARE(savedCounters(t).Credit, 140);
    }
    {
        // A bet key inside the flash of the bet Auto Bet chose: the hand is dealt on
        // that bet, never on more than the money covers.
        Table t;
        t.gs.settings.AutoBet = 1;
        t.gs.counters.Credit = 35;
        t.gs.counters.Bet = 50;
        keyInside(*t.form, '\r');
        QCOMPARE(t.gs.counters.Bet, 30);
        t.throughWaits([&](int n) {
            if (n == 0)
                keyInside(*t.form, '+');
        });
        QCOMPARE(t.gs.counters.Bet, 30);
        QCOMPARE(t.gs.counters.Credit, 5);
        QVERIFY(t.settle());
        // The same with the wheel.
        key(*t.form, '\r');
        QVERIFY(t.settle());
        t.gs.counters.Credit = 35;
        t.gs.counters.Win = 0;
        t.gs.counters.Bet = 50;
        keyInside(*t.form, '\r');
        t.throughWaits([&](int n) {
            if (n == 0)
                t.form->FormMouseWheel(120);
        });
        QCOMPARE(t.gs.counters.Bet, 30);
        QCOMPARE(t.gs.counters.Credit, 5);
        QVERIFY(t.settle());
    }
    {
        // The double-up key while maximum bet carries the win over: no game on a win
        // that is leaving the table.
        Table t;
        t.gs.counters.Credit = 100;
        t.gs.counters.Win = 20;
        t.gs.counters.Bet = 10;
        keyInside(*t.form, 'm');
        t.throughWaits([&](int n) {
            if (n == 0)
                keyInside(*t.form, 'd');
        });
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
        QCOMPARE(t.gs.counters.Credit, 120);
        QCOMPARE(t.gs.counters.Win, 0);
        QCOMPARE(t.gs.counters.Bet, 500);
    }
}

void TestTableHand::payoutControlRunsAtEachPress()
{
    Table t;
    t.gs.settings.PayoutControl = 1;
    t.gs.settings.PayoutRate = 70;
    t.gs.counters.Credit = 50; // far below the target, and too little for the tight periods
    t.gs.counters.InsertedTotal = 1000;
    t.gs.payout.ControlLevel = 4;
    t.gs.payout.DealTrials = 5;
    key(*t.form, '\r');
    QCOMPARE(t.gs.payout.ControlLevel, uint8_t(0));
    QCOMPARE(t.gs.payout.DealTrials, uint8_t(1));
    QCOMPARE(t.gs.counters.Credit, 49);
    QVERIFY(t.settle());
    t.gs.settings.SmartHold = 0;
    t.gs.hand.clearHeld();
    t.form->ImageMouseDown(2);
    const uint8_t suit = t.gs.hand.Suit[2], rank = t.gs.hand.Rank[2];
    t.gs.payout.ControlLevel = 4;
    key(*t.form, '\r');
    QCOMPARE(t.gs.payout.ControlLevel, uint8_t(0)); // evaluated again at the draw press
    QVERIFY(t.settle());
    QCOMPARE(t.gs.hand.Suit[2], suit); // the controlled draw keeps the held card
    QCOMPARE(t.gs.hand.Rank[2], rank);
    QCOMPARE(t.gs.State, uint8_t(3));
}

void TestTableHand::bonusPotAndHoldingAllFive()
{
    struct Case {
        int bonusBefore;
        int bonusAfter;
        int creditGain;
    };
    for (const Case c : {Case{9990, 0, 10000 + 20}, Case{9989, 9999, 20}}) {
        Table t;
        t.gs.settings.Joker = 0;
        t.gs.counters.Credit = 100;
        t.gs.counters.Bet = 10;
        t.gs.counters.Bonus = c.bonusBefore;
        key(*t.form, '\r');
        QVERIFY(t.settle());
        // A pair of aces, one of them the bonus ace, all five held.
        t.setHand({11, 11, 4, 6, 9}, {3, 1, 2, 2, 4});
        for (int k = 1; k <= 5; ++k)
            t.gs.hand.Held[size_t(k)] = 1;
        const auto finalBefore = t.gs.counters.FinalCounts;
        key(*t.form, '\r');
        QVERIFY(t.settle());
        QCOMPARE(t.gs.counters.Win, 20);
        QCOMPARE(t.gs.counters.Bonus, c.bonusAfter);
        QCOMPARE(t.gs.counters.Credit, 90 + c.creditGain - 20);
        QCOMPARE(t.gs.counters.FinalCounts, finalBefore); // all five held: not counted
        QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral("Jacks or better"));
    }
}

void TestTableHand::smartHold()
{
    Table t;
    t.gs.settings.SmartHold = 1;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    auto propose12 = [&] {
        t.gs.hand.clearHeld();
        t.gs.hand.Held[1] = t.gs.hand.Held[2] = 1;
        t.gs.FirstClick = 1;
    };
    propose12();
    t.form->ImageMouseDown(4);
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 0, 0, 0, 1, 0}));
    t.form->ImageMouseDown(5); // later clicks toggle
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 0, 0, 0, 1, 1}));

    propose12();
    t.form->ImageMouseDown(1);
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 0, 1, 0, 0, 0}));
    QCOMPARE(t.gs.FirstClick, uint8_t(1)); // a held card does not use up the rule

    t.gs.settings.SmartHold = 0;
    propose12();
    t.form->ImageMouseDown(4);
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 1, 1, 0, 1, 0}));

    // Outside the hold phase a click does nothing.
    key(*t.form, '\r');
    QVERIFY(t.settle());
    const auto held = t.gs.hand.Held;
    t.form->ImageMouseDown(2);
    QCOMPARE(t.gs.hand.Held, held);
}

void TestTableHand::betButtonsAndWheel()
{
    Table t;
    t.gs.counters.Bet = 9;
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Bet, 10);
    press(t.form->LbSpeedButton4);
    QCOMPARE(t.gs.counters.Bet, 20);
    press(t.form->LbSpeedButton3);
    press(t.form->LbSpeedButton3);
    QCOMPARE(t.gs.counters.Bet, 9);

    // A pending win goes to the credit on a bet change, not on a wheel turn.
    t.gs.counters.Win = 40;
    t.gs.counters.Credit = 100;
    t.form->FormMouseWheel(120);
    QCOMPARE(t.gs.counters.Bet, 10);
    QCOMPARE(t.gs.counters.Win, 40);
    key(*t.form, 'm');
    QCOMPARE(t.gs.counters.Bet, 500);
    QCOMPARE(t.gs.counters.Win, 0);
    QCOMPARE(t.gs.counters.Credit, 140);
    t.form->FormMouseWheel(120);
    QCOMPARE(t.gs.counters.Bet, 500);
    t.gs.counters.Bet = 37;
    t.form->FormMouseWheel(-120);
    QCOMPARE(t.gs.counters.Bet, 20);
    t.gs.counters.Bet = 10;
    QWheelEvent wheel(QPointF(400, 300), QPointF(400, 300), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(t.form.get(), &wheel);
    QCOMPARE(t.gs.counters.Bet, 9);
    QVERIFY(wheel.isAccepted());

    // The bet buttons move a pending win to the credit first.
    t.gs.counters.Win = 40;
    t.gs.counters.Credit = 100;
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Bet, 10);
    QCOMPARE(t.gs.counters.Win, 0);
    QCOMPARE(t.gs.counters.Credit, 140);
    t.gs.counters.Win = 15;
    press(t.form->LbSpeedButton3);
    QCOMPARE(t.gs.counters.Bet, 9);
    QCOMPARE(t.gs.counters.Win, 0);
    QCOMPARE(t.gs.counters.Credit, 155);
    QCOMPARE(savedCounters(t).Credit, 155);

    // Guards: autoplay, a hand on the table, a double-up.
    t.gs.Autoplay = 1;
    t.form->FormMouseWheel(120);
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Bet, 9);
    t.gs.Autoplay = 0;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(2));
    t.form->FormMouseWheel(120);
    key(*t.form, '-');
    QCOMPARE(t.gs.counters.Bet, 9);
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.gs.counters.Win = 10;
    t.gs.settings.AutoDouble = 0;
    key(*t.form, 'd');
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(1));
    t.form->FormMouseWheel(120);
    QCOMPARE(t.gs.counters.Bet, 9);
}

QTEST_MAIN(TestTableHand)
#include "tst_table_hand.moc"
