// The hand history at the table: the hands played land in hands.log with the coach's
// verdict, the panel adds the game's all-time figures, and R lists the mistakes.
#include "tests/table/tablefixture.h"

#include "table/coachpanel.h"
#include "table/drillwindow.h"
#include "table/reviewwindow.h"

#include "engine/analysis.h"
#include "engine/coach.h"
#include "engine/game.h"
#include "storage/drillfile.h"
#include "storage/handhistory.h"
#include "widgets/cardimagery.h"
#include "widgets/palette.h"

#include <QLabel>
#include <QListWidget>
#include <QtTest>

#include <cmath>

using namespace tarvelle;
using tarvelle::testing::Table;

class TestCoachHistory : public QObject {
    Q_OBJECT
private slots:
    void handsPlayedAreKeptAndReviewed();
};

void TestCoachHistory::handsPlayedAreKeptAndReviewed()
{
    Table t;
    t.gs.settings.SoundFx = 0;
    t.gs.settings.VoiceFx = 0;
    t.gs.settings.SmartHold = 0;
    t.gs.settings.Joker = 0;
    t.gs.counters.Credit = 1000000;
    t.gs.counters.Bet = 5;
    CoachPanel* panel = t.form->coach;
    t.form->FormKeyPress(QLatin1Char('c'));
    const std::string dir = t.saveDir.path().toStdString();
    const std::string game = tableGame(false).id;

    // Hands of earlier runs fill hands.log to its bound, the oldest of them mistakes: the first
    // hand played rolls them over into the totals, which the all-time figures still count.
    SessionFigures earlier;
    {
        std::string text;
        for (int64_t n = 0; text.size() + 80 < kHandHistoryLimit; ++n) {
            HandRecord r;
            r.time = 1765000000 + n;
            r.game = game;
            r.dealt = {int(n % 13), 13 + int(n % 7), 26, 39, 51};
            r.hold = int(n % 32);
            r.best = text.size() < kHandHistoryLimit / 4 && n % 3 ? (r.hold + 1) % 32 : r.hold;
            r.cost = r.hold == r.best ? 0 : 1000 + n % 5000;
            r.bet = 1 + int(n % 5);
            text += handLine(r);
            ++earlier.hands;
            earlier.mistakes += r.mistake();
            earlier.creditsLost += r.creditsLost();
        }
        QFile log(t.savePath(QStringLiteral("hands.log")));
        QVERIFY(log.open(QIODevice::WriteOnly) &&
                log.write(text.data(), qint64(text.size())) == qint64(text.size()));
    }

    std::vector<HandRecord> expected;
    for (int hand = 0; hand < 8; ++hand) {
        t.form->FormKeyPress(QLatin1Char(' '));
        QVERIFY(t.settle());
        QCOMPARE(t.gs.State, uint8_t(2));
        const std::array<int, 5> cards = handCards(t.gs.hand);
        const HandAdvice advice(cards, tableGame(false));
        // Nothing, the best, all five, and holds of the hand's number.
        const int want = hand == 1 ? advice.best() : hand == 2 ? 31 : (hand * 7) % 32;
        for (int k = 1; k <= 5; ++k)
            if (bool(t.gs.hand.Held[size_t(k)]) != bool(want & (1 << (k - 1))))
                t.form->FormKeyPress(QLatin1Char(char('0' + k)));
        QCOMPARE(heldMask(t.gs.hand), want);
        t.form->FormKeyPress(QLatin1Char(' '));
        QVERIFY(t.settle());
        QCOMPARE(t.gs.State, uint8_t(3));

        HandRecord r;
        r.game = game;
        r.dealt = cards;
        r.hold = want;
        r.best = advice.isBest(want) ? want : advice.best();
        r.cost = std::llround(double(advice.value(r.best) - advice.value(want)) * 1e6);
        r.bet = 5;
        r.won = t.gs.counters.Win;
        expected.push_back(r);
        t.gs.counters.Credit += t.gs.counters.Win;
        t.gs.counters.Win = 0;
    }

    const HandHistory h = loadHands(dir);
    QCOMPARE(h.refused, 0);
    QVERIFY(h.records.size() > expected.size() && h.rolledOut.size() == 1);
    for (size_t i = 0; i < expected.size(); ++i) {
        const HandRecord& got = h.records[h.records.size() - expected.size() + i];
        QVERIFY(std::abs(got.time - QDateTime::currentSecsSinceEpoch()) < 600);
        expected[i].time = got.time;
        QCOMPARE(got, expected[i]);
    }
    QVERIFY(!expected[1].mistake());

    // All time: the earlier runs' hands, rolled out or kept, and this session's.
    const SessionFigures all = allTimeFigures(h.records, game, h.rolledOut);
    const SessionFigures session = panel->coach().figures();
    QCOMPARE(all.hands, earlier.hands + session.hands);
    QCOMPARE(all.mistakes, earlier.mistakes + session.mistakes);
    long double lostNow = 0; // as kept, in millionths
    for (const HandRecord& r : expected)
        lostNow += r.creditsLost();
    QVERIFY(std::abs(double(all.creditsLost - earlier.creditsLost - lostNow)) < 1e-6);
    QVERIFY(session.mistakes > 0 && earlier.mistakes > 0);
    const QStringList lines = panel->lines();
    QCOMPARE(lines[12], QStringLiteral("All time: %1 hands, %2 mistakes | %3 %, lost %4")
                            .arg(all.hands)
                            .arg(all.mistakes)
                            .arg(all.accuracy(), 0, 'f', 1)
                            .arg(double(all.creditsLost), 0, 'f', 2));

    // An autoplay hand is kept, marked, and no mistake of the player's.
    t.gs.Autoplay = 1;
    QCOMPARE(panel->history().size(), h.records.size());
    for (int tick = 0; tick < 4 && panel->history().size() == h.records.size(); ++tick) {
        t.form->round().input(Input::AutoplayTick);
        QVERIFY(t.settle());
    }
    t.gs.Autoplay = 0;
    const HandHistory more = loadHands(dir);
    QCOMPARE(more.records.size(), h.records.size() + 1);
    QVERIFY(more.records.back().autoplay);
    QCOMPARE(allTimeFigures(more.records, game, more.rolledOut).hands, all.hands);

    // R: the mistakes, costliest first, O for the newest first, Escape closes.
    t.form->FormKeyPress(QLatin1Char('r'));
    ReviewWindow* review = t.form->reviewWindow();
    QVERIFY(review && review->isVisible());
    QVERIFY(
        review->findChild<QLabel*>(QStringLiteral("reviewFigures"))
            ->text()
            .contains(QStringLiteral("all time: %1 hands, %2 mistakes").arg(all.hands).arg(all.mistakes)));
    const auto costly = mistakes(more.records, game);
    QStringList entries = review->entries();
    QCOMPARE(entries.size(), qsizetype(costly.size()));
    for (size_t i = 0; i < costly.size(); ++i)
        QVERIFY2(entries[qsizetype(i)].startsWith(
                     QStringLiteral("Cost %1 credits").arg(double(costly[i].creditsLost()), 0, 'f', 2)),
                 qPrintable(entries[qsizetype(i)]));
    QVERIFY(entries[0].contains(QStringLiteral("Yours")) && entries[0].contains(QStringLiteral("Best")));
    QVERIFY(!review->list()->item(0)->data(Qt::AccessibleTextRole).toString().isEmpty());
    // The first entry drawn: the table's own picture of each card, and a mark under it in the
    // row of each hold that keeps it, none where it is drawn.
    const QImage shot = review->list()->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (int k = 0; k < 5; ++k) {
        const QRect at = review->cardRect(0, k);
        QVERIFY(!at.isEmpty() && shot.rect().contains(at));
        const QImage want = t.imagery.cardImage(costly[0].dealt[size_t(k)])
                                .scaled(at.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                                .convertToFormat(QImage::Format_RGB32);
        QVERIFY(shot.copy(at) == want);
        for (int row = 0; row < 2; ++row) {
            const QRect mark = review->markRect(0, row, k);
            const bool lit = shot.pixelColor(mark.left() + 3, mark.center().y()) ==
                             (row == 0 ? palette::Warning : palette::Ink);
            QCOMPARE(lit, bool((row == 0 ? costly[0].hold : costly[0].best) & (1 << k)));
        }
    }
    QTest::keyClick(review, Qt::Key_O);
    QCOMPARE(review->order(), MistakeOrder::Newest);
    const auto newest = mistakes(more.records, game, MistakeOrder::Newest);
    QVERIFY(review->entries()[0].contains(
        QStringLiteral("Cost %1 credits").arg(double(newest[0].creditsLost()), 0, 'f', 2)));
    // The keys go through the entries: a page down, then the last.
    QTest::keyClick(review->list(), Qt::Key_PageDown);
    QVERIFY(review->list()->currentRow() > 0);
    QTest::keyClick(review->list(), Qt::Key_End);
    QCOMPARE(review->list()->currentRow(), int(newest.size()) - 1);

    const QString shots = qEnvironmentVariable("TARVELLE_SHOT_DIR");
    if (!shots.isEmpty()) {
        t.form->grab().save(shots + QStringLiteral("/history-table.png"));
        review->grab().save(shots + QStringLiteral("/history-review.png"));
    }

    // D: the drill deals the costliest mistake again and judges the logged hold as the coach
    // did; right three times in a row, every hand leaves, and drills.txt keeps them out.
    QTest::keyClick(review, Qt::Key_D);
    DrillWindow* drill = t.form->drillWindow();
    QVERIFY(drill && drill->isVisible());
    QCOMPARE(drill->drill()->current().cards, costly[0].dealt);
    const auto answer = [&](int mask) {
        for (int k = 1; k <= 5; ++k)
            if (mask & (1 << (k - 1)))
                QTest::keyClick(drill, Qt::Key(Qt::Key_0 + k));
        QCOMPARE(drill->holdMask(), mask);
        QTest::keyClick(drill, Qt::Key_Return);
    };
    answer(costly[0].hold);
    QVERIFY(!drill->verdict()->right);
    QVERIFY(std::abs(double(drill->verdict()->cost()) - costly[0].cost / 1e6) < 1e-6);
    QVERIFY(drill->verdictText().contains(QString::number(double(drill->verdict()->cost()), 'f', 4)));
    QTest::keyClick(drill, Qt::Key_Return);
    for (int i = 0; i < 300 && !drill->drill()->finished(); ++i) {
        answer(handHoldValues(drill->drill()->current().cards, tableGame(false)).best());
        QVERIFY(drill->verdict()->right);
        QTest::keyClick(drill, Qt::Key_Return);
    }
    QVERIFY(drill->drill()->finished());
    const size_t drilled = drill->drill()->kept().size();
    QCOMPARE(drilled, 2 * costly.size()); // each mistake and a hand of its pattern
    QCOMPARE(size_t(drill->drill()->asked()), 1 + 3 * drilled);
    QTest::keyClick(drill, Qt::Key_Escape);
    t.form->FormKeyPress(QLatin1Char('q'));
    QVERIFY(drill->isVisible() && drill->drill()->finished() && drill->drill()->asked() == 0);
    QCOMPARE(loadDrillHands(dir, game).size(), drilled);
    QTest::keyClick(review, Qt::Key_Escape);
    QVERIFY(!review->isVisible());
}

QTEST_MAIN(TestCoachHistory)
#include "tst_coachhistory.moc"
