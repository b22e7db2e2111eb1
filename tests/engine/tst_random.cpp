// The two generators and the card choice built on them.
#include "engine/random.h"

#include <QtTest>

#include <cfenv>
#include <cmath>

using namespace tarvelle;

class TestRandom : public QObject {
    Q_OBJECT

private slots:
    void ranmarPublishedSequence();
    void ranmarSeedRanges();
    void ranmarUnseeded();
    void randomIntRecurrence();
    void seedingOrder();
    void cardRoundingMatchesWideFloat();
    void cardRoundingTies();
    void randomCardOfOneStillAdvances();
};

void TestRandom::ranmarPublishedSequence()
{
    Rmar r;
    r.RanmarInit(1802, 9373);
    for (int i = 0; i < 20000; ++i)
        r.RanmarNext();
    const double expected[] = {6533892, 14220222, 7275067, 6172232, 8354498, 10633180};
    for (double e : expected)
        QCOMPARE(r.RanmarNext() * 16777216.0, e);
}

void TestRandom::ranmarSeedRanges()
{
    Rmar r;
    r.RanmarInit(31328, 30081); // the largest seeds are valid
    r.RanmarInit(0, 0);
    QVERIFY(r.ready());
    Rmar copy = r;

    const int bad[][2] = {{31329, 0}, {0, 30082}, {-1, 0}, {0, -1}};
    for (const auto& seeds : bad) {
        try {
            r.RanmarInit(seeds[0], seeds[1]);
            QFAIL(qPrintable(QString("seeds %1, %2 were accepted").arg(seeds[0]).arg(seeds[1])));
        } catch (const RanmarError& e) {
            QCOMPARE(std::string(e.what()), std::string("!!"));
        }
    }
    // A refused seed changes nothing: the stream goes on as before.
    for (int i = 0; i < 100; ++i)
        QCOMPARE(r.RanmarNext(), copy.RanmarNext());
}

void TestRandom::ranmarUnseeded()
{
    Rmar r;
    QVERIFY(!r.ready());
    try {
        r.RanmarNext();
        QFAIL("an unseeded generator produced a value");
    } catch (const RanmarError& e) {
        QCOMPARE(std::string(e.what()), std::string("!"));
    }
    RandomSource source; // never seeded: the card choice must refuse too
    QVERIFY_THROWS_EXCEPTION(RanmarError, source.RandomCard(52));
}

void TestRandom::randomIntRecurrence()
{
    // Check against the recurrence in 64-bit arithmetic and the result as a
    // fraction of 2^32, for bounds from 1 up to the largest int.
    const int bounds[] = {1, 2, 10, 52, 125479, 30001, 1 << 30, 2147483647};
    SystemRandom g(0xDEADBEEF);
    uint64_t seed = 0xDEADBEEF;
    for (int round = 0; round < 1000; ++round) {
        for (int n : bounds) {
            seed = (seed * 134775813ull + 1ull) % 4294967296ull;
            const long double exact = std::floor((long double)seed * n / 4294967296.0L);
            const int got = g.RandomInt(n);
            QCOMPARE(g.seed(), uint32_t(seed));
            QCOMPARE((long double)got, exact);
            QVERIFY(got >= 0 && got < n);
        }
    }
    SystemRandom zero(0);
    QCOMPARE(zero.RandomInt(1000), 0); // first seed is 1, far below 2^32 / 1000
    QCOMPARE(zero.seed(), 1u);
}

void TestRandom::seedingOrder()
{
    // kl is drawn before ij, then the lagged-Fibonacci generator is seeded with them.
    const uint32_t seeds[] = {0, 1, 12345, 0xFFFFFFFF};
    for (uint32_t s : seeds) {
        SystemRandom g(s);
        const int kl = g.RandomInt(30001);
        const int ij = g.RandomInt(31300);
        Rmar expected;
        expected.RanmarInit(ij, kl);

        RandomSource source;
        source.seed(s);
        QCOMPARE(source.system().seed(), g.seed());
        for (int i = 0; i < 50; ++i)
            QCOMPARE(source.rmar().RanmarNext(), expected.RanmarNext());
    }
}

void TestRandom::cardRoundingMatchesWideFloat()
{
    // The integer rounding must agree with b + u * 123117 in 80-bit floating point
    // rounded to nearest-even, over real generator output.
    QCOMPARE(std::fegetround(), FE_TONEAREST);
    Rmar r;
    r.RanmarInit(4711, 815);
    SystemRandom g(99);
    for (int i = 0; i < 200000; ++i) {
        const int b = g.RandomInt(125479);
        const double u = r.RanmarNext();
        const long double x = (long double)b + (long double)u * 123117.0L;
        const long long rounded = std::llrint(x);
        for (int n : {1, 43, 47, 48, 52, 53})
            QCOMPARE(cardFromDraw(b, u, n), int(rounded % n) + 1);
    }
}

void TestRandom::cardRoundingTies()
{
    // u = 1/2 puts x exactly halfway: 0.5 * 123117 = 61558.5.
    QCOMPARE(cardFromDraw(0, 0.5, 125479 * 2), 61558 + 1); // 61558 is even: down
    QCOMPARE(cardFromDraw(1, 0.5, 125479 * 2), 61560 + 1); // 61559.5 goes up to even
    QCOMPARE(cardFromDraw(2, 0.5, 53), 61560 % 53 + 1);
    // Just either side of the tie rounds the plain way.
    const double below = 0.5 - 1.0 / 16777216.0;
    const double above = 0.5 + 1.0 / 16777216.0;
    QCOMPARE(cardFromDraw(1, below, 1000000), 61559 + 1);
    QCOMPARE(cardFromDraw(0, above, 1000000), 61559 + 1);
    // The largest values stay exact: b = 125478, u = 1 - 2^-24.
    const double top = 16777215.0 / 16777216.0;
    const long double x = 125478.0L + (long double)top * 123117.0L;
    QCOMPARE(cardFromDraw(125478, top, 1000000), int(std::llrint(x) % 1000000) + 1);
}

void TestRandom::randomCardOfOneStillAdvances()
{
    RandomSource source;
    source.seed(2024);
    for (int i = 0; i < 100; ++i) {
        RandomSource before = source;
        QCOMPARE(source.RandomCard(1), 1);
        // It drew passes + passes values from the system generator and passes from RANMAR.
        const int passes = before.RandomInt(10) + 1;
        for (int p = 0; p < passes; ++p) {
            before.RandomInt(125479);
            before.rmar().RanmarNext();
        }
        QCOMPARE(source.system().seed(), before.system().seed());
        QCOMPARE(source.rmar().RanmarNext(), before.rmar().RanmarNext());
    }
}

QTEST_APPLESS_MAIN(TestRandom)
#include "tst_random.moc"
