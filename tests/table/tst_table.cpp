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
using tarvelle::testing::Table;

namespace {

void press(QWidget* w)
{
    const QPoint c = w->rect().center();
    QTest::mousePress(w, Qt::LeftButton, {}, c);
    QTest::mouseRelease(w, Qt::LeftButton, {}, c);
}

void key(TForm1& f, char c)
{
    f.FormKeyPress(QLatin1Char(c));
}

Counters savedCounters(const Table& t)
{
    Counters c;
    c.Credit = -1;
    ldct(c, t.saveDir.path().toStdString() + "/");
    return c;
}

// The counters file as it lies on disk, before a start pays its pending win.
std::array<uint8_t, 316> savedBytes(const Table& t)
{
    std::array<uint8_t, 316> b{};
    QFile f(t.savePath(QStringLiteral("poker.dat")));
    if (f.open(QIODevice::ReadOnly))
        f.read(reinterpret_cast<char*>(b.data()), qint64(b.size()));
    return b;
}

} // namespace

class TestTable : public QObject {
    Q_OBJECT
private slots:
    void betLadder_data();
    void betLadder();
    void autoBetChoosesWhatTheMoneyCovers();
    void playAreaIsCentred_data();
    void playAreaIsCentred();
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
    void keysAloneDriveAHandAndADoubleUp();
    void doubleUpOutcomes();
    void doubleUpFiveWonSteps();
    void doubleUpBanking();
    void doubleUpKeyInsideAGuessIsIgnored();
    void doubleUpNotWhileTheHandWaits();
    void autoDoubleAfterAManualDraw();
    void autoDoubleLeavesAGameStartedByHand();
    void autoplayBetsAndStops();
    void payTablePanel();
    void screenChecks_data();
    void screenChecks();
    void attractModeSchedule();
    void exitSavesBothFiles();
    void exitTakesNoFurtherInput();
    void lostGuessIsSavedBeforeItShows();
    void doubleUpLampsBlink();
    void pointerMovementEndsTheShowcase();
    void extraScreenRoundTrip();
    void missingCardFileStopsBeforeAnyWindow();
    void missingCardBackKeepsTheDefault();
};

void TestTable::betLadder_data()
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

void TestTable::betLadder()
{
    QFETCH(int, bet);
    QFETCH(int, up);
    QFETCH(int, down);
    QCOMPARE(Round::BetUp(Round::ClampBet(bet)), up);
    QCOMPARE(Round::BetDown(Round::ClampBet(bet)), down);
}

void TestTable::autoBetChoosesWhatTheMoneyCovers()
{
    QCOMPARE(Round::AutoBetFor(35), 30);
    QCOMPARE(Round::AutoBetFor(7), 7);
    QCOMPARE(Round::AutoBetFor(0), 1);
    QCOMPARE(Round::AutoBetFor(10), 10);
    QCOMPARE(Round::AutoBetFor(100000), 490); // the largest step the rule reaches
}

void TestTable::playAreaIsCentred_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(112, 84);
    QTest::newRow("1366x768") << QSize(1366, 768) << QPoint(283, 84);
    QTest::newRow("799x599 toward zero") << QSize(799, 599) << QPoint(0, 0);
    QTest::newRow("640x480") << QSize(640, 480) << QPoint(-80, -60);
}

void TestTable::playAreaIsCentred()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, origin);
    Table t(false);
    t.form->setScreenMetrics(screen, 24);
    QCOMPARE(QPoint(t.form->originX(), t.form->originY()), origin);
    QCOMPARE(t.form->Image3->pos(), origin + QPoint(339, 228));
    QCOMPARE(t.form->LbSpeedButton2->pos(), origin + QPoint(351, 460));
    QCOMPARE(t.form->credit_im->pos(), origin + QPoint(622, 153));
    QCOMPARE(t.form->h5->pos(), origin + QPoint(696, 416));
    QCOMPARE(t.form->sg1->pos(), origin + QPoint(640, 396));
    QCOMPARE(t.form->red->geometry(), QRect(QPoint(0, 0), screen));
}

