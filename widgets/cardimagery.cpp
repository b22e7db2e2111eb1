#include "widgets/cardimagery.h"

#include "widgets/accessibility.h"
#include "widgets/hidpi.h"
#include "widgets/image.h"

#include <QCoreApplication>
#include <QFile>
#include <QtEndian>

namespace tarvelle {

CardImagery::CardImagery()
{
    for (QImage& img : m_cards) {
        img = QImage(CardWidth, CardHeight, QImage::Format_BGR888);
        img.fill(Qt::black);
    }
    m_numberBitmap = QImage(DigitWidth, DigitHeight, QImage::Format_BGR888);
    m_numberBitmap.fill(Qt::black);
    m_digitGlyphs = QByteArray(DigitWidth * DigitColumnBytes, '\0');
}

QByteArray CardImagery::unscramble(QByteArray record)
{
    char* d = record.data();
    for (qsizetype i = 1; i <= record.size(); ++i)
        d[i - 1] = char(uchar(d[i - 1]) ^ uchar(i % 256));
    return record;
}

bool CardImagery::LoadCardImages(const QString& appDir, QString* error)
{
    const QString path = appDir + QStringLiteral("poker2.dat");
    auto failWith = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failWith(QCoreApplication::translate("CardImagery", "Cannot open the card file %1: %2")
                            .arg(path, file.errorString()));
    const qint64 needed = qint64(RecordSize) * RecordCount;
    if (file.size() < needed)
        return failWith(
            QCoreApplication::translate("CardImagery", "The card file %1 is too short: %2 bytes, %3 expected")
                .arg(path)
                .arg(file.size())
                .arg(needed));

    // Everything is checked before anything replaces the pictures in use.
    std::array<QImage, RecordCount> cards;
    for (int r = 0; r < RecordCount; ++r) {
        const QByteArray raw = file.read(RecordSize);
        if (raw.size() != RecordSize)
            return failWith(
                QCoreApplication::translate("CardImagery", "Cannot read record %1 of the card file %2: %3")
                    .arg(r)
                    .arg(path, file.errorString()));
        QImage img;
        if (!img.loadFromData(unscramble(raw), "BMP"))
            return failWith(QCoreApplication::translate(
                                "CardImagery", "The card file %1 is damaged: record %2 is not a picture")
                                .arg(path)
                                .arg(r));
        if (img.width() != CardWidth || img.height() != CardHeight)
            return failWith(
                QCoreApplication::translate("CardImagery",
                                            "The card file %1 is damaged: record %2 is %3 x %4, not %5 x %6")
                    .arg(path)
                    .arg(r)
                    .arg(img.width())
                    .arg(img.height())
                    .arg(CardWidth)
                    .arg(CardHeight));
        cards[size_t(r)] = img.convertToFormat(QImage::Format_BGR888);
    }
    m_cards = cards;
    m_fileCards = cards;
    m_defaultBack = m_cards[BackIndex];
    for (int r = 0; r < RecordCount; ++r) {
        const QString name = QStringLiteral("card%1").arg(r, 2, 10, QLatin1Char('0'));
        m_hiresNames[size_t(r)] = hidpi::matches(name, m_cards[size_t(r)]) ? name : QString();
    }
    m_defaultBackHires = m_hiresNames[BackIndex];
    m_appDir = appDir;
    m_loaded = true;
    applyFaces();
    return true;
}

void CardImagery::setFourColours(bool on)
{
    m_fourColours = on;
    applyFaces();
}

// Four-colour pictures exist for the faces whose colour changes (":/img/fourNN.png"); the others
// are the same in both sets.
void CardImagery::applyFaces()
{
    for (int r = 0; r < BackIndex; ++r) {
        const QImage& own = m_fileCards[size_t(r)];
        const QString four = QStringLiteral("four%1").arg(r, 2, 10, QLatin1Char('0'));
        const QString fourPath = QStringLiteral(":/img/%1.png").arg(four);
        if (own.isNull() || !QFile::exists(fourPath))
            continue;
        const QString classic = QStringLiteral("card%1").arg(r, 2, 10, QLatin1Char('0'));
        QImage replacement;
        if (m_fourColours && hidpi::builtIn(classic, own))
            replacement = QImage(fourPath);
        if (replacement.size() == QSize(CardWidth, CardHeight)) {
            m_cards[size_t(r)] = replacement.convertToFormat(QImage::Format_BGR888);
            m_hiresNames[size_t(r)] = hidpi::wanted() ? four : QString();
        } else {
            m_cards[size_t(r)] = own;
            m_hiresNames[size_t(r)] = hidpi::matches(classic, own) ? classic : QString();
        }
    }
}

bool CardImagery::LoadCardBack(int n, QString* error)
{
    if (n == 0) {
        if (m_defaultBack.isNull()) {
            if (error)
                *error = QCoreApplication::translate("CardImagery", "The card file is not loaded");
            return false;
        }
        m_cards[BackIndex] = m_defaultBack;
        m_hiresNames[BackIndex] = m_defaultBackHires;
        return true;
    }
    const QString path = m_appDir + QStringLiteral("deck%1.bmp").arg(n);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QCoreApplication::translate("CardImagery", "Cannot load the card back %1").arg(path);
        return false;
    }
    QString why;
    QImage img;
    const qint64 needed = checkBackHeader(file.read(BackHeaderBytes), file.size(), &why);
    if (needed > 0) {
        file.seek(0);
        if (!img.loadFromData(file.read(needed), "BMP"))
            why = QCoreApplication::translate("CardImagery", "its pixels cannot be decoded");
        else if (img.size() != QSize(CardWidth, CardHeight))
            why = QCoreApplication::translate("CardImagery", "it decodes to %1 x %2")
                      .arg(img.width())
                      .arg(img.height());
    }
    if (!why.isEmpty()) {
        if (error)
            *error =
                QCoreApplication::translate("CardImagery", "The card back %1 is damaged: %2").arg(path, why);
        return false;
    }
    m_cards[BackIndex] = img.convertToFormat(QImage::Format_BGR888);
    const QString name = QStringLiteral("deck%1").arg(n);
    m_hiresNames[BackIndex] = hidpi::matches(name, m_cards[BackIndex]) ? name : QString();
    return true;
}

