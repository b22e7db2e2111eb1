// The table's double-up game and autoplay.
// The main table driven through its handlers, its keys and real mouse events.
#include "tests/table/tablefixture.h"

#include "widgets/accessibility.h"

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

#include <limits>

using namespace tarvelle;
using namespace tarvelle::testing;

class TestTableDouble : public QObject {
    Q_OBJECT
private slots:
    void keysAloneDriveAHandAndADoubleUp();
    void doubleUpOutcomes();
    void doubleUpFiveWonSteps();
    void doubleUpBanking();
    void doubleUpKeyInsideAGuessIsIgnored();
    void doubleUpNotWhileTheHandWaits();
    void autoDoubleAfterAManualDraw();
    void autoDoubleLeavesAGameStartedByHand();
    void dealInsideEveryAutoDoubleWait();
    void lostGuessIsSavedBeforeItShows();
    void doubleUpLampsBlink();
    void autoplayBetsAndStops();
    void countersHoldAtTheirTop();
};

void TestTableDouble::keysAloneDriveAHandAndADoubleUp()
{
    Table t;
    t.gs.settings.Joker = 0;
    t.gs.settings.RedBlack = 1;
    t.gs.settings.AutoHold = 0;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 10;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{})); // Auto Hold off
    t.setHand({14, 14, 3, 5, 8}, {1, 2, 3, 4, 1});
    t.gs.settings.SmartHold = 0;
    for (char c : {'1', '2', '3', '4', '5'})
        key(*t.form, c);
    key(*t.form, ' ');
    QVERIFY(t.settle());
    QCOMPARE(t.gs.counters.Win, 20);

    key(*t.form, 'D');
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(1));
    QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral("Double Red-Black"));
    // A screen reader hears the buttons' double-up meaning and the card each guess turns.
    t.form->Timer1Timer();
    QCOMPARE(access::nameOf(t.form->LbSpeedButton4), QStringLiteral("Guess black (+)"));
    QCOMPARE(access::nameOf(t.form->LbSpeedButton3), QStringLiteral("Guess red (-)"));
    QCOMPARE(access::nameOf(t.form->LbSpeedButton2), QStringLiteral("Bank all (Enter)"));
    QCOMPARE(access::nameOf(t.form->lamp(1)), QStringLiteral("Lamp 1: double-up, this card"));
    QCOMPARE(access::nameOf(t.form->card(1)), QStringLiteral("Face down"));
    t.setHand({5}, {3}); // a black five: "+" wins
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Win, 40);
    QCOMPARE(access::nameOf(t.form->card(1)), QStringLiteral("Five of spades"));
    QCOMPARE(t.form->AntiAliasLabel1->findChild<access::Announcer*>()->lastText(),
             QStringLiteral("Five of spades: win 40."));
    QCOMPARE(t.gs.dbl.DoubleRound, uint8_t(2));
    t.gs.hand.Suit[2] = 1; // red: "-" wins
    key(*t.form, '-');
    QCOMPARE(t.gs.counters.Win, 80);
    key(*t.form, '\r'); // collect everything
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.counters.Credit, 90 + 80);
    QCOMPARE(t.gs.counters.Win, 0);
    t.form->Timer1Timer();
    QCOMPARE(access::nameOf(t.form->LbSpeedButton4), QStringLiteral("Bet up (+)"));
    const Counters saved = savedCounters(t);
    QCOMPARE(saved.RbWon[1], 1u);
    QCOMPARE(saved.RbWon[2], 1u);
    QCOMPARE(saved.Credit, 170);
}

void TestTableDouble::doubleUpOutcomes()
{
    struct Case {
        const char* name;
        bool redBlack;
        char guess;
        int rank;
        int suit;
        int winAfter; // from 10
        bool won;
    };
    const Case cases[] = {
        {"low-high seven +", false, '+', 7, 1, 10, true},
        {"low-high seven -", false, '-', 7, 2, 10, true},
        {"low-high ace -", false, '-', 11, 1, 20, true},
        {"low-high ace +", false, '+', 11, 1, 0, false},
        {"low-high king +", false, '+', 14, 4, 20, true},
        {"low-high joker", false, '+', 2, 5, 40, true},
        {"red-black joker", true, '-', 2, 5, 40, true},
        {"red-black black on red", true, '-', 9, 4, 0, false},
    };
    for (const Case& c : cases) {
        Table t;
        t.gs.settings.RedBlack = c.redBlack;
        t.gs.counters.Win = 10;
        t.gs.counters.Bet = 5;
        t.gs.counters.Bonus = 100;
        key(*t.form, 'd');
        QVERIFY2(t.gs.dbl.DoubleActive, c.name);
        t.setHand({c.rank}, {c.suit});
        key(*t.form, c.guess);
        QVERIFY2(t.gs.counters.Win == c.winAfter, c.name);
        QVERIFY2(t.gs.counters.Bonus == 105, c.name); // every guess feeds the pot
        QVERIFY2(bool(t.gs.dbl.DoubleActive) == c.won, c.name);
        const Counters saved = savedCounters(t);
        const auto& won = c.redBlack ? saved.RbWon : saved.LhWon;
        const auto& lost = c.redBlack ? saved.RbLost : saved.LhLost;
        QVERIFY2(won[1] == (c.won ? 1u : 0u) && lost[1] == (c.won ? 0u : 1u), c.name);
    }
}

