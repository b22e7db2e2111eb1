#include "engine/deal.h"
#include "engine/evaluator.h"
#include "engine/payoutcontrol.h"
#include "tests/playaids/testhands.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <limits>
#include <utility>

using namespace tarvelle;

namespace {

constexpr double Start = 46000.25;     // any date-time in days
constexpr double Period = 1.0 / 288.0; // five minutes
constexpr double EvenTime = Start + 0.2 * Period;
constexpr double OddTime = Start + 1.3 * Period;

// The counts ctrl must produce from these draws, in the order the rules list them.
struct Trials {
    int level, deal, draw;
};
Trials expectedTrials(RandomSource& r, int level, bool tight)
{
    if (tight && r.RandomInt(7) < 5)
        level = 4;
    auto pick = [&r](int n, auto test, int yes, int no) { return test(r.RandomInt(n)) ? yes : no; };
    auto isOne = [](int v) { return v == 1; };
    auto aboveOne = [](int v) { return v > 1; };
    Trials t{level, 1, 1};
    switch (level) {
    case 0:
        t.draw = pick(2, isOne, 1, 2);
        break;
    case 1:
        t.deal = pick(2, isOne, 1, 2);
        t.draw = pick(2, isOne, 1, 2);
        break;
    case 2:
        t.deal = pick(3, isOne, 1, 3);
        t.draw = pick(3, isOne, 1, 3);
        break;
    case 3:
        t.deal = pick(5, aboveOne, 4, 1);
        t.draw = pick(5, aboveOne, 4, 1);
        break;
    default:
        t.deal = pick(5, aboveOne, 5, 2);
        t.draw = pick(5, aboveOne, 5, 2);
    }
    if (r.RandomInt(10) == 1)
        t.deal = t.draw = 1;
    return t;
}

int classOf(Hand h)
{
    HandFlags flags{};
    return EvaluateHand(h, flags, false);
}

// The deal leaves position 1's card at Deck[N], position 2's at Deck[N-1] and so on.
bool deckCarriesHand(const Hand& h, bool joker)
{
    const int n = deckSize(joker);
    for (int i = 1; i <= 5; ++i) {
        if (h.Deck[n + 1 - i] != h.code(i))
            return false;
    }
    return true;
}

// First and last of the candidates with the smallest class.
std::pair<int, int> lowestClass(const Hand (&candidates)[5])
{
    int lowest = 99, first = -1, last = -1;
    for (int k = 0; k < 5; ++k) {
        const int cls = classOf(candidates[k]);
        if (cls < lowest) {
            lowest = cls;
            first = k;
        }
        if (cls == lowest)
            last = k;
    }
    return {first, last};
}

bool sameCards(const Hand& a, const Hand& b)
{
    return a.Deck == b.Deck && a.Suit == b.Suit && a.Rank == b.Rank;
}

} // namespace

class TestPayoutControl : public QObject {
    Q_OBJECT

private slots:
    void realisedPayoutRounding_data();
    void realisedPayoutRounding();
    void realisedPayoutMatchesExtendedDivision();
    void levelTableAndDrawOrder_data();
    void levelTableAndDrawOrder();
    void tightFlagRhythmAndOverrides_data();
    void tightFlagRhythmAndOverrides();
    void tightFlagForcesLevelFour();
    void nothingInsertedCountsAsZeroPercent();
    void oneCandidateIsThePlainDealAndDraw();
    void dealKeepsWorstLaterOnTies();
    void drawKeepsWorstAndRestoresHolds();
    void trialCountsAreClamped();
    void normaliseRate();
};

void TestPayoutControl::realisedPayoutRounding_data()
{
    QTest::addColumn<int>("credit");
    QTest::addColumn<qint64>("cashout");
    QTest::addColumn<qint64>("inserted");
    QTest::addColumn<int>("percent");

    QTest::newRow("exact") << 700 << qint64(0) << qint64(1000) << 70;
    QTest::newRow("half down to even") << 141 << qint64(0) << qint64(200) << 70;
    QTest::newRow("half up to even") << 143 << qint64(0) << qint64(200) << 72;
    QTest::newRow("half below, even above") << 139 << qint64(0) << qint64(200) << 70;
    QTest::newRow("third") << 1 << qint64(0) << qint64(3) << 33;
    QTest::newRow("two thirds") << 2 << qint64(0) << qint64(3) << 67;
    QTest::newRow("cashout counts") << 100 << qint64(600) << qint64(1000) << 70;
    QTest::newRow("negative half to even") << -141 << qint64(0) << qint64(200) << -70;
    QTest::newRow("negative half away") << -143 << qint64(0) << qint64(200) << -72;
    QTest::newRow("beyond 32 bits clamps")
        << std::numeric_limits<int32_t>::max() << qint64(4'000'000'000'000'000'000) << qint64(1)
        << std::numeric_limits<int32_t>::max();
}

