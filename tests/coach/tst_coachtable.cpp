// The coach panel on the table: what it shows through a hand, the C key, its place
// and its file, expert holds in manual play and in autoplay, and the game's return.
#include "tests/table/tablefixture.h"

#include "table/coachpanel.h"

#include "engine/advisor.h"
#include "engine/coach.h"
#include "extra/form2.h"
#include "storage/coachsettings.h"
#include "storage/gamefiles.h"

#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"

#include <QFile>
#include <QtTest>

#include <bit>

using namespace tarvelle;
using tarvelle::testing::Table;

namespace {

void key(TForm1& f, char c)
{
    f.FormKeyPress(QLatin1Char(c));
}

// One autoplay step at CPU speed: the tick, then the animation ticks by hand.
void autoplayStep(Table& t)
{
    t.gs.counters.Credit += t.gs.counters.Win; // no transfer wait inside the step
    t.gs.counters.Win = 0;
    t.form->round().input(Input::AutoplayTick);
    QVERIFY(t.settle());
}

// Deal/Draw pressed, then its animation ticked through at CPU speed.
void manualStep(Table& t)
{
    key(*t.form, ' ');
    QVERIFY(t.settle());
}

void quiet(Table& t)
{
    t.gs.settings.SoundFx = 0;
    t.gs.settings.VoiceFx = 0;
    t.gs.counters.Credit = 1000000;
}

} // namespace

class TestCoachTable : public QObject {
    Q_OBJECT
private slots:
    void panelFollowsAHand();
    void defaultPlaceLeavesCardsAndDealButtonFree_data();
    void defaultPlaceLeavesCardsAndDealButtonFree();
    void settingsFileKeepsPanelAndSwitch();
    void damagedSettingsFileGivesDefaults_data();
    void damagedSettingsFileGivesDefaults();
    void expertHoldsInManualPlay();
    void autoplayHolds_data();
    void autoplayHolds();
    void gameReturnFollowsTheSettings();
};

// After the deal the five best holds and the player's own, as the exact analysis has
// them; the holds follow the clicks; the draw is judged and counted.
void TestCoachTable::panelFollowsAHand()
{
    Table t;
    quiet(t);
    CoachPanel* panel = t.form->coach;
    QVERIFY(!panel->isVisible());
    key(*t.form, 'c');
    QVERIFY(panel->isVisible());
    QVERIFY(panel->settings().visible);

    for (int hand = 0; hand < 60; ++hand) {
        t.gs.settings.Joker = hand % 2;
        manualStep(t);
        QCOMPARE(t.gs.State, uint8_t(2));
        const std::array<int, 5> cards = handCards(t.gs.hand);
        const HandAdvice expected(cards, t.gs.settings.Joker != 0, gamePayList());
        const QStringList lines = panel->lines();
        for (int i = 0; i < 5; ++i) {
            const int m = expected.ranking()[size_t(i)];
            QVERIFY2(lines[2 + i].endsWith(QStringLiteral(" | ") +
                                           QString::number(double(expected.value(m)), 'f', 4)),
                     qPrintable(lines[2 + i]));
            QCOMPARE(lines[2 + i].count(QLatin1Char('[')), std::popcount(unsigned(m)));
        }
        // Hold card 3 alone (Smart Hold off: toggles only).
        t.gs.settings.SmartHold = 0;
        for (int k = 1; k <= 5; ++k) {
            if (t.gs.hand.Held[size_t(k)] != (k == 3))
                key(*t.form, char('0' + k));
        }
        QCOMPARE(heldMask(t.gs.hand), 0b00100);
        QVERIFY2(panel->lines()[7].endsWith(QStringLiteral("%1  rank %2")
                                                .arg(double(expected.value(4)), 0, 'f', 4)
                                                .arg(expected.rank(4))),
                 qPrintable(panel->lines()[7]));

        const int64_t before = panel->coach().figures().mistakes;
        manualStep(t);
        QCOMPARE(t.gs.State, uint8_t(3));
        const QStringList after = panel->lines();
        if (expected.isBest(4)) {
            QCOMPARE(after[8], QStringLiteral("Best play"));
            QCOMPARE(panel->coach().figures().mistakes, before);
        } else {
            const long double cost =
                (expected.value(expected.best()) - expected.value(4)) * t.gs.counters.Bet;
            QVERIFY2(after[10] == QStringLiteral("cost: %1 credits").arg(double(cost), 0, 'f', 2),
                     qPrintable(after[10]));
            QVERIFY(after[8].startsWith(QStringLiteral("Best: ")));
            QCOMPARE(panel->coach().figures().mistakes, before + 1);
        }
    }
    QCOMPARE(panel->coach().figures().hands, int64_t(60));
    QVERIFY(panel->coach().figures().mistakes > 0);
    key(*t.form, 'c');
    QVERIFY(!panel->isVisible());
}

