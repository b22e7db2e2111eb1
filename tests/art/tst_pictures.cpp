#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

QImage picture(const QString& name)
{
    return QImage(QStringLiteral(":/img/") + name + QStringLiteral(".png"));
}

struct Place {
    const char* name;
    int x, y, size;
};

// Where the round buttons sit on the table.
const Place kButtons[] = {
    {"btn_extra", 502, 460, 100}, {"btn_deal", 351, 460, 100},   {"btn_betdown", 67, 458, 100},
    {"btn_betup", 180, 458, 100}, {"btn_double", 640, 458, 100}, {"btn_off", 767, 14, 20},
    {"btn_proce", 612, 500, 20},  {"btn_autop", 466, 500, 20},   {"btn_betmax", 304, 500, 20}};

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void sizesAndDepth_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QSize>("size");
        const struct {
            const char* name;
            int w, h;
        } pictures[] = {{"red", 4, 600},           {"desen", 800, 600},     {"splash", 800, 600},
                        {"emblem1", 28, 29},       {"emblem2", 28, 29},     {"emblem3", 28, 29},
                        {"emblem4", 28, 29},       {"btn_extra", 400, 100}, {"btn_deal", 400, 100},
                        {"btn_betdown", 400, 100}, {"btn_betup", 400, 100}, {"btn_double", 400, 100},
                        {"btn_off", 76, 19},       {"btn_proce", 76, 19},   {"btn_autop", 76, 19},
                        {"btn_betmax", 76, 19},    {"ledstins", 18, 18},    {"ledaprins", 18, 18},
                        {"ledwin", 18, 18},        {"leddublaj", 18, 18},   {"zece", 130, 17},
                        {"menubar", 800, 43},      {"ena", 30, 23},         {"dis", 30, 23},
                        {"arrow_right", 9, 24},    {"arrow_left", 9, 24},   {"deckprev0", 48, 72},
                        {"deckprev1", 48, 72},     {"deckprev2", 48, 72},   {"deckprev3", 48, 72},
                        {"thumb", 19, 18},         {"track", 3, 490},       {"icon", 256, 256}};
        for (const auto& p : pictures)
            QTest::newRow(p.name) << QString::fromLatin1(p.name) << QSize(p.w, p.h);
    }

    void sizesAndDepth()
    {
        QFETCH(QString, name);
        QFETCH(QSize, size);
        QFile file(QStringLiteral(":/img/") + name + QStringLiteral(".png"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray png = file.readAll();
        // PNG header: 8-bit samples, colour type 2 (RGB, no alpha).
        QVERIFY(png.startsWith("\x89PNG"));
        QCOMPARE(int(png.at(24)), 8);
        QCOMPARE(int(png.at(25)), 2);
        const QImage image = QImage::fromData(png, "PNG");
        QCOMPARE(image.size(), size);
        QVERIFY(!image.hasAlphaChannel());
    }

    void digitStripColoursAndCells()
    {
        const QImage strip = picture(QStringLiteral("zece"));
        QCOMPARE(strip.size(), QSize(130, 17));
        const QRgb black = qRgb(0, 0, 0), ink = qRgb(89, 154, 158), edge = qRgb(50, 114, 117);
        QSet<QByteArray> glyphs;
        for (int d = 0; d < 10; ++d) {
            int inkCount = 0;
            QByteArray shape;
            for (int y = 0; y < 17; ++y)
                for (int j = 0; j < 13; ++j) {
                    const QRgb c = strip.pixel(d * 13 + j, y) & 0xffffff;
                    const QRgb rgb = qRgb(qRed(c), qGreen(c), qBlue(c));
                    QVERIFY2(rgb == black || rgb == ink || rgb == edge,
                             qPrintable(QStringLiteral("stray colour at %1,%2").arg(d * 13 + j).arg(y)));
                    if (j == 0 || j == 12)
                        QVERIFY2(rgb == black, qPrintable(QStringLiteral("ink outside cell %1").arg(d)));
                    inkCount += rgb == ink;
                    shape.append(rgb == ink ? '#' : rgb == edge ? '+' : '.');
                }
            QVERIFY2(inkCount > 20, qPrintable(QStringLiteral("glyph %1 is nearly empty").arg(d)));
            glyphs.insert(shape);
        }
        QCOMPARE(glyphs.size(), 10);
    }

    void buttonCellsMatchTheTable()
    {
        const QImage table = picture(QStringLiteral("desen"));
        for (const Place& b : kButtons) {
            const QImage strip = picture(QString::fromLatin1(b.name));
            const int cw = b.size == 100 ? 100 : 19;
            QCOMPARE(strip.size(), QSize(4 * cw, cw));
            // Outside the round plate every cell shows exactly the table beneath the button.
            const double plate = b.size == 100 ? 47 : 11.5;
            int checked = 0;
            for (int cell = 0; cell < 4; ++cell)
                for (int y = 0; y < cw; ++y)
                    for (int x = 0; x < cw; ++x) {
                        const double dx = x + 1 + 0.5 - b.size / 2.0, dy = y + 0.5 - b.size / 2.0;
                        if (std::hypot(dx, dy) <= plate)
                            continue;
                        ++checked;
                        if (strip.pixel(cell * cw + x, y) != table.pixel(b.x + 1 + x, b.y + y))
                            QFAIL(qPrintable(QStringLiteral("%1 cell %2 differs from the table at %3,%4")
                                                 .arg(QLatin1String(b.name))
                                                 .arg(cell)
                                                 .arg(x)
                                                 .arg(y)));
                    }
            if (b.size == 100)
                QVERIFY(checked > 4 * 1000);
            // Hover, press and disabled cells each look different from the idle cell.
            const QImage idle = strip.copy(0, 0, cw, cw);
            for (int cell = 1; cell < 4; ++cell)
                QVERIFY2(strip.copy(cell * cw, 0, cw, cw) != idle,
                         qPrintable(QStringLiteral("%1 cell %2").arg(QLatin1String(b.name)).arg(cell)));
            QVERIFY(strip.copy(cw, 0, cw, cw) != strip.copy(2 * cw, 0, cw, cw));
        }
    }

    void buttonCellsLightUpInCopper()
    {
        // Idle and disabled cells show a dark symbol; hover and press light it in copper.
        auto copper = [](const QImage& cell) {
            int n = 0;
            for (int y = 0; y < cell.height(); ++y)
                for (int x = 0; x < cell.width(); ++x) {
                    const QColor c = cell.pixelColor(x, y);
                    n += c.red() > 150 && c.red() > c.green() + 40 && c.green() > c.blue();
                }
            return n;
        };
        for (const Place& b : kButtons) {
            const QImage strip = picture(QString::fromLatin1(b.name));
            const int cw = strip.height();
            // Copper counted inside the face only: the plate's ring is copper in every cell.
            const int inset = b.size == 100 ? 24 : 6;
            int count[4];
            for (int cell = 0; cell < 4; ++cell)
                count[cell] = copper(strip.copy(cell * cw + inset, inset, cw - 2 * inset, cw - 2 * inset));
            const QString name = QString::fromLatin1(b.name);
            QVERIFY2(count[0] == 0 && count[3] == 0, qPrintable(name));
            QVERIFY2(count[1] > 2 && count[2] > 2, qPrintable(name));
        }
    }

    void lampsAndEmblemSitOnTheirSockets()
    {
        // The lamp pictures are drawn opaque under all five cards: their corners must match each socket.
        const QImage table = picture(QStringLiteral("desen"));
        for (const char* name : {"ledstins", "ledaprins", "ledwin", "leddublaj"}) {
            const QImage lamp = picture(QString::fromLatin1(name));
            for (int k = 0; k < 5; ++k)
                for (const QPoint corner : {QPoint(0, 0), QPoint(17, 0), QPoint(0, 17), QPoint(17, 17)})
                    QCOMPARE(lamp.pixel(corner), table.pixel(88 + 152 * k + corner.x(), 416 + corner.y()));
        }
        for (int f = 1; f <= 4; ++f) {
            const QImage frame = picture(QStringLiteral("emblem%1").arg(f));
            QCOMPARE(frame.pixel(0, 0), table.pixel(55, 51));
            QCOMPARE(frame.pixel(27, 28), table.pixel(82, 79));
        }
        // The lit lamps really are yellow, green and blue.
        const QColor yellow = picture(QStringLiteral("ledaprins")).pixelColor(9, 9);
        const QColor green = picture(QStringLiteral("ledwin")).pixelColor(9, 9);
        const QColor blue = picture(QStringLiteral("leddublaj")).pixelColor(9, 9);
        QVERIFY(yellow.red() > 180 && yellow.green() > 150 && yellow.blue() < yellow.green());
        QVERIFY(green.green() > green.red() && green.green() > green.blue());
        QVERIFY(blue.blue() > blue.red() && blue.blue() > blue.green());
    }

    void menuCaptionsReadOnTheBar()
    {
        // The Extra screen's menu captions are drawn in a fixed dark teal straight on the bar.
        auto luminance = [](QColor c) {
            auto lin = [](int v) {
                const double s = v / 255.0;
                return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
            };
            return 0.2126 * lin(c.red()) + 0.7152 * lin(c.green()) + 0.0722 * lin(c.blue());
        };
        const double ink = luminance(QColor(15, 53, 66));
        const QImage bar = picture(QStringLiteral("menubar"));
        double worst = 100;
        // Caption boxes: "Settings", "Help", "Statistics", "Chart", "Close", 19-pixel Arial from y 10.
        for (const auto& [from, to] : {std::pair{68, 140}, {180, 222}, {264, 346}, {390, 436}, {732, 786}})
            for (int y = 10; y < 34; ++y)
                for (int x = from; x < to; ++x)
                    worst = std::min(worst, (luminance(bar.pixelColor(x, y)) + 0.05) / (ink + 0.05));
        QVERIFY2(worst >= 4.5, qPrintable(QString::number(worst)));
        // Still copper: red over green over blue.
        const QColor mid = bar.pixelColor(400, 21);
        QVERIFY(mid.red() > mid.green() && mid.green() > mid.blue());
    }

    void backdropFadesFromRedToBlack()
    {
        const QImage red = picture(QStringLiteral("red"));
        QCOMPARE(red.pixelColor(0, 0), QColor(64, 0, 0));
        QCOMPARE(red.pixelColor(3, 599), QColor(0, 0, 0));
        for (int y = 1; y < 600; ++y) {
            QVERIFY(red.pixelColor(0, y).red() <= red.pixelColor(0, y - 1).red());
            QCOMPARE(red.pixelColor(0, y).green() + red.pixelColor(0, y).blue(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