void TestPayoutControl::realisedPayoutRounding()
{
    QFETCH(int, credit);
    QFETCH(qint64, cashout);
    QFETCH(qint64, inserted);
    QFETCH(int, percent);
    QCOMPARE(RealisedPayout(credit, cashout, inserted), percent);
}

// The game's formula divides in 80-bit floating point; the integer rounding must agree
// wherever the 64-bit product does not overflow, including right next to the halves.
void TestPayoutControl::realisedPayoutMatchesExtendedDivision()
{
    RandomSource rng = testhands::source(77);
    int checked = 0;
    for (int i = 0; i < 20000; ++i) {
        int64_t inserted = 1 + (int64_t(rng.RandomInt(1 << 30)) << rng.RandomInt(25));
        const int32_t credit = rng.RandomInt(1 << 30) - (1 << 29);
        int64_t held = int64_t(rng.RandomInt(1 << 30)) << rng.RandomInt(20);
        if (i % 2 == 0) {
            // On a half, or one unit beside it: held = (2k+1)w + d over inserted = 200w.
            const int64_t w =
                1 + (int64_t(rng.RandomInt(1 << 30)) << rng.RandomInt(15)); // keeps 100 * held below 2^63
            inserted = 200 * w;
            held = (2 * int64_t(rng.RandomInt(1000)) + 1) * w + rng.RandomInt(3) - 1;
        }
        const int64_t cashout = held - credit;
        const long double q = (long double)(100 * held) / (long double)inserted;
        const long long expected = std::llrint(q);
        if (expected > std::numeric_limits<int32_t>::max() || expected < std::numeric_limits<int32_t>::min())
            continue;
        QCOMPARE(RealisedPayout(credit, cashout, inserted), int32_t(expected));
        ++checked;
    }
    QVERIFY(checked > 5000);
}

void TestPayoutControl::levelTableAndDrawOrder_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("percent");
    QTest::addColumn<int>("level");

    const int rates[] = {100, 70, 50};
    for (int r : rates) {
        const QByteArray p = QByteArray::number(r) + " ";
        QTest::newRow(p + "at target") << r << r << 2;
        QTest::newRow(p + "one below") << r << r - 1 << 1;
        QTest::newRow(p + "nine below") << r << r - 9 << 1;
        QTest::newRow(p + "ten below") << r << r - 10 << 0;
        QTest::newRow(p + "one above") << r << r + 1 << 3;
        QTest::newRow(p + "nine above") << r << r + 9 << 3;
        QTest::newRow(p + "ten above") << r << r + 10 << 4;
    }
    QTest::newRow("nothing left") << 70 << 0 << 0;
    QTest::newRow("far above") << 50 << 400 << 4;
}

// Credit below 100 keeps the rhythm out, so the level is the table's alone.
void TestPayoutControl::levelTableAndDrawOrder()
{
    QFETCH(int, rate);
    QFETCH(int, percent);
    QFETCH(int, level);

    QSet<int> deals, draws;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        RandomSource rng = testhands::source(seed);
        RandomSource copy = rng;
        PayoutControlState pc;
        pc.StartTime = Start;
        ctrl(pc, rng, 50, 10 * int64_t(percent) - 50, 1000, uint8_t(rate), EvenTime);

        const Trials t = expectedTrials(copy, level, false);
        QCOMPARE(int(pc.TightFlag), 0);
        QCOMPARE(int(pc.ControlLevel), level);
        QCOMPARE(int(pc.DealTrials), t.deal);
        QCOMPARE(int(pc.DrawTrials), t.draw);
        QVERIFY2(testhands::sameState(rng, copy), "ctrl drew a different number of random values");
        deals.insert(pc.DealTrials);
        draws.insert(pc.DrawTrials);
    }
    // Both outcomes of each draw turn up, so the order was really checked.
    QVERIFY(deals.size() >= (level == 0 ? 1 : 2));
    QVERIFY(draws.size() >= 2);
}