void TestCoachTable::defaultPlaceLeavesCardsAndDealButtonFree_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::newRow("800x600") << QSize(800, 600);
    QTest::newRow("1024x768") << QSize(1024, 768);
    QTest::newRow("1280x720") << QSize(1280, 720);
    QTest::newRow("1366x768") << QSize(1366, 768);
    QTest::newRow("1920x1080") << QSize(1920, 1080);
}

void TestCoachTable::defaultPlaceLeavesCardsAndDealButtonFree()
{
    QFETCH(QSize, screen);
    Table t(false);
    t.form->setScreenMetrics(screen, 24);
    key(*t.form, 'c');
    for (int i = 0; i < 12; ++i)
        t.form->Timer1Timer();
    CoachPanel* panel = t.form->coach;
    QVERIFY(panel->isVisible());
    const QRect r = panel->geometry();
    QVERIFY(QRect(QPoint(0, 0), screen).contains(r));
    QCOMPARE(r.topLeft(), CoachPanel::defaultPlace(screen));
    for (int k = 1; k <= 5; ++k)
        QVERIFY2(!r.intersects(t.form->card(k)->geometry()), qPrintable(QString::number(k)));
    QVERIFY(!r.intersects(t.form->LbSpeedButton2->geometry()));
}

// Visibility, the dragged place and the switch come back from coach.cfg; poker.ini
// keeps its fourteen bytes.
void TestCoachTable::settingsFileKeepsPanelAndSwitch()
{
    QString dir;
    {
        Table t;
        dir = t.saveDir.path() + QLatin1Char('/');
        CoachPanel* panel = t.form->coach;
        key(*t.form, 'c');
        const QPoint start = panel->pos();
        QTest::mousePress(panel, Qt::LeftButton, {}, QPoint(100, 120));
        QTest::mouseMove(panel, QPoint(140, 150));
        QTest::mouseRelease(panel, Qt::LeftButton, {}, QPoint(140, 150));
        QCOMPARE(panel->pos(), start + QPoint(40, 30));
        QTest::mouseClick(panel, Qt::LeftButton, {}, panel->expertSwitchRect().center());
        QVERIFY(panel->expert());
        QCOMPARE(panel->pos(), start + QPoint(40, 30)); // a click on the switch does not drag

        const CoachSettings saved = loadCoachSettings(dir.toStdString());
        QVERIFY(saved.visible && saved.expert && saved.placed);
        QCOMPARE(QPoint(saved.left, saved.top), panel->pos());

        saveini(t.gs.settings, dir.toStdString());
        QCOMPARE(QFile(dir + QStringLiteral("poker.ini")).size(), qint64(14));

        // A table made on the same folder shows it where it was left.
        GameState gs2;
        TForm1 again(gs2, t.sounds, t.imagery, Table::runtimeDir(), dir);
        again.setQuitOnExit(false);
        again.Timer1->stop();
        again.setScreenMetrics(QSize(1024, 768), 24);
        for (int i = 0; i < 12; ++i)
            again.Timer1Timer();
        again.Timer3->stop();
        QVERIFY(again.coach->isVisibleTo(&again));
        QVERIFY(again.coach->expert());
        QCOMPARE(again.coach->pos(), start + QPoint(40, 30));
        // On a smaller screen a place off its edge gives way to the default one.
        saveCoachSettings({true, true, 2000, 900, true}, dir.toStdString());
        TForm1 small(gs2, t.sounds, t.imagery, Table::runtimeDir(), dir);
        small.setQuitOnExit(false);
        small.Timer1->stop();
        small.setScreenMetrics(QSize(800, 600), 24);
        for (int i = 0; i < 12; ++i)
            small.Timer1Timer();
        small.Timer3->stop();
        QCOMPARE(small.coach->pos(), CoachPanel::defaultPlace(QSize(800, 600)));
    }
}

