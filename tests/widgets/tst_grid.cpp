#include "widgets/stringaligngrid.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvelle;

namespace {

// The grid used by most cases: 5 x 4 cells of 60 x 20, one fixed column and row, no lines.
void setUp(TStringAlignGrid& g)
{
    g.setColCount(5);
    g.setRowCount(4);
    g.setFixedCols(1);
    g.setFixedRows(1);
    g.setDefaultColWidth(60);
    g.setDefaultRowHeight(20);
    g.setGridLineWidth(0);
    g.setDrawSelection(false);
    g.setEditable(false);
    g.setColor(QColor(10, 20, 30));
    g.setFixedColor(QColor(200, 200, 200));
    g.resize(g.sizeHint());
}

// Horizontal extent of the ink of a given colour inside a cell.
QPair<int, int> inkSpan(const QImage& shot, const QRect& cell, QRgb ink)
{
    int left = INT_MAX, right = -1;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if ((shot.pixel(x, y) & 0xFFFFFF) == (ink & 0xFFFFFF)) {
                left = qMin(left, x);
                right = qMax(right, x);
            }
    return {left, right};
}

} // namespace

class TestGrid : public QObject {
    Q_OBJECT
private slots:
    void colourResolution()
    {
        TStringAlignGrid g;
        setUp(g);
        QCOMPARE(g.colorCell(0, 2), QColor(200, 200, 200)); // fixed column
        QCOMPARE(g.colorCell(3, 0), QColor(200, 200, 200)); // fixed row
        QCOMPARE(g.colorCell(3, 2), QColor(10, 20, 30));
        QCOMPARE(g.recordCount(), 0); // reading creates nothing

        g.setColorCol(3, Qt::yellow);
        QCOMPARE(g.colorCell(3, 1), QColor(Qt::yellow));
        QCOMPARE(g.colorCell(3, 3), QColor(Qt::yellow));
        QCOMPARE(g.colorCell(3, 0), QColor(200, 200, 200)); // the fixed row ignores ordinary columns
        QCOMPARE(g.colorCell(2, 1), QColor(10, 20, 30));

        g.setColorRow(2, Qt::blue);
        QCOMPARE(g.colorCell(3, 2), QColor(Qt::yellow)); // column before row
        QCOMPARE(g.colorCell(2, 2), QColor(Qt::blue));

        g.setColorCell(3, 2, Qt::red); // cell before column
        QCOMPARE(g.colorCell(3, 2), QColor(Qt::red));

        g.setColorCell(0, 1, Qt::green); // a fixed cell takes only the written colour
        QCOMPARE(g.colorCell(0, 1), QColor(Qt::green));
        QVERIFY(g.hasCellRecord(0, 1));

        g.setFixedColorCol(0, Qt::magenta);
        QCOMPARE(g.colorCell(0, 2), QColor(Qt::magenta));
        QCOMPARE(g.colorCell(0, 1), QColor(Qt::green));
        g.setFixedColor(Qt::white);
        QCOMPARE(g.colorCell(2, 0), QColor(Qt::white));
    }

    void alignmentResolution()
    {
        TStringAlignGrid g;
        setUp(g);
        g.setFixedRows(2);
        g.setFixedAlignCol(1, alRight);
        g.setAlignCell(1, 0, alCenter);
        QCOMPARE(g.alignmentAt(1, 0), alCenter);
        QCOMPARE(g.alignmentAt(1, 1), alRight); // fixed by its row
        QCOMPARE(g.alignmentAt(1, 2), alLeft);  // ordinary: the fixed column record does not apply

        g.setAlignCol(1, alCenter);
        QCOMPARE(g.alignmentAt(1, 3), alCenter);
        g.setAlignRow(3, alRight);
        QCOMPARE(g.alignmentAt(1, 3), alCenter);
        QCOMPARE(g.alignmentAt(2, 3), alRight);

        // alDefault all the way down counts as left.
        g.setAlignment(alDefault);
        QCOMPARE(g.alignmentAt(4, 2), alLeft);
        g.setAlignment(alRight);
        QCOMPARE(g.alignmentAt(4, 2), alRight);
        g.setAlignCell(4, 2, alDefault); // an unset cell value falls through
        QCOMPARE(g.alignmentAt(4, 2), alRight);

        g.setWordwrap(ww_default);
        QCOMPARE(g.wordwrapAt(2, 2), ww_none);
        g.setWordwrapCol(2, ww_ellipsis);
        QCOMPARE(g.wordwrapAt(2, 2), ww_ellipsis);
    }

    void fontRecords()
    {
        TStringAlignGrid g;
        setUp(g);
        QFont base(QStringLiteral("Arial"));
        base.setPixelSize(13);
        g.setFont(base);
        QCOMPARE(g.fontAt(0, 2).pixelSize(), QFont().pixelSize()); // fixed cells use their own font

        QFont& f = g.fontFixedCol(0);
        QCOMPARE(f.pixelSize(), 13); // created as a copy of the grid font
        f.setBold(true);
        g.setFontColorFixedCol(0, Qt::yellow);
        QVERIFY(g.fontAt(0, 2).bold());
        QCOMPARE(g.fontColorAt(0, 2), QColor(Qt::yellow));
        QVERIFY(!g.fontAt(1, 2).bold());

        g.setFontColorCell(2, 2, Qt::cyan);
        QCOMPARE(g.fontColorAt(2, 2), QColor(Qt::cyan));
        QCOMPARE(g.fontAt(2, 2).pixelSize(), 13);
    }

