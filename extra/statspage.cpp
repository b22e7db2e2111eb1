#include "engine/paytable.h"
#include "extra/figures.h"
#include "extra/form2.h"
#include "extra/riskworker.h"
#include "widgets/antialiaslabel.h"
#include "widgets/language.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace tarvelle {

namespace {

const QColor& kGridBackground = palette::Table;
const QColor& kGridInk = palette::Ink;
const QColor& kHeaderBackground = palette::GridHeader;

// The poker grid's box; a game with more classes than the table's gets lower rows instead.
const QRect kPokerBox(100, 80, 600, 286);
constexpr int kRowHeight = 22;
// A casino game's columns: the class names are longer than the table's, and it has no Joker.
constexpr int kCasinoWidths[4] = {240, 80, 140, 140};

void setUpGrid(TStringAlignGrid* grid, int cols, int rows, const QRect& geometry, int rowHeight = kRowHeight)
{
    grid->setColCount(cols);
    grid->setRowCount(rows);
    grid->setFixedCols(0);
    grid->setFixedRows(0);
    grid->setDefaultColWidth(100);
    grid->setDefaultRowHeight(rowHeight);
    grid->setGridLineWidth(0);
    grid->setDrawSelection(false);
    grid->setEditable(false);
    grid->setColor(kGridBackground);
    grid->setFontColor(kGridInk);
    QFont f("Arial");
    f.setPixelSize(13);
    grid->setFont(f);
    grid->setAlignment(alRight);
    grid->setGeometry(geometry);
    grid->setAttribute(Qt::WA_TransparentForMouseEvents); // display only
    grid->setFocusPolicy(Qt::NoFocus);

    for (int c = 0; c < cols; ++c)
        grid->setColorCell(c, 0, kHeaderBackground);
    for (int c = 1; c < cols; ++c)
        grid->setAlignCell(c, 0, alRight);
    grid->setAlignCol(0, alLeft);
    // Columns lighten to the right, odd rows are lighter than even ones.
    for (int r = 1; r < rows; ++r)
        for (int c = 0; c < cols; ++c) {
            const int k = 2 * c + 3 * (r % 2);
            grid->setColorCell(c, r, QColor(15 + k, 53 + k, 66 + k));
        }
}

// The risk strip: a line in the gap under the poker grid and one in the gap under the
// double grid, both as wide as the grids.
constexpr int kStripLeft = 100;
constexpr int kStripRight = 700;
constexpr int kReturnLineY = 372;
constexpr int kRuinLineY = 536;
constexpr int kStripHeight = 22;
constexpr int kFieldWidth = 62;

QFont stripFont()
{
    QFont f("Arial");
    f.setPixelSize(13);
    return f;
}

TAntiAliasLabel* stripLabel(QWidget* parent, const QRect& box, Qt::Alignment align)
{
    auto* label = new TAntiAliasLabel(parent);
    label->setFont(stripFont());
    label->setAutoSize(false);
    label->setTransparent(true);
    label->setFontColor(palette::Ink);
    label->setAlignment(align | Qt::AlignVCenter);
    label->setGeometry(box);
    return label;
}

// A chance in per cent: two decimals, or an exponent where they would show none.
QString percent(double p)
{
    const double pc = p * 100;
    if (pc > 0 && pc < 0.005)
        return QString::number(pc, 'e', 1) + " %";
    return localNumber(pc, 2) + " %";
}

// Every counter fits its cell, in thousands or millions when it must.
void showCount(TStringAlignGrid* grid, int c, int r, uint64_t n)
{
    grid->setCell(c, r, fitFigure(int64_t(n), grid->fontAt(c, r), grid->textRect(c, r).width()));
}

} // namespace

