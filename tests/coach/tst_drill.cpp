// Drills: exact verdicts, hands of the same pattern, three right answers in a row to leave,
// and the streaks kept in drills.txt.
#include "engine/analysis.h"
#include "engine/drill.h"
#include "engine/strategy.h"
#include "storage/drillfile.h"

#include <QTemporaryDir>
#include <QtTest>

#include <fstream>
#include <numeric>
#include <random>
#include <set>

using namespace tarvelle;

namespace {

std::array<int, 5> randomHand(std::mt19937_64& rng, int deckSize)
{
    std::vector<int> deck(static_cast<size_t>(deckSize));
    std::iota(deck.begin(), deck.end(), 0);
    std::shuffle(deck.begin(), deck.end(), rng);
    return {deck[0], deck[1], deck[2], deck[3], deck[4]};
}

} // namespace

class TestDrill : public QObject {
    Q_OBJECT
private slots:
    void verdictsAndPatterns_data();
    void verdictsAndPatterns();
    void threeInARowLeave();
    void streaksAreKept();
};

void TestDrill::verdictsAndPatterns_data()
{
    QTest::addColumn<QString>("game");
    for (const char* id : {"jacks-9-6", "deuces-wild", "joker-poker"})
        QTest::newRow(id) << QString::fromLatin1(id);
    QTest::newRow("table's own") << QString::fromStdString(tableGame(false).id);
}

// Every logged hand, answered with its worst hold, is judged against the exact values and
// brings in a different hand whose best hold reads as the same chart line.
void TestDrill::verdictsAndPatterns()
{
    QFETCH(QString, game);
    const Game* g = findGame(game.toStdString());
    QVERIFY(g);
    std::mt19937_64 rng(7);
    for (int i = 0; i < 10; ++i) {
        DrillHand h;
        h.cards = randomHand(rng, g->deckSize());
        Drill drill(*g, {h}, 11 + i);
        const HoldValues values = handHoldValues(h.cards, *g);
        const int worst = values.ranking()[31];
        const DrillVerdict v = drill.answer(worst);
        QCOMPARE(v.right, !values.better(values.best(), worst));
        QCOMPARE(double(v.cost()), double(values.value(values.best()) - values.value(worst)));
        QVERIFY(std::find(v.bestHolds.begin(), v.bestHolds.end(), values.best()) != v.bestHolds.end());
        for (int m : v.bestHolds)
            QVERIFY(!values.better(values.best(), m));

        const DrillHand twin = drill.current();
        QVERIFY(!twin.logged);
        QVERIFY(twin.cards != h.cards);
        QCOMPARE(std::set<int>(twin.cards.begin(), twin.cards.end()).size(), size_t(5));
        QVERIFY(*std::max_element(twin.cards.begin(), twin.cards.end()) < g->deckSize());
        QCOMPARE(holdPattern(*g, twin.cards, handHoldValues(twin.cards, *g).best()),
                 holdPattern(*g, h.cards, values.best()));
        drill.answer(0);
        QCOMPARE(drill.left(), size_t(2)); // a twin brings no twin of its own
    }
}

void TestDrill::threeInARowLeave()
{
    const Game& g = tableGame(false);
    std::mt19937_64 rng(3);
    std::vector<DrillHand> hands(3);
    for (DrillHand& h : hands) {
        h.cards = randomHand(rng, 52);
        h.sibling = true; // no twins: the order alone is watched
    }
    hands[2].streak = Drill::RetireStreak; // left in an earlier session
    Drill drill(g, hands, 1);
    QCOMPARE(drill.left(), size_t(2));
    const auto best = [&] { return handHoldValues(drill.current().cards, g).best(); };
    const auto wrong = [&] { return handHoldValues(drill.current().cards, g).ranking()[31]; };

    // A wrong answer sets the streak back and comes again after at most two others.
    QVERIFY(drill.answer(best()).right);
    const auto missed = drill.current().cards;
    QVERIFY(!drill.answer(wrong()).right);
    QCOMPARE(drill.current().cards, hands[0].cards);
    drill.answer(best());
    QCOMPARE(drill.current().cards, missed);
    int answers = 0;
    while (!drill.finished() && answers < 20) {
        const bool last = drill.current().streak == Drill::RetireStreak - 1;
        QCOMPARE(drill.answer(best()).retired, last);
        ++answers;
    }
    QVERIFY(drill.finished());
    QCOMPARE(answers, 1 + 3); // hands[0] had one right to go, the missed one three
    QCOMPARE(drill.asked(), 7);
    QCOMPARE(drill.right(), 6);
    QCOMPARE(drill.retiredNow(), 2);
    QCOMPARE(drill.kept().size(), size_t(3));
}

void TestDrill::streaksAreKept()
{
    QTemporaryDir dir;
    const std::string d = dir.path().toStdString();
    const std::string game = "jacks-9-6";
    std::vector<HandRecord> history;
    for (int i = 0; i < 6; ++i) {
        HandRecord r;
        r.time = 1000 + i;
        r.game = i == 5 ? "deuces-wild" : game;
        r.dealt = {i, 13 + i, 26 + i, 39 + i, 12};
        r.hold = 0;
        r.best = 31;
        r.cost = 1000 * (i + 1);
        history.push_back(r);
    }
    history.push_back(history[0]); // the same hand again is drilled once

    std::vector<DrillHand> hands = drillHands(history, game, loadDrillHands(d, game));
    QCOMPARE(hands.size(), size_t(5));
    QCOMPARE(hands[0].cards, history[4].dealt); // costliest first
    hands[0].streak = Drill::RetireStreak;
    hands[1].streak = 2;
    DrillHand twin{{1, 2, 3, 4, 5}, 1, false, true};
    hands.push_back(twin);
    QVERIFY(saveDrillHands(d, game, hands));
    QVERIFY(saveDrillHands(d, "deuces-wild", {hands[2]}));
    { // a damaged line and a hand-written one with a card twice are refused
        std::ofstream out(d + "/" + kDrillFile, std::ios::app);
        out << game << " 1 2 3 4\n" << game << " 1 1 2 3 4 0 1 0\n";
    }
    const std::vector<DrillHand> kept = loadDrillHands(d, game);
    QCOMPARE(kept, hands);
    QCOMPARE(loadDrillHands(d, "deuces-wild").size(), size_t(1));
    QVERIFY(!saveDrillHands(d, "two words", hands));

    hands = drillHands(history, game, kept, 3);
    QCOMPARE(hands.size(), size_t(5)); // the retired one does not count against `most`
    QCOMPARE(hands[1].streak, 2);
    QCOMPARE(hands.back(), twin);
    const Drill drill(*findGame(game), hands, 1);
    QCOMPARE(drill.left(), size_t(4));
}

QTEST_MAIN(TestDrill)
#include "tst_drill.moc"