qint64 CardImagery::checkBackHeader(const QByteArray& head, qint64 fileSize, QString* why)
{
    auto fail = [why](const QString& text) {
        if (why)
            *why = text;
        return qint64(0);
    };
    auto u16 = [&head](int at) { return qFromLittleEndian<quint16>(head.constData() + at); };
    auto u32 = [&head](int at) { return qFromLittleEndian<quint32>(head.constData() + at); };
    auto s32 = [&head](int at) { return qFromLittleEndian<qint32>(head.constData() + at); };
    if (head.size() < 54 || !head.startsWith("BM"))
        return fail(QCoreApplication::translate("CardImagery", "it is not a Windows bitmap"));
    const quint32 infoSize = u32(14);
    if (infoSize != 40 && infoSize != 108 && infoSize != 124)
        return fail(
            QCoreApplication::translate("CardImagery", "unknown bitmap header of %1 bytes").arg(infoSize));
    if (head.size() < qsizetype(14 + infoSize))
        return fail(QCoreApplication::translate("CardImagery", "its header is cut short"));
    // Size first: the decoder would reserve whatever the header claims.
    const qint32 width = s32(18);
    const qint32 height = s32(22);
    if (width != CardWidth || (height != CardHeight && height != -CardHeight))
        return fail(QCoreApplication::translate("CardImagery", "it claims %1 x %2 pixels, not %3 x %4")
                        .arg(width)
                        .arg(height)
                        .arg(CardWidth)
                        .arg(CardHeight));
    const int bits = u16(28);
    const quint32 compression = u32(30);
    const bool plain = compression == 0 || (compression == 3 && bits == 32); // 3: bit fields
    if (u16(26) != 1 || (bits != 24 && bits != 32) || !plain)
        return fail(
            QCoreApplication::translate("CardImagery", "it is not an uncompressed 24- or 32-bit picture"));
    const quint32 offset = u32(10);
    const qint64 stride = (qint64(CardWidth) * bits / 8 + 3) / 4 * 4;
    const qint64 needed = qint64(offset) + stride * CardHeight;
    if (offset < 14 + infoSize)
        return fail(QCoreApplication::translate("CardImagery", "its pixels start inside its header"));
    if (needed > fileSize)
        return fail(QCoreApplication::translate("CardImagery", "it is cut short: %1 bytes, %2 expected")
                        .arg(fileSize)
                        .arg(needed));
    return needed;
}

