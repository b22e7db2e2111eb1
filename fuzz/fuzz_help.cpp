// help.htm as it may be found, through the viewer's own path: parsed once, judged on what
// was built, and, when shown, laid out and painted promptly within the picture budget
// (libFuzzer's -timeout and -rss_limit_mb catch a page that is not).
#include "extra/helpcheck.h"
#include "extra/helppage.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace tarvelle;

namespace {

QTemporaryDir* folder = nullptr;
HelpViewer* viewer = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    // Pictures a page may name beside the program: a small one, and the largest side allowed.
    folder = new QTemporaryDir;
    const QString dir = folder->path() + "/";
    QImage small(40, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    small.save(dir + "pic.png");
    QImage big(MaxHelpPictureSide, MaxHelpPictureSide, QImage::Format_RGB32);
    big.fill(Qt::blue);
    big.save(dir + "big.png");
    for (int i = 0; i < 4; ++i)
        big.save(dir + QStringLiteral("big%1.png").arg(i));
    viewer = new HelpViewer(dir);
    viewer->resize(765, 490);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString problem = viewer->showPage(bytes);
    if (!problem.isEmpty())
        return 0;
    if (qsizetype(size) > MaxHelpPageBytes)
        std::abort();
    QTextDocument* doc = viewer->document();
    doc->setTextWidth(765);
    volatile qreal height = doc->size().height(); // forces the whole layout
    (void)height;
    // Paint the first screenful, as the Help page does.
    QImage screen(765, 490, QImage::Format_RGB32);
    QPainter painter(&screen);
    doc->drawContents(&painter, QRectF(0, 0, 765, 490));
    painter.end();
    if (viewer->decodedBytes() > MaxHelpDecodedBytes)
        std::abort();
    return 0;
}
