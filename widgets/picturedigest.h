// The fingerprint of a picture's pixels, shared by the art generator and the game: the game uses a
// high-DPI version of a card or back only when the file it read holds exactly the generated picture.
#pragma once

#include <QByteArray>
#include <QCryptographicHash>
#include <QImage>

namespace tarvelle {

inline QByteArray pictureDigest(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    QCryptographicHash hash(QCryptographicHash::Sha1);
    const QByteArray size = QByteArray::number(rgb.width()) + 'x' + QByteArray::number(rgb.height());
    hash.addData(size);
    for (int y = 0; y < rgb.height(); ++y)
        hash.addData(QByteArrayView(reinterpret_cast<const char*>(rgb.constScanLine(y)), rgb.width() * 3));
    return hash.result().toHex();
}

} // namespace tarvelle
