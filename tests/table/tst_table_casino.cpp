// Casino games at the table: chosen with G as a player would, played with the game's own deck,
// classes, pays, lamps and names, kept in a file of their own while poker.dat and poker.ini
// stay as they were, byte for byte; and the choice comes back with the next start.
#include "tests/table/tablefixture.h"

#include "engine/coach.h"
#include "engine/game.h"
#include "engine/strategy.h"

#include "storage/casinofile.h"

#include "table/strategywindow.h"

#include "widgets/antialiaslabel.h"
#include "widgets/stringaligngrid.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTextDocument>
#include <QtTest>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

int indexOf(const TForm1& f, const char* id)
{
    for (int i = 0; i < int(f.games().size()); ++i) {
        if (f.games()[size_t(i)].id == id)
            return i;
    }
    return -1;
}

// G opens the games; the arrows and Enter choose, as a player without a mouse would.
void chooseByKeys(TForm1& f, const char* id)
{
    key(f, 'G');
    QMenu* menu = f.gameMenu();
    QVERIFY(menu && menu->isVisible());
    const int target = indexOf(f, id);
    QVERIFY(target >= 0);
    const auto actions = menu->actions();
    QAction* wanted = nullptr;
    int seen = -1;
    for (QAction* a : actions) {
        if (!a->isSeparator() && ++seen == target)
            wanted = a;
    }
    QVERIFY(wanted);
    for (int i = 0; i < 40 && menu->activeAction() != wanted; ++i)
        QTest::keyClick(menu, Qt::Key_Down);
    QCOMPARE(menu->activeAction(), wanted);
    QTest::keyClick(menu, Qt::Key_Return);
    finishWaits(f);
}

} // namespace

class TestTableCasino : public QObject {
    Q_OBJECT
private slots:
    void casinoGamePlaysByItsOwnTableAndLeavesPokerDatAlone();
    void choiceComesBackAndTheTableGameKeepsItsMoney();
    void noChoiceInsideAHand();
    void pendingWinStaysWithItsGame();
    void strategyChartOfTheGamePlayed();
    void damagedGamesFileIsSaidAndTheCatalogueOffered();
};

void TestTableCasino::casinoGamePlaysByItsOwnTableAndLeavesPokerDatAlone()
{
    Table t;
    TForm1& f = *t.form;
    f.saveAll();
    const QByteArray dat = fileBytes(t.savePath(QStringLiteral("poker.dat")));
    const QByteArray ini = fileBytes(t.savePath(QStringLiteral("poker.ini")));
    const int32_t tableCredit = t.gs.counters.Credit;

    for (const char* id : {"double-double-bonus-9-6", "deuces-wild", "joker-poker"}) {
        chooseByKeys(f, id);
        QVERIFY(t.gs.casino);
        const Game& g = *t.gs.casino;
        QCOMPARE(g.id, std::string(id));
        QCOMPARE(t.gs.counters.Credit, 1000); // a fresh book
        // The pay table lists the game's classes and pays, lowest first, then "Wins".
        QCOMPARE(f.sg1->rowCount(), g.classCount + 1);
        for (int c = 1; c < g.classCount; ++c) {
            QCOMPARE(f.sg1->cell(0, c), QString::fromUtf8(className(g.keys[size_t(c)])));
            QCOMPARE(f.sg1->cell(1, c), QString::number(g.pay[size_t(c)]));
        }

        const GameClassifier classify(g);
        int paid = 0;
        int drawn = 0; // a hand held whole is not counted as drawn
        for (int hand = 0; hand < 150; ++hand) {
            key(f, '\r');
            QVERIFY(t.settle());
            // The hold lamps propose the best hold of the exact analysis.
            const std::array<int, 5> dealt = handCards(t.gs.hand);
            QCOMPARE(heldMask(t.gs.hand), handHoldValues(dealt, g).best());
            drawn += heldMask(t.gs.hand) != 31;
            const int32_t credit = t.gs.counters.Credit;
            key(f, '\r');
            QVERIFY(t.settle());
            const std::array<int, 5> final = handCards(t.gs.hand);
            for (int card : final)
                QVERIFY(card < g.deckSize());
            const int cls = classify.classify(final.data());
            const int64_t pays = g.pay[size_t(cls)] * t.gs.counters.Bet;
            QCOMPARE(int64_t(t.gs.counters.Win), pays);
            QCOMPARE(t.gs.counters.Credit, credit);
            QCOMPARE(t.gs.counters.Bonus, 0);
            if (pays > 0) {
                ++paid;
                QCOMPARE(heldMask(t.gs.hand), winningMask(g, final.data(), cls));
                QCOMPARE(f.AntiAliasLabel1->text(), QString::fromUtf8(className(g.keys[size_t(cls)])));
            }
        }
        QVERIFY(paid > 20);
        // Its own file holds what the table shows.
        const CasinoBook book = loadCasinoBook(g, t.saveDir.path().toStdString() + "/");
        QCOMPARE(book.money, t.gs.counters);
        QCOMPARE(book.counts, t.gs.casinoCounts);
        QCOMPARE(int(book.counts.dealt[0]), 150);
        QCOMPARE(int(book.counts.final[0]), drawn);
    }
    f.saveAll();
    QCOMPARE(fileBytes(t.savePath(QStringLiteral("poker.dat"))), dat);
    QCOMPARE(fileBytes(t.savePath(QStringLiteral("poker.ini"))), ini);

    // Back to the table's own game: its credit as it was left.
    chooseByKeys(f, "tarvelle");
    QVERIFY(!t.gs.casino);
    QCOMPARE(t.gs.counters.Credit, tableCredit);
    QCOMPARE(f.sg1->rowCount(), 12);
}

