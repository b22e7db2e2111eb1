// Risk of ruin: the exact method against the closed form of games with two outcomes (the
// hitting-time theorem) for every bankroll, against a seeded simulation of real games within
// its error, its truncation within the bound it states, and the orderings any ruin chance obeys.
#include "engine/analysis.h"
#include "engine/game.h"
#include "engine/risk.h"

#include <QTest>

#include <cmath>
#include <map>

using namespace tarvelle;

namespace {

// A hand that loses its bet with chance 1 − p and wins `net` bets with chance p.
std::vector<HandOutcome> twoOutcomes(long double p, int64_t net)
{
    return {{-1, 1 - p}, {net, p}};
}

// Such a walk falls one bet at a time, so the chance that it first reaches −k at hand n is
// (k / n) · P(S_n = −k); S_n = −k needs w wins with w · (net + 1) = n − k.
long double closedFormRuin(long double p, int64_t net, int64_t bankroll, int64_t hands)
{
    long double sum = 0;
    for (int64_t n = bankroll; n <= hands; ++n) {
        if ((n - bankroll) % (net + 1) != 0)
            continue;
        const int64_t w = (n - bankroll) / (net + 1);
        const long double logTerm = std::lgamma((long double)n + 1) - std::lgamma((long double)w + 1) -
                                    std::lgamma((long double)(n - w) + 1) + w * std::log(p) +
                                    (n - w) * std::log1p(-p);
        sum += (long double)bankroll / n * std::exp(logTerm);
    }
    return sum;
}

} // namespace

class TestRisk : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void twoOutcomeGamesMatchTheClosedForm_data();
    void twoOutcomeGamesMatchTheClosedForm();
    void longRunOfTwoOutcomeGames();
    void exactAgreesWithSimulation_data();
    void exactAgreesWithSimulation();
    void truncationStaysWithinItsBound();
    void moreBankrollLessRuinMoreHandsMoreRuin();

private:
    // Three games of different shapes: 9/6 Jacks (under 100 %), full-pay Deuces Wild (over
    // 100 %) and Double Double Bonus (a long tail of four-of-a-kind pays).
    std::map<QString, std::vector<HandOutcome>> m_outcomes;
};

void TestRisk::initTestCase()
{
    for (const char* id : {"jacks-9-6", "deuces-wild", "double-double-bonus-9-6"}) {
        ReturnOptions o;
        o.game = *findGame(id);
        const GameReturn r = gameReturn(o);
        const auto outcomes = handOutcomes(*o.game, r);
        // The figures' own return and spread come back from the outcomes.
        const RiskFigures f = riskFigures(outcomes, 1, 0);
        QVERIFY(std::abs(f.rate - r.rate) < 1e-12);
        QVERIFY(std::abs(f.deviation - r.deviation) < 1e-9);
        m_outcomes[id] = outcomes;
    }
}

void TestRisk::twoOutcomeGamesMatchTheClosedForm_data()
{
    QTest::addColumn<double>("p");
    QTest::addColumn<qint64>("net");
    QTest::addColumn<qint64>("hands");
    QTest::newRow("even money, fair") << 0.5 << qint64(1) << qint64(1500);
    QTest::newRow("even money, against") << 0.47 << qint64(1) << qint64(2000);
    QTest::newRow("even money, for") << 0.55 << qint64(1) << qint64(1000);
    QTest::newRow("nine to one, fair") << 0.1 << qint64(9) << qint64(1500);
    QTest::newRow("nine to one, for") << 0.12 << qint64(9) << qint64(1200);
    QTest::newRow("799 to one") << 0.0015 << qint64(799) << qint64(3000);
    QTest::newRow("hands shorter than bankrolls") << 0.3 << qint64(2) << qint64(40);
}

