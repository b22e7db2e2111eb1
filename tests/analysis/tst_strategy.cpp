// Strategy charts: every casino game's chart measured against the best play, the printed
// chart played back, the famous 9/6 Jacks decisions, and the patterns in players' words.
#include "engine/analysis.h"
#include "engine/game.h"
#include "engine/strategy.h"
#include "tests/engine/handtext.h"

#include <QElapsedTimer>
#include <QTest>

#include <bit>
#include <cstdio>
#include <map>
#include <set>

using namespace tarvelle;
using namespace tarvelle::test;

class TestStrategy : public QObject {
    Q_OBJECT

private slots:
    void casinoCharts_data();
    void casinoCharts();
    void chartHoldPlaysTheMeasuredChart();
    void nineSixJacksDecisions_data();
    void nineSixJacksDecisions();
    void patternsInPlayersWords_data();
    void patternsInPlayersWords();
    void linesThatCannotBePlayed();

private:
    // Each game's chart is worked out once for the whole run.
    static const StrategyChart& chartOf(const std::string& id)
    {
        static std::map<std::string, StrategyChart> charts;
        auto it = charts.find(id);
        if (it == charts.end())
            it = charts.emplace(id, strategyChart(*findGame(id), 2)).first;
        return it->second;
    }
    static std::array<int, 5> cardsOf(const char* text)
    {
        const Hand h = handOf(text);
        std::array<int, 5> cards;
        for (int p = 0; p < 5; ++p)
            cards[p] = h.code(p + 1) - 1;
        return cards;
    }
    static int maskOf(const char* bits)
    {
        int m = 0;
        for (int p = 0; p < 5; ++p)
            m |= (bits[p] == '1') << p;
        return m;
    }
    static std::string percent(long double rate)
    {
        char buf[32];
        std::snprintf(buf, sizeof buf, "%.4Lf", rate * 100);
        return buf;
    }
};

void TestStrategy::casinoCharts_data()
{
    QTest::addColumn<QString>("game");
    for (const Game& g : gameCatalogue()) {
        if (g.family != "tarvelle" && g.family != "tarvelle-joker")
            QTest::newRow(g.id.c_str()) << QString::fromStdString(g.id);
    }
}

void TestStrategy::casinoCharts()
{
    QFETCH(QString, game);
    const std::string id = game.toStdString();
    QElapsedTimer clock;
    clock.start();
    const StrategyChart& chart = chartOf(id);
    const qint64 made = clock.elapsed();

    ReturnOptions o;
    o.game = *findGame(id);
    o.classOdds = false;
    QVERIFY(chart.optimalReturn == gameReturn(o).rate);
    QVERIFY(chart.chartReturn <= chart.optimalReturn);
    if (id == "jacks-9-6") {
        QCOMPARE(percent(chart.optimalReturn), std::string("99.5439"));
        QVERIFY2(chart.loss() * 100 <= 0.05, percent(chart.loss()).c_str());
    }

    // Every deal is decided by exactly one line, and the lines' figures add up to the chart's.
    std::set<std::string> seen;
    long double share = 0, paid = 0, lost = 0;
    for (const ChartLine& l : chart.lines) {
        QVERIFY2(seen.insert(l.pattern).second, l.pattern.c_str());
        QVERIFY2(l.share > 0, l.pattern.c_str());
        QVERIFY(l.loss >= 0);
        share += l.share;
        paid += l.share * l.value;
        lost += l.loss;
    }
    QCOMPARE(chart.lines.back().pattern, std::string("discard everything"));
    QVERIFY(std::abs(share - 1) < 1e-12);
    QVERIFY(std::abs(paid - chart.chartReturn) < 1e-12);
    QVERIFY(std::abs(lost - chart.loss()) < 1e-12);

    // The chart as printed, read back and played, is the chart measured.
    const std::string text = chartText(chart);
    const std::vector<std::string> printed = patternsFromChartText(text);
    QCOMPARE(printed.size(), chart.lines.size());
    for (size_t i = 0; i < printed.size(); ++i)
        QCOMPARE(printed[i], chart.lines[i].pattern);
    const std::optional<StrategyChart> replayed = measureChart(*findGame(id), printed, 2);
    QVERIFY(replayed);
    QVERIFY(replayed->chartReturn == chart.chartReturn);
    for (size_t i = 0; i < printed.size(); ++i)
        QVERIFY(replayed->lines[i].share == chart.lines[i].share);
    QVERIFY(text.find("chart " + percent(chart.chartReturn) + " %, optimal " +
                      percent(chart.optimalReturn)) != std::string::npos);

    qInfo("%s: chart %s %%, optimal %s %%, loss %s points, %zu lines, made in %lld ms", id.c_str(),
          percent(chart.chartReturn).c_str(), percent(chart.optimalReturn).c_str(),
          percent(chart.loss()).c_str(), chart.lines.size(), static_cast<long long>(made));
}

