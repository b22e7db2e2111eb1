#include "widgets/cardimagery.h"
#include "widgets/image.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace tarvelle;

namespace {

const QColor Ink(89, 154, 158);
const QColor Edge(50, 114, 117);
const QColor StripeEven(15, 53, 66);
const QColor StripeOdd(18, 70, 82);

QColor recordColour(int r)
{
    return QColor(r * 4, 255 - r * 4, (r * 37) % 256);
}

QByteArray bmpBytes(const QImage& img)
{
    QByteArray out;
    QBuffer buf(&out);
    buf.open(QIODevice::WriteOnly);
    img.save(&buf, "BMP");
    return out;
}

// A card file of 54 one-colour pictures, each record scrambled as the game stores it.
QByteArray makeCardFile()
{
    QByteArray file;
    for (int r = 0; r < CardImagery::RecordCount; ++r) {
        QImage img(CardImagery::CardWidth, CardImagery::CardHeight, QImage::Format_RGB888);
        img.fill(recordColour(r));
        const QByteArray bmp = bmpBytes(img);
        Q_ASSERT(bmp.size() == CardImagery::RecordSize);
        file += CardImagery::unscramble(bmp);
    }
    return file;
}

bool writeFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// Digit d: a bar of ink in glyph column 1 + d, rows 2..14, and one edge pixel at column 11, row 0.
QImage makeDigitStrip()
{
    QImage strip(CardImagery::DigitWidth, CardImagery::DigitHeight, QImage::Format_RGB888);
    strip.fill(Qt::black);
    for (int d = 0; d < 10; ++d) {
        for (int y = 2; y <= 14; ++y)
            strip.setPixelColor(d * 13 + 1 + d, y, Ink);
        strip.setPixelColor(d * 13 + 11, 0, Edge);
    }
    return strip;
}

QColor stripe(int y)
{
    return y % 2 ? StripeOdd : StripeEven;
}

} // namespace

class TestCardImagery : public QObject {
    Q_OBJECT
private slots:
    void unscrambleKey()
    {
        const QByteArray plain = CardImagery::unscramble(QByteArray(CardImagery::RecordSize, '\0'));
        QCOMPARE(uchar(plain[0]), uchar(1));
        QCOMPARE(uchar(plain[255]), uchar(0));
        QCOMPARE(uchar(plain[256]), uchar(1));
        QCOMPARE(uchar(plain[60405]), uchar(246));
        // The key is its own inverse, and a stored record begins 0x43 0x4F for "BM".
        const QByteArray stored("\x43\x4F");
        QCOMPARE(CardImagery::unscramble(stored), QByteArray("BM"));
        QCOMPARE(CardImagery::unscramble(QByteArray("BM")), stored);
    }

    void loadsCardFileWithoutWritingAnything()
    {
        QTemporaryDir dir;
        const QString appDir = dir.path() + QLatin1Char('/');
        QVERIFY(writeFile(appDir + "poker2.dat", makeCardFile()));
        CardImagery c;
        QString error;
        QVERIFY2(c.LoadCardImages(appDir, &error), qPrintable(error));
        for (int r : {0, 12, 13, 51, 52, 53}) {
            QCOMPARE(c.cardImage(r).size(), QSize(122, 164));
            QCOMPARE(c.cardImage(r).pixelColor(60, 80), recordColour(r));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"poker2.dat"});

