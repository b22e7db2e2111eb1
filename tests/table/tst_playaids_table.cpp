// Play aids on the table: autoplay and the double-up meeting inside the waits of a hand.
#include "tests/table/tablefixture.h"

#include <QtTest>

using namespace tarvelle;
using tarvelle::testing::Table;
using tarvelle::testing::keyInside;

namespace {

void key(TForm1& f, char c)
{
    f.FormKeyPress(QLatin1Char(c));
}

// A manual hand whose draw ends on three Kings (Joker off): a win of 5 x the bet. The key
// is sent as soon as the draw has settled, while the table waits before Auto Double.
void drawThreeKingsThenKey(Table& t, char c)
{
    QVERIFY(t.dealWithAutoDouble(100));
    t.holdThreeKings();
    bool sent = false;
    QTimer watch;
    watch.setInterval(5);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (!sent && t.gs.State == 3 && !t.form->phaseBusy() && t.gs.counters.Win > 0) {
            sent = true;
            key(*t.form, c);
        }
    });
    watch.start();
    key(*t.form, '\r');
    QVERIFY(t.settle());
    QVERIFY(sent);
    QVERIFY(QTest::qWaitFor([&] { return !t.form->phaseBusy(); }, 3000));
    QTest::qWait(200);
}

} // namespace

class TestPlayAidsTable : public QObject {
    Q_OBJECT
private slots:
    void autoplayChosenBeforeAutoDoubleKeepsTheWin();
    void manualDealInsideAnAutoplayStepIsRefused();
};

// Auto Double waits a second after the draw; autoplay switched on in that second must not
// find itself inside a double-up it can neither play nor leave.
void TestPlayAidsTable::autoplayChosenBeforeAutoDoubleKeepsTheWin()
{
    Table t(true, true); // real time: the real timers deliver the animation and the waits
    t.gs.settings.AutoDouble = 1;
    drawThreeKingsThenKey(t, 'a');
    t.form->Timer2->stop(); // no autoplay tick of its own in this test
    QCOMPARE(t.gs.Autoplay, uint8_t(1));
    QCOMPARE(t.gs.dbl.DoubleActive, uint8_t(0));
    QCOMPARE(t.gs.counters.Win, 50); // the win waits for the next autoplay deal

    // Autoplay deals on and can still be stopped by its button.
    t.form->Timer2Timer();
    QCOMPARE(t.gs.counters.Win, 0);
    QVERIFY(t.settle());
    QCOMPARE(t.gs.State, uint8_t(2));
    key(*t.form, 'a');
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QVERIFY(!t.form->Timer2->isActive());
}

// Autoplay switched off and Deal pressed while an autoplay step moves the win to the
// credit: the step deals its one hand and the bet is taken once.
void TestPlayAidsTable::manualDealInsideAnAutoplayStepIsRefused()
{
    Table t;
    t.gs.counters.Credit = 100;
    t.gs.counters.Win = 20;
    t.gs.counters.Bet = 10;
    key(*t.form, 'a');
    QCOMPARE(t.gs.Autoplay, uint8_t(1));
    t.form->Timer2->stop(); // the test drives the steps itself
    t.form->Timer2Timer();
    t.throughWaits([&](int n) {
        if (n == 0) {
            keyInside(*t.form, 'a');  // autoplay off inside the step's wait...
            keyInside(*t.form, '\r'); // ...and a manual deal straight after
        }
    });
    QVERIFY(t.settle());
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QCOMPARE(t.gs.counters.Credit, 110);
    QCOMPARE(t.gs.counters.DealtCounts[12] + t.gs.counters.DealtCountsJoker[12], 1u);
    QCOMPARE(t.gs.State, uint8_t(2));
}

QTEST_MAIN(TestPlayAidsTable)
#include "tst_playaids_table.moc"