void TestStrategy::chartHoldPlaysTheMeasuredChart()
{
    // Every deal of 9/6 Jacks played hand by hand through chartHold, as the game would: it
    // returns at least the measured chart (which counts the worse hold wherever a line
    // leaves a choice), within a hair of it, and no more than the best play.
    const StrategyChart& chart = chartOf("jacks-9-6");
    const HoldEvaluator evaluator(chart.game);
    std::array<__int128, 6> sums{};
    int64_t undecided = 0, wrongLine = 0;
    for (const DealClass& d : dealClasses(false)) {
        std::array<int, 5> cards;
        for (int j = 0; j < 5; ++j)
            cards[j] = d.cards[j];
        int line = -1;
        const int mask = chartHold(chart, cards, &line);
        if (mask < 0 || line < 0) {
            ++undecided;
            continue;
        }
        // The deciding line is the hold's pattern, or the same draw whatever was thrown away.
        if (holdPattern(chart.game, cards, mask).rfind(chart.lines[size_t(line)].pattern, 0) != 0)
            ++wrongLine;
        sums[std::popcount(unsigned(mask))] +=
            __int128(d.weight) * 120 * evaluator.evaluate(cards).numerator[mask];
    }
    QCOMPARE(undecided, int64_t(0));
    QCOMPARE(wrongLine, int64_t(0));
    long double rate = 0;
    const long double everything = 2598960.0L * 120;
    for (int k = 0; k <= 5; ++k) {
        long double draws = 1;
        for (int i = 0; i < 5 - k; ++i)
            draws = draws * (47 - i) / (i + 1);
        rate += (long double)sums[size_t(k)] / draws / everything;
    }
    QVERIFY(rate >= chart.chartReturn - 1e-15L);
    QVERIFY(rate <= chart.optimalReturn + 1e-15L);
    QVERIFY(rate - chart.chartReturn < 1e-5L);
    qInfo("jacks-9-6 played by chartHold: %s %%", percent(rate).c_str());
}

void TestStrategy::nineSixJacksDecisions_data()
{
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("hold");
    QTest::newRow("4 to a royal over a high pair") << "As Ks Qs Js Ad"
                                                   << "11110";
    QTest::newRow("4 to a royal over a dealt flush") << "As Ks Qs Js 3s"
                                                     << "11110";
    QTest::newRow("high pair over 4 to a flush") << "Qh Qd 5h 8h 9h"
                                                 << "11000";
    QTest::newRow("4 to a flush over a low pair") << "5h 5d 8h 9h Kh"
                                                  << "10111";
    QTest::newRow("3 to a royal over a low pair") << "Kh Qh Jh 5d 5s"
                                                  << "11100";
    QTest::newRow("unsuited 10JQK") << "Td Jc Qs Kh 3d"
                                    << "11110";
    QTest::newRow("suited QJ over unsuited KQJ") << "Qh Jh Kd 5c 7s"
                                                 << "11000";
    QTest::newRow("AKQJ unsuited") << "Ad Kc Qh Js 4d"
                                   << "11110";
    QTest::newRow("a lone King") << "3c 4d 8h 9s Ks"
                                 << "00001";
}

void TestStrategy::nineSixJacksDecisions()
{
    QFETCH(QString, hand);
    QFETCH(QString, hold);
    const StrategyChart& chart = chartOf("jacks-9-6");
    const std::array<int, 5> cards = cardsOf(hand.toLatin1().constData());
    const int mask = chartHold(chart, cards);
    QCOMPARE(mask, maskOf(hold.toLatin1().constData()));
    // These are the best holds too.
    const HoldValues values = handHoldValues(cards, chart.game);
    QVERIFY(!values.better(values.best(), mask));
}