void TestTable::dealNeedsMoney()
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

void TestTable::pendingWinIsPaidBeforeTheBet()
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

void TestTable::wholeHandWithTheMouse()
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

void TestTable::dealtHandPreviewAndItsDraw()
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

void TestTable::dealKeyDuringTheAnimationIsIgnored()
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
void TestTable::keysInsideTheWinTransferPayOnce()
{
    {
        // A Deal key while the pending win goes to the credit: one hand, one bet.
        Table t;
        t.gs.counters.Credit = 100;
        t.gs.counters.Win = 20;
        t.gs.counters.Bet = 10;
        QTimer::singleShot(0, t.form.get(), [&] { key(*t.form, '\r'); });
        QTimer::singleShot(20, t.form.get(), [&] { key(*t.form, ' '); });
        key(*t.form, '\r');
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
        QTimer probe;
        probe.setInterval(0);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            if (!pressed && t.gs.counters.Credit != 100) {
                pressed = true;
                key(*t.form, 'm');
            }
        });
        probe.start();
        key(*t.form, 'm');
        probe.stop();
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
        QTimer::singleShot(0, t.form.get(), [&] { key(*t.form, '+'); });
        key(*t.form, '\r');
        QCOMPARE(t.gs.counters.Bet, 30);
        QCOMPARE(t.gs.counters.Credit, 5);
        QVERIFY(t.settle());
        // The same with the wheel.
        key(*t.form, '\r');
        QVERIFY(t.settle());
        t.gs.counters.Credit = 35;
        t.gs.counters.Win = 0;
        t.gs.counters.Bet = 50;
        QTimer::singleShot(0, t.form.get(), [&] { t.form->FormMouseWheel(120); });
        key(*t.form, '\r');
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
        QTimer::singleShot(0, t.form.get(), [&] { key(*t.form, 'd'); });
        key(*t.form, 'm');
        QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
        QCOMPARE(t.gs.counters.Credit, 120);
        QCOMPARE(t.gs.counters.Win, 0);
        QCOMPARE(t.gs.counters.Bet, 500);
    }
}

void TestTable::payoutControlRunsAtEachPress()
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

void TestTable::bonusPotAndHoldingAllFive()
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

void TestTable::smartHold()
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

void TestTable::betButtonsAndWheel()
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

void TestTable::keysAloneDriveAHandAndADoubleUp()
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
    t.setHand({5}, {3}); // a black five: "+" wins
    key(*t.form, '+');
    QCOMPARE(t.gs.counters.Win, 40);
    QCOMPARE(t.gs.dbl.DoubleRound, uint8_t(2));
    t.gs.hand.Suit[2] = 1; // red: "-" wins
    key(*t.form, '-');
    QCOMPARE(t.gs.counters.Win, 80);
    key(*t.form, '\r'); // collect everything
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.counters.Credit, 90 + 80);
    QCOMPARE(t.gs.counters.Win, 0);
    const Counters saved = savedCounters(t);
    QCOMPARE(saved.RbWon[1], 1u);
    QCOMPARE(saved.RbWon[2], 1u);
    QCOMPARE(saved.Credit, 170);
}

void TestTable::doubleUpOutcomes()
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

void TestTable::doubleUpFiveWonSteps()
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

void TestTable::doubleUpBanking()
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

