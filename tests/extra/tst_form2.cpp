#include "engine/analysis.h"
#include "engine/risk.h"
#include "extra/form2.h"
#include "sound/waveplayer.h"
#include "storage/gamefiles.h"
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "extra/chartpage.h"
#include "widgets/accessibility.h"
#include "widgets/image.h"
#include "widgets/stringaligngrid.h"

#include <QAccessibleInterface>
#include <QBuffer>
#include <QChart>
#include <QFile>
#include <QFontMetrics>
#include <QLineEdit>
#include <QLineSeries>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

#include <cmath>
#include <limits>
#include <memory>
#include <tuple>

using namespace tarvelle;

namespace {

const QColor kDefaultBack(200, 30, 30);
const QColor kDeck1Back(30, 200, 30);

QByteArray bmp(const QColor& fill)
{
    QImage img(CardImagery::CardWidth, CardImagery::CardHeight, QImage::Format_RGB888);
    img.fill(fill);
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return bytes;
}

// A card file whose cards are grey and whose default back is kDefaultBack.
void writeCardFile(const QString& dir)
{
    QFile f(dir + "poker2.dat");
    QVERIFY(f.open(QIODevice::WriteOnly));
    for (int r = 0; r < CardImagery::RecordCount; ++r) {
        const QByteArray rec = bmp(r == CardImagery::BackIndex ? kDefaultBack : QColor(128, 128, 128));
        QCOMPARE(rec.size(), CardImagery::RecordSize);
        f.write(CardImagery::unscramble(rec));
    }
}

void writeHelp(const QString& dir)
{
    QFile f(dir + "help.htm");
    QVERIFY(f.open(QIODevice::WriteOnly));
    QByteArray html = "<html><body><h1>How to play</h1>";
    for (int i = 1; i <= 120; ++i)
        html += "<p>Paragraph " + QByteArray::number(i) + " of the rules.</p>";
    html += "<p>THE END</p></body></html>";
    f.write(html);
}

QStringList sounds()
{
    return SoundService::instance().history();
}

// One Extra screen over a fresh game, with its own program and save folders.
struct Screen {
    QTemporaryDir app;
    QTemporaryDir save;
    GameState game;
    SoundBank bank;
    CardImagery cards;
    std::unique_ptr<TForm2> form;
    QStringList warnings;

    explicit Screen(bool withHelp = true)
    {
        const QString dir = app.path() + "/";
        writeCardFile(dir);
        if (withHelp)
            writeHelp(dir);
        QImage deck1(CardImagery::CardWidth, CardImagery::CardHeight, QImage::Format_RGB888);
        deck1.fill(kDeck1Back);
        deck1.save(dir + "deck1.bmp", "BMP");
        cards.LoadCardImages(dir);
        TForm2::setWarningHandler([this](const QString& m) { warnings << m; });
        form = std::make_unique<TForm2>(game, bank, cards, dir, save.path());
        SoundService::instance().setMuted(true);
        SoundService::instance().clearHistory();
    }
    ~Screen() { TForm2::setWarningHandler({}); }