    void geometry()
    {
        TStringAlignGrid g;
        setUp(g);
        g.setColWidth(0, 100);
        g.setRowHeight(1, 30);
        QCOMPARE(g.cellRect(1, 2), QRect(100, 50, 60, 20));
        QCOMPARE(g.textRect(1, 2), QRect(102, 52, 56, 16));
        QCOMPARE(g.cellAt(QPoint(101, 21)), QPoint(1, 1));
        QCOMPARE(g.cellAt(QPoint(5000, 5)), QPoint(-1, -1));

        g.setGridLineWidth(1);
        QCOMPARE(g.cellRect(1, 2), QRect(101, 52, 60, 20));
        QCOMPARE(g.textRect(1, 2), QRect(103, 54, 56, 16));
        g.setShowGridLines(false); // no lines: no gaps, and the text may take the line's room
        QCOMPARE(g.cellRect(1, 2), QRect(100, 50, 60, 20));
        QCOMPARE(g.textRect(1, 2), QRect(102, 52, 57, 17));
    }

    void drawing()
    {
        TStringAlignGrid g;
        setUp(g);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(13);
        f.setStyleStrategy(QFont::NoAntialias);
        g.setFont(f);
        g.setFontColor(Qt::white);
        g.setColWidth(1, 120);
        for (int r = 1; r < 4; ++r)
            g.setCell(1, r, QStringLiteral("Four of a kind and more"));
        g.setAlignCell(1, 1, alRight);
        g.setWordwrapCell(1, 2, ww_ellipsis);
        g.setColorCell(1, 3, Qt::darkGreen);

        const QImage shot = g.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect c1 = g.cellRect(1, 1), c2 = g.cellRect(1, 2), c3 = g.cellRect(1, 3);
        QCOMPARE(QColor(shot.pixel(c1.left() + 1, c1.bottom() - 1)), QColor(10, 20, 30));
        QCOMPARE(QColor(shot.pixel(c3.left() + 1, c3.bottom() - 1)), QColor(Qt::darkGreen));

        // Too long for the cell: clipped at the cell edge, never spilling into the next column.
        const auto spanRight = inkSpan(shot, c1.adjusted(0, 0, 60, 0), qRgb(255, 255, 255));
        QVERIFY(spanRight.second <= c1.right());
        QVERIFY(spanRight.second >= c1.right() - 6); // right-aligned: the end of the text shows
        QVERIFY(spanRight.first < c1.left() + 6);    // and it is cut on the left
        const auto spanLeft = inkSpan(shot, c3.adjusted(0, 0, 60, 0), qRgb(255, 255, 255));
        QVERIFY(spanLeft.first >= c3.left() + 2 && spanLeft.first <= c3.left() + 4);
        QVERIFY(spanLeft.second <= c3.right());
        // The ellipsis ends the text inside the text rectangle: the last ink is its dots.
        const auto spanEllipsis = inkSpan(shot, c2, qRgb(255, 255, 255));
        QVERIFY(spanEllipsis.second <= g.textRect(1, 2).right());
        const QString elided =
            QFontMetrics(f).elidedText(g.cell(1, 2), Qt::ElideRight, g.textRect(1, 2).width());
        QVERIFY(elided.endsWith(QChar(0x2026)));
    }

    void selectionColours()
    {
        TStringAlignGrid g;
        setUp(g);
        g.setDrawSelection(true);
        g.setSelectedCellColor(Qt::blue);
        g.setSelectedCell(2, 2);
        const QRect rc = g.cellRect(2, 2);
        auto shown = [&] { return QColor(g.grab().toImage().pixel(rc.center())); };
        QCOMPARE(shown(), QColor(10, 20, 30)); // the current cell alone is not painted selected
        g.setDrawFocusSelected(true);
        QCOMPARE(shown(), QColor(Qt::blue));
        g.setDrawSelection(false);
        QCOMPARE(shown(), QColor(10, 20, 30));
    }

    void mouseSignals()
    {
        TStringAlignGrid g;
        setUp(g);
        QSignalSpy down(&g, &TStringAlignGrid::mouseDown);
        QSignalSpy moved(&g, &TStringAlignGrid::mouseMoved);
        QSignalSpy up(&g, &TStringAlignGrid::mouseUp);
        QTest::mousePress(&g, Qt::LeftButton, {}, QPoint(10, 15));
        QMouseEvent move(QEvent::MouseMove, QPointF(30, 40), g.mapToGlobal(QPointF(30, 40)), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&g, &move);
        QTest::mouseRelease(&g, Qt::LeftButton, {}, QPoint(30, 40));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).toPoint(), QPoint(10, 15));
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).toPoint(), QPoint(30, 40));
        QCOMPARE(up.at(0).at(0).toPoint(), QPoint(30, 40));
    }
};

QTEST_MAIN(TestGrid)
#include "tst_grid.moc"
