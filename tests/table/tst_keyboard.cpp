// The whole game without a mouse, and what a screen reader is told meanwhile: credit
// inserted, settings changed, a deck picked, the help scrolled and a hand played with keys
// alone on the real windows; the focus ring shows only for the keyboard.
#include "tests/table/tablefixture.h"

#include "extra/form2.h"
#include "table/coachpanel.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"

#include <QAccessible>
#include <QApplication>
#include <QTextBrowser>
#include <QtTest>

using namespace tarvelle;
using tarvelle::testing::Table;

namespace {

// The offscreen platform leaves the table active when the Extra screen opens over it; a
// window manager would hand the screen the keys.
bool activate(QWidget* w)
{
    w->activateWindow();
    QApplication::setActiveWindow(w);
    return QTest::qWaitFor([w] { return QApplication::activeWindow() == w; });
}

// A key as the player types it: to whatever has the focus in the window in front.
void type(QWidget* window, Qt::Key key, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, key, mods);
}

QAccessibleInterface* iface(QWidget* w)
{
    return QAccessible::queryAccessibleInterface(w);
}

QString focusName(const TForm2& extra)
{
    return extra.keyFocus() ? access::nameOf(extra.keyFocus()) : QString();
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT
private slots:
    void insertSetPlayByKeys();
    void helpPageKeys();
    void coachSwitchByKeys();
};