        // Card backs: a file for n > 0, the card file's own back for 0, a missing file keeps the back.
        QImage blue(122, 164, QImage::Format_RGB888);
        blue.fill(Qt::blue);
        QVERIFY(blue.save(appDir + "deck2.bmp", "BMP"));
        QVERIFY(c.LoadCardBack(2, &error));
        QCOMPARE(c.cardImage(53).pixelColor(1, 1), QColor(Qt::blue));
        QVERIFY(!c.LoadCardBack(3, &error));
        QVERIFY(error.contains("deck3.bmp"));
        QCOMPARE(c.cardImage(53).pixelColor(1, 1), QColor(Qt::blue));
        QVERIFY(c.LoadCardBack(0, &error));
        QCOMPARE(c.cardImage(53).pixelColor(1, 1), recordColour(53));
    }

    void refusesBadCardFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("complaint");
        const QByteArray good = makeCardFile();
        QTest::newRow("missing") << QByteArray() << "Cannot open";
        QTest::newRow("empty") << QByteArray("") << "too short";
        QTest::newRow("one byte short") << good.left(good.size() - 1) << "too short";
        QByteArray badHeader = good;
        badHeader[20 * CardImagery::RecordSize] = 0; // record 20 no longer starts "BM"
        QTest::newRow("record 20 not a picture") << badHeader << "record 20";
        QImage small(100, 164, QImage::Format_RGB888);
        small.fill(Qt::red);
        QByteArray wrongSize = good;
        const QByteArray smallRecord = CardImagery::unscramble(bmpBytes(small));
        wrongSize.replace(7 * CardImagery::RecordSize, smallRecord.size(), smallRecord);
        QTest::newRow("record 7 wrong size") << wrongSize << "record 7";
    }
    void refusesBadCardFiles()
    {
        QFETCH(QByteArray, data);
        QFETCH(QString, complaint);
        QTemporaryDir dir;
        const QString appDir = dir.path() + QLatin1Char('/');
        if (!data.isNull())
            QVERIFY(writeFile(appDir + "poker2.dat", data));
        CardImagery c;
        const QImage before = c.cardImage(0);
        QString error;
        QVERIFY(!c.LoadCardImages(appDir, &error));
        QVERIFY2(error.contains("poker2.dat") && error.contains(complaint), qPrintable(error));
        QVERIFY(!c.loaded());
        QCOMPARE(c.cardImage(0), before);
        QVERIFY(!c.LoadCardBack(0));
        QVERIFY(!QFile::exists(appDir + "deck0.bmp"));
    }

    // A damaged back never replaces the one in use: every single-bit flip of the header is
    // either refused or still gives the very picture written, every truncation is refused,
    // and a header claiming a huge picture is refused before any pixel is decoded.
    void damagedBacksKeepTheBackInUse()
    {
        QTemporaryDir dir;
        const QString appDir = dir.path() + QLatin1Char('/');
        QVERIFY(writeFile(appDir + "poker2.dat", makeCardFile()));
        CardImagery c;
        QVERIFY(c.LoadCardImages(appDir));
        QImage pattern(122, 164, QImage::Format_RGB888);
        for (int y = 0; y < 164; ++y)
            for (int x = 0; x < 122; ++x)
                pattern.setPixelColor(x, y, QColor(x * 2, y, (x * y) % 256));
        const QByteArray good = bmpBytes(pattern);
        const QImage expected = pattern.convertToFormat(QImage::Format_BGR888);
        const QString deck = appDir + "deck2.bmp";
        QVERIFY(writeFile(deck, good));
        QVERIFY(c.LoadCardBack(2));
        QCOMPARE(c.cardImage(53), expected);

        auto refused = [&](const QByteArray& data) {
            if (!c.LoadCardBack(0) || !writeFile(deck, data))
                return false;
            QString error;
            return !c.LoadCardBack(2, &error) && error.contains("deck2.bmp") &&
                   c.cardImage(53).pixelColor(60, 80) == recordColour(53);
        };
        int flipsRefused = 0;
        for (int bit = 0; bit < 54 * 8; ++bit) {
            QByteArray bad = good;
            bad[bit / 8] = char(bad[bit / 8] ^ (1 << (bit % 8)));
            QVERIFY(writeFile(deck, bad));
            QVERIFY(c.LoadCardBack(0));
            if (c.LoadCardBack(2))
                QVERIFY2(c.cardImage(53) == expected, qPrintable(QString("bit %1 flipped").arg(bit)));
            else
                ++flipsRefused;
        }
        QVERIFY(flipsRefused > 100);
        for (int size : {0, 2, 20, 53, 54, 1000, int(good.size()) - 1})
            QVERIFY2(refused(good.left(size)), qPrintable(QString("cut to %1 bytes").arg(size)));
        QImage small(120, 164, QImage::Format_RGB888);
        small.fill(Qt::red);
        QVERIFY(refused(bmpBytes(small)));
        QVERIFY(refused(bmpBytes(pattern.convertToFormat(QImage::Format_Indexed8))));

        // A 60 KB file whose header claims 122 x 100000 pixels.
        QByteArray huge = good;
        qToLittleEndian<qint32>(100000, huge.data() + 22);
        QVERIFY(refused(huge));
        QString why;
        QCOMPARE(CardImagery::checkBackHeader(huge.left(CardImagery::BackHeaderBytes), huge.size(), &why), 0);
        QVERIFY(why.contains("100000"));
    }

    void paintsCardsAndLamps()
    {
        CardImagery c;
        for (int i = 0; i < 54; ++i) {
            QImage img(122, 164, QImage::Format_RGB888);
            img.fill(recordColour(i));
            c.setCardImage(i, img);
        }
        TImage imgs[6];
        TImage* cards[6] = {nullptr, &imgs[1], &imgs[2], &imgs[3], &imgs[4], &imgs[5]};
        for (int k = 1; k <= 5; ++k)
            imgs[k].resize(122, 164);

        c.ShowCard(cards[3], 5, 2); // the Joker
        QCOMPARE(imgs[3].canvas().pixelColor(5, 5), recordColour(52));
        c.ShowCard(cards[1], 4, 14);
        QCOMPARE(imgs[1].canvas().pixelColor(5, 5), recordColour(51));
        c.ShowCard(cards[2], 1, 2);
        QCOMPARE(imgs[2].canvas().pixelColor(5, 5), recordColour(0));
        c.ShowCard(cards[4], 2, 11);
        QCOMPARE(imgs[4].canvas().pixelColor(5, 5), recordColour(13 + 9));

        Hand hand;
        hand.Held[2] = 1;
        hand.Held[4] = 1;
        c.ShowBacks(cards, hand);
        QCOMPARE(imgs[1].canvas().pixelColor(5, 5), recordColour(53));
        QCOMPARE(imgs[2].canvas().pixelColor(5, 5), recordColour(0));
        QCOMPARE(imgs[3].canvas().pixelColor(5, 5), recordColour(53));
        QCOMPARE(imgs[4].canvas().pixelColor(5, 5), recordColour(22));
        QCOMPARE(imgs[5].canvas().pixelColor(5, 5), recordColour(53));

        QImage lamp[4];
        const QColor lampColour[4] = {Qt::darkCyan, Qt::yellow, Qt::green, Qt::blue};
        for (int i = 0; i < 4; ++i) {
            lamp[i] = QImage(18, 18, QImage::Format_RGB888);
            lamp[i].fill(lampColour[i]);
        }
        c.setLampImages(lamp[0], lamp[1], lamp[2], lamp[3]);
        TImage leds[6];
        TImage* h[6] = {nullptr, &leds[1], &leds[2], &leds[3], &leds[4], &leds[5]};
        c.ShowHoldLamps(h, hand);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(leds[k].canvas().pixelColor(9, 9), (k == 2 || k == 4) ? lampColour[1] : lampColour[0]);
        c.ShowWinLamps(h, hand);
        QCOMPARE(leds[4].canvas().pixelColor(9, 9), lampColour[2]);
        QCOMPARE(leds[5].canvas().pixelColor(9, 9), lampColour[0]);
        c.stheld(h);
        for (int k = 1; k <= 5; ++k)
            QCOMPARE(leds[k].canvas().pixelColor(9, 9), lampColour[0]);
        c.paintLamp(h[3], CardImagery::LampDouble);
        QCOMPARE(leds[3].canvas().pixelColor(9, 9), lampColour[3]);
    }

    void digitGlyphsAreColumnMajor()
    {
        CardImagery c;
        QImage strip = makeDigitStrip();
        strip.setPixelColor(129, 16, QColor(1, 2, 3));
        c.setDigitStrip(strip);
        const QByteArray& g = c.digitGlyphs();
        QCOMPARE(g.size(), 6630);
        const int bar7 = 7 * 663 + (1 + 7) * 51 + 5 * 3; // digit 7, glyph column 8, row 5
        QCOMPARE(uchar(g[bar7]), uchar(158));            // blue first
        QCOMPARE(uchar(g[bar7 + 1]), uchar(154));
        QCOMPARE(uchar(g[bar7 + 2]), uchar(89));
        QCOMPARE(uchar(g[129 * 51 + 16 * 3]), uchar(3));
        QCOMPARE(uchar(g[129 * 51 + 16 * 3 + 2]), uchar(1));
    }

    void numbers()
    {
        CardImagery c;
        c.setDigitStrip(makeDigitStrip());
        TImage display;
        display.resize(130, 17);

        c.nr(0, &display, 0);
        const QImage zero = display.canvas();
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 130; ++x) {
                QColor want = stripe(y);
                if (x == 117 + 1 && y >= 2 && y <= 14)
                    want = Ink;
                else if (x == 117 + 11 && y == 0)
                    want = Edge;
                QCOMPARE(zero.pixelColor(x, y), want);
            }

        c.nr(1234567890, &display, 0);
        const QString digits = QStringLiteral("1234567890");
        for (int p = 1; p <= 10; ++p) {
            const int d = digits[p - 1].digitValue();
            QCOMPARE(display.canvas().pixelColor((p - 1) * 13 + 1 + d, 8), Ink);
            QCOMPARE(display.canvas().pixelColor((p - 1) * 13 + 11, 0), Edge);
        }

        c.nr(2147483647, &display, 0); // the largest credit still fits
        QCOMPARE(display.canvas().pixelColor(0 * 13 + 1 + 2, 8), Ink);

        c.nr(5, &display, -10);
        QCOMPARE(display.canvas().pixelColor(117 + 6, 8), QColor(79, 144, 148));
        QCOMPARE(display.canvas().pixelColor(117 + 11, 0), QColor(40, 104, 107));
        QCOMPARE(display.canvas().pixelColor(104 + 6, 8), StripeEven); // no leading zeros
        c.nr(5, &display, 10);
        QCOMPARE(display.canvas().pixelColor(117 + 6, 8), QColor(99, 164, 168));

        const QImage before = display.canvas();
        c.nr(-1, &display, 0);
        QCOMPARE(display.canvas(), before);
    }

    void shadeClampsAtZeroAndWrapsAbove()
    {
        CardImagery c;
        QImage strip(130, 17, QImage::Format_RGB888);
        strip.fill(Qt::black);
        strip.setPixelColor(3 * 13 + 4, 6, QColor(250, 5, 128));
        c.setDigitStrip(strip);
        TImage display;
        display.resize(130, 17);
        c.nr(3, &display, 10);
        QCOMPARE(display.canvas().pixelColor(117 + 4, 6), QColor(4, 15, 138));
        c.nr(3, &display, -10);
        QCOMPARE(display.canvas().pixelColor(117 + 4, 6), QColor(240, 0, 118));
    }
};

QTEST_MAIN(TestCardImagery)
#include "tst_cardimagery.moc"
