// With the payout-rate control off, the cards depend on the seed alone: two tables with the
// same seed but different money and statistics deal and draw the same cards, hand by hand,
// through the real hand flow. With the control on they may not (the check has teeth).
#include "tests/table/tablefixture.h"

#include <QTest>

using namespace tarvelle;

namespace {

QList<int> play(bool control, int32_t credit, uint32_t deals, int64_t inserted, int hands)
{
    testing::Table t;
    Settings& s = t.gs.settings;
    s.PayoutControl = control ? 1 : 0;
    s.PayoutRate = 50;
    s.AutoDouble = 0;
    s.SoundFx = 0;
    s.VoiceFx = 0;
    Counters& c = t.gs.counters;
    c.Credit = credit;
    c.InsertedTotal = inserted;
    c.DealtCounts[12] = deals;
    c.FinalCounts[3] = deals / 7;
    t.gs.rng.seed(424242);
    QList<int> cards;
    for (int h = 0; h < hands; ++h) {
        for (int phase = 0; phase < 2; ++phase) {
            t.form->FormKeyPress(QLatin1Char('\r'));
            if (!t.settle())
                return {};
            for (int k = 1; k <= 5; ++k)
                cards << t.gs.hand.code(k);
        }
    }
    return cards;
}

} // namespace

class TestSameDeal : public QObject {
    Q_OBJECT

private slots:
    void moneyDoesNotSteerTheCards();
};

void TestSameDeal::moneyDoesNotSteerTheCards()
{
    const int hands = 6;
    const QList<int> poor = play(false, 1000, 0, 1000, hands);
    QCOMPARE(poor.size(), hands * 10);
    QCOMPARE(play(false, 900000, 123456, 1000, hands), poor);

    // The control reads the money: there the same seed deals otherwise.
    const QList<int> tight = play(true, 900000, 0, 1000, hands);
    QCOMPARE(tight.size(), hands * 10);
    QVERIFY(tight != poor);
}

QTEST_MAIN(TestSameDeal)
#include "tst_samedeal.moc"
