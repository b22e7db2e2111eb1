// The table shell: layout, pay table, screen checks, showcase, Extra screen and exit.
// The main table driven through its handlers, its keys and real mouse events.
#include "tests/table/tablefixture.h"

#include "engine/advisor.h"
#include "engine/deal.h"
#include "extra/form2.h"
#include "storage/gamefiles.h"
#include "engine/paytable.h"

#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

#include <QFile>
#include <QtTest>

using namespace tarvelle;
using namespace tarvelle::testing;

class TestTableShell : public QObject {
    Q_OBJECT
private slots:
    void playAreaIsCentred_data();
    void playAreaIsCentred();
    void playAreaFollowsTheWindow();
    void payTablePanel();
    void scaleThatFits_data();
    void scaleThatFits();
    void screenChecks_data();
    void screenChecks();
    void attractModeSchedule();
    void exitSavesBothFiles();
    void exitTakesNoFurtherInput();
    void pointerMovementEndsTheShowcase();
    void extraScreenRoundTrip();
    void extraScreenOverTheTableTakesItsKeys();
    void missingCardFileStopsBeforeAnyWindow();
    void missingCardBackKeepsTheDefault();
};

void TestTableShell::playAreaIsCentred_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<QPoint>("origin");
    QTest::newRow("1024x768") << QSize(1024, 768) << QPoint(112, 84);
    QTest::newRow("1366x768") << QSize(1366, 768) << QPoint(283, 84);
    QTest::newRow("799x599 toward zero") << QSize(799, 599) << QPoint(0, 0);
    QTest::newRow("640x480") << QSize(640, 480) << QPoint(-80, -60);
}

void TestTableShell::playAreaIsCentred()
{
    QFETCH(QSize, screen);
    QFETCH(QPoint, origin);
    Table t(false);
    t.form->setScreenMetrics(screen, 24);
    QCOMPARE(QPoint(t.form->originX(), t.form->originY()), origin);
    QCOMPARE(t.form->Image3->pos(), origin + QPoint(339, 228));
    QCOMPARE(t.form->LbSpeedButton2->pos(), origin + QPoint(351, 460));
    QCOMPARE(t.form->credit_im->pos(), origin + QPoint(622, 153));
    QCOMPARE(t.form->h5->pos(), origin + QPoint(696, 416));
    QCOMPARE(t.form->sg1->pos(), origin + QPoint(640, 396));
    QCOMPARE(t.form->red->geometry(), QRect(QPoint(0, 0), screen));
}

void TestTableShell::playAreaFollowsTheWindow()
{
    // A 40-pixel panel: the window manager gives the table 1024 x 728 of a 1024 x 768 screen.
    Table t(false);
    t.form->sg1MouseDown(QPoint(5, 5)); // dragged by the player
    t.form->sg1MouseMove(QPoint(5 - 30, 5 + 7));
    t.form->sg1MouseUp();
    t.form->setGeometry(0, 40, 1024, 728);
    QCOMPARE(t.form->screenSize(), QSize(1024, 768));
    const QPoint origin(112, 64);
    QCOMPARE(QPoint(t.form->originX(), t.form->originY()), origin);
    QCOMPARE(t.form->desen->geometry(), QRect(origin, QSize(800, 600)));
    QCOMPARE(t.form->red->geometry(), QRect(0, 0, 1024, 728));
    QCOMPARE(t.form->payGridPos(), origin + QPoint(640 - 30, 396 + 7));
}

void TestTableShell::scaleThatFits_data()
{
    QTest::addColumn<QSize>("logical");
    QTest::addColumn<double>("ratio");
    QTest::addColumn<double>("fit"); // 0: none
    QTest::newRow("1920x1080 at 2") << QSize(960, 540) << 2.0 << 1.8;
    QTest::newRow("1366x768 at 2") << QSize(683, 384) << 2.0 << 1.28;
    QTest::newRow("1280x720 at 1.5") << QSize(853, 480) << 1.5 << 1.2;
    QTest::newRow("800x600 at 2, just") << QSize(400, 300) << 2.0 << 1.0;
    QTest::newRow("798x600 at 2, too small") << QSize(399, 300) << 2.0 << 0.0;
    QTest::newRow("640x480 at 1, too small") << QSize(640, 480) << 1.0 << 0.0;
    QTest::newRow("1024x768 at 1, fits") << QSize(1024, 768) << 1.0 << 0.0;
    QTest::newRow("2560x1440 at 2, fits") << QSize(1280, 720) << 2.0 << 0.0;
}