const QImage& CardImagery::cardImage(int index) const
{
    static const QImage none;
    return index >= 0 && index < RecordCount ? m_cards[size_t(index)] : none;
}

QImage CardImagery::cardHires(int index) const
{
    if (index < 0 || index >= RecordCount || m_hiresNames[size_t(index)].isEmpty())
        return QImage();
    return hidpi::picture(m_hiresNames[size_t(index)]);
}

void CardImagery::setCardImage(int index, const QImage& img)
{
    if (index < 0 || index >= RecordCount)
        return;
    m_cards[size_t(index)] = img.convertToFormat(QImage::Format_BGR888);
    m_fileCards[size_t(index)] = m_cards[size_t(index)];
    m_hiresNames[size_t(index)].clear();
    if (index == BackIndex && m_defaultBack.isNull())
        m_defaultBack = m_cards[size_t(index)];
}

void CardImagery::ShowCard(TImage* img, int suit, int rank) const
{
    const int index = pictureIndex(suit, rank);
    if (!img || index < 0 || index >= RecordCount)
        return;
    img->drawImage(0, 0, m_cards[size_t(index)], cardHires(index));
}

void CardImagery::ShowBacks(TImage* const imgs[6], const Hand& hand) const
{
    for (int k = 1; k <= 5; ++k) {
        if (hand.Held[size_t(k)] == 0 && imgs[k])
            imgs[k]->drawImage(0, 0, m_cards[BackIndex], cardHires(BackIndex));
    }
}

void CardImagery::loadLamps()
{
    static const char* const names[4] = {"ledstins", "ledaprins", "ledwin", "leddublaj"};
    for (int i = 0; i < 4; ++i) {
        QImage img(QStringLiteral(":/img/%1.png").arg(QLatin1String(names[i])));
        if (!img.isNull()) {
            m_lamps[size_t(i)] = img.convertToFormat(QImage::Format_BGR888);
            m_lampsHires[size_t(i)] = hidpi::picture(QLatin1String(names[i]));
        }
    }
}

void CardImagery::setLampImages(const QImage& off, const QImage& held, const QImage& win, const QImage& dbl)
{
    m_lamps = {off.convertToFormat(QImage::Format_BGR888), held.convertToFormat(QImage::Format_BGR888),
               win.convertToFormat(QImage::Format_BGR888), dbl.convertToFormat(QImage::Format_BGR888)};
    m_lampsHires = {};
}

void CardImagery::paintLamp(TImage* lamp, LampKind kind) const
{
    const QImage& img = m_lamps[size_t(kind)];
    if (lamp && !img.isNull())
        lamp->drawImage(0, 0, img, m_lampsHires[size_t(kind)]);
}

void CardImagery::stheld(TImage* const lamps[6]) const
{
    for (int k = 1; k <= 5; ++k)
        paintLamp(lamps[k], LampOff);
}

void CardImagery::ShowHoldLamps(TImage* const lamps[6], const Hand& hand) const
{
    for (int k = 1; k <= 5; ++k)
        paintLamp(lamps[k], hand.Held[size_t(k)] != 0 ? LampHeld : LampOff);
}

void CardImagery::ShowWinLamps(TImage* const lamps[6], const Hand& hand) const
{
    for (int k = 1; k <= 5; ++k)
        paintLamp(lamps[k], hand.Held[size_t(k)] != 0 ? LampWin : LampOff);
}

bool CardImagery::loadDigitStrip()
{
    const QImage img(QStringLiteral(":/img/zece.png"));
    if (img.isNull())
        return false;
    setDigitStrip(img);
    setDigitStripHires(hidpi::picture(QStringLiteral("zece")));
    return true;
}

