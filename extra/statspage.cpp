#include "engine/paytable.h"
#include "extra/figures.h"
#include "extra/form2.h"
#include "widgets/antialiaslabel.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

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

    sg3 = new TStringAlignGrid(this);
    setUpGrid(sg3, 6, 6, QRect(100, 400, 600, 132));
    const char* header3[6] = {"Double statistics", "1st", "2nd", "3rd", "4th", "5th"};
    for (int c = 0; c < 6; ++c)
        sg3->setCell(c, 0, header3[c]);
    const char* rows3[5] = {"Win  Red-Black", "Lose Red-Black", "Win  Low-High", "Lose Low-High",
                            "Total Doubles"};
    for (int r = 1; r <= 5; ++r)
        sg3->setCell(0, r, rows3[r - 1]);

    resets = caption(this, "Reset", 385, 561);
    resets->setAutoSize(false);
    resets->resize(65, 25);
    makeHover(resets, palette::Item, palette::Ink);
    connect(resets, &TAntiAliasLabel::clicked, this, &TForm2::resetsClick);

    refreshStats();
    m_pageWidgets[3] << sg2 << sg3 << resets;
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
        const char* header2[6] = {"Poker statistics", "( x )",          "1st Deal",
                                  "2nd Deal",         "1st Deal Joker", "2nd Deal Joker"};
        for (int c = 0; c < 6; ++c)
            sg2->setCell(c, 0, header2[c]);
        sg2->setCell(0, 1, "Low Pair");
        for (int k = 2; k <= 11; ++k)
            sg2->setCell(0, k, HandNames[size_t(k)]);
        for (int k = 1; k <= 11; ++k)
            sg2->setCell(1, k, QString::number(Multiplier[size_t(k)]));
        sg2->setCell(0, 12, "Deals");
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
    const char* header[4] = {"", "( x )", "1st Deal", "2nd Deal"};
    for (int c = 1; c < 4; ++c)
        sg2->setCell(c, 0, header[c]);
    sg2->setCell(0, 0, QString::fromUtf8(gameTitle(casino->id)));
    for (int k = 1; k < casino->classCount; ++k) {
        sg2->setCell(0, k, QString::fromUtf8(className(casino->keys[size_t(k)])));
        sg2->setCell(1, k, QString::number(casino->pay[size_t(k)]));
    }
    sg2->setCell(0, rows - 1, "Deals");
}

void TForm2::refreshStats()
{
    layOutPokerGrid();
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