void TestPayoutControl::tightFlagRhythmAndOverrides_data()
{
    QTest::addColumn<int>("credit");
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("now");
    QTest::addColumn<int>("tight");

    QTest::newRow("start of the run") << 500 << 70 << Start << 1;
    QTest::newRow("even period") << 500 << 70 << EvenTime << 1;
    QTest::newRow("odd period") << 500 << 70 << OddTime << 0;
    QTest::newRow("second even period") << 500 << 70 << Start + 2.2 * Period << 1;
    QTest::newRow("rounds to the nearer period") << 500 << 70 << Start + 1.6 * Period << 1;
    QTest::newRow("a day later, odd") << 500 << 70 << Start + 289.0 * Period << 0;
    QTest::newRow("150 % is not above") << 500 << 150 << OddTime << 0;
    QTest::newRow("above 150 % in odd period") << 500 << 151 << OddTime << 1;
    QTest::newRow("credit 100 is enough") << 100 << 200 << OddTime << 1;
    QTest::newRow("credit below 100 beats payout") << 99 << 200 << OddTime << 0;
    QTest::newRow("credit below 100 beats even period") << 99 << 70 << EvenTime << 0;
    QTest::newRow("negative credit") << -5 << 300 << EvenTime << 0;
}

void TestPayoutControl::tightFlagRhythmAndOverrides()
{
    QFETCH(int, credit);
    QFETCH(int, percent);
    QFETCH(double, now);
    QFETCH(int, tight);

    RandomSource rng = testhands::source(5);
    PayoutControlState pc;
    pc.StartTime = Start;
    // inserted 1000: percent points are tenths of the 1000 inserted
    ctrl(pc, rng, credit, 10 * int64_t(percent) - credit, 1000, 70, now);
    QCOMPARE(int(pc.TightFlag), tight);
}

// In a tight period five of seven draws push the level to 4 whatever the payout.
void TestPayoutControl::tightFlagForcesLevelFour()
{
    int forced = 0, kept = 0;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        RandomSource rng = testhands::source(seed);
        RandomSource copy = rng;
        PayoutControlState pc;
        pc.StartTime = Start;
        ctrl(pc, rng, 500, 0, 1000, 70, EvenTime); // 50 %: level 0 on its own

        const Trials t = expectedTrials(copy, 0, true);
        QCOMPARE(int(pc.TightFlag), 1);
        QCOMPARE(int(pc.ControlLevel), t.level);
        QCOMPARE(int(pc.DealTrials), t.deal);
        QCOMPARE(int(pc.DrawTrials), t.draw);
        QVERIFY(testhands::sameState(rng, copy));
        (t.level == 4 ? forced : kept)++;
    }
    QVERIFY(forced > kept);
    QVERIFY(kept > 0);
}

void TestPayoutControl::nothingInsertedCountsAsZeroPercent()
{
    QCOMPARE(RealisedPayout(5000, 100, 0), 0);
    QCOMPARE(RealisedPayout(5000, 100, -20), 0);

    for (int64_t inserted : {int64_t(0), int64_t(-1)}) {
        RandomSource rng = testhands::source(9);
        RandomSource copy = rng;
        PayoutControlState pc;
        pc.StartTime = Start;
        ctrl(pc, rng, 5000, 100, inserted, 50, OddTime);
        const Trials t = expectedTrials(copy, 0, false);
        QCOMPARE(int(pc.ControlLevel), 0);
        QCOMPARE(int(pc.TightFlag), 0);
        QCOMPARE(int(pc.DealTrials), t.deal);
        QCOMPARE(int(pc.DrawTrials), t.draw);
    }
}

