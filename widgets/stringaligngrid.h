#pragma once

#include <QColor>
#include <QFont>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QVector>
#include <QWidget>

class QPainter;

#include <memory>
#include <optional>

namespace tarvelle {

enum TMyAlign { alRight, alLeft, alCenter, alDefault };
enum T_Wordwrap { ww_none, ww_wordwrap, ww_ellipsis, ww_default };

// A display-only string grid with alignment, word wrap, colours and fonts per cell,
// per column and per row (fixed and ordinary apart); each cell is drawn with the
// most specific setting that exists.
class TStringAlignGrid : public QWidget {
    Q_OBJECT
public:
    // One format record; unset fields keep their "unset" value.
    struct CellProp {
        TMyAlign align = alDefault;
        T_Wordwrap wordwrap = ww_default;
        uint8_t editable = 0; // 0 unset, 1 no, 2 yes
        std::optional<QColor> brush;
        std::optional<QColor> selBrush;
        // A record's font and its colour (Qt fonts carry no colour).
        std::optional<QFont> font;
        std::optional<QColor> fontColor;
        std::optional<QFont> selFont;
        std::optional<QColor> selFontColor;
    };

    explicit TStringAlignGrid(QWidget* parent = nullptr);

    // Size of the grid.
    int colCount() const { return m_colCount; }
    void setColCount(int n);
    int rowCount() const { return m_rowCount; }
    void setRowCount(int n);
    int fixedCols() const { return m_fixedCols; }
    void setFixedCols(int n);
    int fixedRows() const { return m_fixedRows; }
    void setFixedRows(int n);
    int defaultColWidth() const { return m_defaultColWidth; }
    void setDefaultColWidth(int w);
    int defaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int h);
    int colWidth(int c) const;
    void setColWidth(int c, int w);
    int rowHeight(int r) const;
    void setRowHeight(int r, int h);
    // Rectangle of a cell in grid coordinates (no scrolling).
    QRect cellRect(int c, int r) const;
    // The cell under a point, or (-1, -1).
    QPoint cellAt(QPoint p) const;

    QString cell(int c, int r) const;
    void setCell(int c, int r, const QString& text);

    // Grid-wide settings.
    QColor color() const { return m_color; }
    void setColor(const QColor& c);
    QColor fixedColor() const { return m_fixedColor; }
    void setFixedColor(const QColor& c);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& c);
    QColor selectedCellColor() const { return m_selectedCellColor; }
    void setSelectedCellColor(const QColor& c);
    QColor selectedFontColor() const { return m_selectedFontColor; }
    void setSelectedFontColor(const QColor& c);
    int gridLineWidth() const { return m_gridLineWidth; }
    void setGridLineWidth(int w);
    // Grid lines on or off (all kinds together); off, cells touch and the text may use the line's room.
    bool showGridLines() const { return m_showGridLines; }
    void setShowGridLines(bool on);
    bool drawSelection() const { return m_drawSelection; }
    void setDrawSelection(bool on);
    // The current cell is painted in the selection colours only when this is on as well.
    bool drawFocusSelected() const { return m_drawFocusSelected; }
    void setDrawFocusSelected(bool on);
    bool editable() const { return m_editable; }
    void setEditable(bool on);
    TMyAlign alignment() const { return m_alignment; }
    void setAlignment(TMyAlign a);
    T_Wordwrap wordwrap() const { return m_wordwrap; }
    void setWordwrap(T_Wordwrap w);
    void setFont(const QFont& f);
    QPoint selectedCell() const { return m_selected; }
    void setSelectedCell(int c, int r);

    // Per-cell / per-column / per-row formats.
    void setAlignCell(int c, int r, TMyAlign a);
    void setAlignCol(int c, TMyAlign a);
    void setAlignRow(int r, TMyAlign a);
    void setFixedAlignCol(int c, TMyAlign a);
    void setFixedAlignRow(int r, TMyAlign a);
    void setWordwrapCell(int c, int r, T_Wordwrap w);
    void setWordwrapCol(int c, T_Wordwrap w);
    // The font of a fixed column, created as a copy of the grid's font when absent;
    // change it in place, then call update().
    QFont& fontFixedCol(int c);
    void setFontColorFixedCol(int c, const QColor& color);
    void setFontCell(int c, int r, const QFont& f);
    void setFontColorCell(int c, int r, const QColor& color);
    void setFontColorCol(int c, const QColor& color);
    // The background a cell is drawn with; never creates a record.
    QColor colorCell(int c, int r) const;
    void setColorCell(int c, int r, const QColor& color);
    void setColorCol(int c, const QColor& color);
    void setColorRow(int r, const QColor& color);
    void setFixedColorCol(int c, const QColor& color);
    void setFixedColorRow(int r, const QColor& color);

    // Resolved attributes of a cell, as it is drawn.
    bool isFixed(int c, int r) const { return c < m_fixedCols || r < m_fixedRows; }
    TMyAlign alignmentAt(int c, int r) const;
    T_Wordwrap wordwrapAt(int c, int r) const;
    QFont fontAt(int c, int r) const;
    QColor fontColorAt(int c, int r) const;
    // Rectangle the text of a cell is laid out in.
    QRect textRect(int c, int r) const;
    // Number of format records of each table (cell, col, row, fixed col, fixed row).
    int recordCount() const;
    bool hasCellRecord(int c, int r) const { return m_propCell.contains(key(c, r)); }

    QSize sizeHint() const override;

signals:
    void mouseDown(QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseUp(QPoint pos);
    void mouseDownButton(Qt::MouseButton button, QPoint pos);
    void mouseUpButton(Qt::MouseButton button, QPoint pos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    static quint64 key(int c, int r) { return (quint64(quint32(c)) << 32) | quint32(r); }
    // The records that apply to a cell, most specific first (null where absent).
    void sources(int c, int r, const CellProp* out[3]) const;
    CellProp& record(QMap<int, CellProp>& table, int index);
    CellProp& cellRecord(int c, int r);
    void drawCell(QPainter& p, int c, int r);
    int lineWidth() const;

    int m_colCount = 5;
    int m_rowCount = 5;
    int m_fixedCols = 1;
    int m_fixedRows = 1;
    int m_defaultColWidth = 64;
    int m_defaultRowHeight = 24;
    QVector<int> m_colWidths;
    QVector<int> m_rowHeights;
    QMap<quint64, QString> m_cells;

    QColor m_color = Qt::white;
    QColor m_fixedColor;
    QColor m_fontColor = Qt::black;
    QFont m_fixedFont;
    QColor m_fixedFontColor = Qt::black;
    QColor m_selectedCellColor;
    QColor m_selectedFontColor = Qt::white;
    int m_gridLineWidth = 1;
    bool m_showGridLines = true;
    bool m_drawSelection = true;
    bool m_drawFocusSelected = false;
    bool m_editable = true;
    TMyAlign m_alignment = alLeft;
    T_Wordwrap m_wordwrap = ww_none;
    QPoint m_selected{1, 1};

    QMap<quint64, CellProp> m_propCell;
    QMap<int, CellProp> m_propCol;
    QMap<int, CellProp> m_propRow;
    QMap<int, CellProp> m_propFixedCol;
    QMap<int, CellProp> m_propFixedRow;
};

} // namespace tarvelle