void TForm2::buildStatsPage()
{
    sg2 = new TStringAlignGrid(this);
    layOutPokerGrid();
    shrinkCellsToFit(sg2);

    sg3 = new TStringAlignGrid(this);
    setUpGrid(sg3, 6, 6, QRect(100, 400, 600, 132));
    const char* header3[6] = {QT_TR_NOOP("Double statistics"),
                              QT_TR_NOOP("1st"),
                              QT_TR_NOOP("2nd"),
                              QT_TR_NOOP("3rd"),
                              QT_TR_NOOP("4th"),
                              QT_TR_NOOP("5th")};
    for (int c = 0; c < 6; ++c)
        sg3->setCell(c, 0, tr(header3[c]));
    const char* rows3[5] = {QT_TR_NOOP("Win  Red-Black"), QT_TR_NOOP("Lose Red-Black"),
                            QT_TR_NOOP("Win  Low-High"), QT_TR_NOOP("Lose Low-High"),
                            QT_TR_NOOP("Total Doubles")};
    for (int r = 1; r <= 5; ++r)
        sg3->setCell(0, r, tr(rows3[r - 1]));
    shrinkCellsToFit(sg3);

    buildRiskStrip();

    resets = caption(this, tr("Reset"), 385, 561);
    resets->setAutoSize(false);
    shrinkToFit(resets, resets->text(), 65);
    resets->resize(65, 25);
    makeHover(resets, palette::Item, palette::Ink);
    connect(resets, &TAntiAliasLabel::clicked, this, &TForm2::resetsClick);

    refreshStats();
    m_pageWidgets[3] << sg2 << sg3 << resets;
}

void TForm2::buildRiskStrip()
{
    const QFont font = stripFont();
    const QFontMetrics metrics(font);
    // Right to left on the first line: "Bankroll" [field] "Hands" [field].
    int x = kStripRight;
    const auto field = [&](int64_t value) {
        auto* edit = new QLineEdit(QString::number(value), this);
        edit->setFont(font);
        edit->setFrame(false);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        edit->setMaxLength(7);
        // Digits only; the bounds are applied when the entry is taken.
        edit->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,7}"), edit));
        QPalette pal = edit->palette();
        pal.setColor(QPalette::Base, palette::Panel);
        pal.setColor(QPalette::Text, palette::Ink);
        pal.setColor(QPalette::Highlight, palette::Item);
        pal.setColor(QPalette::HighlightedText, palette::Table);
        edit->setPalette(pal);
        x -= kFieldWidth;
        edit->setGeometry(x, kReturnLineY + 1, kFieldWidth, kStripHeight - 2);
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { takeRiskEntry(edit); });
        return edit;
    };
    const auto name = [&](const QString& text) {
        const int w = metrics.horizontalAdvance(text) + 6;
        x -= w;
        auto* label = stripLabel(this, QRect(x, kReturnLineY, w - 6, kStripHeight), Qt::AlignLeft);
        label->setText(text);
        x -= 10;
        return label;
    };
    m_handsField = field(m_riskHands);
    TAntiAliasLabel* handsName = name(tr("Hands"));
    m_bankrollField = field(m_riskBankroll);
    TAntiAliasLabel* bankrollName = name(tr("Bankroll"));
    setTabOrder(m_bankrollField, m_handsField); // laid out right to left, reached left to right
    m_riskReturn =
        stripLabel(this, QRect(kStripLeft, kReturnLineY, x - kStripLeft, kStripHeight), Qt::AlignLeft);

    const int half = (kStripRight - kStripLeft) / 2;
    m_riskRuin = stripLabel(this, QRect(kStripLeft, kRuinLineY, half - 5, kStripHeight), Qt::AlignLeft);
    m_riskNeeded =
        stripLabel(this, QRect(kStripLeft + half + 5, kRuinLineY, half - 5, kStripHeight), Qt::AlignRight);
    m_bankrollField->setToolTip(tr("Bankroll in bets, 1 to %1").arg(MaxRiskBankroll));
    m_handsField->setToolTip(tr("Hands played, 1 to %1").arg(MaxRiskHands));
    m_riskRuin->setToolTip(tr("Simulated figures are seeded; ± is one standard error"));
    m_riskNeeded->setToolTip(tr("Simulated figures are seeded; ± spans a 95 % interval"));

    // Fresh answers come back on the screen's own thread; an answer for an older request
    // than the newest is dropped there.
    m_riskWorker = std::make_unique<RiskWorker>([this](uint64_t request, const RiskFigures& figures) {
        QMetaObject::invokeMethod(
            this, [this, request, figures] { showRisk(request, figures); }, Qt::QueuedConnection);
    });
    m_pageWidgets[3] << m_riskReturn << bankrollName << m_bankrollField << handsName << m_handsField
                     << m_riskRuin << m_riskNeeded;
}