void TestTableDouble::doubleUpFiveWonSteps()
{
    Table t;
    t.gs.settings.RedBlack = 1;
    t.gs.counters.Win = 10;
    t.gs.counters.Credit = 0;
    t.gs.counters.Bet = 10;
    t.gs.counters.Bonus = 9985;
    key(*t.form, 'd');
    t.setHand({3, 4, 5, 6, 8}, {3, 4, 3, 4, 3});
    for (int i = 0; i < 5; ++i)
        key(*t.form, '+');
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.counters.Win, 0);
    // 320 from the chain; the pot passed 9999 at the second guess and was paid then.
    QCOMPARE(t.gs.counters.Credit, 320 + 10005);
    QCOMPARE(t.gs.counters.Bonus, 30);
    const Counters saved = savedCounters(t);
    for (int i = 1; i <= 5; ++i)
        QCOMPARE(saved.RbWon[size_t(i)], 1u);
    QCOMPARE(saved.Credit, 10325);
}

void TestTableDouble::doubleUpBanking()
{
    {
        Table t;
        t.gs.counters.Win = 7;
        t.gs.counters.Credit = 0;
        key(*t.form, 'd');
        key(*t.form, 'd'); // bank half: the credit gets the larger half
        QCOMPARE(t.gs.counters.Credit, 4);
        QCOMPARE(t.gs.counters.Win, 3);
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(1));
    }
    {
        Table t;
        t.gs.counters.Win = 1;
        t.gs.counters.Credit = 0;
        key(*t.form, 'd');
        key(*t.form, 'd');
        QCOMPARE(t.gs.counters.Credit, 1);
        QCOMPARE(t.gs.counters.Win, 0);
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
        QCOMPARE(savedCounters(t).Credit, 1);
    }
    {
        // No win, no game; nor with the game switched off.
        Table t;
        t.gs.counters.Win = 0;
        key(*t.form, 'd');
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
        t.gs.counters.Win = 10;
        t.gs.settings.DoubleGame = 0;
        key(*t.form, 'd');
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    }
}

void TestTableDouble::doubleUpKeyInsideAGuessIsIgnored()
{
    Table t;
    t.gs.counters.Win = 10;
    t.gs.counters.Bet = 5;
    t.gs.counters.Bonus = 0;
    key(*t.form, 'd');
    t.setHand({14, 14}, {1, 1}); // "-" loses on a King
    // More keys arrive while the lost guess is still being settled.
    keyInside(*t.form, '-');
    t.throughWaits([&](int n) {
        if (n == 1)
            keyInside(*t.form, '-');
        else if (n == 2)
            keyInside(*t.form, '\r');
    });
    QCOMPARE(t.gs.counters.LhLost[1], 1u);
    QCOMPARE(t.gs.counters.LhLost[2] + t.gs.counters.LhWon[1] + t.gs.counters.LhWon[2], 0u);
    QCOMPARE(t.gs.counters.Bonus, 5);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.HandActive, uint8_t(0));
}

void TestTableDouble::doubleUpNotWhileTheHandWaits()
{
    Table t;
    t.gs.counters.Credit = 100;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.gs.counters.Win = 4; // as if the dealt hand paid a preview
    key(*t.form, 'd');
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.State, uint8_t(2));
}

void TestTableDouble::autoDoubleAfterAManualDraw()
{
    Table t;
    QVERIFY(t.dealWithAutoDouble(100));
    t.holdThreeKings();
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QVERIFY(QTest::qWaitFor([&] { return t.gs.dbl.DoubleActive == 1; }, 3000));
    QCOMPARE(t.gs.counters.Win, 50);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("3"));
}