void TestKeyboard::insertSetPlayByKeys()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    t.form->setExtra(&extra);
    t.gs.counters.Credit = 0;
    t.gs.counters.InsertedTotal = 0;
    const bool soundBefore = t.gs.settings.SoundFx != 0;

    QVERIFY(activate(t.form.get()));
    type(t.form.get(), Qt::Key_S);
    QVERIFY(extra.isVisible());
    QVERIFY(activate(&extra));
    QCOMPARE(extra.currentPage(), 1);
    // Opened without a key on it yet: the focus waits on the page's menu entry, unringed,
    // and the screen is what the mouse player sees.
    QCOMPARE(focusName(extra), QStringLiteral("Settings"));
    QVERIFY(!extra.focusRingShown());
    const QImage mouseView = extra.grab().toImage();

    // Tab goes through the menu, every switch, the rates, the languages, the decks, the faces
    // and the account buttons.
    QStringList order{focusName(extra)};
    for (int i = 0; i < 40 && order.last() != QStringLiteral("Insert 1000"); ++i) {
        type(&extra, Qt::Key_Tab);
        order << focusName(extra);
    }
    const QStringList expected = {"Settings",
                                  "Help",
                                  "Statistics",
                                  "Chart",
                                  "Close (Escape)",
                                  "Add Joker",
                                  "Double Game",
                                  "Auto Double",
                                  "Red - Black",
                                  "Auto Hold",
                                  "Smart Hold",
                                  "Sound FX",
                                  "Voice FX",
                                  "Auto Bet",
                                  "Hold High Card",
                                  "Hold Open Inside Straight",
                                  "Payout Rate",
                                  "Payout rate 100 %",
                                  "Payout rate 90 %",
                                  "Payout rate 80 %",
                                  "Payout rate 70 %",
                                  "Payout rate 60 %",
                                  "Payout rate 50 %",
                                  "Language System",
                                  "Language English",
                                  "Language Deutsch",
                                  "Language Français",
                                  "Language Español",
                                  "Deck 1",
                                  "Deck 2",
                                  "Deck 3",
                                  "Deck 4",
                                  "Card faces Classic",
                                  "Card faces Four colours",
                                  "Insert 1000"};
    QCOMPARE(order, expected);
    QVERIFY(extra.focusRingShown());
    QVERIFY(extra.grab().toImage() != mouseView);

    // Space inserts; the account shows it and the screen reader reads it.
    type(&extra, Qt::Key_Space);
    QCOMPARE(t.gs.counters.Credit, 1000);
    QCOMPARE(extra.creditText(), QStringLiteral("1000"));

    // A click puts the ring away: the screen is again exactly what a mouse player sees.
    QTest::mouseClick(&extra, Qt::LeftButton, {}, QPoint(400, 420));
    QVERIFY(!extra.focusRingShown());
    {
        TForm2 mouseOnly(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
        mouseOnly.openExtra();
        QVERIFY(QTest::qWaitForWindowExposed(&mouseOnly));
        QCOMPARE(extra.grab().toImage(), mouseOnly.grab().toImage());
    }
    QVERIFY(activate(&extra));

    // The arrows within the switches: from "Add Joker" down to "Sound FX", Space flips it.
    for (int i = 0; i < 40 && focusName(extra) != QStringLiteral("Add Joker"); ++i)
        type(&extra, Qt::Key_Tab);
    QCOMPARE(focusName(extra), QStringLiteral("Add Joker"));
    for (int i = 0; i < 6; ++i)
        type(&extra, Qt::Key_Down);
    QCOMPARE(focusName(extra), QStringLiteral("Sound FX"));
    QAccessibleInterface* sound = iface(extra.toggleLabel(TForm2::TgSoundFx));
    QCOMPARE(sound->role(), QAccessible::CheckBox);
    QCOMPARE(bool(sound->state().checked), soundBefore);
    type(&extra, Qt::Key_Return);
    QCOMPARE(t.gs.settings.SoundFx != 0, !soundBefore);
    QCOMPARE(bool(sound->state().checked), !soundBefore);
    QCOMPARE(extra.lampLit(extra.toggleLamp(TForm2::TgSoundFx)), !soundBefore);
    // Right leaves the left column for the other one; Down at the bottom stays.
    type(&extra, Qt::Key_Right);
    QVERIFY2(QStringList({"Hold High Card", "Hold Open Inside Straight", "Payout Rate"})
                 .contains(focusName(extra)),
             qPrintable(focusName(extra)));

    // The decks are a two by two group: Right, then Down, picks deck 4.
    for (int i = 0; i < 40 && focusName(extra) != QStringLiteral("Deck 1"); ++i)
        type(&extra, Qt::Key_Tab);
    type(&extra, Qt::Key_Right);
    QCOMPARE(focusName(extra), QStringLiteral("Deck 2"));
    type(&extra, Qt::Key_Down);
    QCOMPARE(focusName(extra), QStringLiteral("Deck 4"));
    type(&extra, Qt::Key_Space);
    QCOMPARE(int(t.gs.settings.DeckNo), 3);
    QVERIFY(iface(extra.deckPreview(3))->state().checked);
    QVERIFY(!iface(extra.deckPreview(0))->state().checked);

    // Ctrl+Tab and Ctrl+Shift+Tab go round the pages; the menu entry tells which is shown.
    type(&extra, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(extra.currentPage(), 2);
    type(&extra, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(extra.currentPage(), 3);
    QVERIFY(iface(extra.menuLabel(3))->state().checked);
    type(&extra, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(extra.currentPage(), 2);
    type(&extra, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(extra.currentPage(), 1);

    // Escape closes and saves; the setting is on disk.
    type(&extra, Qt::Key_Escape);
    QVERIFY(!extra.isVisible());
    QFile ini(t.savePath(QStringLiteral("poker.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(bool(ini.readAll().at(4)), !soundBefore);

    // A hand by keys on the table, read as a screen reader would.
    QVERIFY(activate(t.form.get()));
    QCOMPARE(access::nameOf(t.form->credit_im), QStringLiteral("credit 1000"));
    const int bet = t.gs.counters.Bet;
    type(t.form.get(), Qt::Key_Return);
    QVERIFY(t.settle());
    type(t.form.get(), Qt::Key_1);
    for (int k = 1; k <= 5; ++k) {
        const QString face = TForm1::cardName(t.gs.hand.Suit[size_t(k)], t.gs.hand.Rank[size_t(k)]);
        QVERIFY(!face.isEmpty());
        QCOMPARE(access::nameOf(t.form->card(k)), t.gs.hand.Held[size_t(k)] ? face + ", held" : face);
        QCOMPARE(access::nameOf(t.form->lamp(k)),
                 QStringLiteral("Lamp %1: %2").arg(k).arg(t.gs.hand.Held[size_t(k)] ? "held" : "off"));
    }
    type(t.form.get(), Qt::Key_Return);
    QVERIFY(t.settle());
    QCOMPARE(t.gs.HandActive, 0);
    QCOMPARE(t.gs.counters.Credit, 1000 - bet);
    QCOMPARE(access::nameOf(t.form->credit_im), QStringLiteral("credit %1").arg(1000 - bet));
    QCOMPARE(access::nameOf(t.form->win_im), QStringLiteral("win %1").arg(t.gs.counters.Win));
    auto* announcer = t.form->AntiAliasLabel1->findChild<access::Announcer*>();
    QVERIFY(announcer);
    QVERIFY2(announcer->lastText().startsWith("Final hand: "), qPrintable(announcer->lastText()));
    QVERIFY(announcer->lastText().contains(t.gs.counters.Win > 0
                                               ? QStringLiteral("win %1.").arg(t.gs.counters.Win)
                                               : QStringLiteral("No win.")));
    QCOMPARE(iface(t.form->LbSpeedButton2)->text(QAccessible::Name), QStringLiteral("Deal/Draw (Enter)"));
}

void TestKeyboard::helpPageKeys()
{
    Table t;
    TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
    extra.openExtra();
    QVERIFY(activate(&extra));
    type(&extra, Qt::Key_PageDown, Qt::ControlModifier);
    QCOMPARE(extra.currentPage(), 2);
    const int maximum = extra.scrollMaximum();
    QVERIFY2(maximum > 500, "the shipped help page is longer than its viewer");
    // Every key moves the thumb, and the text follows the thumb as with the mouse.
    const auto consistent = [&] {
        return extra.scrollPos() == TForm2::scrollForThumb(extra.thumbTop(), maximum);
    };
    type(&extra, Qt::Key_End);
    QCOMPARE(extra.thumbTop(), TForm2::ThumbBottom);
    QCOMPARE(extra.scrollPos(), maximum);
    type(&extra, Qt::Key_Home);
    QCOMPARE(extra.scrollPos(), 0);
    type(&extra, Qt::Key_Down);
    const int line = extra.scrollPos();
    QVERIFY(consistent());
    QVERIFY2(line > 0 && line <= 60, qPrintable(QString::number(line)));
    type(&extra, Qt::Key_PageDown);
    const int page = extra.scrollPos() - line;
    QVERIFY(consistent());
    QVERIFY2(page > 300 && page < 600, qPrintable(QString::number(page)));
    type(&extra, Qt::Key_PageUp);
    type(&extra, Qt::Key_Up);
    QCOMPARE(extra.scrollPos(), 0);
    // The help page tells the keys.
    QVERIFY(extra.helpViewer()->toPlainText().contains("Ctrl+Tab"));
}

void TestKeyboard::coachSwitchByKeys()
{
    Table t;
    QVERIFY(activate(t.form.get()));
    if (!t.form->coach->isVisible())
        type(t.form.get(), Qt::Key_C);
    QVERIFY(t.form->coach->isVisible());
    const QImage unfocused = t.form->coach->grab().toImage();
    QWidget* sw = t.form->coach->expertSwitch();
    QAccessibleInterface* a = iface(sw);
    QCOMPARE(a->role(), QAccessible::CheckBox);
    QCOMPARE(a->text(QAccessible::Name), QStringLiteral("Expert holds"));
    const bool before = t.form->coach->expert();

    type(t.form.get(), Qt::Key_Tab);
    QVERIFY(sw->hasFocus());
    QVERIFY(t.form->coach->grab().toImage() != unfocused); // its ring
    type(t.form.get(), Qt::Key_Space);
    QCOMPARE(t.form->coach->expert(), !before);
    QCOMPARE(bool(a->state().checked), !before);
    QCOMPARE(t.gs.HandActive, 0); // Space went to the switch, not to Deal
    // The table's own keys still reach it; Escape hands the focus back.
    type(t.form.get(), Qt::Key_Escape);
    QVERIFY(t.form->hasFocus());
    type(t.form.get(), Qt::Key_Return);
    QVERIFY(t.settle());
    QCOMPARE(t.gs.HandActive, 1);
    // The coach reads as a table of its lines.
    QAccessibleTableInterface* table = iface(t.form->coach)->tableInterface();
    QVERIFY(table);
    QCOMPARE(table->columnCount(), 2);
    QVERIFY(table->cellAt(2, 0)->text(QAccessible::Name).startsWith("1. hold"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
