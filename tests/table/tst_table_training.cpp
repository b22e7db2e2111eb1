// Training mode at the table, by keys as a player uses it: a hold worth less than the best
// stops the draw with both holds and the cost; Y draws anyway, B draws to the best hold, N
// leaves the hold to change; a best hold (or one under the threshold) draws at once. On the
// table's own game and on a casino game.
#include "tests/table/tablefixture.h"

#include "table/coachpanel.h"

#include "engine/coach.h"

#include <QLabel>
#include <QtTest>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

void holdByKeys(TForm1& f, const Hand& hand, int mask)
{
    // Smart Hold's first click clears the proposal: a second pass sets what it cleared.
    for (int pass = 0; pass < 3 && heldMask(hand) != mask; ++pass) {
        for (int k = 1; k <= 5; ++k) {
            if (((mask >> (k - 1)) & 1) != hand.Held[size_t(k)])
                key(f, char('0' + k));
        }
    }
}

} // namespace

class TestTraining : public QObject {
    Q_OBJECT
private slots:
    void wrongHoldWaitsForAWord_data();
    void wrongHoldWaitsForAWord();
};

void TestTraining::wrongHoldWaitsForAWord_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<int>("presses"); // of T: 1 every mistake, 2 those over 0.02
    QTest::newRow("table's game, every mistake") << QString() << 1;
    QTest::newRow("9/6 Jacks, every mistake") << QStringLiteral("jacks-9-6") << 1;
    QTest::newRow("Deuces Wild, over 0.02") << QStringLiteral("deuces-wild") << 2;
}

void TestTraining::wrongHoldWaitsForAWord()
{
    QFETCH(QString, game);
    QFETCH(int, presses);
    Table t;
    TForm1& f = *t.form;
    if (!game.isEmpty()) {
        int index = -1;
        for (int i = 0; i < int(f.games().size()); ++i)
            if (f.games()[size_t(i)].id == game.toStdString())
                index = i;
        f.chooseGame(index);
        QVERIFY(t.gs.casino);
    }
    QVERIFY(!f.coach->training());
    for (int i = 0; i < presses; ++i)
        key(f, 'T');
    QVERIFY(f.coach->training());
    const long double threshold = f.coach->settings().threshold / 10000.0L;
    QCOMPARE(double(threshold), presses == 1 ? 0.0 : 0.02);

    int stopped = 0, atOnce = 0;
    for (int hand = 0; hand < 36; ++hand) {
        key(f, '\r');
        QVERIFY(t.settle());
        const auto advice = *f.coach->coach().hand();
        QCOMPARE(advice.cards(), handCards(t.gs.hand));
        // The best hold, the worst, or the second best, in turn.
        const int mask = advice.ranking()[size_t(hand % 3 == 0 ? 0 : hand % 3 == 1 ? 31 : 1)];
        holdByKeys(f, t.gs.hand, mask);
        QCOMPARE(heldMask(t.gs.hand), mask);
        const long double cost = advice.value(advice.best()) - advice.value(mask);
        const bool wrong = !advice.isBest(mask) && cost > threshold;
        key(f, '\r');
        t.settle();
        if (!wrong) {
            ++atOnce;
            QVERIFY(!f.trainingShown());
            QVERIFY(!f.round().handShown());
            QCOMPARE(keptMask(advice.cards(), handCards(t.gs.hand)), mask);
            continue;
        }
        ++stopped;
        QVERIFY(f.trainingShown());
        QVERIFY(f.round().handShown()); // nothing drawn, nothing paid yet
        QCOMPARE(heldMask(t.gs.hand), mask);
        const QString text = f.trainingWarning()->findChild<QLabel*>()->text();
        QVERIFY2(text.contains(QString::number(double(cost), 'f', 4)), qPrintable(text));
        // Enter again with the same hold is still held back.
        key(f, '\r');
        QVERIFY(f.round().handShown());
        const char choice = "YBN"[hand % 3];
        key(f, choice);
        QVERIFY(!f.trainingShown());
        if (choice == 'N') {
            QVERIFY(f.round().handShown()); // the hold is the player's to change
            holdByKeys(f, t.gs.hand, advice.best());
            key(f, '\r');
        }
        t.settle();
        QVERIFY(!f.round().handShown());
        QCOMPARE(keptMask(advice.cards(), handCards(t.gs.hand)), choice == 'Y' ? mask : advice.best());
    }
    QVERIFY(stopped >= 10);
    QVERIFY(atOnce >= 10);

    // Training off again: a bad hold draws at once.
    for (int i = presses; i <= 3; ++i)
        key(f, 'T');
    QVERIFY(!f.coach->training());
    key(f, '\r');
    QVERIFY(t.settle());
    holdByKeys(f, t.gs.hand, f.coach->coach().hand()->ranking()[31]);
    key(f, '\r');
    t.settle();
    QVERIFY(!f.trainingShown());
    QVERIFY(!f.round().handShown());
}

QTEST_MAIN(TestTraining)
#include "tst_table_training.moc"