void TestTableCasino::choiceComesBackAndTheTableGameKeepsItsMoney()
{
    Table t;
    chooseByKeys(*t.form, "jacks-9-6");
    t.gs.counters.Credit = 4321;
    t.gs.counters.Win = 79; // left pending: paid at the next start, as the table's own is
    t.form->saveAll();
    t.form.reset();

    GameState again;
    t.form =
        std::make_unique<TForm1>(again, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + "/");
    t.form->setQuitOnExit(false);
    QVERIFY(again.casino);
    QCOMPARE(again.casino->id, std::string("jacks-9-6"));
    QCOMPARE(again.counters.Credit, 4400);
    QCOMPARE(again.counters.Win, 0);
    QCOMPARE(t.form->gameIndex(), indexOf(*t.form, "jacks-9-6"));
}

void TestTableCasino::noChoiceInsideAHand()
{
    Table t;
    key(*t.form, '\r');
    QVERIFY(t.settle());
    key(*t.form, 'G');
    int open = 0;
    for (QAction* a : t.form->gameMenu()->actions())
        open += !a->isSeparator() && a->isEnabled() && !a->isChecked();
    QCOMPARE(open, 0);
    // Even a choice that reached the round is refused while the hand is shown.
    t.form->chooseGame(indexOf(*t.form, "deuces-wild"));
    QVERIFY(!t.gs.casino);
}

void TestTableCasino::pendingWinStaysWithItsGame()
{
    Table t;
    t.gs.counters.Win = 30;
    const int32_t credit = t.gs.counters.Credit;
    chooseByKeys(*t.form, "bonus-8-5");
    QCOMPARE(t.gs.counters.Win, 0);
    QCOMPARE(savedCounters(t).Credit, credit + 30); // banked in poker.dat before the switch
    chooseByKeys(*t.form, "tarvelle");
    QCOMPARE(t.gs.counters.Credit, credit + 30);
}

void TestTableCasino::strategyChartOfTheGamePlayed()
{
    Table t;
    chooseByKeys(*t.form, "jacks-9-6");
    key(*t.form, 'H');
    StrategyWindow* w = t.form->strategyWindow();
    QVERIFY(w && w->isVisible());
    QSignalSpy shown(w, &StrategyWindow::chartShown);
    QVERIFY(shown.wait(60000)); // worked out on a thread: the table is not held up meanwhile
    // The page is the engine's chart of the game played.
    const StrategyChart chart = strategyChart(*t.gs.casino);
    QTextDocument expected;
    expected.setHtml(QString::fromStdString(chartHtml(chart)));
    QTextDocument page;
    page.setHtml(w->html());
    QCOMPARE(page.toPlainText(), expected.toPlainText());
    QVERIFY(page.toPlainText().contains(QStringLiteral("9/6 Jacks or Better")));
    QTest::keyClick(w, Qt::Key_Escape);
    QVERIFY(!w->isVisible());
}

void TestTableCasino::damagedGamesFileIsSaidAndTheCatalogueOffered()
{
    QTemporaryDir dir;
    QFile games(dir.path() + "/games.txt");
    QVERIFY(games.open(QIODevice::WriteOnly));
    games.write("mine jacks-9-6 1,2,3,4,6,9,25,50,800\nbroken jacks-9-6 1,2,x\n");
    games.close();
    GameState gs;
    SoundBank sounds;
    CardImagery imagery;
    TForm1 f(gs, sounds, imagery, Table::runtimeDir(), dir.path() + "/");
    QVERIFY2(f.loadNotice().contains(QStringLiteral("games.txt")), qPrintable(f.loadNotice()));
    QVERIFY(indexOf(f, "mine") > 0);
    QCOMPARE(indexOf(f, "broken"), -1);
    QVERIFY(indexOf(f, "deuces-wild") > 0);
}

QTEST_MAIN(TestTableCasino)
#include "tst_table_casino.moc"
