#include "widgets/lbspeedbutton.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvelle;

namespace {

// A strip of n cells, cell k filled with a colour of red value 10 * (k + 1).
QImage strip(int cell, int n)
{
    QImage img(cell * n, cell, QImage::Format_RGB32);
    for (int k = 0; k < n; ++k)
        for (int y = 0; y < cell; ++y)
            for (int x = 0; x < cell; ++x)
                img.setPixel(k * cell + x, y, qRgb(10 * (k + 1), 0, 0));
    return img;
}

// Which cell is on screen, read back from the painted pixels.
int shownCell(TLbSpeedButton& b)
{
    const QImage shot = b.grab().toImage();
    const int red = qRed(shot.pixel(b.width() / 2, b.height() / 2));
    return red / 10 - 1;
}

// Lets posted repaints (which the platform batches on a short timer) happen.
void settle()
{
    QTest::qWait(30);
}

void moveTo(TLbSpeedButton& b, QPoint p, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(p), b.mapToGlobal(QPointF(p)), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&b, &move);
    settle();
}

} // namespace

class TestSpeedButton : public QObject {
    Q_OBJECT
private slots:
    void hitCircle_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("y");
        QTest::addColumn<bool>("inside");
        QTest::newRow("big, distance 38") << 100 << 50 << 12 << true;
        QTest::newRow("big, distance 39") << 100 << 50 << 11 << false;
        QTest::newRow("big, centre") << 100 << 50 << 50 << true;
        QTest::newRow("big, corner") << 100 << 0 << 0 << false;
        QTest::newRow("big, diagonal 37.5 rounds to 38") << 100 << 77 << 77 << true; // 27*sqrt2 = 38.18
        QTest::newRow("big, diagonal 39.6") << 100 << 78 << 78 << false;
        QTest::newRow("small, corner") << 20 << 0 << 0 << false;
        QTest::newRow("small, 3,3") << 20 << 3 << 3 << true;
        QTest::newRow("small, edge") << 20 << 0 << 10 << true;
        QTest::newRow("24 wide keeps full radius") << 24 << 0 << 12 << true;
        QTest::newRow("25 wide shrinks radius") << 25 << 1 << 12 << false;
    }
    void hitCircle()
    {
        QFETCH(int, size);
        QFETCH(int, x);
        QFETCH(int, y);
        QFETCH(bool, inside);
        QCOMPARE(TLbSpeedButton::insideHitCircle(size, size, x, y), inside);
    }

    void glyphSetsCellCountAndPlacement()
    {
        TLbSpeedButton big;
        big.resize(100, 100);
        big.setLayout(TLbSpeedButton::blcenter);
        big.setAlignment(TLbSpeedButton::taCenter);
        big.setGlyph(strip(100, 4));
        QCOMPARE(big.numGlyphs(), 4);
        QCOMPARE(big.glyphX(), 1);

        TLbSpeedButton small;
        small.resize(20, 20);
        small.setLayout(TLbSpeedButton::blcenter);
        small.setAlignment(TLbSpeedButton::taCenter);
        small.setGlyph(strip(19, 4));
        QCOMPARE(small.numGlyphs(), 4);
        QCOMPARE(small.glyphX(), 1);

        small.setLayout(TLbSpeedButton::blGlyphRight);
        small.setAlignment(TLbSpeedButton::taRightJustify);
        QCOMPARE(small.glyphX(), 20 - 5 - 19);

        TLbSpeedButton empty;
        empty.setGlyph(QImage());
        QCOMPARE(empty.numGlyphs(), 0);
    }

    // idle -> hover -> pressed -> released (hover) -> slide off -> leave; disabled shows cell 3.
    void cellFollowsPointerAndPress()
    {
        QWidget host;
        host.resize(200, 200);
        auto* b = new TLbSpeedButton(&host);
        b->setGeometry(0, 0, 100, 100);
        b->setFlat(true);
        b->setTransparent(true);
        b->setLayout(TLbSpeedButton::blcenter);
        b->setAlignment(TLbSpeedButton::taCenter);
        b->setGlyph(strip(100, 4));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));

        QCOMPARE(b->currentCell(), 0);
        QCOMPARE(shownCell(*b), 0);
        moveTo(*b, QPoint(50, 50));
        QCOMPARE(b->currentCell(), 1);
        QCOMPARE(shownCell(*b), 1);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 50));
        settle();
        QCOMPARE(b->currentCell(), 2);
        QCOMPARE(shownCell(*b), 2);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(b->down(), false);
        QCOMPARE(b->currentCell(), 1);

        // Pressed, then slid out of the circle: released visually before the button comes up.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(b->down());
        moveTo(*b, QPoint(2, 2), Qt::LeftButton);
        QCOMPARE(b->down(), false);
        QCOMPARE(b->currentCell(), 0);
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(2, 2));

        moveTo(*b, QPoint(50, 50));
        QCOMPARE(b->currentCell(), 1);
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(b, &leave);
        QCOMPARE(b->currentCell(), 0);

        b->setEnabled(false);
        QCOMPARE(b->currentCell(), 3);
        QCOMPARE(shownCell(*b), 3);
    }

    // Transparent with no cells to show: the parent's picture stays visible; opaque: the colour fills.
    void zeroGlyphsDrawNothing()
    {
        QWidget host;
        host.resize(100, 100);
        host.setAutoFillBackground(true);
        QPalette pal = host.palette();
        pal.setColor(QPalette::Window, QColor(0, 90, 0));
        host.setPalette(pal);
        auto* b = new TLbSpeedButton(&host);
        b->setGeometry(0, 0, 100, 100);
        b->setTransparent(true);
        b->setFlat(true);
        b->setGlyph(strip(100, 4));
        b->setNumGlyphs(0);
        QCOMPARE(host.grab().toImage().pixelColor(50, 50), QColor(0, 90, 0));
        b->setNumGlyphs(4);
        QCOMPARE(host.grab().toImage().pixelColor(50, 50), QColor(10, 0, 0));
        b->setNumGlyphs(0);
        b->setTransparent(false);
        b->setColor(QColor(7, 7, 7));
        QCOMPARE(host.grab().toImage().pixelColor(50, 50), QColor(7, 7, 7));
    }

    void pressAndReleaseSignals()
    {
        TLbSpeedButton b;
        b.resize(100, 100);
        QSignalSpy down(&b, &TLbSpeedButton::mouseDown);
        QSignalSpy up(&b, &TLbSpeedButton::mouseUp);
        QSignalSpy clicked(&b, &TLbSpeedButton::clicked);

        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(50, 11));
        QCOMPARE(down.count(), 0);
        QVERIFY(b.down());
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(50, 11));
        QCOMPARE(up.count(), 1);
        QVERIFY(!b.down());
        QCOMPARE(clicked.count(), 1); // a click counts anywhere in the rectangle

        QTest::mousePress(&b, Qt::RightButton, {}, QPoint(50, 12));
        QCOMPARE(down.count(), 1);
        QCOMPARE(down.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(down.at(0).at(1).toPoint(), QPoint(50, 12));
        QTest::mouseRelease(&b, Qt::RightButton, {}, QPoint(50, 12));
        QCOMPARE(up.count(), 2);
        QCOMPARE(clicked.count(), 1);

        // Release away from the button still reports; a click needs the release inside.
        QTest::mousePress(&b, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseRelease(&b, Qt::LeftButton, {}, QPoint(150, 50));
        QCOMPARE(up.count(), 3);
        QCOMPARE(clicked.count(), 1);
        QTest::mouseClick(&b, Qt::LeftButton, {}, QPoint(50, 50));
        QCOMPARE(clicked.count(), 2);
    }

    void noNeedlessRepaints()
    {
        QWidget host;
        host.resize(120, 120);
        auto* b = new TLbSpeedButton(&host);
        b->setGeometry(0, 0, 100, 100);
        b->setGlyph(strip(100, 4));
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        settle();
        const int idle = b->paintCount();
        moveTo(*b, QPoint(50, 50));
        const int afterEnter = b->paintCount();
        QVERIFY(afterEnter > idle);
        moveTo(*b, QPoint(52, 50));
        moveTo(*b, QPoint(40, 45));
        QCOMPARE(b->paintCount(), afterEnter);

        // Moving while pressed inside the circle does not repaint either.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(40, 45));
        settle();
        const int pressed = b->paintCount();
        QVERIFY(pressed > afterEnter);
        moveTo(*b, QPoint(60, 60), Qt::LeftButton);
        QCOMPARE(b->paintCount(), pressed);

        b->setDown(true);
        settle();
        QCOMPARE(b->paintCount(), pressed);

        moveTo(*b, QPoint(1, 1), Qt::LeftButton); // out of the circle: a change, so one repaint
        QVERIFY(b->paintCount() > pressed);
    }

    void groupKeepsOneDown()
    {
        QWidget host;
        auto* a = new TLbSpeedButton(&host);
        auto* b = new TLbSpeedButton(&host);
        auto* other = new TLbSpeedButton(&host);
        for (TLbSpeedButton* x : {a, b})
            x->setGroupIndex(1);
        other->setGroupIndex(2);
        for (TLbSpeedButton* x : {a, b, other})
            x->resize(100, 100);
        other->setDown(true);
        a->setDown(true);
        b->setDown(true);
        QVERIFY(!a->down());
        QVERIFY(b->down());
        QVERIFY(other->down());

        // A press on the down button of a group leaves it down unless AllowAllUp.
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 50));
        QTest::mouseRelease(b, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(b->down());
        b->setAllowAllUp(true);
        QTest::mousePress(b, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(!b->down());
        QTest::mousePress(a, Qt::LeftButton, {}, QPoint(50, 50));
        QVERIFY(a->down());
    }
};

QTEST_MAIN(TestSpeedButton)
#include "tst_speedbutton.moc"