void TestTableShell::scaleThatFits()
{
    QFETCH(QSize, logical);
    QFETCH(double, ratio);
    QFETCH(double, fit);
    const auto got = TForm1::fittingScale(logical, ratio);
    QCOMPARE(got.value_or(0.0), fit);
    if (got) {
        // The screen at that ratio holds the table, and not by rounding alone.
        const QSizeF atFit = QSizeF(logical) * ratio / *got;
        QVERIFY(qRound(atFit.width()) >= 800 && qRound(atFit.height()) >= 600);
    }
}

void TestTableShell::payTablePanel()
{
    Table t;
    TStringAlignGrid* g = t.form->sg1;
    QVERIFY(!g->isVisible());
    QCOMPARE(g->size(), QSize(129, 204));
    QCOMPARE(g->cell(0, 0), QStringLiteral("Hand"));
    QCOMPARE(g->cell(0, 6), QStringLiteral("Full "));
    QCOMPARE(g->cell(0, 11), QStringLiteral("Wins"));
    QCOMPARE(g->cell(1, 10), QStringLiteral("1000"));
    QCOMPARE(g->cell(2, 1), QStringLiteral("16.765")); // Joker on by default
    QCOMPARE(g->colorCell(0, 1), QColor(15 + 8, 53 + 8, 66 + 8));
    QCOMPARE(g->colorCell(2, 2), QColor(15 + 12, 53 + 12, 66 + 12));
    QCOMPARE(g->colorCell(3, 5), QColor(89, 154, 158));

    t.gs.counters.Credit = 100;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    t.setHand({10, 12, 13, 14, 11}, {3, 3, 3, 3, 3});
    t.gs.hand.Held.fill(1);
    const Hand before = t.gs.hand;
    key(*t.form, 'p');
    QVERIFY(g->isVisible());
    QCOMPARE(g->cell(2, 9), QStringLiteral("100.00"));
    QCOMPARE(g->cell(2, 11), QStringLiteral("50000"));
    QCOMPARE(g->cell(2, 1), QStringLiteral("0"));
    QCOMPARE(t.gs.hand.Deck, before.Deck);
    QCOMPARE(t.gs.hand.Held, before.Held);

    // Dragging stays on the screen.
    const QPoint start = t.form->payGridPos();
    t.form->sg1MouseDown(QPoint(10, 10));
    t.form->sg1MouseMove(QPoint(-20, 30));
    QCOMPARE(t.form->payGridPos(), start + QPoint(-30, 20));
    t.form->sg1MouseMove(QPoint(5000, 10));
    QCOMPARE(t.form->payGridPos().x(), start.x() - 30);
    t.form->sg1MouseUp();
    t.form->sg1MouseMove(QPoint(50, 50));
    QCOMPARE(t.form->payGridPos(), start + QPoint(-30, 20));
    press(t.form->proce);
    QVERIFY(!g->isVisible());

    // Opened while the draw is being revealed, the panel still works out the odds of
    // that moment's cards and holds.
    g->setCell(2, 11, QStringLiteral("stale"));
    key(*t.form, '\r');
    QCOMPARE(t.gs.State, uint8_t(2));
    QVERIFY(t.form->phaseBusy());
    key(*t.form, 'p');
    QVERIFY(g->isVisible());
    QCOMPARE(g->cell(2, 11), QStringLiteral("50000"));
    QVERIFY(t.settle());
}

void TestTableShell::screenChecks_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QString>("message");
    QTest::newRow("800x600") << QSize(800, 600) << 24 << QString();
    QTest::newRow("799x600") << QSize(799, 600) << 24 << "Minimum video mode required is 800x600 !";
    QTest::newRow("800x599") << QSize(800, 599) << 24 << "Minimum video mode required is 800x600 !";
    QTest::newRow("8 bits") << QSize(1024, 768) << 8 << "Minimum color quality is 16 bits per pixel !";
    QTest::newRow("16 bits") << QSize(1024, 768) << 16 << QString();
}

void TestTableShell::screenChecks()
{
    QFETCH(QSize, screen);
    QFETCH(int, depth);
    QFETCH(QString, message);
    Table t(false);
    t.form->setScreenMetrics(screen, depth);
    t.form->Timer1Timer();
    if (message.isEmpty()) {
        QVERIFY(SoundService::instance().history().contains(QStringLiteral("intro")));
        t.clock.advance(5000);
        QVERIFY(!t.form->ended());
        return;
    }
    // The message stays two seconds, then the program ends.
    t.clock.advance(1999);
    QVERIFY(!t.form->ended());
    t.clock.advance(1);
    QVERIFY(t.form->ended());
    QCOMPARE(t.form->mintro->text(), message);
    QVERIFY(!t.form->Timer1->isActive());
    QVERIFY(!QFile::exists(t.savePath(QStringLiteral("poker.ini"))));
    QVERIFY(!QFile::exists(t.savePath(QStringLiteral("poker.dat"))));
}