// The D key during the second before the automatic start: the game runs once, nothing banked.
void TestTableDouble::autoDoubleLeavesAGameStartedByHand()
{
    Table t;
    QVERIFY(t.dealWithAutoDouble(100));
    t.holdThreeKings();
    keyInside(*t.form, '\r');
    QVERIFY(t.runUntil([&] { return t.form->round().phase() == Phase::AutoDoubleWait; }));
    const bool pressed = t.gs.State == 3 && t.gs.counters.Win > 0 && !t.gs.dbl.DoubleActive;
    keyInside(*t.form, 'd');
    QVERIFY(t.settle()); // past the automatic start
    QVERIFY(pressed);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(1));
    QCOMPARE(t.gs.dbl.DoubleRound, uint8_t(1));
    QCOMPARE(t.gs.counters.Win, 50);
    QCOMPARE(t.gs.counters.Credit, 90);
}

// A player who deals inside every Auto Double second, for 1,000 hands: each deal starts from
// the event loop, never inside the wait before it, so nothing piles up however long he plays.
void TestTableDouble::dealInsideEveryAutoDoubleWait()
{
    Table t;
    t.gs.settings.SoundFx = 0;
    t.gs.settings.VoiceFx = 0;
    QVERIFY(t.dealWithAutoDouble(1000000));
    const Round& round = t.form->round();
    size_t mostWork = 0;
    for (int hand = 0; hand < 1000; ++hand) {
        t.holdThreeKings();
        keyInside(*t.form, '\r');
        QVERIFY(t.runUntil([&] { return round.phase() == Phase::AutoDoubleWait; }, true));
        keyInside(*t.form, '\r'); // the next deal, inside the second
        QVERIFY(t.runUntil([&] { return round.phase() == Phase::HandShown; }, true));
        mostWork = std::max(mostWork, round.pendingSteps());
    }
    QCOMPARE(t.gs.counters.DealtCounts[12], 1001u);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0)); // Auto Double never started under a deal
    QCOMPARE(round.deepestInput(), 1); // no input ever ran inside another
    // At most the one step of the Auto Double second still running out (it acts no more).
    QVERIFY2(mostWork <= 1, qPrintable(QString::number(mostWork)));
}

// A lost guess is on disk before its card is shown: a restart in the wait that follows
// cannot pay the lost stake.
void TestTableDouble::lostGuessIsSavedBeforeItShows()
{
    Table t;
    t.gs.settings.RedBlack = 1;
    t.gs.counters.Win = 400;
    t.gs.counters.Credit = 1000;
    t.gs.counters.Bet = 10;
    key(*t.form, 'd');
    t.setHand({9}, {4}); // black: "-" loses
    // Read back inside the wait, the file must hold the lost stake as 0: a start would
    // otherwise pay it.
    keyInside(*t.form, '-');
    QVERIFY(t.form->roundWaiting());
    const Counters during = savedCounters(t);
    finishWaits(*t.form);
    QCOMPARE(during.Credit, 1000);
    QCOMPARE(during.Win, 0);
    QCOMPARE(during.RbLost[1], 1u);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
}

void TestTableDouble::doubleUpLampsBlink()
{
    Table t;
    t.gs.counters.Win = 10;
    key(*t.form, 'd');
    const QImage off = t.imagery.lampImage(CardImagery::LampOff).convertToFormat(QImage::Format_RGB32);
    const QImage dbl = t.imagery.lampImage(CardImagery::LampDouble).convertToFormat(QImage::Format_RGB32);
    QVERIFY(off != dbl);
    auto lampShows = [&](int k) { return t.form->lamp(k)->canvas().convertToFormat(QImage::Format_RGB32); };
    t.form->Timer1Timer(); // BlinkTicks 1: the current step lit, the others off
    QCOMPARE(lampShows(1), dbl);
    QCOMPARE(lampShows(2), off);
    t.form->Timer1Timer(); // 2: the current step dark
    QCOMPARE(lampShows(1), off);
    t.form->Timer1Timer();
    QCOMPARE(lampShows(1), dbl);

    // After a won step that lamp stays lit and the next one blinks.
    t.setHand({9}, {3});
    key(*t.form, '+');
    t.form->Timer1Timer();
    QCOMPARE(lampShows(1), dbl);
    QCOMPARE(lampShows(2), dbl);
    t.form->Timer1Timer();
    QCOMPARE(lampShows(1), dbl);
    QCOMPARE(lampShows(2), off);
}

