#include "widgets/stringaligngrid.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvelle {

TStringAlignGrid::TStringAlignGrid(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_fixedColor = palette().color(QPalette::Button);
    m_selectedCellColor = palette().color(QPalette::Highlight);
    m_fixedFont = QFont();
}

void TStringAlignGrid::setColCount(int n)
{
    m_colCount = qMax(0, n);
    update();
}

void TStringAlignGrid::setRowCount(int n)
{
    m_rowCount = qMax(0, n);
    update();
}

void TStringAlignGrid::setFixedCols(int n)
{
    m_fixedCols = qMax(0, n);
    update();
}

void TStringAlignGrid::setFixedRows(int n)
{
    m_fixedRows = qMax(0, n);
    update();
}

void TStringAlignGrid::setDefaultColWidth(int w)
{
    m_defaultColWidth = qMax(0, w);
    m_colWidths.clear();
    update();
}

void TStringAlignGrid::setDefaultRowHeight(int h)
{
    m_defaultRowHeight = qMax(0, h);
    m_rowHeights.clear();
    update();
}

int TStringAlignGrid::colWidth(int c) const
{
    return c >= 0 && c < m_colWidths.size() && m_colWidths[c] >= 0 ? m_colWidths[c] : m_defaultColWidth;
}

void TStringAlignGrid::setColWidth(int c, int w)
{
    if (c < 0)
        return;
    if (m_colWidths.size() <= c)
        m_colWidths.resize(c + 1, -1);
    m_colWidths[c] = qMax(0, w);
    update();
}

int TStringAlignGrid::rowHeight(int r) const
{
    return r >= 0 && r < m_rowHeights.size() && m_rowHeights[r] >= 0 ? m_rowHeights[r] : m_defaultRowHeight;
}

void TStringAlignGrid::setRowHeight(int r, int h)
{
    if (r < 0)
        return;
    if (m_rowHeights.size() <= r)
        m_rowHeights.resize(r + 1, -1);
    m_rowHeights[r] = qMax(0, h);
    update();
}

void TStringAlignGrid::setShowGridLines(bool on)
{
    m_showGridLines = on;
    update();
}

int TStringAlignGrid::lineWidth() const
{
    return m_showGridLines ? m_gridLineWidth : 0;
}

QRect TStringAlignGrid::cellRect(int c, int r) const
{
    const int lw = lineWidth();
    int x = 0;
    for (int i = 0; i < c; ++i)
        x += colWidth(i) + lw;
    int y = 0;
    for (int i = 0; i < r; ++i)
        y += rowHeight(i) + lw;
    return QRect(x, y, colWidth(c), rowHeight(r));
}

QPoint TStringAlignGrid::cellAt(QPoint p) const
{
    const int lw = lineWidth();
    int col = -1, row = -1;
    for (int c = 0, x = 0; c < m_colCount; ++c) {
        if (p.x() >= x && p.x() < x + colWidth(c) + lw) {
            col = c;
            break;
        }
        x += colWidth(c) + lw;
    }
    for (int r = 0, y = 0; r < m_rowCount; ++r) {
        if (p.y() >= y && p.y() < y + rowHeight(r) + lw) {
            row = r;
            break;
        }
        y += rowHeight(r) + lw;
    }
    return col < 0 || row < 0 ? QPoint(-1, -1) : QPoint(col, row);
}

QString TStringAlignGrid::cell(int c, int r) const
{
    return m_cells.value(key(c, r));
}

void TStringAlignGrid::setCell(int c, int r, const QString& text)
{
    if (text.isEmpty())
        m_cells.remove(key(c, r));
    else
        m_cells.insert(key(c, r), text);
    update(cellRect(c, r).adjusted(0, 0, m_gridLineWidth, m_gridLineWidth));
}

void TStringAlignGrid::setColor(const QColor& c)
{
    m_color = c;
    update();
}

void TStringAlignGrid::setFixedColor(const QColor& c)
{
    m_fixedColor = c;
    update();
}

void TStringAlignGrid::setFontColor(const QColor& c)
{
    m_fontColor = c;
    update();
}

void TStringAlignGrid::setSelectedCellColor(const QColor& c)
{
    m_selectedCellColor = c;
    update();
}

void TStringAlignGrid::setSelectedFontColor(const QColor& c)
{
    m_selectedFontColor = c;
    update();
}

void TStringAlignGrid::setGridLineWidth(int w)
{
    m_gridLineWidth = qMax(0, w);
    update();
}

void TStringAlignGrid::setDrawSelection(bool on)
{
    m_drawSelection = on;
    update();
}

void TStringAlignGrid::setDrawFocusSelected(bool on)
{
    m_drawFocusSelected = on;
    update();
}

void TStringAlignGrid::setEditable(bool on)
{
    // Display only: the flag is kept for the callers' sake, nothing edits in place.
    m_editable = on;
}

void TStringAlignGrid::setAlignment(TMyAlign a)
{
    m_alignment = a;
    update();
}

void TStringAlignGrid::setWordwrap(T_Wordwrap w)
{
    m_wordwrap = w;
    update();
}

