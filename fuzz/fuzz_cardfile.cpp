// poker2.dat and the card backs deck1..3.bmp as they may be found: any bytes give pictures
// of the right size or a clean refusal. The input is the first record of the card file (the
// rest of the file reads as zeros) or, in the card-back target, the whole BMP file.
#include "widgets/cardimagery.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tarvelle;

namespace {

QString folder()
{
    // In memory where there is a tmpfs: the card file is written for every run.
    static QTemporaryDir dir(QFileInfo("/dev/shm").isWritable()
                                 ? QStringLiteral("/dev/shm/tarvelle-fuzz-XXXXXX")
                                 : QDir::tempPath() + "/tarvelle-fuzz-XXXXXX");
    if (!dir.isValid())
        std::abort();
    return dir.path() + "/";
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
#ifdef FUZZ_CARD_BACK
    // A good card file once, so a refused back can be seen to leave the old one in place.
    static CardImagery cards = [] {
        QImage img(CardImagery::CardWidth, CardImagery::CardHeight, QImage::Format_RGB888);
        img.fill(Qt::gray);
        QByteArray rec;
        {
            QBuffer buf(&rec);
            buf.open(QIODevice::WriteOnly);
            img.save(&buf, "BMP");
        }
        QFile f(folder() + "poker2.dat");
        if (rec.size() != CardImagery::RecordSize || !f.open(QIODevice::WriteOnly))
            std::abort();
        for (int r = 0; r < CardImagery::RecordCount; ++r)
            f.write(CardImagery::unscramble(rec));
        f.close();
        CardImagery loaded;
        if (!loaded.LoadCardImages(folder()))
            std::abort();
        return loaded;
    }();
    {
        QFile f(folder() + "deck1.bmp");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(bytes);
    }
    if (!cards.LoadCardBack(0))
        std::abort();
    const QImage before = cards.cardImage(CardImagery::BackIndex);
    if (!cards.LoadCardBack(1) && cards.cardImage(CardImagery::BackIndex) != before)
        std::abort();
#else
    {
        QFile f(folder() + "poker2.dat");
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        f.write(bytes.left(CardImagery::RecordSize));
        f.resize(qint64(CardImagery::RecordSize) * CardImagery::RecordCount);
    }
    CardImagery cards;
    QString error;
    if (cards.LoadCardImages(folder(), &error)) {
        for (int r = 0; r < CardImagery::RecordCount; ++r) {
            const QImage& img = cards.cardImage(r);
            if (img.width() != CardImagery::CardWidth || img.height() != CardImagery::CardHeight)
                std::abort();
        }
    } else if (error.isEmpty()) {
        std::abort();
    }
#endif
    return 0;
}