void TestTable::doubleUpKeyInsideAGuessIsIgnored()
{
    Table t(true, true); // real time: input arrives inside the waits
    t.gs.counters.Win = 10;
    t.gs.counters.Bet = 5;
    t.gs.counters.Bonus = 0;
    key(*t.form, 'd');
    t.setHand({14, 14}, {1, 1}); // "-" loses on a King
    // A second key arrives while the lost guess is still being settled.
    QTimer::singleShot(100, t.form.get(), [&] { key(*t.form, '-'); });
    QTimer::singleShot(150, t.form.get(), [&] { key(*t.form, '\r'); });
    key(*t.form, '-');
    QTest::qWait(300);
    QCOMPARE(t.gs.counters.LhLost[1], 1u);
    QCOMPARE(t.gs.counters.LhLost[2] + t.gs.counters.LhWon[1] + t.gs.counters.LhWon[2], 0u);
    QCOMPARE(t.gs.counters.Bonus, 5);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.HandActive, uint8_t(0));
}

void TestTable::doubleUpNotWhileTheHandWaits()
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

void TestTable::autoDoubleAfterAManualDraw()
{
    Table t;
    t.gs.settings.Joker = 0;
    t.gs.settings.AutoDouble = 1;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 10;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.setHand({13, 13, 13, 4, 9}, {1, 2, 3, 2, 4});
    t.gs.hand.Held.fill(1);
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QVERIFY(QTest::qWaitFor([&] { return t.gs.dbl.DoubleActive == 1; }, 3000));
    QCOMPARE(t.gs.counters.Win, 50);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("3"));
}

// The D key during the second before the automatic start: the game runs once, nothing banked.
void TestTable::autoDoubleLeavesAGameStartedByHand()
{
    Table t;
    t.gs.settings.Joker = 0;
    t.gs.settings.AutoDouble = 1;
    t.gs.counters.Credit = 100;
    t.gs.counters.Bet = 10;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.setHand({13, 13, 13, 4, 9}, {1, 2, 3, 2, 4});
    t.gs.hand.Held.fill(1);
    bool pressed = false;
    QTimer probe;
    probe.setInterval(0);
    QObject::connect(&probe, &QTimer::timeout, [&] {
        if (!pressed && t.gs.State == 3 && t.gs.counters.Win > 0 && !t.gs.dbl.DoubleActive) {
            pressed = true;
            key(*t.form, 'd');
        }
    });
    probe.start();
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QVERIFY(QTest::qWaitFor([&] { return !t.form->Timer4->isActive(); }, 3000));
    QTest::qWait(1300); // past the automatic start
    probe.stop();
    QVERIFY(pressed);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(1));
    QCOMPARE(t.gs.dbl.DoubleRound, uint8_t(1));
    QCOMPARE(t.gs.counters.Win, 50);
    QCOMPARE(t.gs.counters.Credit, 90);
}

void TestTable::autoplayBetsAndStops()
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

