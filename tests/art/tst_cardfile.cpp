#include "tools/art/cardfile.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QtEndian>
#include <QtTest>

using namespace tarvelle::art;

namespace {

QString dataPath(const QString& name)
{
    return qEnvironmentVariable("TARVELLE_RUNTIME_DIR", QStringLiteral(".")) + QLatin1Char('/') + name;
}

QByteArray readAll(const QString& name)
{
    QFile file(dataPath(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray unscrambled(const QByteArray& file, int record)
{
    QByteArray bytes = file.mid(qsizetype(record) * kRecordSize, kRecordSize);
    scrambleRecord(bytes.data(), bytes.size());
    return bytes;
}

struct Ink {
    int red = 0;   // strong red pixels
    int black = 0; // near-black pixels
};

// Counts the suit colours inside the card, away from the rounded corners.
Ink inkOf(const QImage& card)
{
    Ink ink;
    for (int y = 8; y < card.height() - 8; ++y)
        for (int x = 8; x < card.width() - 8; ++x) {
            const QColor c = card.pixelColor(x, y);
            if (c.red() > 150 && c.green() < 90 && c.blue() < 90)
                ++ink.red;
            else if (c.red() < 60 && c.green() < 60 && c.blue() < 70)
                ++ink.black;
        }
    return ink;
}

} // namespace

class TestCardFile : public QObject {
    Q_OBJECT

private slots:
    void scramblingEdgeCases()
    {
        QByteArray zeros(kRecordSize, '\0');
        scrambleRecord(zeros.data(), zeros.size());
        QCOMPARE(uchar(zeros.at(0)), uchar(1));
        QCOMPARE(uchar(zeros.at(255)), uchar(0));
        QCOMPARE(uchar(zeros.at(256)), uchar(1));
        QCOMPARE(uchar(zeros.at(kRecordSize - 1)), uchar(246));
        // The same operation undoes itself.
        scrambleRecord(zeros.data(), zeros.size());
        QCOMPARE(zeros, QByteArray(kRecordSize, '\0'));
    }

    void bitmapEncodingRoundTrips()
    {
        // Distinct colours in every channel catch swapped channels and flipped rows.
        QImage image(122, 164, QImage::Format_RGB888);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                image.setPixelColor(x, y, QColor(x * 2, y, (x + y) % 256));
        const QByteArray bmp = encodeBmp24(image);
        QCOMPARE(bmp.size(), kRecordSize);
        QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 2), quint32(kRecordSize));
        const QImage back = QImage::fromData(bmp, "BMP").convertToFormat(QImage::Format_RGB888);
        QCOMPARE(back, image);
    }

    void cardFileHoldsFiftyFourBitmaps()
    {
        const QByteArray file = readAll(QStringLiteral("poker2.dat"));
        QCOMPARE(file.size(), qsizetype(3261924));
        QSet<QByteArray> distinct;
        for (int r = 0; r < kRecordCount; ++r) {
            const qsizetype at = qsizetype(r) * kRecordSize;
            QCOMPARE(uchar(file.at(at)), uchar(0x43));
            QCOMPARE(uchar(file.at(at + 1)), uchar(0x4F));
            const QByteArray bmp = unscrambled(file, r);
            QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 10), quint32(54));
            QCOMPARE(qFromLittleEndian<quint32>(bmp.constData() + 14), quint32(40));
            QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 18), 122);
            QCOMPARE(qFromLittleEndian<qint32>(bmp.constData() + 22), 164); // positive: bottom-up rows
            QCOMPARE(qFromLittleEndian<quint16>(bmp.constData() + 28), quint16(24));
            const QImage image = QImage::fromData(bmp, "BMP");
            QVERIFY2(!image.isNull(), qPrintable(QStringLiteral("record %1 is not a bitmap").arg(r)));
            QCOMPARE(image.size(), QSize(122, 164));
            distinct.insert(bmp);
        }
        QCOMPARE(distinct.size(), kRecordCount);
    }

    void recordsFollowCardCodes()
    {
        const QByteArray file = readAll(QStringLiteral("poker2.dat"));
        QCOMPARE(file.size(), qsizetype(kRecordCount) * kRecordSize);
        std::vector<Ink> ink;
        for (int r = 0; r < kRecordCount; ++r)
            ink.push_back(inkOf(QImage::fromData(unscrambled(file, r), "BMP")));
        for (int suit = 1; suit <= 4; ++suit) {
            const bool red = suit <= 2;
            for (int rank = 2; rank <= 14; ++rank) {
                const Ink& k = ink[size_t((suit - 1) * 13 + rank - 2)];
                const QString where = QStringLiteral("suit %1 rank %2").arg(suit).arg(rank);
                if (rank <= 11) // pips and Aces carry only their suit's colour
                    QVERIFY2(red ? k.red > 200 && k.black < 20 : k.black > 200 && k.red < 20,
                             qPrintable(where));
            }
            // Within a suit the number cards come in rank order: each has more pips than the one before.
            for (int rank = 2; rank < 10; ++rank) {
                const Ink& a = ink[size_t((suit - 1) * 13 + rank - 2)];
                const Ink& b = ink[size_t((suit - 1) * 13 + rank - 1)];
                QVERIFY2((red ? b.red > a.red : b.black > a.black),
                         qPrintable(
                             QStringLiteral("suit %1: rank %2 before %3").arg(suit).arg(rank).arg(rank + 1)));
            }
        }
        // The Joker shows both colours.
        QVERIFY(ink[52].red > 100 && ink[52].black > 100);
    }

    void cornerIndicesAreMirrored()
    {
        // Each face shows its index twice: top left, and turned half round at bottom right.
        const QByteArray file = readAll(QStringLiteral("poker2.dat"));
        QCOMPARE(file.size(), qsizetype(kRecordCount) * kRecordSize);
        for (int r = 0; r < 52; ++r) {
            const QImage card =
                QImage::fromData(unscrambled(file, r), "BMP").convertToFormat(QImage::Format_RGB32);
            const QRect corner(2, 2, 22, 36);
            const QImage top = card.copy(corner);
            const QImage bottom =
                card.copy(card.width() - corner.right() - 1, card.height() - corner.bottom() - 1,
                          corner.width(), corner.height())
                    .mirrored(true, true);
            double diff = 0;
            int inked = 0;
            for (int y = 0; y < top.height(); ++y)
                for (int x = 0; x < top.width(); ++x) {
                    const QColor a = top.pixelColor(x, y), b = bottom.pixelColor(x, y);
                    diff += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) +
                            std::abs(a.blue() - b.blue());
                    inked += a.lightness() < 160;
                }
            diff /= top.width() * top.height() * 3;
            QVERIFY2(inked > 40, qPrintable(QStringLiteral("record %1 has no index").arg(r)));
            QVERIFY2(diff < 4,
                     qPrintable(QStringLiteral("record %1: corners differ by %2").arg(r).arg(diff)));
        }
    }

    void courtCardsAndJokerShowFigures()
    {
        // Faces are painted in skin tones; pip cards and Aces have none.
        const QByteArray file = readAll(QStringLiteral("poker2.dat"));
        QCOMPARE(file.size(), qsizetype(kRecordCount) * kRecordSize);
        auto skin = [](const QImage& card) {
            int n = 0;
            for (int y = 0; y < card.height(); ++y)
                for (int x = 0; x < card.width(); ++x) {
                    const QColor c = card.pixelColor(x, y);
                    n += std::abs(c.red() - 250) < 8 && std::abs(c.green() - 218) < 10 &&
                         std::abs(c.blue() - 182) < 10;
                }
            return n;
        };
        for (int r = 0; r < 53; ++r) {
            const int rank = r % 13 + 2;
            const int found = skin(QImage::fromData(unscrambled(file, r), "BMP"));
            if (r == 52 || rank >= 12)
                QVERIFY2(found > 150,
                         qPrintable(QStringLiteral("record %1: no figure (%2)").arg(r).arg(found)));
            else
                QVERIFY2(found == 0, qPrintable(QStringLiteral("record %1: stray skin tone").arg(r)));
        }
    }

    void extraBacksDifferFromDefault()
    {
        const QByteArray file = readAll(QStringLiteral("poker2.dat"));
        QCOMPARE(file.size(), qsizetype(kRecordCount) * kRecordSize);
        QList<QByteArray> backs{unscrambled(file, 53)};
        for (int deck = 1; deck <= 3; ++deck) {
            const QByteArray bmp = readAll(QStringLiteral("deck%1.bmp").arg(deck));
            QCOMPARE(bmp.size(), kRecordSize);
            QCOMPARE(QImage::fromData(bmp, "BMP").size(), QSize(122, 164));
            for (const QByteArray& other : backs)
                QVERIFY(bmp != other);
            backs.append(bmp);
        }
    }
};

QTEST_GUILESS_MAIN(TestCardFile)
#include "tst_cardfile.moc"
