// The pay-table panel sg1: set-up, the odds column, showing and dragging it.
#include "table/form1.h"

#include "engine/analysis.h"
#include "engine/coach.h"
#include "engine/odds.h"
#include "engine/paytable.h"

#include "widgets/language.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include "sound/waveplayer.h"

namespace tarvelle {

namespace {

const QColor& kGridBack = palette::Table;
const QColor& kGridStripe = palette::Ink;
const QColor& kGridInk = palette::InkBright;

QColor raised(const QColor& c, int by)
{
    return QColor(qMin(c.red() + by, 255), qMin(c.green() + by, 255), qMin(c.blue() + by, 255));
}

} // namespace

void TForm1::createPayTable()
{
    sg1 = new TStringAlignGrid(this);
    sg1->setObjectName(QStringLiteral("sg1"));
    sg1->setColCount(4);
    sg1->setFixedCols(3);
    sg1->setFixedRows(0);
    sg1->setDefaultRowHeight(17);
    sg1->setGridLineWidth(0);
    sg1->setEditable(false);
    sg1->setDrawSelection(false);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(11);
    sg1->setFont(f);
    sg1->setColor(kGridBack);
    sg1->setFixedColor(kGridBack);
    layPayTable();
    shrinkCellsToFit(sg1);
    sg1->hide();
}

void TForm1::layPayTable()
{
    // The table's own game has its fixed grid; a casino game lists its classes, lowest first.
    const Game* g = m_gs.casino ? &*m_gs.casino : nullptr;
    const int rows = g ? g->classCount + 1 : 12;
    sg1->setRowCount(rows);
    for (int r = 0; r < rows; ++r)
        sg1->setRowHeight(r, 17);
    const int tableWidths[4] = {48, 30, 50, 1};
    const int casinoWidths[4] = {100, 44, 50, 1};
    const int* widths = g ? casinoWidths : tableWidths;
    for (int c = 0; c < 4; ++c)
        sg1->setColWidth(c, widths[c]);
    sg1->resize(widths[0] + widths[1] + widths[2] + widths[3], 17 * rows);
    placePayTable();

    sg1->setCell(0, 0, tr("Hand"));
    sg1->setCell(1, 0, QStringLiteral("( x )"));
    sg1->setCell(2, 0, tr("Odds %"));
    if (g) {
        for (int r = 1; r < g->classCount; ++r) {
            sg1->setCell(0, r, engineText(className(g->keys[size_t(r)])));
            sg1->setCell(1, r, QString::number(g->pay[size_t(r)]));
        }
        sg1->setCell(1, rows - 1, QString());
    } else {
        for (int r = 1; r <= 11; ++r)
            sg1->setCell(0, r, engineText(PayRowLabels[size_t(r)]));
        for (int r = 1; r <= 10; ++r)
            sg1->setCell(1, r, QString::number(Multiplier[size_t(r + 1)]));
        sg1->setCell(1, 11, QString());
    }
    sg1->setCell(0, rows - 1, engineText(PayRowLabels[11]));

    sg1->setAlignCell(0, 0, alLeft);
    sg1->setAlignCell(1, 0, alCenter);
    sg1->setAlignCell(2, 0, alRight);
    sg1->setFixedAlignCol(1, alCenter);
    sg1->setFixedAlignCol(2, alRight);
    for (int c = 0; c <= 2; ++c) {
        sg1->fontFixedCol(c);
        sg1->setFontColorFixedCol(c, kGridInk);
    }
    for (int c = 0; c <= 3; ++c)
        sg1->setColorCell(c, 0, kGridBack);
    sg1->setColorCol(3, kGridStripe);
    // Columns lighten to the right, odd rows a shade more.
    for (int r = 1; r < rows; ++r) {
        for (int c = 0; c <= 2; ++c) {
            const int by = 4 * (c + 1) + ((r % 2) ? 4 : 0);
            sg1->setColorCell(c, r, raised(kGridBack, by));
        }
    }
}

void TForm1::placePayTable()
{
    // A larger grid than the table's own is moved to stay on the play area; the player's
    // place is kept for when it fits again.
    if (!m_gs.casino) {
        sg1->move(m_payGridLeft, m_payGridTop);
        return;
    }
    const int right = m_originX + 800 - sg1->width();
    const int bottom = m_originY + 600 - sg1->height();
    sg1->move(qMax(0, qMin(m_payGridLeft, right)), qMax(0, qMin(m_payGridTop, bottom)));
}

void TForm1::BaseOdds()
{
    if (m_gs.casino) {
        // Worked out on a thread of its own when the game was chosen; blank until then.
        const auto it = m_classOdds.find(m_gs.casino->id);
        for (int r = 1; r < m_gs.casino->classCount; ++r)
            sg1->setCell(2, r, it == m_classOdds.end() ? QString() : it->second[size_t(r)]);
        sg1->setCell(2, m_gs.casino->classCount, QString());
        return;
    }
    const auto& column = m_st.Joker ? BaseOddsJokerOn : BaseOddsJokerOff;
    for (int r = 1; r <= 10; ++r)
        sg1->setCell(2, r, localFigure(QString::fromLatin1(column[size_t(r)])));
}

void TForm1::RunLiveOdds()
{
    if (const Game* g = m_gs.casino ? &*m_gs.casino : nullptr) {
        // Exact for the holds shown: every draw counted, not sampled.
        std::array<ClassCounts, 32> classes{};
        const HoldValues values = handHoldValues(handCards(m_hand), *g, &classes);
        const int mask = heldMask(m_hand);
        const auto draws = double(values.draws(mask));
        auto percent = [](double p) { return p == 0 ? QStringLiteral("0") : localNumber(p, 2); };
        for (int r = 1; r < g->classCount; ++r)
            sg1->setCell(2, r, percent(100.0 * double(classes[size_t(mask)][size_t(r)]) / draws));
        sg1->setCell(2, g->classCount, percent(100.0 * double(values.value(mask))));
        return;
    }
    const OddsResult odds = LiveOdds(m_hand, m_gs.rng, m_st.Joker != 0);
    for (int r = 1; r <= 11; ++r)
        sg1->setCell(2, r, localFigure(QString::fromStdString(odds.texts[size_t(r)])));
}

void TForm1::proceMouseDown()
{
    pressButton(ArmProce);
}

void TForm1::proceMouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmProce];
    if (!armed)
        return;
    if (sg1->isVisible()) {
        sg1->hide();
    } else {
        if (m_round.handShown())
            RunLiveOdds();
        sg1->show();
        sg1->raise();
    }
    armed = 0;
    describeHand();
}

void TForm1::sg1MouseDown(QPoint pos)
{
    m_payGridLeft = sg1->x();
    m_payGridTop = sg1->y();
    m_dragX = pos.x();
    m_dragY = pos.y();
    m_dragging = true;
}

void TForm1::sg1MouseMove(QPoint pos)
{
    outdemo();
    if (!m_dragging)
        return;
    const QSize screen = areaSize();
    if (pos.x() != m_dragX) {
        const int left = m_payGridLeft + pos.x() - m_dragX;
        if (left >= 0 && left < screen.width() - sg1->width()) {
            sg1->move(left, sg1->y());
            m_payGridLeft = sg1->x();
        }
    }
    if (pos.y() != m_dragY) {
        const int top = m_payGridTop + pos.y() - m_dragY;
        if (top >= 0 && top < screen.height() - sg1->height()) {
            sg1->move(sg1->x(), top);
            m_payGridTop = sg1->y();
        }
    }
}

void TForm1::sg1MouseUp()
{
    m_dragging = false;
}

} // namespace tarvelle