void TestTable::payTablePanel()
{
    Table t;
    TStringAlignGrid* g = t.form->sg1;
    QVERIFY(!g->isVisible());
    QCOMPARE(g->size(), QSize(129, 204));
    QCOMPARE(g->cell(0, 0), QStringLiteral("Hand"));
    QCOMPARE(g->cell(0, 6), QStringLiteral("Full "));
    QCOMPARE(g->cell(0, 11), QStringLiteral("Wins"));
    QCOMPARE(g->cell(1, 10), QStringLiteral("1000"));
    QCOMPARE(g->cell(2, 1), QStringLiteral("16.765")); // Joker on by default
    QCOMPARE(g->colorCell(0, 1), QColor(15 + 8, 53 + 8, 66 + 8));
    QCOMPARE(g->colorCell(2, 2), QColor(15 + 12, 53 + 12, 66 + 12));
    QCOMPARE(g->colorCell(3, 5), QColor(89, 154, 158));

    t.gs.counters.Credit = 100;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.setHand({10, 12, 13, 14, 11}, {3, 3, 3, 3, 3});
    t.gs.hand.Held.fill(1);
    const Hand before = t.gs.hand;
    key(*t.form, 'p');
    QVERIFY(g->isVisible());
    QCOMPARE(g->cell(2, 9), QStringLiteral("100.00"));
    QCOMPARE(g->cell(2, 11), QStringLiteral("50000"));
    QCOMPARE(g->cell(2, 1), QStringLiteral("0"));
    QCOMPARE(t.gs.hand.Deck, before.Deck);
    QCOMPARE(t.gs.hand.Held, before.Held);

    // Dragging stays on the screen.
    const QPoint start = t.form->payGridPos();
    t.form->sg1MouseDown(QPoint(10, 10));
    t.form->sg1MouseMove(QPoint(-20, 30));
    QCOMPARE(t.form->payGridPos(), start + QPoint(-30, 20));
    t.form->sg1MouseMove(QPoint(5000, 10));
    QCOMPARE(t.form->payGridPos().x(), start.x() - 30);
    t.form->sg1MouseUp();
    t.form->sg1MouseMove(QPoint(50, 50));
    QCOMPARE(t.form->payGridPos(), start + QPoint(-30, 20));
    press(t.form->proce);
    QVERIFY(!g->isVisible());

    // Opened while the draw is being revealed, the panel still works out the odds of
    // that moment's cards and holds.
    g->setCell(2, 11, QStringLiteral("stale"));
    key(*t.form, '\r');
    QCOMPARE(t.gs.State, uint8_t(2));
    QVERIFY(t.form->phaseBusy());
    key(*t.form, 'p');
    QVERIFY(g->isVisible());
    QCOMPARE(g->cell(2, 11), QStringLiteral("50000"));
    QVERIFY(t.settle());
}

void TestTable::screenChecks_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("message");
    QTest::newRow("800x600") << QSize(800, 600) << 24 << QString();
    QTest::newRow("799x600") << QSize(799, 600) << 24 << "Minimum video mode required is 800x600 !";
    QTest::newRow("800x599") << QSize(800, 599) << 24 << "Minimum video mode required is 800x600 !";
    QTest::newRow("8 bits") << QSize(1024, 768) << 8 << "Minimum color quality is 16 bits per pixel !";
    QTest::newRow("16 bits") << QSize(1024, 768) << 16 << QString();
}

void TestTable::screenChecks()
{
    QFETCH(QSize, screen);
    QFETCH(int, depth);
    QFETCH(QString, message);
    Table t(false, true); // real time: the message stays two seconds
    t.form->setScreenMetrics(screen, depth);
    QElapsedTimer clock;
    clock.start();
    t.form->Timer1Timer();
    QCOMPARE(t.form->ended(), !message.isEmpty());
    if (message.isEmpty()) {
        QVERIFY(SoundService::instance().history().contains(QStringLiteral("intro")));
        return;
    }
    QVERIFY(clock.elapsed() >= 1990);
    QCOMPARE(t.form->mintro->text(), message);
    QVERIFY(!t.form->Timer1->isActive());
    QVERIFY(!QFile::exists(t.savePath(QStringLiteral("poker.ini"))));
    QVERIFY(!QFile::exists(t.savePath(QStringLiteral("poker.dat"))));
}