void CardImagery::setDigitStripHires(const QImage& zece2x)
{
    const bool fits = zece2x.size() == QSize(DigitWidth, DigitHeight) * 2;
    m_digitStripHires = fits ? zece2x.convertToFormat(QImage::Format_BGR888) : QImage();
    m_numberHires = fits ? QImage(zece2x.size(), QImage::Format_BGR888) : QImage();
}

void CardImagery::setDigitStrip(const QImage& zece)
{
    const QImage strip = zece.convertToFormat(QImage::Format_BGR888);
    m_digitGlyphs.fill('\0');
    char* out = m_digitGlyphs.data();
    const int w = qMin(strip.width(), DigitWidth);
    const int h = qMin(strip.height(), DigitHeight);
    for (int y = 0; y < h; ++y) {
        const uchar* row = strip.constScanLine(y);
        for (int x = 0; x < w; ++x)
            for (int ch = 0; ch < 3; ++ch)
                out[x * DigitColumnBytes + y * 3 + ch] = char(row[x * 3 + ch]);
    }
}

void CardImagery::nr(int32_t value, TImage* display, int shade)
{
    if (value < 0)
        return;
    if (display)
        access::setValue(display, value); // what a screen reader reads on the display
    const int32_t value0 = value;
    for (int y = 0; y < DigitHeight; ++y) {
        uchar* row = m_numberBitmap.scanLine(y);
        const bool odd = y % 2 == 1;
        const uchar r = odd ? 18 : 15, g = odd ? 70 : 53, b = odd ? 82 : 66;
        for (int x = 0; x < DigitWidth; ++x) {
            row[x * 3] = b;
            row[x * 3 + 1] = g;
            row[x * 3 + 2] = r;
        }
    }
    const uchar* glyphs = reinterpret_cast<const uchar*>(m_digitGlyphs.constData());
    int p = 10;
    do {
        const int d = value % 10;
        for (int y = 0; y < DigitHeight; ++y) {
            uchar* row = m_numberBitmap.scanLine(y);
            for (int j = 0; j < DigitCell; ++j) {
                const uchar* px = glyphs + d * DigitCell * DigitColumnBytes + j * DigitColumnBytes + y * 3;
                if (px[0] + px[1] + px[2] == 0)
                    continue; // glyph background: the stripes show
                uchar* dst = row + ((p - 1) * DigitCell + j) * 3;
                for (int ch = 0; ch < 3; ++ch) {
                    const int v = px[ch] + shade;
                    dst[ch] = v < 0 ? 0 : uchar(v & 0xFF);
                }
            }
        }
        --p;
        value /= 10;
    } while (value != 0 && p > 0);
    if (!m_numberHires.isNull())
        paintNumberHires(value0, shade);
    if (display)
        display->drawImage(0, 0, m_numberBitmap, m_numberHires);
}

// The same number at twice the size: every picture pixel above covers 2 x 2 here.
void CardImagery::paintNumberHires(int32_t value, int shade)
{
    const int h = DigitHeight * 2, cell = DigitCell * 2;
    for (int y = 0; y < h; ++y) {
        uchar* row = m_numberHires.scanLine(y);
        const bool odd = (y / 2) % 2 == 1;
        const uchar r = odd ? 18 : 15, g = odd ? 70 : 53, b = odd ? 82 : 66;
        for (int x = 0; x < DigitWidth * 2; ++x) {
            row[x * 3] = b;
            row[x * 3 + 1] = g;
            row[x * 3 + 2] = r;
        }
    }
    int p = 10;
    do {
        const int d = value % 10;
        for (int y = 0; y < h; ++y) {
            const uchar* src = m_digitStripHires.constScanLine(y) + d * cell * 3;
            uchar* dst = m_numberHires.scanLine(y) + (p - 1) * cell * 3;
            for (int j = 0; j < cell; ++j) {
                const uchar* px = src + j * 3;
                if (px[0] + px[1] + px[2] == 0)
                    continue;
                for (int ch = 0; ch < 3; ++ch) {
                    const int v = px[ch] + shade;
                    dst[j * 3 + ch] = v < 0 ? 0 : uchar(v & 0xFF);
                }
            }
        }
        --p;
        value /= 10;
    } while (value != 0 && p > 0);
}

} // namespace tarvelle