void TestRisk::twoOutcomeGamesMatchTheClosedForm()
{
    QFETCH(double, p);
    QFETCH(qint64, net);
    QFETCH(qint64, hands);
    const double epsilon = 1e-10;
    const std::vector<double> f = exactRuinChances(twoOutcomes(p, net), hands, epsilon);
    QCOMPARE(f[0], 1.0);
    // Every bankroll the method holds, and the first it leaves out.
    for (int64_t k = 1; k <= int64_t(f.size()); ++k) {
        const long double expected = closedFormRuin(p, net, k, hands);
        const double got = size_t(k) < f.size() ? f[size_t(k)] : 0.0;
        if (std::abs(got - expected) > epsilon + 1e-12)
            QFAIL(
                qPrintable(QString("bankroll %1: %2, closed form %3").arg(k).arg(got).arg(double(expected))));
    }
    // Only the bankrolls that can be lost within the hands are held.
    QVERIFY(int64_t(f.size()) <= hands + 1);
}

void TestRisk::longRunOfTwoOutcomeGames()
{
    // Even money at p > 1/2: the gambler's ruin (q / p)^k.
    for (double p : {0.51, 0.55, 0.7}) {
        const RiskFigures r = riskFigures(twoOutcomes(p, 1), 25, 10);
        const double expected = std::pow((1 - p) / p, 25);
        QVERIFY2(std::abs(r.longRunRuin - expected) < 1e-12 * std::max(1.0, expected / 1e-3),
                 qPrintable(QString("p %1: %2, not %3").arg(p).arg(r.longRunRuin).arg(expected)));
        QVERIFY(r.longRunBankroll5 >= std::log(20) / std::log(p / (1 - p)));
        QVERIFY(r.longRunBankroll5 - 1 < std::log(20) / std::log(p / (1 - p)));
    }
    // A fair or losing game ruins every bankroll; one that cannot lose none.
    QCOMPARE(riskFigures(twoOutcomes(0.5, 1), 1000, 10).longRunRuin, 1.0);
    QCOMPARE(riskFigures(twoOutcomes(0.09, 9), 1000, 10).longRunBankroll5, int64_t(0));
    QCOMPARE(riskFigures({{0, 0.9}, {3, 0.1}}, 1, 10).longRunRuin, 0.0);
    // Nine to one at p = 0.12: many hands of the exact method come to the long-run figure.
    const auto outcomes = twoOutcomes(0.12, 9);
    const std::vector<double> f = exactRuinChances(outcomes, 20000, 1e-12);
    const long double s = longRunRuinRate(outcomes);
    for (int64_t k : {1, 5, 20, 60}) {
        const double longRun = double(std::exp(-s * k));
        QVERIFY2(f[size_t(k)] <= longRun && longRun - f[size_t(k)] < 1e-6,
                 qPrintable(QString("bankroll %1: %2 after 20000 hands, %3 for ever")
                                .arg(k)
                                .arg(f[size_t(k)])
                                .arg(longRun)));
    }
}

void TestRisk::exactAgreesWithSimulation_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<qint64>("bankroll");
    QTest::addColumn<qint64>("hands");
    QTest::addColumn<qint64>("sessions");
    QTest::newRow("9/6 Jacks, short") << "jacks-9-6" << qint64(100) << qint64(2000) << qint64(15000);
    QTest::newRow("9/6 Jacks, 800 bets") << "jacks-9-6" << qint64(800) << qint64(10000) << qint64(3000);
    QTest::newRow("Deuces Wild") << "deuces-wild" << qint64(150) << qint64(5000) << qint64(6000);
    QTest::newRow("Double Double Bonus")
        << "double-double-bonus-9-6" << qint64(400) << qint64(5000) << qint64(6000);
}

