#include "tools/art/cardfile.h"

#include <QtEndian>

namespace tarvelle::art {

namespace {

void put16(QByteArray& out, int offset, quint16 v)
{
    qToLittleEndian(v, out.data() + offset);
}

void put32(QByteArray& out, int offset, quint32 v)
{
    qToLittleEndian(v, out.data() + offset);
}

} // namespace

QByteArray encodeBmp24(const QImage& source)
{
    const QImage image = source.convertToFormat(QImage::Format_RGB888);
    const int w = image.width();
    const int h = image.height();
    const int stride = (w * 3 + 3) & ~3;
    const int headers = 14 + 40;
    QByteArray out(headers + stride * h, '\0');
    out[0] = 'B';
    out[1] = 'M';
    put32(out, 2, quint32(out.size()));
    put32(out, 10, headers);
    put32(out, 14, 40);
    put32(out, 18, quint32(w));
    put32(out, 22, quint32(h));
    put16(out, 26, 1);
    put16(out, 28, 24);
    put32(out, 34, quint32(stride * h));
    put32(out, 38, 2835); // 72 dpi
    put32(out, 42, 2835);
    for (int y = 0; y < h; ++y) {
        const uchar* src = image.constScanLine(h - 1 - y);
        char* dst = out.data() + headers + y * stride;
        for (int x = 0; x < w; ++x) {
            dst[x * 3 + 0] = char(src[x * 3 + 2]);
            dst[x * 3 + 1] = char(src[x * 3 + 1]);
            dst[x * 3 + 2] = char(src[x * 3 + 0]);
        }
    }
    return out;
}

void scrambleRecord(char* data, qsizetype size)
{
    for (qsizetype i = 1; i <= size; ++i)
        data[i - 1] = char(uchar(data[i - 1]) ^ uchar(i % 256));
}

QByteArray buildCardFile(const std::vector<QImage>& pictures)
{
    QByteArray file;
    file.reserve(qsizetype(pictures.size()) * kRecordSize);
    for (const QImage& picture : pictures) {
        QByteArray record = encodeBmp24(picture);
        Q_ASSERT(record.size() == kRecordSize);
        scrambleRecord(record.data(), record.size());
        file += record;
    }
    return file;
}

} // namespace tarvelle::art