void TestCoachTable::damagedSettingsFileGivesDefaults_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("garbage") << QByteArray("\x01\x02\xff\xfe\n\x00zz", 8);
    QTest::newRow("unknown key") << QByteArray("visible=1\ncolour=red\nexpert=1\n");
    QTest::newRow("bad flag") << QByteArray("visible=2\nexpert=1\n");
    QTest::newRow("half a position") << QByteArray("visible=1\nleft=10\nexpert=1\n");
    QTest::newRow("number with tail") << QByteArray("visible=1\nleft=10px\ntop=5\n");
    QTest::newRow("far off") << QByteArray("visible=1\nleft=99999999\ntop=5\n");
    QTest::newRow("no equals sign") << QByteArray("visible\n");
    QTest::newRow("too long") << QByteArray("visible=1\n") + QByteArray(5000, '\n');
}

void TestCoachTable::damagedSettingsFileGivesDefaults()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    QFile f(dir.path() + QStringLiteral("/coach.cfg"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(content);
    f.close();
    QVERIFY(loadCoachSettings(dir.path().toStdString()) == CoachSettings());
    // The well-formed file of the same keys does load.
    QVERIFY(saveCoachSettings({true, true, -20, 30, true}, dir.path().toStdString()));
    QVERIFY((loadCoachSettings(dir.path().toStdString()) == CoachSettings{true, true, -20, 30, true}));
    QVERIFY(loadCoachSettings(dir.path().toStdString() + "/missing") == CoachSettings());
}

// With the switch on the proposal after a deal is the best hold; Auto Hold off still
// clears it and Smart Hold's first click still replaces it.
void TestCoachTable::expertHoldsInManualPlay()
{
    Table t;
    quiet(t);
    t.form->coach->setExpert(true);
    t.gs.settings.SmartHold = 1;
    int replaced = 0;
    for (int hand = 0; hand < 60; ++hand) {
        t.gs.settings.Joker = hand % 2;
        t.gs.settings.AutoHold = hand % 4 != 3;
        manualStep(t);
        QCOMPARE(t.gs.State, uint8_t(2));
        const auto cards = handCards(t.gs.hand);
        const int best = expertHoldMask(cards, t.gs.settings.Joker != 0, gamePayList());
        QCOMPARE(heldMask(t.gs.hand), t.gs.settings.AutoHold ? best : 0);
        if (hand % 4 == 1) {
            // Smart Hold: the first click on a card not held leaves that card alone held.
            int k = 1;
            while (k <= 5 && (best & (1 << (k - 1))))
                ++k;
            if (k <= 5) {
                key(*t.form, char('0' + k));
                QCOMPARE(heldMask(t.gs.hand), 1 << (k - 1));
                ++replaced;
            }
        }
        const int drawnWith = heldMask(t.gs.hand);
        manualStep(t);
        QCOMPARE(t.gs.State, uint8_t(3));
        const auto& review = t.form->coach->coach().lastReview();
        QVERIFY(review.has_value());
        QCOMPARE(review->yours, drawnWith);
        QCOMPARE(review->bestPlay, t.form->coach->coach().hand()->isBest(drawnWith));
        if (drawnWith == best)
            QVERIFY(review->bestPlay);
    }
    QVERIFY(replaced > 0);
}

void TestCoachTable::autoplayHolds_data()
{
    QTest::addColumn<bool>("expert");
    QTest::newRow("expert holds") << true;
    QTest::newRow("the table's own holds") << false;
}

// Autoplay through the table's own handlers, every setting of the proposal in turn:
// with the switch on each draw is to a best hold, off it is the rule list's.
void TestCoachTable::autoplayHolds()
{
    QFETCH(bool, expert);
    Table t;
    quiet(t);
    t.form->coach->setExpert(expert);
    t.gs.Autoplay = 1;
    int broken = 0;
    for (int hand = 0; hand < 400; ++hand) {
        t.gs.settings.Joker = hand % 2;
        t.gs.settings.HoldHighCard = (hand / 2) % 2;
        t.gs.settings.HoldOpenInside = (hand / 4) % 2;
        autoplayStep(t); // the deal
        QCOMPARE(t.gs.State, uint8_t(2));
        const auto cards = handCards(t.gs.hand);
        const int held = heldMask(t.gs.hand);
        autoplayStep(t); // the draw
        QCOMPARE(t.gs.State, uint8_t(3));
        const auto& review = t.form->coach->coach().lastReview();
        QVERIFY(review.has_value());
        QCOMPARE(review->yours, held);
        if (expert) {
            QVERIFY(review->bestPlay);
        } else {
            QCOMPARE(held, proposedHoldMask(cards, t.gs.settings.HoldHighCard, t.gs.settings.HoldOpenInside));
            broken += review->bestPlay ? 0 : 1;
        }
    }
    QCOMPARE(t.form->coach->coach().figures().hands, int64_t(0)); // autoplay is not the player
    if (!expert)
        QVERIFY(broken > 0);
}

// The panel asks for the return of the setting in force and has it soon after the Extra
// screen changes it. The screen announces the change, so the panel follows at once and
// runs no timer of its own.
void TestCoachTable::gameReturnFollowsTheSettings()
{
    Table t;
    quiet(t);
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    CoachPanel* panel = t.form->coach;
    t.gs.settings.Joker = 0;
    t.gs.settings.HoldHighCard = 1;
    t.gs.settings.HoldOpenInside = 0;
    key(*t.form, 'c');
    QVERIFY(QTest::qWaitFor([&] { return panel->shownReturn().has_value(); }, 20000));
    QCOMPARE(panel->lines()[13], QStringLiteral("Game return, best holds | 162.53 %"));
    QCOMPARE(panel->lines()[14], QStringLiteral("Game return, table's holds | 158.52 %"));

    extra.toggleClick(TForm2::TgJoker);
    QCOMPARE(t.gs.settings.Joker, uint8_t(1));
    QVERIFY(!panel->lines()[13].endsWith(QStringLiteral("162.53 %"))); // before any event runs
    for (const QTimer* timer : panel->findChildren<QTimer*>())
        QVERIFY(!timer->isActive());
    QVERIFY(QTest::qWaitFor([&] { return panel->lines()[13].endsWith(QStringLiteral("246.32 %")); }, 20000));
    // Measured from the change; the return is worked out away from the window.
    qInfo("53 cards, Hold High Card: ready %.3f s after the change", panel->lastReturnDelay());
    QVERIFY(panel->lastReturnDelay() > 0);
    QVERIFY2(panel->lastReturnDelay() < 2.0, "the return took far longer than its second");
    QCOMPARE(panel->lines()[14], QStringLiteral("Game return, table's holds | 239.18 %"));

    QVERIFY(!panel->lines()[15].contains(QStringLiteral("Payout")));
    extra.toggleClick(TForm2::TgPayoutControl);
    QVERIFY(panel->lines()[15].contains(QStringLiteral("Payout control on")));
}

QTEST_MAIN(TestCoachTable)
#include "tst_coachtable.moc"
