#include "widgets/antialiaslabel.h"

#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace tarvelle;

namespace {

// Colours other than pure background and pure ink: present only when glyph edges are smoothed.
int blendedPixels(const QImage& shot, QRgb background, QRgb ink)
{
    int n = 0;
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x) {
            const QRgb p = shot.pixel(x, y) & 0xFFFFFF;
            if (p != (background & 0xFFFFFF) && p != (ink & 0xFFFFFF))
                ++n;
        }
    return n;
}

QImage render(TAntiAliasLabel& l)
{
    return l.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

TAntiAliasLabel* makeLabel(QWidget* parent)
{
    auto* l = new TAntiAliasLabel(QStringLiteral("Royal Flush 48"), parent);
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(27);
    f.setBold(true);
    l->setFont(f);
    l->setAutoSize(false);
    l->setGeometry(0, 0, 260, 34);
    l->setColor(Qt::black);
    l->setFontColor(Qt::white);
    return l;
}

} // namespace

class TestLabel : public QObject {
    Q_OBJECT
private slots:
    void constructedOpaqueAndSmoothed()
    {
        TAntiAliasLabel l;
        QVERIFY(l.antialiased());
        QVERIFY(!l.transparent());
        QVERIFY(l.font().styleStrategy() & QFont::PreferAntialias);
        QVERIFY(l.autoSize());

        // The font still comes from the parent, smoothing kept.
        QWidget parent;
        auto* child = new TAntiAliasLabel(QStringLiteral("bet"), &parent);
        QFont big(QStringLiteral("Arial"));
        big.setPixelSize(24);
        parent.setFont(big);
        QCOMPARE(child->font().pixelSize(), 24);
        QVERIFY(child->font().styleStrategy() & QFont::PreferAntialias);
    }

    // Smoothing survives font and colour changes, and the fix-up does not loop.
    void smoothingSurvivesChanges()
    {
        QWidget host;
        TAntiAliasLabel* l = makeLabel(&host);
        QVERIFY(l->font().styleStrategy() & QFont::PreferAntialias);
        QVERIFY(blendedPixels(render(*l), qRgb(0, 0, 0), qRgb(255, 255, 255)) > 20);

        l->setFontColor(QColor(255, 255, 0));
        QCOMPARE(l->fontColor(), QColor(255, 255, 0));
        QVERIFY(l->font().styleStrategy() & QFont::PreferAntialias);
        QVERIFY(blendedPixels(render(*l), qRgb(0, 0, 0), qRgb(255, 255, 0)) > 20);

        // A new font without any quality asked for gets it back at once, with one re-creation.
        const int before = l->fontFixCount();
        QFont plain(QStringLiteral("Arial"));
        plain.setPixelSize(19);
        l->setFont(plain);
        QCOMPARE(l->fontFixCount(), before + 1);
        QVERIFY(l->font().styleStrategy() & QFont::PreferAntialias);
        QCOMPARE(l->font().pixelSize(), 19);

        // Same value again: nothing is re-created.
        l->setAntialiased(true);
        QCOMPARE(l->fontFixCount(), before + 1);
    }

    void antialiasedOffGivesHardEdges()
    {
        QWidget host;
        TAntiAliasLabel* l = makeLabel(&host);
        l->setAntialiased(false);
        QVERIFY(l->font().styleStrategy() & QFont::NoAntialias);
        QCOMPARE(blendedPixels(render(*l), qRgb(0, 0, 0), qRgb(255, 255, 255)), 0);
        l->setFontColor(Qt::green); // still unsmoothed after a colour change
        QCOMPARE(blendedPixels(render(*l), qRgb(0, 0, 0), qRgb(0, 255, 0)), 0);
        l->setAntialiased(true);
        QVERIFY(blendedPixels(render(*l), qRgb(0, 0, 0), qRgb(0, 255, 0)) > 20);
    }

    void transparentShowsWhatIsBehind()
    {
        QWidget host;
        host.resize(300, 60);
        host.setAutoFillBackground(true);
        QPalette pal = host.palette();
        pal.setColor(QPalette::Window, QColor(0, 0, 200));
        host.setPalette(pal);
        TAntiAliasLabel* l = makeLabel(&host);
        l->setColor(QColor(200, 0, 0));

        QImage opaque = host.grab().toImage();
        QCOMPARE(QColor(opaque.pixel(258, 32)), QColor(200, 0, 0));

        l->setTransparent(true);
        QImage clear = host.grab().toImage();
        QCOMPARE(QColor(clear.pixel(258, 32)), QColor(0, 0, 200));
        // The glyphs are still there.
        QVERIFY(blendedPixels(clear.copy(0, 0, 260, 34), qRgb(0, 0, 200), qRgb(255, 255, 255)) > 20);
    }

    void textPlacement()
    {
        QWidget host;
        TAntiAliasLabel* l = makeLabel(&host);
        auto inkRight = [](const QImage& img) {
            int right = -1;
            for (int y = 0; y < img.height(); ++y)
                for (int x = 0; x < img.width(); ++x)
                    if ((img.pixel(x, y) & 0xFFFFFF) != 0)
                        right = qMax(right, x);
            return right;
        };
        // "&" marks an accelerator as on any label: not drawn, so "A&B" ends where "AB" does;
        // "A&&B" shows one ampersand and ends further right.
        l->setText(QStringLiteral("AB"));
        const int plainRight = inkRight(render(*l));
        l->setText(QStringLiteral("A&B"));
        QVERIFY(qAbs(inkRight(render(*l)) - plainRight) <= 2);
        l->setText(QStringLiteral("A&&B"));
        QVERIFY(inkRight(render(*l)) > plainRight + 10);
        // AutoSize measures the caption as drawn.
        TAntiAliasLabel accel(QStringLiteral("A&B"));
        TAntiAliasLabel plain(QStringLiteral("AB"));
        QCOMPARE(accel.width(), plain.width());
        l->setText(QStringLiteral("AB"));

        l->setAlignment(Qt::AlignRight);
        QVERIFY(inkRight(render(*l)) >= 250);

        // AutoSize follows the text; fixed labels keep their size.
        TAntiAliasLabel autoLabel(QStringLiteral("credit"));
        const int narrow = autoLabel.width();
        autoLabel.setText(QStringLiteral("credit credit"));
        QVERIFY(autoLabel.width() > narrow);
        QCOMPARE(l->size(), QSize(260, 34));
    }

    void mouseSignals()
    {
        TAntiAliasLabel l(QStringLiteral("Settings"));
        l.resize(100, 20);
        QSignalSpy clicked(&l, &TAntiAliasLabel::clicked);
        QSignalSpy enter(&l, &TAntiAliasLabel::mouseEnter);
        QSignalSpy leave(&l, &TAntiAliasLabel::mouseLeave);
        QTest::mouseClick(&l, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicked.count(), 1);
        QTest::mousePress(&l, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&l, Qt::LeftButton, {}, QPoint(500, 5));
        QCOMPARE(clicked.count(), 1);
        QEnterEvent in(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
        QCoreApplication::sendEvent(&l, &in);
        QEvent out(QEvent::Leave);
        QCoreApplication::sendEvent(&l, &out);
        QCOMPARE(enter.count(), 1);
        QCOMPARE(leave.count(), 1);
    }
};

QTEST_MAIN(TestLabel)
#include "tst_label.moc"