void TestStrategy::patternsInPlayersWords_data()
{
    QTest::addColumn<QString>("game");
    QTest::addColumn<QString>("hand");
    QTest::addColumn<QString>("hold");
    QTest::addColumn<QString>("pattern");
    const QString jacks = "jacks-9-6";
    QTest::newRow("royal") << jacks << "Ah Kh Qh Jh Th"
                           << "11111"
                           << "dealt Royal Flush";
    QTest::newRow("4 royal") << jacks << "Ah Kh Qh Jh 2c"
                             << "11110"
                             << "4 to a royal flush";
    QTest::newRow("4 sf open") << jacks << "9h Th Jh Qh 2c"
                               << "11110"
                               << "4 to a straight flush, open";
    QTest::newRow("outside") << jacks << "5h 6d 7s 8c Kh"
                             << "11110"
                             << "4 to an outside straight, no high cards";
    QTest::newRow("10JQK") << jacks << "Ts Jd Qh Kc 3d"
                           << "11110"
                           << "4 to an outside straight, 3 high cards";
    QTest::newRow("A234") << jacks << "Ah 2d 3s 4c 9h"
                          << "11110"
                          << "4 to an inside straight, 1 high card";
    QTest::newRow("JQKA") << jacks << "Jh Qd Ks Ac 5h"
                          << "11110"
                          << "4 to an inside straight, 4 high cards";
    QTest::newRow("unsuited QJ, a 9") << jacks << "Jh Qd 5s 7c 9h"
                                      << "11000"
                                      << "unsuited QJ with a straight penalty";
    QTest::newRow("suited KT") << jacks << "Th Kh 5s 7c 4d"
                               << "11000"
                               << "suited KT, no penalty card";
    QTest::newRow("suited KT, a 9") << jacks << "Th Kh 5s 7c 9d"
                                    << "11000"
                                    << "suited KT with a straight penalty";
    QTest::newRow("suited KT, a heart") << jacks << "Th Kh 5h 7c 4d"
                                        << "11000"
                                        << "suited KT with a flush penalty";
    QTest::newRow("3 sf gap") << jacks << "5h 6h 8h Kd 2c"
                              << "11100"
                              << "3 to a straight flush, 1 gap, no high cards, no penalty card";
    QTest::newRow("3 sf ace low") << jacks << "Ah 2h 3h Kd 9h"
                                  << "11100"
                                  << "3 to a straight flush, 2 gaps, 1 high card with a flush penalty";
    QTest::newRow("3 flush") << jacks << "Ah 5h 9h Kd 2c"
                             << "11100"
                             << "3 to a flush, 1 high card";
    QTest::newRow("high pair") << jacks << "Jh Jd 5s 7c 9h"
                               << "11000"
                               << "high pair";
    QTest::newRow("low pair") << jacks << "Th Td 5s 7c 9h"
                              << "11000"
                              << "low pair";
    QTest::newRow("lone Ace") << jacks << "Ah 2d 5s 7c 9h"
                              << "10000"
                              << "Ace alone with flush and straight penalties";
    QTest::newRow("nothing") << jacks << "Ah 2d 5s 7c 9h"
                             << "00000"
                             << "discard everything";
    QTest::newRow("aces and kicker") << "double-double-bonus-9-6"
                                     << "Ah Ad Ac 3s 9h"
                                     << "11110"
                                     << "three Aces and a 2 to 4 kicker";
    QTest::newRow("bonus pairs") << "bonus-8-5"
                                 << "Kh Kd 5s 7c 9h"
                                 << "11000"
                                 << "pair of Jacks to Kings";
    QTest::newRow("bonus trips") << "bonus-8-5"
                                 << "3h 3d 3s 7c 9h"
                                 << "11100"
                                 << "three 2s to 4s";
    QTest::newRow("two deuces") << "deuces-wild"
                                << "2h 2d 5s 9c Kh"
                                << "11000"
                                << "two deuces alone";
    QTest::newRow("deuce royal") << "deuces-wild"
                                 << "2h Th Jh Qh 4c"
                                 << "11110"
                                 << "4 to a royal flush with one deuce";
    QTest::newRow("deuces pair") << "deuces-wild"
                                 << "Kh Kd 5s 9c 3h"
                                 << "11000"
                                 << "a pair";
    QTest::newRow("joker ace") << "joker-poker"
                               << "Jk Ah 5d 7s 9c"
                               << "11000"
                               << "the Joker and an Ace";
    QTest::newRow("kings pay") << "joker-poker"
                               << "Kh Kd 5s 9c 3h"
                               << "11000"
                               << "high pair";
    QTest::newRow("queens do not") << "joker-poker"
                                   << "Qh Qd 5s 9c 3h"
                                   << "11000"
                                   << "low pair";
    QTest::newRow("joker trips") << "joker-poker"
                                 << "Jk 9h 9d 5s 3c"
                                 << "11100"
                                 << "three of a kind with the Joker";
}

void TestStrategy::patternsInPlayersWords()
{
    QFETCH(QString, game);
    QFETCH(QString, hand);
    QFETCH(QString, hold);
    QFETCH(QString, pattern);
    const std::array<int, 5> cards = cardsOf(hand.toLatin1().constData());
    QCOMPARE(QString::fromStdString(
                 holdPattern(*findGame(game.toStdString()), cards, maskOf(hold.toLatin1().constData()))),
             pattern);
}

void TestStrategy::linesThatCannotBePlayed()
{
    const Game& jacks = *findGame("jacks-9-6");
    std::string unknown;
    QVERIFY(!measureChart(jacks, {"high pair", "pair of dragons", "discard everything"}, 2, &unknown));
    QCOMPARE(unknown, std::string("pair of dragons"));
    // Without "discard everything" most deals have no line.
    unknown = "?";
    QVERIFY(!measureChart(jacks, {"high pair", "low pair"}, 2, &unknown));
    QCOMPARE(unknown, std::string());
}

QTEST_GUILESS_MAIN(TestStrategy)
#include "tst_strategy.moc"