void TestTable::attractModeSchedule()
{
    Table t;
    t.gs.counters.Credit = 500;
    SoundService::instance().clearHistory();
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    QCOMPARE(t.form->AntiAliasLabel8->text(), QString());

    const char* names[] = {"Jacks or better", "Two Pairs",     "Three of a kind", "Straight",
                           "Flush",           "Full House",    "Poker",           "Straight Flush",
                           "Royal Flush",     "Five of a kind"};
    const char* mult[] = {"2", "3", "5", "7", "9", "12", "40", "100", "500", "1000"};
    for (int i = 0; i < 10; ++i) {
        t.form->setIdleTicks(611 + 100 * i);
        t.form->Timer3Timer();
        QCOMPARE(t.form->AntiAliasLabel1->text(), QString::fromLatin1(names[i]));
        QCOMPARE(t.form->AntiAliasLabel8->text(), QString::fromLatin1(mult[i]));
        if (i < 9) {
            t.form->setIdleTicks(701 + 100 * i);
            t.form->Timer3Timer();
            QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral(" "));
        }
    }
    QCOMPARE(t.form->idleTicks(), 500); // the cycle starts again ten seconds later
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 1, 1, 1, 1, 1}));
    QVERIFY(SoundService::instance().history().isEmpty()); // the showcase is silent
    QCOMPARE(t.gs.counters.Credit, 500);

    // Back to "Demo" and into a hand; a key ends it at once.
    t.form->setIdleTicks(612);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    key(*t.form, 'q');
    QCOMPARE(t.form->idleTicks(), 0);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("1"));
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{}));

    // A disabled table (the Extra screen open) never goes idle.
    t.form->setEnabled(false);
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    QCOMPARE(t.form->idleTicks(), 1);
    t.form->setEnabled(true);

    // A pending win of 40 times the bet keeps the emblem turning; one less does not.
    t.gs.counters.Bet = 10;
    t.gs.counters.Win = 400;
    t.form->setEmblemTicks(100);
    t.form->Timer3Timer();
    QCOMPARE(t.form->emblemTicks(), 30);
    t.gs.counters.Win = 399;
    t.form->setEmblemTicks(100);
    t.form->Timer3Timer();
    QCOMPARE(t.form->emblemTicks(), 101);
}

void TestTable::exitSavesBothFiles()
{
    Table t;
    t.gs.settings.VoiceFx = 0;
    t.gs.settings.SoundFx = 1;
    t.gs.settings.RedBlack = 1;
    t.gs.counters.Credit = 4321;
    const int startHeight = t.form->height();
    SoundService::instance().clearHistory();
    key(*t.form, 'x');
    QVERIFY(t.form->ended());
    QVERIFY(t.form->height() <= 3 && t.form->width() <= 3);
    QVERIFY(startHeight > 3);
    Settings s;
    loadini(s, t.saveDir.path().toStdString() + "/");
    QCOMPARE(s.RedBlack, uint8_t(1));
    QCOMPARE(s.VoiceFx, uint8_t(0));
    QCOMPARE(savedCounters(t).Credit, 4321);
    const QStringList cues = SoundService::instance().history();
    QCOMPARE(cues, (QStringList{QStringLiteral("clickmic"), QStringLiteral("offg")}));
}

// Once the exit has begun no input acts: an Enter, a guess or a bet change that arrives
// while the window shrinks neither deals behind the saved files nor changes them.
void TestTable::exitTakesNoFurtherInput()
{
    Table t(true, true); // real time: input arrives inside the waits
    t.gs.counters.Credit = 500;
    t.gs.counters.Bet = 10;
    int inputsSent = 0;
    QTimer::singleShot(5, t.form.get(), [&] {
        for (char c : {'\r', ' ', '+', 'm', 'd', 'a'})
            key(*t.form, c);
        t.form->FormMouseWheel(120);
        t.form->Timer2Timer();
        inputsSent = 1;
    });
    key(*t.form, 'x');
    QCOMPARE(inputsSent, 1);
    QVERIFY(t.form->ended());
    QCOMPARE(t.gs.counters.Credit, 500);
    QCOMPARE(t.gs.counters.Bet, 10);
    QCOMPARE(t.gs.counters.DealtCounts[12] + t.gs.counters.DealtCountsJoker[12], 0u);
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QVERIFY(!t.form->Timer4->isActive());
    const Counters saved = savedCounters(t);
    QCOMPARE(saved.Credit, 500);
    QCOMPARE(saved.DealtCounts[12] + saved.DealtCountsJoker[12], 0u);
}