void TStringAlignGrid::setFont(const QFont& f)
{
    QWidget::setFont(f);
    update();
}

void TStringAlignGrid::setSelectedCell(int c, int r)
{
    m_selected = QPoint(c, r);
    update();
}

TStringAlignGrid::CellProp& TStringAlignGrid::record(QMap<int, CellProp>& table, int index)
{
    auto it = table.find(index);
    if (it == table.end())
        it = table.insert(index, CellProp{});
    return it.value();
}

TStringAlignGrid::CellProp& TStringAlignGrid::cellRecord(int c, int r)
{
    auto it = m_propCell.find(key(c, r));
    if (it == m_propCell.end())
        it = m_propCell.insert(key(c, r), CellProp{});
    return it.value();
}

// A record's font is created as a copy of the grid's font, its colour with it.
static void ensureFont(TStringAlignGrid::CellProp& p, const QFont& gridFont, const QColor& gridColor)
{
    if (!p.font) {
        p.font = gridFont;
        p.fontColor = gridColor;
    }
}

void TStringAlignGrid::setAlignCell(int c, int r, TMyAlign a)
{
    cellRecord(c, r).align = a;
    update();
}

void TStringAlignGrid::setAlignCol(int c, TMyAlign a)
{
    record(m_propCol, c).align = a;
    update();
}

void TStringAlignGrid::setAlignRow(int r, TMyAlign a)
{
    record(m_propRow, r).align = a;
    update();
}

void TStringAlignGrid::setFixedAlignCol(int c, TMyAlign a)
{
    record(m_propFixedCol, c).align = a;
    update();
}

void TStringAlignGrid::setFixedAlignRow(int r, TMyAlign a)
{
    record(m_propFixedRow, r).align = a;
    update();
}

void TStringAlignGrid::setWordwrapCell(int c, int r, T_Wordwrap w)
{
    cellRecord(c, r).wordwrap = w;
    update();
}

void TStringAlignGrid::setWordwrapCol(int c, T_Wordwrap w)
{
    record(m_propCol, c).wordwrap = w;
    update();
}

QFont& TStringAlignGrid::fontFixedCol(int c)
{
    CellProp& p = record(m_propFixedCol, c);
    ensureFont(p, font(), m_fontColor);
    update();
    return *p.font;
}

void TStringAlignGrid::setFontColorFixedCol(int c, const QColor& color)
{
    CellProp& p = record(m_propFixedCol, c);
    ensureFont(p, font(), m_fontColor);
    p.fontColor = color;
    update();
}

void TStringAlignGrid::setFontCell(int c, int r, const QFont& f)
{
    CellProp& p = cellRecord(c, r);
    ensureFont(p, font(), m_fontColor);
    p.font = f;
    update();
}

void TStringAlignGrid::setFontColorCell(int c, int r, const QColor& color)
{
    CellProp& p = cellRecord(c, r);
    ensureFont(p, font(), m_fontColor);
    p.fontColor = color;
    update();
}

void TStringAlignGrid::setFontColorCol(int c, const QColor& color)
{
    CellProp& p = record(m_propCol, c);
    ensureFont(p, font(), m_fontColor);
    p.fontColor = color;
    update();
}

void TStringAlignGrid::setColorCell(int c, int r, const QColor& color)
{
    cellRecord(c, r).brush = color;
    update();
}

void TStringAlignGrid::setColorCol(int c, const QColor& color)
{
    record(m_propCol, c).brush = color;
    update();
}

void TStringAlignGrid::setColorRow(int r, const QColor& color)
{
    record(m_propRow, r).brush = color;
    update();
}

void TStringAlignGrid::setFixedColorCol(int c, const QColor& color)
{
    record(m_propFixedCol, c).brush = color;
    update();
}

void TStringAlignGrid::setFixedColorRow(int r, const QColor& color)
{
    record(m_propFixedRow, r).brush = color;
    update();
}

void TStringAlignGrid::sources(int c, int r, const CellProp* out[3]) const
{
    const bool fixed = isFixed(c, r);
    auto find = [](const QMap<int, CellProp>& t, int i) -> const CellProp* {
        auto it = t.constFind(i);
        return it == t.constEnd() ? nullptr : &it.value();
    };
    auto cit = m_propCell.constFind(key(c, r));
    out[0] = cit == m_propCell.constEnd() ? nullptr : &cit.value();
    out[1] = find(fixed ? m_propFixedCol : m_propCol, c);
    out[2] = find(fixed ? m_propFixedRow : m_propRow, r);
}

QColor TStringAlignGrid::colorCell(int c, int r) const
{
    const CellProp* src[3];
    sources(c, r, src);
    for (const CellProp* p : src)
        if (p && p->brush)
            return *p->brush;
    return isFixed(c, r) ? m_fixedColor : m_color;
}

TMyAlign TStringAlignGrid::alignmentAt(int c, int r) const
{
    const CellProp* src[3];
    sources(c, r, src);
    for (const CellProp* p : src)
        if (p && p->align != alDefault)
            return p->align;
    return m_alignment == alDefault ? alLeft : m_alignment;
}