QString TForm2::riskReturnText() const
{
    return m_riskReturn->text();
}

QString TForm2::riskRuinText() const
{
    return m_riskRuin->text();
}

QString TForm2::riskBankrollText() const
{
    return m_riskNeeded->text();
}

void TForm2::takeRiskEntry(QLineEdit* field)
{
    const bool bankroll = field == m_bankrollField;
    int64_t& value = bankroll ? m_riskBankroll : m_riskHands;
    bool ok = false;
    const int64_t entered = field->text().toLongLong(&ok);
    // An empty entry keeps the value it had; others are brought within the bounds.
    if (ok)
        value = std::clamp<int64_t>(entered, 1, bankroll ? MaxRiskBankroll : MaxRiskHands);
    field->setText(QString::number(value));
    requestRisk();
}

// Asks for the figures of the game played and the entered values, unless they are the
// ones shown or being worked out.
void TForm2::requestRisk()
{
    const Game& game = m_game.casino ? *m_game.casino : tableGame(m_game.settings.Joker != 0);
    const bool sameGame = m_riskGame && RiskWorker::sameGame(*m_riskGame, game);
    if (sameGame && m_askedBankroll == m_riskBankroll && m_askedHands == m_riskHands)
        return;
    const QString working = tr("working…");
    if (!sameGame)
        m_riskReturn->setText(tr("Best holds: %1").arg(working));
    m_riskRuin->setText(tr("Ruin in %1 hands: %2").arg(m_riskHands).arg(working));
    m_riskNeeded->setText(tr("5 % risk bankroll: %1").arg(working));
    m_shownRisk.reset();
    m_riskGame = game;
    m_askedBankroll = m_riskBankroll;
    m_askedHands = m_riskHands;
    m_riskRequest = m_riskWorker->request(game, m_riskBankroll, m_riskHands);
}

void TForm2::showRisk(uint64_t request, const RiskFigures& r)
{
    if (request != m_riskRequest)
        return;
    m_shownRisk = r;
    m_riskReturn->setText(tr("Best holds: return %1 %, deviation %2 bets a hand")
                              .arg(localNumber(double(r.rate * 100), 2))
                              .arg(localNumber(double(r.deviation), 2)));
    const bool exact = r.method == RiskMethod::Exact;
    const QString ruin =
        exact ? tr("%1 exact").arg(percent(r.ruin))
              : tr("%1 ± %2 % simulated").arg(localNumber(r.ruin * 100, 2)).arg(localNumber(r.ruinError * 100, 2));
    m_riskRuin->setText(tr("Ruin in %1 hands: %2").arg(r.hands).arg(ruin));
    const int64_t spread = std::max(r.bankroll5High - r.bankroll5, r.bankroll5 - r.bankroll5Low);
    m_riskNeeded->setText(exact
                              ? tr("5 % risk bankroll: %1 bets exact").arg(r.bankroll5)
                              : tr("5 % risk bankroll: %1 ± %2 bets simulated").arg(r.bankroll5).arg(spread));
    emit riskShown();
}