void TestPayoutControl::oneCandidateIsThePlainDealAndDraw()
{
    for (bool joker : {false, true}) {
        for (uint32_t seed = 1; seed <= 30; ++seed) {
            RandomSource rng = testhands::source(seed);
            RandomSource plainRng = rng;
            Hand controlled, plain;
            controlled.Held.fill(1);
            genecaz(controlled, rng, joker, 1);
            DealHand(plain, plainRng, joker);
            QVERIFY(sameCards(controlled, plain));
            QCOMPARE(testhands::held(controlled), QStringLiteral("00000"));
            QVERIFY(testhands::sameState(rng, plainRng));

            // Hold a different pattern each time, including none and all.
            for (int i = 1; i <= 5; ++i)
                controlled.Held[i] = plain.Held[i] = uint8_t((seed >> (i - 1)) & 1);
            ControlledDraw(controlled, rng, joker, 1);
            DrawCards(plain, plainRng, joker);
            QVERIFY(sameCards(controlled, plain));
            QCOMPARE(controlled.Held, plain.Held);
            QVERIFY(testhands::sameState(rng, plainRng));
        }
    }
}

void TestPayoutControl::dealKeepsWorstLaterOnTies()
{
    int tiesSeen = 0;
    for (bool joker : {false, true}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            RandomSource rng = testhands::source(seed);
            RandomSource copy = rng;
            Hand candidates[5];
            Hand scratch;
            for (Hand& c : candidates) {
                DealHand(scratch, copy, joker);
                c = scratch;
            }
            const auto [firstLowest, lastLowest] = lowestClass(candidates);

            Hand h;
            h.Held.fill(1);
            genecaz(h, rng, joker, 5);
            QVERIFY(sameCards(h, candidates[lastLowest]));
            QVERIFY(deckCarriesHand(h, joker));
            QCOMPARE(testhands::held(h), QStringLiteral("00000"));
            QCOMPARE(h.Rank, candidates[lastLowest].Rank); // the Joker's rank is back to 2
            QVERIFY(testhands::sameState(rng, copy));
            if (firstLowest != lastLowest && !sameCards(candidates[firstLowest], candidates[lastLowest]))
                ++tiesSeen;
        }
    }
    QVERIFY(tiesSeen > 10);
}

void TestPayoutControl::drawKeepsWorstAndRestoresHolds()
{
    int tiesSeen = 0;
    for (bool joker : {false, true}) {
        for (uint32_t seed = 1; seed <= 40; ++seed) {
            RandomSource rng = testhands::source(seed);
            Hand dealt;
            DealHand(dealt, rng, joker);
            for (int i = 1; i <= 5; ++i)
                dealt.Held[i] = uint8_t((seed >> (i - 1)) & 1) & (i != 3); // never all five
            const Hand before = dealt;

            RandomSource copy = rng;
            Hand candidates[5];
            for (Hand& c : candidates) {
                c = before;
                DrawCards(c, copy, joker);
            }
            const auto [firstLowest, lastLowest] = lowestClass(candidates);

            Hand h = before;
            ControlledDraw(h, rng, joker, 5);
            QVERIFY(sameCards(h, candidates[lastLowest]));
            QCOMPARE(h.Held, before.Held);
            for (int i = 1; i <= 5; ++i) {
                if (before.Held[i]) {
                    QCOMPARE(h.Suit[i], before.Suit[i]);
                    QCOMPARE(h.Rank[i], before.Rank[i]);
                }
            }
            QVERIFY(testhands::sameState(rng, copy));
            if (firstLowest != lastLowest && !sameCards(candidates[firstLowest], candidates[lastLowest]))
                ++tiesSeen;
        }
    }
    QVERIFY(tiesSeen > 10);
}

// Counts outside 1..5 (a slip in the caller) neither skip the deal nor overrun storage.
void TestPayoutControl::trialCountsAreClamped()
{
    RandomSource rng = testhands::source(3);
    RandomSource one = rng;
    Hand h, plain;
    genecaz(h, rng, true, 0);
    DealHand(plain, one, true);
    QVERIFY(sameCards(h, plain));

    RandomSource five = rng;
    genecaz(h, rng, true, 40);
    Hand scratch;
    for (int k = 0; k < 5; ++k)
        DealHand(scratch, five, true);
    QVERIFY(testhands::sameState(rng, five));
}

void TestPayoutControl::normaliseRate()
{
    for (int r : {100, 90, 80, 70, 60, 50})
        QCOMPARE(int(NormalisePayoutRate(uint8_t(r))), r);
    for (int r : {0, 75, 101, 255})
        QCOMPARE(int(NormalisePayoutRate(uint8_t(r))), 70);
}

QTEST_APPLESS_MAIN(TestPayoutControl)
#include "tst_payoutcontrol.moc"