    QByteArray savedIni() const
    {
        QFile f(save.filePath("poker.ini"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    QColor back() const { return cards.cardImage(CardImagery::BackIndex).pixelColor(60, 80); }
};

// A shown figure read back: its number and the unit it counts in (1 for a whole figure).
std::pair<int64_t, int64_t> figureValue(const QString& text)
{
    const QStringList parts = text.split(' ');
    int64_t unit = 1;
    if (parts.size() == 2) {
        const int step = int(QStringLiteral("kMGTPE").indexOf(parts[1])) + 1;
        if (step == 0 || parts[1].size() != 1)
            return {0, 0};
        for (int i = 0; i < step; ++i)
            unit *= 1000;
    }
    bool ok = false;
    const int64_t n = parts[0].toLongLong(&ok);
    return ok && parts.size() <= 2 ? std::pair{n, unit} : std::pair<int64_t, int64_t>{0, 0};
}

// The figure fits its box, whole or in a unit that never claims more than the value.
bool figureFits(const QString& text, int64_t value, const QFont& font, int width)
{
    const auto [n, unit] = figureValue(text);
    return unit != 0 && n == value / unit && QFontMetrics(font).horizontalAdvance(text) <= width;
}

TAntiAliasLabel* labelWithText(QWidget& parent, const QString& text)
{
    for (TAntiAliasLabel* l : parent.findChildren<TAntiAliasLabel*>())
        if (l->text() == text)
            return l;
    return nullptr;
}

void leftClick(QWidget* w)
{
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

void sendMouse(QWidget* w, QEvent::Type type, int y, Qt::MouseButtons buttons)
{
    const QPointF local(5, y);
    QMouseEvent e(type, local, w->mapToGlobal(local),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &e);
}

} // namespace

class TestForm2 : public QObject {
    Q_OBJECT
private slots:
    void windowAndPages();
    void closeSavesAndReopensOnLastPage();
    void togglesClickBeforeFlip();
    void toggleRefusals();
    void payoutRates();
    void cardBacks();
    void accountPanel();
    void accountExamples();
    void accountAtTheEndsOfItsRange();
    void statisticsLayout();
    void statisticsCounts();
    void statisticsReset();
    void figuresFitTheirBoxesAtTheEnds();
    void thumbToScrollRounding();
    void helpThumbAndWheel();
    void missingHelpPage();
    void everyChangeIsOnDiskWhenMade();
    void casinoGameStatistics();
    void casinoGameLeavesTableSwitchesAlone();
    void riskStripShowsTheEnginesFigures();
    void riskEntriesBoundedAndNewestWins();
    void chartShowsTheSessionAndItsExpectation();
    void chartFollowsTheGameAndTheKeys();
};

void TestForm2::windowAndPages()
{
    Screen s;
    TForm2& f = *s.form;
    QVERIFY(!f.isVisible());
    QVERIFY(f.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(f.size(), QSize(800, 600));
    QCOMPARE(f.currentPage(), 0);

    f.openExtra();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QCOMPARE(f.currentPage(), 1);
    QVERIFY(f.toggleLabel(TForm2::TgJoker)->isVisible());
    QVERIFY(f.deckPreview(3)->isVisible());
    QVERIFY(!f.helpViewer()->isVisible());
    QVERIFY(!f.pokerGrid()->isVisible());

    const QImage shot = f.grab().toImage();
    QCOMPARE(shot.pixelColor(400, 420), QColor(15, 53, 66)); // between the columns and the panel
    QCOMPARE(shot.pixelColor(130, 575), QColor(11, 43, 58)); // account panel
    if (const QByteArray dir = qgetenv("TARVELLE_GRAB_DIR"); !dir.isEmpty())
        shot.save(QString::fromLocal8Bit(dir) + "/extra-settings.png");

    // Clicking the menu captions switches pages and clicks.
    leftClick(f.menuLabel(2));
    QCOMPARE(f.currentPage(), 2);
    QVERIFY(f.helpViewer()->isVisible());
    QVERIFY(!f.toggleLabel(TForm2::TgJoker)->isVisible());
    leftClick(f.menuLabel(3));
    QCOMPARE(f.currentPage(), 3);
    QVERIFY(f.pokerGrid()->isVisible() && f.doubleGrid()->isVisible());
    QVERIFY(!f.helpViewer()->isVisible());
    QCOMPARE(sounds(), (QStringList{"clickmic", "clickmic"}));
    if (const QByteArray dir = qgetenv("TARVELLE_GRAB_DIR"); !dir.isEmpty()) {
        f.grab().save(QString::fromLocal8Bit(dir) + "/extra-statistics.png");
        f.pages(2);
        f.grab().save(QString::fromLocal8Bit(dir) + "/extra-help.png");
        // The shipped help page, when the data files were built.
        const QString runtime = qEnvironmentVariable("TARVELLE_RUNTIME_DIR") + "/";
        if (QFile::exists(runtime + "help.htm")) {
            TForm2 shipped(s.game, s.bank, s.cards, runtime, s.save.path());
            shipped.openExtra();
            shipped.pages(2);
            shipped.grab().save(QString::fromLocal8Bit(dir) + "/extra-help-shipped.png");
            shipped.FormMouseWheel(-240);
            shipped.grab().save(QString::fromLocal8Bit(dir) + "/extra-help-shipped2.png");
            shipped.hide();
        }
    }

    // Hover colours of a menu caption and of a setting.
    TAntiAliasLabel* menu = f.menuLabel(1);
    QCOMPARE(menu->fontColor(), QColor(15, 53, 66));
    emit menu->mouseEnter();
    QCOMPARE(menu->fontColor(), QColor(98, 170, 174));
    emit menu->mouseLeave();
    QCOMPARE(menu->fontColor(), QColor(15, 53, 66));
    TAntiAliasLabel* rate = f.rateLabel(0);
    emit rate->mouseEnter();
    QCOMPARE(rate->fontColor(), QColor(89, 154, 158));
    emit rate->mouseLeave();
    QCOMPARE(rate->fontColor(), QColor(64, 118, 127));
}

void TestForm2::closeSavesAndReopensOnLastPage()
{
    Screen s;
    TForm2& f = *s.form;
    QSignalSpy closed(&f, &TForm2::closed);
    f.openExtra();
    f.statisticsMenuClick();
    f.toggleClick(TForm2::TgSoundFx); // Sound FX off
    SoundService::instance().clearHistory();
    f.closeClick();
    QVERIFY(!f.isVisible());
    QCOMPARE(closed.count(), 1);
    const QByteArray ini = s.savedIni();
    QCOMPARE(ini.size(), 14);
    QCOMPARE(int(ini.at(4)), 0);
    QCOMPARE(sounds(), QStringList{}); // Sound FX is off now: Close is silent

    f.openExtra();
    QCOMPARE(f.currentPage(), 3);

    // The window's own close request takes the same way out.
    f.toggleClick(TForm2::TgSoundFx);
    SoundService::instance().clearHistory();
    QVERIFY(!f.close());
    QVERIFY(!f.isVisible());
    QCOMPARE(closed.count(), 2);
    QCOMPARE(int(s.savedIni().at(4)), 1);
    QCOMPARE(sounds(), QStringList{"clickmic"});

    // Escape closes too.
    f.openExtra();
    QTest::keyClick(&f, Qt::Key_Escape);
    QVERIFY(!f.isVisible());
    QCOMPARE(closed.count(), 3);
    Settings back;
    loadini(back, s.save.path().toStdString());
    QCOMPARE(settingsBytes(back), settingsBytes(s.game.settings));
}

void TestForm2::togglesClickBeforeFlip()
{
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    Settings& st = s.game.settings;

    // Clicking the caption or the lamp flips the setting and its lamp.
    QCOMPARE(st.AutoBet, uint8_t(0));
    QVERIFY(!f.lampLit(f.toggleLamp(TForm2::TgAutoBet)));
    leftClick(f.toggleLabel(TForm2::TgAutoBet));
    QCOMPARE(st.AutoBet, uint8_t(1));
    QVERIFY(f.lampLit(f.toggleLamp(TForm2::TgAutoBet)));
    leftClick(f.toggleLamp(TForm2::TgAutoBet));
    QCOMPARE(st.AutoBet, uint8_t(0));
    QVERIFY(!f.lampLit(f.toggleLamp(TForm2::TgAutoBet)));
    QCOMPARE(sounds(), (QStringList{"clickmic", "clickmic"}));

    // Every toggle reaches its own setting.
    const auto before = settingsBytes(st);
    for (int t = 0; t < TForm2::ToggleCount; ++t)
        f.toggleClick(t);
    const auto after = settingsBytes(st);
    for (int i = 0; i < 14; ++i) {
        const bool flipped = i != 11 && i != 13; // the rate and the deck are not toggles
        QCOMPARE(after[size_t(i)], uint8_t(flipped ? before[size_t(i)] ^ 1 : before[size_t(i)]));
    }

    // "Sound FX": switching off still clicks, switching on is silent.
    st.SoundFx = 1;
    SoundService::instance().clearHistory();
    f.toggleClick(TForm2::TgSoundFx);
    QCOMPARE(st.SoundFx, uint8_t(0));
    f.toggleClick(TForm2::TgSoundFx);
    QCOMPARE(st.SoundFx, uint8_t(1));
    QCOMPARE(sounds(), QStringList{"clickmic"});

    // The lamp shows the state the refresh reads back.
    st.VoiceFx = 1;
    f.pages(1);
    QVERIFY(f.lampLit(f.toggleLamp(TForm2::TgVoiceFx)));
    f.toggleClick(TForm2::TgVoiceFx);
    QVERIFY(!f.lampLit(f.toggleLamp(TForm2::TgVoiceFx)));
}

void TestForm2::toggleRefusals()
{
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    Settings& st = s.game.settings;

    s.game.HandActive = 1;
    f.toggleClick(TForm2::TgJoker);
    QCOMPARE(st.Joker, uint8_t(1));
    f.toggleClick(TForm2::TgRedBlack); // allowed in a hand
    QCOMPARE(st.RedBlack, uint8_t(1));
    QCOMPARE(sounds(), (QStringList{"err", "clickmic"}));

    s.game.HandActive = 0;
    s.game.dbl.DoubleActive = 1;
    SoundService::instance().clearHistory();
    f.toggleClick(TForm2::TgJoker);
    f.toggleClick(TForm2::TgRedBlack);
    QCOMPARE(st.Joker, uint8_t(1));
    QCOMPARE(st.RedBlack, uint8_t(1));
    QVERIFY(f.lampLit(f.toggleLamp(TForm2::TgJoker)));
    QCOMPARE(sounds(), (QStringList{"err", "err"}));

    // Refusals are silent with the sound off.
    st.SoundFx = 0;
    SoundService::instance().clearHistory();
    f.toggleClick(TForm2::TgJoker);
    QCOMPARE(sounds(), QStringList{});

    s.game.dbl.DoubleActive = 0;
    f.toggleClick(TForm2::TgJoker);
    QCOMPARE(st.Joker, uint8_t(0));
}

void TestForm2::payoutRates()
{
    Screen s;
    TForm2& f = *s.form;
    Settings& st = s.game.settings;
    st.PayoutRate = 75; // not one of the six
    f.openExtra();
    QCOMPARE(st.PayoutRate, uint8_t(70));
    for (int i = 0; i < TForm2::RateCount; ++i)
        QCOMPARE(f.lampLit(f.rateLamp(i)), i == 3);

    // With the control off the rates are inert and silent.
    QCOMPARE(st.PayoutControl, uint8_t(0));
    leftClick(f.rateLabel(1));
    QCOMPARE(st.PayoutRate, uint8_t(70));
    QCOMPARE(sounds(), QStringList{});

    leftClick(f.toggleLabel(TForm2::TgPayoutControl));
    QCOMPARE(st.PayoutControl, uint8_t(1));
    leftClick(f.rateLabel(1));
    QCOMPARE(st.PayoutRate, uint8_t(90));
    leftClick(f.rateLamp(5));
    QCOMPARE(st.PayoutRate, uint8_t(50));
    for (int i = 0; i < TForm2::RateCount; ++i)
        QCOMPARE(f.lampLit(f.rateLamp(i)), i == 5);
    QCOMPARE(sounds(), (QStringList{"clickmic", "clickmic", "clickmic"}));

    st.PayoutRate = 75;
    f.pages(1);
    f.closeClick();
    QCOMPARE(int(uchar(s.savedIni().at(11))), 70);
    QCOMPARE(int(uchar(s.savedIni().at(12))), 1);
}

void TestForm2::cardBacks()
{
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    QCOMPARE(s.back(), kDefaultBack);
    QVERIFY(f.lampLit(f.deckLamp(0)));

    leftClick(f.deckPreview(1));
    QCOMPARE(s.game.settings.DeckNo, uint8_t(1));
    QCOMPARE(s.back(), kDeck1Back);
    for (int d = 0; d < TForm2::DeckCount; ++d)
        QCOMPARE(f.lampLit(f.deckLamp(d)), d == 1);
    QCOMPARE(sounds(), QStringList{"clickmic"});

    // deck2.bmp is missing: a warning naming it, the old back stays, the choice sticks.
    leftClick(f.deckLamp(2));
    QCOMPARE(s.game.settings.DeckNo, uint8_t(2));
    QCOMPARE(s.back(), kDeck1Back);
    QVERIFY(f.lampLit(f.deckLamp(2)));
    QCOMPARE(s.warnings.size(), 1);
    QVERIFY(s.warnings.first().contains("deck2.bmp"));
    // Showing the page again does not nag with the same box; choosing it again does.
    f.pages(1);
    QCOMPARE(s.warnings.size(), 1);
    f.deckClick(2);
    QCOMPARE(s.warnings.size(), 2);

    f.deckClick(0);
    QCOMPARE(s.back(), kDefaultBack);
    QCOMPARE(s.warnings.size(), 2);

    // A stored deck number past the four lights no lamp and loads nothing.
    s.game.settings.DeckNo = 7;
    f.pages(1);
    for (int d = 0; d < TForm2::DeckCount; ++d)
        QVERIFY(!f.lampLit(f.deckLamp(d)));
    QCOMPARE(s.back(), kDefaultBack);
    QCOMPARE(s.warnings.size(), 2);
}

void TestForm2::accountPanel()
{
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    c.Credit = 999999;
    f.openExtra();
    QCOMPARE(f.creditText(), QString("999999"));
    f.insertClick();
    QCOMPARE(c.Credit, 1000999);
    QCOMPARE(c.InsertedTotal, int64_t(2000));
    QCOMPARE(f.creditText(), QString("1000999"));
    QCOMPARE(f.myAccountText(), QString("-2000"));

    c.Credit = 1000000;
    SoundService::instance().clearHistory();
    f.insertClick();
    QCOMPARE(c.Credit, 1000000);
    QCOMPARE(c.InsertedTotal, int64_t(2000));
    QCOMPARE(sounds(), QStringList{"err"});

    // The account reset: its own subset of the defaults, silent, the rest untouched.
    c.Win = 40;
    c.Bonus = 300;
    c.Bet = 20;
    c.CashoutTotal = 5000;
    c.AccountRecord = 3000;
    c.DealtCounts[12] = 9;
    SoundService::instance().clearHistory();
    f.accountResetClick();
    QCOMPARE(c.Credit, 1000);
    QCOMPARE(c.InsertedTotal, int64_t(1000));
    QCOMPARE(c.CashoutTotal, int64_t(0));
    QCOMPARE(c.AccountRecord, int64_t(0));
    QCOMPARE(c.Win, 40);
    QCOMPARE(c.Bonus, 300);
    QCOMPARE(c.Bet, 20);
    QCOMPARE(c.DealtCounts[12], 9u);
    QCOMPARE(f.creditText(), QString("1000"));
    QCOMPARE(f.myAccountText(), QString("-1000"));
    QCOMPARE(f.accountRecordText(), QString("0"));
    QCOMPARE(sounds(), QStringList{});

    // Totals past 32 bits are shown whole.
    c.CashoutTotal = 10000000000LL;
    c.AccountRecord = 9999999000LL;
    f.pages(1);
    QCOMPARE(f.myAccountText(), QString("9999999000"));
    QCOMPARE(f.accountRecordText(), QString("9999999000"));
}

void TestForm2::accountExamples()
{
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    f.openExtra();

    leftClick(labelWithText(f, "Cashout"));
    QCOMPARE(c.Credit, 0);
    QCOMPARE(c.CashoutTotal, int64_t(1000));
    QCOMPARE(f.creditText(), QString("0"));
    QCOMPARE(f.myAccountText(), QString("0"));
    QCOMPARE(c.AccountRecord, int64_t(0));
    QCOMPARE(f.accountRecordText(), QString("0"));
    f.insertClick();
    QCOMPARE(f.myAccountText(), QString("-1000"));
    QCOMPARE(f.creditText(), QString("1000"));
    QCOMPARE(sounds(), (QStringList{"clickmic", "clickmic"}));

    // From the defaults: a win of 500 reaches the credit, then everything is cashed out.
    f.accountResetClick();
    c.Credit += 500;
    f.pages(1);
    f.cashoutClick();
    QCOMPARE(c.Credit, 0);
    QCOMPARE(f.myAccountText(), QString("500"));
    QCOMPARE(c.AccountRecord, int64_t(500));
    QCOMPARE(f.accountRecordText(), QString("500"));
    // A later loss does not lower the record.
    f.insertClick();
    c.Credit -= 300;
    f.cashoutClick();
    QCOMPARE(f.myAccountText(), QString("200"));
    QCOMPARE(c.AccountRecord, int64_t(500));
    QCOMPARE(f.accountRecordText(), QString("500"));
}

// Account totals at the ends of their range, as an edited counters file may bring them:
// showing, inserting and cashing out never overflow; what cannot be added is refused with
// the error sound and changes nothing.
void TestForm2::accountAtTheEndsOfItsRange()
{
    const int64_t top = std::numeric_limits<int64_t>::max();
    const int64_t bottom = std::numeric_limits<int64_t>::min();
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    s.game.settings.SoundFx = 1;
    Counters edited;
    edited.Credit = 5000;
    edited.InsertedTotal = top - 999;
    edited.CashoutTotal = top - 10;
    QVERIFY(svct(edited, s.save.path().toStdString()));
    ldct(c, s.save.path().toStdString());
    QCOMPARE(c.InsertedTotal, top - 999);
    f.openExtra();
    QCOMPARE(f.myAccountText(), QString::number(989));

    f.insertClick(); // the inserted total would pass its top
    QCOMPARE(c.InsertedTotal, top - 999);
    QCOMPARE(c.Credit, 5000);
    f.cashoutClick(); // so would the cashed-out total
    QCOMPARE(c.CashoutTotal, top - 10);
    QCOMPARE(c.Credit, 5000);
    QCOMPARE(sounds(), (QStringList{"err", "err"}));

    // A balance beyond 64 bits shows held at its end.
    c.CashoutTotal = top;
    c.InsertedTotal = -1000;
    f.pages(1);
    const auto shows = [&f](int64_t value) {
        const auto [n, unit] = figureValue(f.myAccountText());
        return unit > 1 && n == value / unit;
    };
    QVERIFY(shows(top)); // too wide for the box: in a unit
    c.CashoutTotal = bottom + 5;
    c.InsertedTotal = 1000;
    f.pages(1);
    QVERIFY(shows(bottom));
    // Cashing out into a total far below zero still adds exactly.
    f.cashoutClick();
    QCOMPARE(c.CashoutTotal, bottom + 5 + 5000);
    QCOMPARE(c.Credit, 0);
}

void TestForm2::statisticsLayout()
{
    Screen s;
    TForm2& f = *s.form;
    TStringAlignGrid* g2 = f.pokerGrid();
    TStringAlignGrid* g3 = f.doubleGrid();
    QCOMPARE(g2->geometry(), QRect(100, 80, 600, 286));
    QCOMPARE(g3->geometry(), QRect(100, 400, 600, 132));
    QCOMPARE(g2->colCount(), 6);
    QCOMPARE(g2->rowCount(), 13);
    QCOMPARE(g3->rowCount(), 6);

    const QStringList header2{"Poker statistics", "( x )",          "1st Deal",
                              "2nd Deal",         "1st Deal Joker", "2nd Deal Joker"};
    for (int c = 0; c < 6; ++c)
        QCOMPARE(g2->cell(c, 0), header2[c]);
    const QStringList names{"Low Pair",       "Jacks or better", "Two Pairs",      "Three of a kind",
                            "Straight",       "Flush",           "Full House",     "Poker",
                            "Straight Flush", "Royal Flush",     "Five of a kind", "Deals"};
    const QStringList multipliers{"0", "2", "3", "5", "7", "9", "12", "40", "100", "500", "1000", ""};
    for (int r = 1; r <= 12; ++r) {
        QCOMPARE(g2->cell(0, r), names[r - 1]);
        QCOMPARE(g2->cell(1, r), multipliers[r - 1]);
        for (int c = 2; c <= 5; ++c)
            QCOMPARE(g2->cell(c, r), QString("0"));
    }
    const QStringList rows3{"Double statistics", "Win  Red-Black", "Lose Red-Black",
                            "Win  Low-High",     "Lose Low-High",  "Total Doubles"};
    const QStringList header3{"", "1st", "2nd", "3rd", "4th", "5th"};
    for (int r = 0; r < 6; ++r)
        QCOMPARE(g3->cell(0, r), rows3[r]);
    for (int c = 1; c < 6; ++c)
        QCOMPARE(g3->cell(c, 0), header3[c]);

    for (TStringAlignGrid* g : {g2, g3}) {
        for (int c = 0; c < 6; ++c)
            QCOMPARE(g->colorCell(c, 0), QColor(10, 42, 58));
        QCOMPARE(g->colorCell(0, 1), QColor(18, 56, 69));
        QCOMPARE(g->colorCell(0, 2), QColor(15, 53, 66));
        QCOMPARE(g->colorCell(5, 1), QColor(28, 66, 79));
        QCOMPARE(g->colorCell(3, 4), QColor(21, 59, 72));
        QCOMPARE(g->alignmentAt(0, 0), alLeft);
        QCOMPARE(g->alignmentAt(0, 3), alLeft);
        QCOMPARE(g->alignmentAt(1, 0), alRight);
        QCOMPARE(g->alignmentAt(4, 3), alRight);
        QCOMPARE(g->fontColorAt(2, 2), QColor(89, 154, 158));
        QCOMPARE(g->fontAt(2, 2).pixelSize(), 13);
    }
}

void TestForm2::statisticsCounts()
{
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    c.DealtCounts[12] = 4294967295u;
    c.FinalCountsJoker[2] = 17;
    c.DealtCountsJoker[11] = 3;
    // One Red-Black chain: won at the first step, lost at the second.
    c.RbWon[1] = 1;
    c.RbLost[2] = 1;
    // A total that passes 2^32 is the true sum.
    c.LhWon[5] = 4294967295u;
    c.LhLost[5] = 2;
    f.openExtra();
    // The page shows the counters of the moment it is opened.
    QCOMPARE(f.pokerGrid()->cell(2, 12), QString("0"));
    f.statisticsMenuClick();
    TStringAlignGrid* g2 = f.pokerGrid();
    TStringAlignGrid* g3 = f.doubleGrid();
    QCOMPARE(g2->cell(2, 12), QString("4294967295"));
    QCOMPARE(g2->cell(5, 2), QString("17"));
    QCOMPARE(g2->cell(4, 11), QString("3"));
    QCOMPARE(g2->cell(3, 12), QString("0"));
    QCOMPARE(g3->cell(1, 1), QString("1"));
    QCOMPARE(g3->cell(2, 2), QString("1"));
    QCOMPARE(g3->cell(1, 5), QString("1"));
    QCOMPARE(g3->cell(2, 5), QString("1"));
    QCOMPARE(g3->cell(3, 5), QString("0"));
    QCOMPARE(g3->cell(5, 3), QString("4294967295"));
    QCOMPARE(g3->cell(5, 4), QString("2"));
    QCOMPARE(g3->cell(5, 5), QString("4294967297"));
}

void TestForm2::statisticsReset()
{
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    c.FinalCounts[4] = 5;
    c.DealtCounts[12] = 8;
    c.LhLost[3] = 2;
    c.Credit = 4321;
    c.Win = 10;
    c.Bonus = 77;
    c.CashoutTotal = 900;
    c.AccountRecord = 12;
    f.openExtra();
    f.statisticsMenuClick();
    QCOMPARE(f.pokerGrid()->cell(3, 4), QString("5"));
    SoundService::instance().clearHistory();
    f.resetsClick();
    for (auto* a : {&c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker})
        for (uint32_t n : *a)
            QCOMPARE(n, 0u);
    for (auto* a : {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost})
        for (uint32_t n : *a)
            QCOMPARE(n, 0u);
    QCOMPARE(f.pokerGrid()->cell(3, 4), QString("0"));
    QCOMPARE(f.doubleGrid()->cell(3, 4), QString("0"));
    QCOMPARE(f.doubleGrid()->cell(3, 5), QString("0"));
    QCOMPARE(c.Credit, 4321);
    QCOMPARE(c.Win, 10);
    QCOMPARE(c.Bonus, 77);
    QCOMPARE(c.CashoutTotal, int64_t(900));
    QCOMPARE(c.AccountRecord, int64_t(12));
    QCOMPARE(sounds(), QStringList{});
    f.settingsMenuClick();
    QCOMPARE(f.creditText(), QString("4321"));
}

void TestForm2::figuresFitTheirBoxesAtTheEnds()
{
    // Every counter at the ends of its range, and every account figure at the ends of
    // its, shows in its box whole or shortened with a unit, never cut.
    Screen s;
    TForm2& f = *s.form;
    Counters& c = s.game.counters;
    constexpr uint32_t top32 = std::numeric_limits<uint32_t>::max();
    for (const uint32_t n : {0u, 1u, top32 - 1, top32}) {
        for (auto* a : {&c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker})
            a->fill(n);
        for (auto* a : {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost})
            a->fill(n);
        f.pages(3);
        for (TStringAlignGrid* g : {f.pokerGrid(), f.doubleGrid()}) {
            const bool poker = g == f.pokerGrid();
            for (int r = 1; r < g->rowCount(); ++r) {
                for (int col = poker ? 2 : 1; col < 6; ++col) {
                    const int64_t value = !poker && r == 5 ? 4 * int64_t(n) : int64_t(n);
                    QVERIFY2(
                        figureFits(g->cell(col, r), value, g->fontAt(col, r), g->textRect(col, r).width()),
                        qPrintable(g->cell(col, r)));
                }
            }
        }
    }

    constexpr int64_t top = std::numeric_limits<int64_t>::max();
    constexpr int64_t bottom = std::numeric_limits<int64_t>::min();
    // The value boxes of the account panel, by their place in it.
    const auto box = [&f](QPoint at) -> TAntiAliasLabel* {
        for (TAntiAliasLabel* l : f.findChildren<TAntiAliasLabel*>())
            if (l->parentWidget() != &f && l->pos() == at)
                return l;
        return nullptr;
    };
    for (const int32_t credit :
         {std::numeric_limits<int32_t>::min(), 0, std::numeric_limits<int32_t>::max()}) {
        for (const int64_t total : {bottom, bottom + 1, int64_t(-1), int64_t(0), top - 1, top}) {
            c.Credit = credit;
            c.CashoutTotal = total;
            c.InsertedTotal = total < 0 ? 0 : -1; // the balance at and beyond both ends
            c.AccountRecord = total;
            f.pages(1);
            const std::array<std::pair<QPoint, int64_t>, 3> figures{
                std::pair{QPoint(375, 55), int64_t(credit)},
                std::pair{QPoint(34, 55), Round::accountBalance(c)}, std::pair{QPoint(289, 99), total}};
            for (const auto& [at, value] : figures) {
                TAntiAliasLabel* label = box(at);
                QVERIFY(label);
                QVERIFY2(figureFits(label->text(), value, label->font(), label->width()),
                         qPrintable(label->text()));
            }
        }
    }
}

void TestForm2::thumbToScrollRounding()
{
    // Exact halves go to the even neighbour: 0.5 -> 0, 1.5 -> 2, 2.5 -> 2.
    QCOMPARE(TForm2::scrollForThumb(63 + 225, 1), 0);
    QCOMPARE(TForm2::scrollForThumb(63 + 225, 3), 2);
    QCOMPARE(TForm2::scrollForThumb(63 + 225, 5), 2);
    QCOMPARE(TForm2::scrollForThumb(63 + 150, 3), 1); // 1.0
    QCOMPARE(TForm2::scrollForThumb(64, 1000), 2);    // 2.22
    QCOMPARE(TForm2::scrollForThumb(512, 1000), 998); // 997.78
    QCOMPARE(TForm2::scrollForThumb(63, 1000), 0);
    QCOMPARE(TForm2::scrollForThumb(513, 1000), 1000);
    // A page taller than 2^31 / 450 pixels does not overflow.
    QCOMPARE(TForm2::scrollForThumb(63 + 449, 20000000), 19955556);
}

void TestForm2::helpThumbAndWheel()
{
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    QVERIFY(QTest::qWaitForWindowExposed(&f));
    QTextBrowser* viewer = f.helpViewer();
    QVERIFY(viewer->toPlainText().contains("THE END"));
    QCOMPARE(viewer->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(viewer->frameShape(), QFrame::NoFrame);
    QVERIFY(!viewer->isBackwardAvailable());

    // The wheel does nothing to the thumb away from the Help page.
    QVERIFY(f.FormMouseWheel(-120));
    QCOMPARE(f.thumbTop(), TForm2::ThumbTop);

    f.helpMenuClick();
    // The viewer takes no pointer input: the wheel over it reaches the screen.
    QCOMPARE(f.childAt(400, 300), nullptr);
    const int m = f.scrollMaximum();
    QVERIFY(m > 450); // a long page

    TImage* thumb = nullptr;
    for (TImage* img : f.findChildren<TImage*>())
        if (img->size() == QSize(19, 18))
            thumb = img;
    QVERIFY(thumb);
    QCOMPARE(thumb->geometry(), QRect(778, 63, 19, 18));

    // Drag with the pointer: press at y 5 inside the thumb, move down.
    SoundService::instance().clearHistory();
    sendMouse(thumb, QEvent::MouseButtonPress, 5, Qt::LeftButton);
    QVERIFY(f.thumbDragging());
    QCOMPARE(sounds(), QStringList{"clickmic"});
    sendMouse(thumb, QEvent::MouseMove, 5 + 225, Qt::LeftButton);
    QCOMPARE(f.thumbTop(), 63 + 225);
    QCOMPARE(f.scrollPos(), int(std::nearbyint(double(m) * 225 / 450)));
    QCOMPARE(viewer->verticalScrollBar()->value(), f.scrollPos());
    sendMouse(thumb, QEvent::MouseMove, 5 + 1, Qt::LeftButton);
    QCOMPARE(f.thumbTop(), 63 + 226);
    QCOMPARE(f.scrollPos(), int(std::nearbyint(double(m) * 226 / 450)));

    // Far past the bottom: the thumb stops at 513 and the end of the page shows.
    sendMouse(thumb, QEvent::MouseMove, 5 + 1000, Qt::LeftButton);
    QCOMPARE(f.thumbTop(), TForm2::ThumbBottom);
    QCOMPARE(f.scrollPos(), m);
    QCOMPARE(viewer->verticalScrollBar()->value(), m);
    QVERIFY(viewer->cursorForPosition(QPoint(20, viewer->height() - 20)).block().text().contains("THE END") ||
            viewer->cursorForPosition(QPoint(20, viewer->height() - 40)).block().text().contains("THE END"));
    sendMouse(thumb, QEvent::MouseButtonRelease, 5, Qt::NoButton);
    QVERIFY(!f.thumbDragging());
    // Moves without a press do nothing.
    sendMouse(thumb, QEvent::MouseMove, -300, Qt::NoButton);
    QCOMPARE(f.thumbTop(), TForm2::ThumbBottom);

    // Above the top while dragging: the thumb stops at 63, the page at its start.
    f.udMouseDown(5);
    f.udMouseMove(5 - 1000);
    QCOMPARE(f.thumbTop(), TForm2::ThumbTop);
    QCOMPARE(f.scrollPos(), 0);
    f.udMouseUp();

    // The wheel: one notch down moves the thumb 120 pixels, and stops at the ends.
    QWheelEvent down(QPointF(400, 300), f.mapToGlobal(QPointF(400, 300)), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&f, &down);
    QVERIFY(down.isAccepted());
    QCOMPARE(f.thumbTop(), 63 + 120);
    QCOMPARE(f.scrollPos(), int(std::nearbyint(double(m) * 120 / 450)));
    for (int i = 0; i < 4; ++i)
        f.FormMouseWheel(-120);
    QCOMPARE(f.thumbTop(), TForm2::ThumbBottom);
    QCOMPARE(f.scrollPos(), m);
    f.FormMouseWheel(120);
    QCOMPARE(f.thumbTop(), TForm2::ThumbBottom - 120);
    for (int i = 0; i < 4; ++i)
        f.FormMouseWheel(120);
    QCOMPARE(f.thumbTop(), TForm2::ThumbTop);
    QCOMPARE(viewer->verticalScrollBar()->value(), 0);
}

void TestForm2::missingHelpPage()
{
    Screen s(false);
    TForm2& f = *s.form;
    f.openExtra();
    f.helpMenuClick();
    QVERIFY(f.helpViewer()->toPlainText().contains("help.htm"));
    // Scrolling a short notice is harmless.
    f.FormMouseWheel(-120);
    QCOMPARE(f.scrollPos(), f.scrollMaximum());
}

// Each setting, deck, rate, account and statistics operation is on disk as soon as it is
// made, before the screen closes: a crash with the screen open undoes none of them.
void TestForm2::everyChangeIsOnDiskWhenMade()
{
    Screen s;
    TForm2& f = *s.form;
    s.game.counters.DealtCounts[12] = 3;
    s.game.counters.Win = 20;
    f.openExtra();
    const auto onDisk = [&s](const char* what) {
        QVERIFY2(s.savedIni() ==
                     QByteArray(reinterpret_cast<const char*>(settingsBytes(s.game.settings).data()), 14),
                 what);
        QFile dat(s.save.filePath("poker.dat"));
        QVERIFY2(dat.open(QIODevice::ReadOnly), what);
        QVERIFY2(dat.readAll() ==
                     QByteArray(reinterpret_cast<const char*>(countersBytes(s.game.counters).data()), 316),
                 what);
    };
    for (int t = 0; t < TForm2::ToggleCount; ++t) {
        f.toggleClick(t);
        QVERIFY(QFile::exists(s.save.filePath("poker.ini")));
    }
    f.insertClick();
    onDisk("insert");
    for (int t = 0; t < TForm2::ToggleCount; ++t) {
        f.toggleClick(t);
        onDisk(qPrintable(f.toggleLabel(TForm2::Toggle(t))->text()));
    }
    if (!s.game.settings.PayoutControl)
        f.toggleClick(TForm2::TgPayoutControl);
    for (int i = 0; i < TForm2::RateCount; ++i) {
        f.rateClick(i);
        onDisk(qPrintable(f.rateLabel(i)->text()));
    }
    for (int d : {1, 0}) {
        f.deckClick(d);
        onDisk("deck");
    }
    f.cashoutClick();
    onDisk("cashout");
    f.insertClick();
    f.accountResetClick();
    onDisk("account reset");
    f.resetsClick();
    onDisk("statistics reset");
    // A stored rate the selector mends (75 shows as 70) is kept mended at once.
    s.game.settings.PayoutRate = 75;
    f.pages(1);
    onDisk("mended rate");
    QCOMPARE(int(s.savedIni().at(11)), 70);
}

// The page as it shows now, after closing and opening the screen again.
QImage reopened(TForm2& f, int page)
{
    f.closeClick();
    f.openExtra();
    f.pages(page);
    return f.grab().toImage();
}

void TestForm2::casinoGameStatistics()
{
    // Every casino game and a player's own, chosen while the screen is closed: the grid shows
    // exactly its classes, pays and counts, inside the page; back at the table's game the
    // page is as it was.
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    const QImage tablePage = reopened(f, 3);
    std::vector<Game> games;
    for (const Game& g : gameCatalogue())
        if (&g != &tableGame(false) && &g != &tableGame(true))
            games.push_back(g);
    games.push_back(
        *editedGame(*findGame("double-double-bonus-9-6"), "1,1,3,4,5,8,50,80,160,160,400,50,4000"));
    QCOMPARE(games.size(), size_t(8));
    TStringAlignGrid* g2 = f.pokerGrid();
    for (const Game& game : games) {
        s.game.casino = game;
        GameCounts& counts = s.game.casinoCounts;
        for (int k = 0; k < game.classCount; ++k) {
            counts.dealt[size_t(k)] = uint32_t(1000 * k + 7);
            counts.final[size_t(k)] = k == 0 ? 4294967295u : uint32_t(3 * k + 1);
        }
        reopened(f, 3);
        const int deals = game.classCount; // the last row counts the hands
        QCOMPARE(QSize(g2->colCount(), g2->rowCount()), QSize(4, deals + 1));
        QCOMPARE(g2->cell(0, 0), QString::fromUtf8(gameTitle(game.id)));
        for (int r = 1; r <= deals; ++r) {
            const size_t k = r == deals ? 0 : size_t(r);
            QCOMPARE(g2->cell(0, r), k ? QString::fromUtf8(className(game.keys[k])) : QString("Deals"));
            QCOMPARE(g2->cell(1, r), k ? QString::number(game.pay[k]) : QString());
            QCOMPARE(g2->cell(2, r), QString::number(counts.dealt[k]));
            QCOMPARE(g2->cell(3, r), QString::number(counts.final[k]));
        }
        for (int r = 0; r <= deals; ++r)
            for (int c = 0; c < 4; ++c)
                QVERIFY2(QFontMetrics(g2->fontAt(c, r)).horizontalAdvance(g2->cell(c, r)) <=
                             g2->textRect(c, r).width(),
                         qPrintable(g2->cell(c, r)));
        QVERIFY(QRect(100, 80, 600, 286).contains(g2->geometry()));
        QCOMPARE(g2->cellRect(3, deals).bottom(), g2->height() - 1);
    }
    // The reset clears the game's own counts; the table's file keeps the table's money.
    QSignalSpy changed(&f, &TForm2::countersChanged);
    s.game.counters.RbWon[2] = 5;
    f.resetsClick();
    QCOMPARE(s.game.casinoCounts, GameCounts{});
    QCOMPARE(s.game.counters.RbWon[2], 0u);
    QCOMPARE(changed.count(), 1);
    QVERIFY(!QFile::exists(s.save.filePath("poker.dat")));

    s.game.casino.reset();
    QCOMPARE(reopened(f, 3), tablePage);
    QCOMPARE(g2->rowCount(), 13);
}

void TestForm2::casinoGameLeavesTableSwitchesAlone()
{
    // In a casino game the table's own switches and rates are greyed, out of reach of the
    // mouse, the keys and a screen reader, and keep their values; back at the table's game
    // the page is as it was.
    Screen s;
    TForm2& f = *s.form;
    Settings& st = s.game.settings;
    st.PayoutControl = 1;
    st.HoldHighCard = 0;
    st.PayoutRate = 75; // the table's own game mends it to 70 when shown
    f.openExtra();
    const QImage tablePage = reopened(f, 1);
    st.PayoutRate = 75;
    const auto stored = settingsBytes(st);
    s.game.casino = *findGame("deuces-wild");
    reopened(f, 1);
    QList<std::tuple<QWidget*, TImage*, bool>> off; // caption, lamp, lit
    for (auto t : {TForm2::TgJoker, TForm2::TgHoldHighCard, TForm2::TgPayoutControl})
        off.append({f.toggleLabel(t), f.toggleLamp(t), t != TForm2::TgHoldHighCard});
    for (int i = 0; i < TForm2::RateCount; ++i)
        off.append({f.rateLabel(i), f.rateLamp(i), i == 3});
    const QImage ena = f.toggleLamp(TForm2::TgSoundFx)->grab().toImage();
    const QImage dis = f.toggleLamp(TForm2::TgAutoBet)->grab().toImage();
    SoundService::instance().clearHistory();
    for (const auto& [label, lamp, lit] : off) {
        QVERIFY(!label->isEnabled() && !lamp->isEnabled() && label->focusPolicy() == Qt::NoFocus);
        QAccessibleInterface* a11y = QAccessible::queryAccessibleInterface(label);
        QVERIFY(a11y->state().disabled);
        leftClick(label);
        leftClick(lamp);
        for (const QString& action : a11y->actionInterface()->actionNames())
            a11y->actionInterface()->doAction(action);
        QCOMPARE(f.lampLit(lamp), lit); // the stored value, greyed
        QVERIFY(lamp->grab().toImage() != (lit ? ena : dis));
    }
    for (int i = 0; i < 60; ++i) {
        QTest::keyClick(&f, Qt::Key_Tab);
        for (const auto& o : off)
            QVERIFY(f.focusWidget() != std::get<0>(o));
    }
    QCOMPARE(settingsBytes(st), stored);
    QCOMPARE(sounds(), QStringList{});

    s.game.casino.reset();
    QCOMPARE(reopened(f, 1), tablePage);
    for (const auto& [label, lamp, lit] : off)
        QVERIFY(label->isEnabled() && lamp->isEnabled() && label->focusPolicy() == Qt::TabFocus);
    f.toggleClick(TForm2::TgHoldHighCard);
    QCOMPARE(st.HoldHighCard, uint8_t(1));
}

namespace {

// A risk entry as a player makes it: Tab to the field (the ring shows), replace its text
// with the keys, Enter.
void enterRisk(TForm2& f, QLineEdit* field, const QString& keys)
{
    QVERIFY(QTest::qWaitForWindowActive(&f)); // focus events reach an active window only
    for (int i = 0; i < 80 && f.focusWidget() != field; ++i)
        QTest::keyClick(f.focusWidget() ? f.focusWidget() : &f, Qt::Key_Tab);
    QCOMPARE(f.focusWidget(), field);
    QVERIFY(f.focusRingShown());
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
    QTest::keyClick(field, Qt::Key_Return);
}

RiskFigures engineRisk(const Game& game, int64_t bankroll, int64_t hands)
{
    ReturnOptions o;
    o.game = game;
    o.classOdds = true;
    return riskFigures(game, gameReturn(o), bankroll, hands);
}

// The strip shows exactly the engine's figures for what the fields hold, in full.
void checkShownRisk(TForm2& f, const Game& game)
{
    QTRY_VERIFY_WITH_TIMEOUT(f.shownRisk().has_value(), 30000);
    const RiskFigures& shown = *f.shownRisk();
    QCOMPARE(shown.bankroll, f.riskBankroll());
    QCOMPARE(shown.hands, f.riskHands());
    QCOMPARE(f.riskBankrollField()->text(), QString::number(f.riskBankroll()));
    QCOMPARE(f.riskHandsField()->text(), QString::number(f.riskHands()));
    const RiskFigures r = engineRisk(game, shown.bankroll, shown.hands);
    QCOMPARE(shown.method, r.method);
    QCOMPARE(shown.rate, r.rate);
    QCOMPARE(shown.deviation, r.deviation);
    QCOMPARE(shown.ruin, r.ruin);
    QCOMPARE(shown.ruinError, r.ruinError);
    QCOMPARE(shown.bankroll5, r.bankroll5);
    QCOMPARE(shown.bankroll5Low, r.bankroll5Low);
    QCOMPARE(shown.bankroll5High, r.bankroll5High);
    QCOMPARE(f.riskReturnText(), QString("Best holds: return %1 %, deviation %2 bets a hand")
                                     .arg(double(r.rate * 100), 0, 'f', 2)
                                     .arg(double(r.deviation), 0, 'f', 2));
    if (r.method == RiskMethod::Exact) {
        QCOMPARE(f.riskRuinText(),
                 QString("Ruin in %1 hands: %2 % exact").arg(r.hands).arg(r.ruin * 100, 0, 'f', 2));
        QCOMPARE(f.riskBankrollText(), QString("5 % risk bankroll: %1 bets exact").arg(r.bankroll5));
    } else {
        QVERIFY(r.ruinError > 0 && r.bankroll5High > r.bankroll5Low);
        QCOMPARE(f.riskRuinText(), QString("Ruin in %1 hands: %2 ± %3 % simulated")
                                       .arg(r.hands)
                                       .arg(r.ruin * 100, 0, 'f', 2)
                                       .arg(r.ruinError * 100, 0, 'f', 2));
        const int64_t spread = std::max(r.bankroll5High - r.bankroll5, r.bankroll5 - r.bankroll5Low);
        QCOMPARE(f.riskBankrollText(),
                 QString("5 % risk bankroll: %1 ± %2 bets simulated").arg(r.bankroll5).arg(spread));
    }
    // Every text fits its box, and the strip keeps to the page's gaps.
    for (TAntiAliasLabel* label : f.findChildren<TAntiAliasLabel*>()) {
        if (!label->isVisible() || label->text().isEmpty())
            continue;
        QVERIFY2(QFontMetrics(label->font()).horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->text()));
    }
}

} // namespace

void TestForm2::riskStripShowsTheEnginesFigures()
{
    // A casino game and the table's own game with its Joker: the figures shown for entries
    // typed with the keys are the engine's, exact or simulated, and are spelt out in full.
    Screen s;
    TForm2& f = *s.form;
    f.openExtra();
    f.pages(3);
    QCOMPARE(f.riskBankrollField()->text(), QString("800"));
    QCOMPARE(f.riskHandsField()->text(), QString("10000"));
    for (QWidget* w :
         {static_cast<QWidget*>(f.riskBankrollField()), static_cast<QWidget*>(f.riskHandsField())})
        for (QWidget* other : {static_cast<QWidget*>(f.pokerGrid()), static_cast<QWidget*>(f.doubleGrid())})
            QVERIFY(!w->geometry().intersects(other->geometry()));

    struct Case {
        std::optional<Game> casino;
        bool joker;
        QString bankroll, hands;
    };
    // 100000 hands are too many for the exact method: simulated.
    const QList<Case> cases = {{*findGame("deuces-wild"), false, "250", "3000"},
                               {*findGame("deuces-wild"), false, "400", "100000"},
                               {std::nullopt, true, "60", "700"}};
    QSet<int> methods;
    for (const Case& c : cases) {
        s.game.casino = c.casino;
        s.game.settings.Joker = c.joker;
        f.pages(1); // the page is filled for the game played each time it is shown
        f.pages(3);
        if (&c == &cases.front() || c.casino.has_value() != cases[0].casino.has_value()) {
            QVERIFY(!f.shownRisk()); // a new game: worked out anew
            QVERIFY(f.riskReturnText().contains(QString("working…")));
        }
        enterRisk(f, f.riskBankrollField(), c.bankroll);
        enterRisk(f, f.riskHandsField(), c.hands);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(f.riskBankroll(), c.bankroll.toLongLong());
        QCOMPARE(f.riskHands(), c.hands.toLongLong());
        const Game game = c.casino ? *c.casino : tableGame(c.joker);
        checkShownRisk(f, game);
        if (QTest::currentTestFailed())
            return;
        methods.insert(int(f.shownRisk()->method));
        if (const QByteArray dir = qgetenv("TARVELLE_GRAB_DIR"); !dir.isEmpty())
            f.grab().save(QString::fromLocal8Bit(dir) + "/extra-risk-" + QString::fromStdString(game.id) +
                          "-" + c.hands + ".png");
    }
    QCOMPARE(methods.size(), 2);
}

void TestForm2::riskEntriesBoundedAndNewestWins()
{
    Screen s;
    TForm2& f = *s.form;
    s.game.casino = *findGame("deuces-wild");
    f.openExtra();
    f.pages(3);
    QLineEdit* bankroll = f.riskBankrollField();
    QLineEdit* hands = f.riskHandsField();

    // Letters are refused; the bounds are 1..MaxRiskBankroll and 1..MaxRiskHands; an emptied
    // field keeps its value.
    enterRisk(f, bankroll, "1x2y");
    QCOMPARE(bankroll->text(), QString("12"));
    enterRisk(f, bankroll, "0");
    QCOMPARE(f.riskBankroll(), int64_t(1));
    enterRisk(f, bankroll, "99999999");
    QCOMPARE(f.riskBankroll(), TForm2::MaxRiskBankroll);
    QCOMPARE(bankroll->text(), QString::number(TForm2::MaxRiskBankroll));
    enterRisk(f, bankroll, "");
    QCOMPARE(bankroll->text(), QString::number(TForm2::MaxRiskBankroll));
    enterRisk(f, hands, "0");
    QCOMPARE(f.riskHands(), int64_t(1));
    enterRisk(f, bankroll, "5");
    checkShownRisk(f, *s.game.casino);

    // A long session takes a while; a newer entry made meanwhile is the one shown, and the
    // older answer, when it comes, is dropped.
    QSignalSpy shown(&f, &TForm2::riskShown);
    enterRisk(f, hands, "9999999");
    QCOMPARE(f.riskHands(), TForm2::MaxRiskHands);
    QVERIFY(!f.shownRisk());
    QTest::qWait(50);
    enterRisk(f, hands, "300");
    QVERIFY(!f.shownRisk() && f.riskRuinText().contains(QString("working…")));
    checkShownRisk(f, *s.game.casino);
    QCOMPARE(shown.count(), 1);
    QCOMPARE(f.shownRisk()->hands, int64_t(300));

    // A screen closed for good while its figures are worked out waits for them and drops them.
    {
        Screen gone;
        gone.form->openExtra();
        gone.form->pages(3);
        gone.form.reset();
        QTest::qWait(20);
    }
}

// A line of money over the hands, the expected line and the bands against the game's own
// figures: the hand of each point, its money, and start + staked × (rate − 1) ± k × deviation ×
// √(Σ bet²).
void checkLine(BankrollChart* c, const Game& game, QLineSeries* line, int64_t start,
               const std::vector<int64_t>& money, const std::vector<uint16_t>& bets)
{
    ReturnOptions o;
    o.game = game;
    const GameReturn r = gameReturn(o);
    QCOMPARE(double(c->figures()->rate), double(r.rate));
    const QList<QPointF> points = line->points();
    const QList<QPointF> expected = c->expectedSeries()->points();
    const size_t n = money.size();
    QCOMPARE(size_t(points.size()), n + 1);
    QCOMPARE(size_t(expected.size()), n + 1);
    double staked = 0;
    double squares = 0;
    for (size_t i = 0; i <= n; ++i) {
        if (i > 0) {
            staked += bets[i - 1];
            squares += double(bets[i - 1]) * bets[i - 1];
        }
        QCOMPARE(points[qsizetype(i)], QPointF(double(i), double(i ? money[i - 1] : start)));
        const double mean = double(start) + staked * double(r.rate - 1);
        QCOMPARE(expected[qsizetype(i)], QPointF(double(i), mean));
        for (int k = 1; k <= 2; ++k)
            for (int sign : {-1, 1}) {
                const QPointF p = c->bandEdge(k, sign > 0)->at(qsizetype(i));
                QCOMPARE(p.x(), double(i));
                const double edge = mean + sign * k * double(r.deviation) * std::sqrt(squares);
                QVERIFY(std::abs(p.y() - edge) < 1e-6);
            }
    }
}

void checkChart(BankrollChart* c, const GameState& g, const std::vector<uint16_t>& bets)
{
    checkLine(c, g.casino ? *g.casino : tableGame(g.settings.Joker != 0), c->sessionSeries(), g.trailStart,
              g.creditTrail, bets);
}

void TestForm2::chartShowsTheSessionAndItsExpectation()
{
    // A seeded session of varying bets in the table's game with the Joker, and a kept history.
    Screen s;
    TForm2& f = *s.form;
    GameState& g = s.game;
    g.settings.Joker = 1;
    QRandomGenerator rng(7);
    g.trailStart = 1000;
    int64_t money = g.trailStart;
    for (int i = 0; i < 400; ++i) {
        const uint16_t bet = uint16_t(1 + rng.bounded(10));
        money += -bet + (rng.bounded(4) == 0 ? 3 * bet : 0);
        g.creditTrail.push_back(money);
        g.betTrail.push_back(bet);
    }
    // The kept hands: this game's, autoplay's among them, between another game's.
    std::vector<int64_t> kept;
    std::vector<uint16_t> keptBets;
    for (int i = 0; i < 300; ++i) {
        HandRecord r;
        r.time = 1765300000 + i;
        r.game = i % 4 == 3 ? "deuces-wild" : tableGame(true).id;
        r.dealt = {i % 13, 13 + i % 11, 30, 40, 52};
        r.hold = r.best = i % 32;
        r.bet = 1 + i % 9;
        r.won = i % 5 == 0 ? 4 * r.bet : 0;
        r.autoplay = i % 7 == 0;
        QVERIFY(appendHand(s.save.path().toStdString(), r));
        if (r.game != tableGame(true).id)
            continue;
        kept.push_back((kept.empty() ? 0 : kept.back()) + r.won - r.bet);
        keptBets.push_back(uint16_t(r.bet));
    }
    f.openExtra();
    f.chartMenuClick();
    QCOMPARE(f.currentPage(), 4);
    BankrollChart* c = f.bankrollChart();
    QVERIFY(c->isVisible() && !f.pokerGrid()->isVisible());
    QTRY_VERIFY(c->figuresReady());
    checkChart(c, g, g.betTrail);
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(c->historySeries()->count(), 0);
    QVERIFY(c->chart()->title().startsWith("Tarvelle with the Joker"));

    // The kept history, chosen from the keyboard: its own line from 0, expected line and bands.
    QCOMPARE(access::nameOf(f.spanLabel(1)), QString("Kept history"));
    f.spanLabel(1)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(&f, Qt::Key_Space);
    QCOMPARE(c->span(), ChartSpan::History);
    QVERIFY(f.lampLit(f.spanLamp(1)) && !f.lampLit(f.spanLamp(0)));
    QCOMPARE(c->sessionSeries()->count(), 0);
    checkLine(c, tableGame(true), c->historySeries(), 0, kept, keptBets);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(c->chart()->title().contains(QString("Kept history of this game: %1 hands").arg(kept.size())));
    // A hand the table keeps meanwhile is there when the page is shown again.
    HandRecord more;
    more.game = tableGame(true).id;
    more.dealt = {0, 1, 2, 3, 4};
    more.bet = 3;
    QVERIFY(appendHand(s.save.path().toStdString(), more));
    f.pages(4);
    QCOMPARE(c->historySeries()->count(), qsizetype(kept.size() + 2));
    QCOMPARE(c->historySeries()->points().back().y(), double(kept.back() - 3));
    // A long history is drawn by its envelope: far fewer points, the same ends and extremes.
    int64_t net = kept.back() - 3;
    int64_t low = std::min<int64_t>({0, net, *std::min_element(kept.begin(), kept.end())});
    int64_t high = std::max<int64_t>({0, net, *std::max_element(kept.begin(), kept.end())});
    for (int i = 0; i < 9000; ++i) {
        more.bet = 1 + i % 7;
        more.won = i % 11 == 0 ? 9 * more.bet : 0;
        net += more.won - more.bet;
        low = std::min(low, net);
        high = std::max(high, net);
        QVERIFY(appendHand(s.save.path().toStdString(), more));
    }
    f.pages(4);
    const QList<QPointF> drawn = c->historySeries()->points();
    QVERIFY(drawn.size() <= 4003);
    QCOMPARE(drawn.front(), QPointF(0, 0));
    QCOMPARE(drawn.back(), QPointF(double(kept.size() + 9001), double(net)));
    const auto [lowest, highest] =
        std::minmax_element(drawn.begin(), drawn.end(), [](QPointF a, QPointF b) { return a.y() < b.y(); });
    QCOMPARE(lowest->y(), double(low));
    QCOMPARE(highest->y(), double(high));
    QTest::keyClick(&f, Qt::Key_Left);
    QCOMPARE(f.focusWidget(), f.spanLabel(0));
    QTest::keyClick(&f, Qt::Key_Space);
    QCOMPARE(c->span(), ChartSpan::Session);
    checkChart(c, g, g.betTrail);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(!c->chart()->title().contains("Payout rate control"));
    g.settings.PayoutControl = 1;
    f.pages(4);
    QVERIFY(c->chart()->title().contains("Payout rate control is on"));
    if (const QByteArray dir = qgetenv("TARVELLE_GRAB_DIR"); !dir.isEmpty())
        f.grab().save(QString::fromLocal8Bit(dir) + "/extra-chart.png");
}

void TestForm2::chartFollowsTheGameAndTheKeys()
{
    Screen s;
    TForm2& f = *s.form;
    GameState& g = s.game;
    f.openExtra();
    f.pages(4);
    // A game chosen while the table's is still worked out: the chart ends up with the new one's.
    g.casino = *findGame("deuces-wild");
    f.pages(1);
    f.pages(4);
    BankrollChart* c = f.bankrollChart();
    QTRY_VERIFY(c->figuresReady());
    QVERIFY(c->chart()->title().startsWith("Full-pay Deuces Wild"));
    QCOMPARE(c->sessionSeries()->count(), 0);
    QCOMPARE(c->expectedSeries()->count(), 0);
    // Hands without bets kept are taken at the bet now.
    g.counters.Bet = 5;
    g.trailStart = 200;
    for (int64_t m : {195, 190, 215, 210})
        g.creditTrail.push_back(m);
    f.pages(4);
    checkChart(c, g, std::vector<uint16_t>(4, 5));
    if (QTest::currentTestFailed())
        return;
    // Changing the game clears the trail; the chart shows the new game empty.
    g.casino = *findGame("jacks-9-6");
    g.creditTrail.clear();
    f.pages(4);
    QCOMPARE(c->sessionSeries()->count(), 0);
    QTRY_VERIFY(c->figuresReady());
    QVERIFY(c->chart()->title().startsWith("9/6 Jacks or Better"));

    // The keys: Ctrl+Tab goes round four pages, the Chart one after Statistics.
    f.pages(3);
    QTest::keyClick(&f, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.currentPage(), 4);
    QVERIFY(c->isVisible());
    QCOMPARE(f.focusWidget(), f.menuLabel(4));
    QCOMPARE(access::nameOf(f.menuLabel(4)), QString("Chart"));
    QTest::keyClick(&f, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(f.currentPage(), 1);
    QTest::keyClick(&f, Qt::Key_PageUp, Qt::ControlModifier);
    QCOMPARE(f.currentPage(), 4);
    QTest::keyClick(&f, Qt::Key_Tab);
    QCOMPARE(f.focusWidget(), f.menuLabel(5)); // Close
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