T_Wordwrap TStringAlignGrid::wordwrapAt(int c, int r) const
{
    const CellProp* src[3];
    sources(c, r, src);
    for (const CellProp* p : src)
        if (p && p->wordwrap != ww_default)
            return p->wordwrap;
    return m_wordwrap == ww_default ? ww_none : m_wordwrap;
}

QFont TStringAlignGrid::fontAt(int c, int r) const
{
    const CellProp* src[3];
    sources(c, r, src);
    for (const CellProp* p : src)
        if (p && p->font)
            return *p->font;
    return isFixed(c, r) ? m_fixedFont : font();
}

QColor TStringAlignGrid::fontColorAt(int c, int r) const
{
    const CellProp* src[3];
    sources(c, r, src);
    for (const CellProp* p : src)
        if (p && p->font)
            return p->fontColor.value_or(m_fontColor);
    return isFixed(c, r) ? m_fixedFontColor : m_fontColor;
}

QRect TStringAlignGrid::textRect(int c, int r) const
{
    QRect rc = cellRect(c, r);
    if (!m_showGridLines)
        rc.adjust(0, 0, m_gridLineWidth, m_gridLineWidth);
    return rc.adjusted(2, 2, -2, -2);
}

int TStringAlignGrid::recordCount() const
{
    return int(m_propCell.size() + m_propCol.size() + m_propRow.size() + m_propFixedCol.size() +
               m_propFixedRow.size());
}

QSize TStringAlignGrid::sizeHint() const
{
    if (m_colCount == 0 || m_rowCount == 0)
        return QSize(0, 0);
    const QRect last = cellRect(m_colCount - 1, m_rowCount - 1);
    return QSize(last.right() + 1 + lineWidth(), last.bottom() + 1 + lineWidth());
}

void TStringAlignGrid::drawCell(QPainter& p, int c, int r)
{
    const QRect rc = cellRect(c, r);
    QColor bg = colorCell(c, r);
    QColor fg = fontColorAt(c, r);
    const QFont f = fontAt(c, r);
    if (m_drawSelection && m_drawFocusSelected && !isFixed(c, r) && m_selected == QPoint(c, r)) {
        // Selection colours come from the cell, its ordinary column and row, then the grid.
        const CellProp* src[3] = {nullptr, nullptr, nullptr};
        auto cit = m_propCell.constFind(key(c, r));
        src[0] = cit == m_propCell.constEnd() ? nullptr : &cit.value();
        auto col = m_propCol.constFind(c);
        src[1] = col == m_propCol.constEnd() ? nullptr : &col.value();
        auto row = m_propRow.constFind(r);
        src[2] = row == m_propRow.constEnd() ? nullptr : &row.value();
        bg = m_selectedCellColor;
        fg = m_selectedFontColor;
        for (const CellProp* s : src)
            if (s && s->selBrush) {
                bg = *s->selBrush;
                break;
            }
        for (const CellProp* s : src)
            if (s && s->selFont) {
                fg = s->selFontColor.value_or(m_selectedFontColor);
                break;
            }
    }
    p.fillRect(rc, bg);

    const QString text = cell(c, r);
    if (text.isEmpty())
        return;
    const QRect tr = textRect(c, r);
    p.save();
    p.setClipRect(tr.adjusted(-2, -2, 2, 2));
    p.setFont(f);
    p.setPen(fg);
    int flags = Qt::AlignTop;
    switch (alignmentAt(c, r)) {
    case alRight:
        flags |= Qt::AlignRight;
        break;
    case alCenter:
        flags |= Qt::AlignHCenter;
        break;
    default:
        flags |= Qt::AlignLeft;
        break;
    }
    // No mnemonic flag anywhere: "&" is drawn as it stands.
    switch (wordwrapAt(c, r)) {
    case ww_wordwrap:
        p.drawText(tr, flags | Qt::TextWordWrap, text);
        break;
    case ww_ellipsis:
        p.drawText(tr, flags | Qt::TextSingleLine,
                   QFontMetrics(f).elidedText(text, Qt::ElideRight, qMax(0, tr.width())));
        break;
    default:
        p.drawText(tr, flags | Qt::TextSingleLine, text);
        break;
    }
    p.restore();
}

void TStringAlignGrid::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    p.fillRect(e->rect(), m_color);
    const int lw = lineWidth();
    for (int r = 0; r < m_rowCount; ++r) {
        for (int c = 0; c < m_colCount; ++c) {
            const QRect rc = cellRect(c, r);
            if (rc.x() > width() || rc.y() > height())
                continue;
            if (lw > 0)
                p.fillRect(rc.adjusted(0, 0, lw, lw), palette().color(QPalette::WindowText));
            if (e->rect().intersects(rc.adjusted(0, 0, lw, lw)))
                drawCell(p, c, r);
        }
    }
}

void TStringAlignGrid::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    emit mouseDownButton(e->button(), pos);
    emit mouseDown(pos);
}

void TStringAlignGrid::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->position().toPoint());
}

void TStringAlignGrid::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    emit mouseUpButton(e->button(), pos);
    emit mouseUp(pos);
}

} // namespace tarvelle