// A lost guess is on disk before its card is shown: a restart in the wait that follows
// cannot pay the lost stake.
void TestTable::lostGuessIsSavedBeforeItShows()
{
    Table t(true, true); // real time: input arrives inside the waits
    t.gs.settings.RedBlack = 1;
    t.gs.counters.Win = 400;
    t.gs.counters.Credit = 1000;
    t.gs.counters.Bet = 10;
    key(*t.form, 'd');
    t.setHand({9}, {4}); // black: "-" loses
    // Read back inside the wait, the file must hold the lost stake as 0: a start would
    // otherwise pay it.
    Counters during;
    during.Win = -1;
    QTimer::singleShot(100, t.form.get(), [&] { during = savedCounters(t); });
    key(*t.form, '-');
    QCOMPARE(during.Credit, 1000);
    QCOMPARE(during.Win, 0);
    QCOMPARE(during.RbLost[1], 1u);
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
}

void TestTable::doubleUpLampsBlink()
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

void TestTable::pointerMovementEndsTheShowcase()
{
    Table t;
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    t.form->setIdleTicks(611);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(t.form->Image2, &move);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("1"));
    QCOMPARE(t.form->idleTicks(), 0);
    // The showcase cards stay until the next deal; the hold lights are off.
    QCOMPARE(t.gs.hand.Rank[1], uint8_t(11));
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{}));
}

void TestTable::extraScreenRoundTrip()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    t.form->sg1->show();
    key(*t.form, 's');
    QVERIFY(!t.form->isEnabled());
    QVERIFY(extra.isVisible());
    QVERIFY(!t.form->sg1->isVisible());
    t.gs.counters.Credit = 2000; // as "Insert 1000" would
    extra.closeClick();
    QVERIFY(t.form->isEnabled());
    QVERIFY(!extra.isVisible());
    QVERIFY(QFile::exists(t.savePath(QStringLiteral("poker.ini"))));

    // A new deck shows on the cards lying face down as soon as the screen closes.
    const QImage oldBack = t.form->Image1->canvas().convertToFormat(QImage::Format_RGB32);
    key(*t.form, 's');
    extra.deckClick(2);
    extra.closeClick();
    const QImage newBack = t.imagery.cardImage(CardImagery::BackIndex).convertToFormat(QImage::Format_RGB32);
    QVERIFY(newBack != oldBack);
    QCOMPARE(t.form->Image1->canvas().convertToFormat(QImage::Format_RGB32), newBack);

    // During autoplay the button only disarms.
    t.gs.Autoplay = 1;
    key(*t.form, 's');
    QVERIFY(t.form->isEnabled());
    QVERIFY(!extra.isVisible());
}

void TestTable::missingCardFileStopsBeforeAnyWindow()
{
    QTemporaryDir empty;
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    const QString dir = empty.path() + QLatin1Char('/');
    TForm1 form(gs, sounds, imagery, dir, dir);
    QVERIFY(form.startupError().contains(QStringLiteral("poker2.dat")));
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(!form.isVisible());
    QCOMPARE(QDir(empty.path()).entryList(QDir::Files), QStringList()); // nothing written
}

void TestTable::missingCardBackKeepsTheDefault()
{
    QTemporaryDir dir;
    const QString d = dir.path() + QLatin1Char('/');
    QVERIFY(
        QFile::copy(Table::runtimeDir() + QStringLiteral("poker2.dat"), d + QStringLiteral("poker2.dat")));
    Settings chosen;
    chosen.DeckNo = 3; // deck3.bmp is not in this folder
    QVERIFY(saveini(chosen, d.toStdString()));
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    TForm1 form(gs, sounds, imagery, d, d);
    form.setQuitOnExit(false);
    QVERIFY(form.startupError().isEmpty());
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(gs.settings.DeckNo, uint8_t(3));
    CardImagery reference;
    QVERIFY(reference.LoadCardImages(d));
    const QImage back = reference.cardImage(CardImagery::BackIndex).convertToFormat(QImage::Format_RGB32);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(form.card(k)->canvas().convertToFormat(QImage::Format_RGB32), back);
}

QTEST_MAIN(TestTable)
#include "tst_table.moc"