void TestTableShell::attractModeSchedule()
{
    Table t;
    t.gs.counters.Credit = 500;
    SoundService::instance().clearHistory();
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    QCOMPARE(t.form->AntiAliasLabel8->text(), QString());

    const char* names[] = {"Jacks or better", "Two Pairs",     "Three of a kind", "Straight",
                           "Flush",           "Full House",    "Poker",           "Straight Flush",
                           "Royal Flush",     "Five of a kind"};
    const char* mult[] = {"2", "3", "5", "7", "9", "12", "40", "100", "500", "1000"};
    for (int i = 0; i < 10; ++i) {
        t.form->setIdleTicks(611 + 100 * i);
        t.form->Timer3Timer();
        finishWaits(*t.form); // the message line blinks before the name
        QCOMPARE(t.form->AntiAliasLabel1->text(), QString::fromLatin1(names[i]));
        QCOMPARE(t.form->AntiAliasLabel8->text(), QString::fromLatin1(mult[i]));
        if (i < 9) {
            t.form->setIdleTicks(701 + 100 * i);
            t.form->Timer3Timer();
            QCOMPARE(t.form->AntiAliasLabel1->text(), QStringLiteral(" "));
        }
    }
    QCOMPARE(t.form->idleTicks(), 500); // the cycle starts again ten seconds later
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{0, 1, 1, 1, 1, 1}));
    QVERIFY(SoundService::instance().history().isEmpty()); // the showcase is silent
    QCOMPARE(t.gs.counters.Credit, 500);

    // Back to "Demo" and into a hand; a key ends it at once.
    t.form->setIdleTicks(612);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    key(*t.form, 'q');
    QCOMPARE(t.form->idleTicks(), 0);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("1"));
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{}));

    // A disabled table (the Extra screen open) never goes idle.
    t.form->setEnabled(false);
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    QCOMPARE(t.form->idleTicks(), 1);
    t.form->setEnabled(true);

    // A pending win of 40 times the bet keeps the emblem turning; one less does not.
    t.gs.counters.Bet = 10;
    t.gs.counters.Win = 400;
    t.form->setEmblemTicks(100);
    t.form->Timer3Timer();
    QCOMPARE(t.form->emblemTicks(), 30);
    t.gs.counters.Win = 399;
    t.form->setEmblemTicks(100);
    t.form->Timer3Timer();
    QCOMPARE(t.form->emblemTicks(), 101);
}

void TestTableShell::exitSavesBothFiles()
{
    Table t;
    t.gs.settings.VoiceFx = 0;
    t.gs.settings.SoundFx = 1;
    t.gs.settings.RedBlack = 1;
    t.gs.counters.Credit = 4321;
    const int startHeight = t.form->height();
    SoundService::instance().clearHistory();
    key(*t.form, 'x');
    QVERIFY(t.runExit());
    QVERIFY(t.form->height() <= 3 && t.form->width() <= 3);
    QVERIFY(startHeight > 3);
    Settings s;
    loadini(s, t.saveDir.path().toStdString() + "/");
    QCOMPARE(s.RedBlack, uint8_t(1));
    QCOMPARE(s.VoiceFx, uint8_t(0));
    QCOMPARE(savedCounters(t).Credit, 4321);
    const QStringList cues = SoundService::instance().history();
    QCOMPARE(cues, (QStringList{QStringLiteral("clickmic"), QStringLiteral("offg")}));
}

// Once the exit has begun no input acts: an Enter, a guess or a bet change that arrives
// while the window shrinks neither deals behind the saved files nor changes them.
void TestTableShell::exitTakesNoFurtherInput()
{
    Table t(true, true); // real time: the window shrinks on real timers
    t.gs.counters.Credit = 500;
    t.gs.counters.Bet = 10;
    int inputsSent = 0;
    QTimer::singleShot(5, t.form.get(), [&] {
        for (char c : {'\r', ' ', '+', 'm', 'd', 'a'})
            key(*t.form, c);
        t.form->FormMouseWheel(120);
        t.form->Timer2Timer();
        inputsSent = 1;
    });
    key(*t.form, 'x');
    QVERIFY(!t.form->ended()); // the exit takes its time without holding up the loop
    QVERIFY(t.runExit());
    QCOMPARE(inputsSent, 1);
    QCOMPARE(t.gs.counters.Credit, 500);
    QCOMPARE(t.gs.counters.Bet, 10);
    QCOMPARE(t.gs.counters.DealtCounts[12] + t.gs.counters.DealtCountsJoker[12], 0u);
    QCOMPARE(t.gs.Autoplay, uint8_t(0));
    QVERIFY(!t.form->Timer4->isActive());
    const Counters saved = savedCounters(t);
    QCOMPARE(saved.Credit, 500);
    QCOMPARE(saved.DealtCounts[12] + saved.DealtCountsJoker[12], 0u);
}