void TestTableDouble::autoplayBetsAndStops()
{
    Table t;
    t.gs.settings.AutoBet = 1;
    t.gs.settings.AutoHold = 0;
    t.gs.counters.Credit = 35;
    t.gs.counters.Bet = 50;
    key(*t.form, 'a');
    QCOMPARE(t.gs.Autoplay, uint8_t(1));
    QVERIFY(t.form->Timer2->isActive());
    QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral("Autoplay on"));
    // While it runs the player's own controls are ignored.
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Bet, 50);

    t.form->Timer2->stop(); // the test plays the ticks itself
    t.form->Timer2Timer();
    finishWaits(*t.form);
    QCOMPARE(t.gs.counters.Bet, 30);
    QCOMPARE(t.gs.counters.Credit, 5);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("A 1"));
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(2));
    // Autoplay keeps the advisor's proposal even with Auto Hold off, and draws to it.
    Hand expected = t.gs.hand;
    expected.clearHeld();
    ProposeHolds(expected, t.gs.settings.HoldHighCard, t.gs.settings.HoldOpenInside);
    QCOMPARE(t.gs.hand.Held, expected.Held);
    const Hand dealt = t.gs.hand;
    t.form->Timer2Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("A 2"));
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(3));
    for (int k = 1; k <= 5; ++k) {
        if (dealt.Held[size_t(k)]) {
            QCOMPARE(t.gs.hand.Suit[size_t(k)], dealt.Suit[size_t(k)]);
            QCOMPARE(t.gs.hand.Rank[size_t(k)], dealt.Rank[size_t(k)]);
        }
    }

    // Out of money: autoplay switches itself off.
    t.gs.counters.Credit = 0;
    t.gs.counters.Win = 0;
    t.form->Timer2Timer();
    finishWaits(*t.form);
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral("Autoplay off"));

    // The button stops it at once, and cannot start it in the middle of a hand.
    t.gs.counters.Credit = 100;
    press(t.form->autop);
    QCOMPARE(t.gs.Autoplay, uint8_t(1));
    press(t.form->autop);
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QVERIFY(!t.form->Timer2->isActive());
    key(*t.form, '\r');
    QVERIFY(t.settle());
    key(*t.form, 'a');
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
}

void TestTableDouble::countersHoldAtTheirTop()
{
    // Every counter one below its type's top, or at it: a hand and two guesses take the
    // counted ones to the top and no further; none wraps, on the table or in the file.
    constexpr uint32_t top = std::numeric_limits<uint32_t>::max();
    for (const uint32_t start : {top - 1, top}) {
        Table t;
        Counters& c = t.gs.counters;
        for (auto* a : {&c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker})
            a->fill(start);
        for (auto* a : {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost})
            a->fill(start);
        t.gs.settings.Joker = 0;
        t.gs.settings.RedBlack = 1;
        t.gs.settings.AutoHold = 0;
        t.gs.settings.SmartHold = 0;
        c.Credit = 100;
        c.Bet = 10;
        key(*t.form, '\r');
        QVERIFY(t.settle());
        key(*t.form, ' ');
        QVERIFY(t.settle());
        c.Win = 10;
        key(*t.form, 'D');
        QVERIFY(t.gs.dbl.DoubleActive);
        t.setHand({5}, {3}); // a black five: "+" wins
        key(*t.form, '+');
        t.gs.hand.Suit[2] = 1; // red: "+" loses
        key(*t.form, '+');
        QVERIFY(!t.gs.dbl.DoubleActive);

        const Counters saved = savedCounters(t);
        for (const Counters* k : {static_cast<const Counters*>(&c), &saved}) {
            QCOMPARE(k->DealtCounts[12], top);
            QCOMPARE(k->FinalCounts[12], top);
            QCOMPARE(k->RbWon[1], top);
            QCOMPARE(k->RbLost[2], top);
            for (const auto* a :
                 {&k->DealtCounts, &k->FinalCounts, &k->DealtCountsJoker, &k->FinalCountsJoker})
                for (size_t i = 1; i <= 12; ++i)
                    QVERIFY((*a)[i] >= start);
            for (const auto* a : {&k->RbWon, &k->RbLost, &k->LhWon, &k->LhLost})
                for (size_t i = 1; i <= 5; ++i)
                    QVERIFY((*a)[i] >= start);
        }
    }
}

QTEST_MAIN(TestTableDouble)
#include "tst_table_double.moc"