void TestRisk::exactAgreesWithSimulation()
{
    QFETCH(QString, game);
    QFETCH(qint64, bankroll);
    QFETCH(qint64, hands);
    QFETCH(qint64, sessions);
    const auto& outcomes = m_outcomes.at(game);
    RiskOptions options;
    options.simulatedHands = hands * sessions;
    options.seed = 20261210;
    const RiskFigures exact = riskFigures(outcomes, bankroll, hands, options);
    QCOMPARE(exact.method, RiskMethod::Exact);
    options.simulate = true;
    const RiskFigures simulated = riskFigures(outcomes, bankroll, hands, options);
    QCOMPARE(simulated.method, RiskMethod::Simulation);
    QCOMPARE(simulated.sessions, sessions);

    // The figure within four of the errors the simulation states.
    QVERIFY2(std::abs(simulated.ruin - exact.ruin) <= 4 * simulated.ruinError,
             qPrintable(QString("exact %1, simulated %2 +/- %3")
                            .arg(exact.ruin)
                            .arg(simulated.ruin)
                            .arg(simulated.ruinError)));
    QVERIFY2(simulated.bankroll5Low <= exact.bankroll5 && exact.bankroll5 <= simulated.bankroll5High,
             qPrintable(QString("exact %1, simulated %2..%3")
                            .arg(exact.bankroll5)
                            .arg(simulated.bankroll5Low)
                            .arg(simulated.bankroll5High)));

    // And at other bankrolls, from the same sessions, including either side of the 5 % one.
    const std::vector<double> f = exactRuinChances(outcomes, hands, options.epsilon);
    const std::vector<int64_t> falls = simulatedFalls(outcomes, hands, sessions, options.seed);
    for (int64_t k : std::initializer_list<int64_t>{bankroll / 4, bankroll / 2, 2 * bankroll,
                                                    exact.bankroll5 - 1, exact.bankroll5}) {
        const double p = size_t(k) < f.size() ? f[size_t(k)] : 0.0;
        const double seen =
            double(std::count_if(falls.begin(), falls.end(), [&](int64_t x) { return x >= k; })) /
            double(sessions);
        const double error = std::sqrt(std::max(p * (1 - p), 1.0 / double(sessions)) / double(sessions));
        QVERIFY2(std::abs(seen - p) <= 4 * error,
                 qPrintable(QString("bankroll %1: exact %2, simulated %3").arg(k).arg(p).arg(seen)));
    }
    QVERIFY(f[size_t(exact.bankroll5)] <= 0.05 && f[size_t(exact.bankroll5 - 1)] > 0.05);
}

void TestRisk::truncationStaysWithinItsBound()
{
    // Leaving out less must not move any figure by more than what was said to be left out.
    for (const auto& [game, outcomes] : m_outcomes) {
        const std::vector<double> loose = exactRuinChances(outcomes, 6000, 1e-6);
        const std::vector<double> tight = exactRuinChances(outcomes, 6000, 1e-15);
        QVERIFY2(tight.size() > loose.size(), qPrintable(game));
        double worst = 0;
        for (size_t k = 0; k < tight.size(); ++k)
            worst = std::max(worst, std::abs(tight[k] - (k < loose.size() ? loose[k] : 0.0)));
        QVERIFY2(worst <= 1e-6 && worst > 0, qPrintable(QString("%1: %2").arg(game).arg(worst)));
    }
}

void TestRisk::moreBankrollLessRuinMoreHandsMoreRuin()
{
    for (const auto& [game, outcomes] : m_outcomes) {
        const long double s = longRunRuinRate(outcomes);
        std::vector<double> before;
        int64_t bankroll5Before = 0;
        for (int64_t hands : {300, 1000, 3000, 8000}) {
            const std::vector<double> f = exactRuinChances(outcomes, hands, 1e-12);
            for (size_t k = 0; k < f.size(); ++k) {
                const double previous = k < before.size() ? before[k] : 0.0;
                if ((k > 0 && f[k] > f[k - 1]) || f[k] < previous - 1e-12)
                    QFAIL(qPrintable(QString("%1, %2 hands, bankroll %3: %4 after %5 and %6 in fewer hands")
                                         .arg(game)
                                         .arg(hands)
                                         .arg(k)
                                         .arg(f[k])
                                         .arg(k > 0 ? f[k - 1] : 1.0)
                                         .arg(previous)));
                // Never above the chance of being ruined some day.
                if (s > 0 && f[k] > double(std::exp(-s * k)) + 1e-12)
                    QFAIL(qPrintable(QString("%1, bankroll %2: above the long-run figure").arg(game).arg(k)));
            }
            const RiskFigures r = riskFigures(outcomes, 200, hands);
            QVERIFY(std::abs(r.ruin - (f.size() > 200 ? f[200] : 0.0)) <= r.ruinError);
            QVERIFY(r.bankroll5 >= bankroll5Before);
            bankroll5Before = r.bankroll5;
            before = f;
        }
    }
}

QTEST_GUILESS_MAIN(TestRisk)
#include "tst_risk.moc"