// The rows and fixed texts of the game played: the table's own with its Joker columns, or
// a casino game with its own classes and pays. Laid out anew whenever the page is filled,
// since the game may change while the screen is closed.
void TForm2::layOutPokerGrid()
{
    const Game* casino = m_game.casino ? &*m_game.casino : nullptr;
    for (int r = 0; r <= MaxClasses; ++r)
        for (int c = 0; c < 6; ++c)
            sg2->setCell(c, r, QString());
    if (!casino) {
        setUpGrid(sg2, 6, 13, kPokerBox);
        sg2->setWordwrapCell(0, 0, ww_default);
        const char* header2[6] = {QT_TR_NOOP("Poker statistics"), QT_TR_NOOP("( x )"),
                                  QT_TR_NOOP("1st Deal"),         QT_TR_NOOP("2nd Deal"),
                                  QT_TR_NOOP("1st Deal Joker"),   QT_TR_NOOP("2nd Deal Joker")};
        for (int c = 0; c < 6; ++c)
            sg2->setCell(c, 0, tr(header2[c]));
        sg2->setCell(0, 1, tr("Low Pair"));
        for (int k = 2; k <= 11; ++k)
            sg2->setCell(0, k, engineText(HandNames[size_t(k)]));
        for (int k = 1; k <= 11; ++k)
            sg2->setCell(1, k, QString::number(Multiplier[size_t(k)]));
        sg2->setCell(0, 12, tr("Deals"));
        return;
    }
    // A heading row, the paying classes, the deals.
    const int rows = casino->classCount + 1;
    const int rowHeight = std::min(kRowHeight, kPokerBox.height() / rows);
    setUpGrid(sg2, 4, rows, QRect(kPokerBox.topLeft(), QSize(kPokerBox.width(), rows * rowHeight)),
              rowHeight);
    for (int c = 0; c < 4; ++c)
        sg2->setColWidth(c, kCasinoWidths[c]);
    sg2->setWordwrapCell(0, 0, ww_ellipsis); // a player's game is named by its id, of any length
    const char* header[4] = {"", QT_TR_NOOP("( x )"), QT_TR_NOOP("1st Deal"), QT_TR_NOOP("2nd Deal")};
    for (int c = 1; c < 4; ++c)
        sg2->setCell(c, 0, tr(header[c]));
    sg2->setCell(0, 0, engineText(gameTitle(casino->id)));
    for (int k = 1; k < casino->classCount; ++k) {
        sg2->setCell(0, k, engineText(className(casino->keys[size_t(k)])));
        sg2->setCell(1, k, QString::number(casino->pay[size_t(k)]));
    }
    sg2->setCell(0, rows - 1, tr("Deals"));
}

void TForm2::refreshStats()
{
    layOutPokerGrid();
    shrinkCellsToFit(sg2);
    requestRisk();
    const Counters& c = m_game.counters;
    if (m_game.casino) {
        const GameCounts& counts = m_game.casinoCounts;
        const int deals = m_game.casino->classCount; // the last row
        for (int k = 1; k < deals; ++k) {
            showCount(sg2, 2, k, counts.dealt[size_t(k)]);
            showCount(sg2, 3, k, counts.final[size_t(k)]);
        }
        showCount(sg2, 2, deals, counts.dealt[0]);
        showCount(sg2, 3, deals, counts.final[0]);
    } else {
        const std::array<const std::array<uint32_t, 13>*, 4> hands = {
            &c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker};
        for (int col = 2; col <= 5; ++col)
            for (int k = 1; k <= 12; ++k)
                showCount(sg2, col, k, (*hands[size_t(col - 2)])[size_t(k)]);
    }

    const std::array<const std::array<uint32_t, 6>*, 4> doubles = {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost};
    for (int step = 1; step <= 5; ++step) {
        uint64_t total = 0; // the true sum: four counters at their top do not wrap to a small one
        for (int r = 1; r <= 4; ++r) {
            const uint32_t n = (*doubles[size_t(r - 1)])[size_t(step)];
            showCount(sg3, step, r, n);
            total += n;
        }
        showCount(sg3, step, 5, total);
    }
}

void TForm2::resetsClick()
{
    Counters& c = m_game.counters;
    for (auto* a : {&c.DealtCounts, &c.FinalCounts, &c.DealtCountsJoker, &c.FinalCountsJoker})
        a->fill(0);
    for (auto* a : {&c.RbWon, &c.RbLost, &c.LhWon, &c.LhLost})
        a->fill(0);
    if (m_game.casino)
        m_game.casinoCounts = {};
    keepCounters();
    pages(3);
}

} // namespace tarvelle