void TestTableShell::pointerMovementEndsTheShowcase()
{
    Table t;
    t.form->setIdleTicks(599);
    t.form->Timer3Timer();
    t.form->setIdleTicks(611);
    t.form->Timer3Timer();
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("Demo"));
    QMouseEvent move(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(t.form->Image2, &move);
    QCOMPARE(t.form->AntiAliasLabel6->text(), QStringLiteral("1"));
    QCOMPARE(t.form->idleTicks(), 0);
    // The showcase cards stay until the next deal; the hold lights are off.
    QCOMPARE(t.gs.hand.Rank[1], uint8_t(11));
    QCOMPARE(t.gs.hand.Held, (std::array<uint8_t, 6>{}));
}

void TestTableShell::extraScreenRoundTrip()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    t.form->sg1->show();
    key(*t.form, 's');
    QVERIFY(!t.form->isEnabled());
    QVERIFY(extra.isVisible());
    QVERIFY(!t.form->sg1->isVisible());
    t.gs.counters.Credit = 2000; // as "Insert 1000" would
    extra.closeClick();
    QVERIFY(t.form->isEnabled());
    QVERIFY(!extra.isVisible());
    QVERIFY(QFile::exists(t.savePath(QStringLiteral("poker.ini"))));

    // A new deck shows on the cards lying face down as soon as the screen closes.
    const QImage oldBack = t.form->Image1->canvas().convertToFormat(QImage::Format_RGB32);
    key(*t.form, 's');
    extra.deckClick(2);
    extra.closeClick();
    const QImage newBack = t.imagery.cardImage(CardImagery::BackIndex).convertToFormat(QImage::Format_RGB32);
    QVERIFY(newBack != oldBack);
    QCOMPARE(t.form->Image1->canvas().convertToFormat(QImage::Format_RGB32), newBack);

    // During autoplay the button only disarms.
    t.gs.Autoplay = 1;
    key(*t.form, 's');
    QVERIFY(t.form->isEnabled());
    QVERIFY(!extra.isVisible());
}

void TestTableShell::extraScreenOverTheTableTakesItsKeys()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    t.form->setGeometry(0, 40, 1024, 728); // below a panel
    t.gs.counters.Bet = 5;
    key(*t.form, 's');
    QVERIFY(extra.isVisible());
    QCOMPARE(extra.geometry(), QRect(112, 104, 800, 600)); // exactly over the play area
    // A key the disabled table is given (a compositor handed it the keyboard) is the screen's:
    // Escape closes it, and no key acts on the table meanwhile.
    QTest::keyClick(t.form.get(), Qt::Key_M);
    QCOMPARE(t.gs.counters.Bet, int32_t(5));
    QTest::keyClick(t.form.get(), Qt::Key_Escape);
    QVERIFY(!extra.isVisible());
    QVERIFY(t.form->isEnabled());
    QTest::keyClick(t.form.get(), Qt::Key_M);
    QCOMPARE(t.gs.counters.Bet, int32_t(500));
}

void TestTableShell::missingCardFileStopsBeforeAnyWindow()
{
    QTemporaryDir empty;
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    const QString dir = empty.path() + QLatin1Char('/');
    TForm1 form(gs, sounds, imagery, dir, dir);
    QVERIFY(form.startupError().contains(QStringLiteral("poker2.dat")));
    QVERIFY(!form.Timer1->isActive());
    QVERIFY(!form.isVisible());
    QCOMPARE(QDir(empty.path()).entryList(QDir::Files), QStringList()); // nothing written
}

void TestTableShell::missingCardBackKeepsTheDefault()
{
    QTemporaryDir dir;
    const QString d = dir.path() + QLatin1Char('/');
    QVERIFY(
        QFile::copy(Table::runtimeDir() + QStringLiteral("poker2.dat"), d + QStringLiteral("poker2.dat")));
    Settings chosen;
    chosen.DeckNo = 3; // deck3.bmp is not in this folder
    QVERIFY(saveini(chosen, d.toStdString()));
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    TForm1 form(gs, sounds, imagery, d, d);
    form.setQuitOnExit(false);
    QVERIFY(form.startupError().isEmpty());
    QVERIFY(form.Timer1->isActive());
    QCOMPARE(gs.settings.DeckNo, uint8_t(3));
    CardImagery reference;
    QVERIFY(reference.LoadCardImages(d));
    const QImage back = reference.cardImage(CardImagery::BackIndex).convertToFormat(QImage::Format_RGB32);
    for (int k = 1; k <= 5; ++k)
        QCOMPARE(form.card(k)->canvas().convertToFormat(QImage::Format_RGB32), back);
}

QTEST_MAIN(TestTableShell)
#include "tst_table_shell.moc"
