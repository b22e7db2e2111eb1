// tarvelle-grab FILE: saves the whole screen of $DISPLAY as a PNG, for the store screenshots.
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fputs("usage: tarvelle-grab FILE\n", stderr);
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    // RGB without alpha: what the screen shows, and smaller files.
    const QImage shot =
        screen ? screen->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB888) : QImage();
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG", 9)) {
        std::fprintf(stderr, "tarvelle-grab: cannot grab the screen into %s\n", argv[1]);
        return 1;
    }
    return 0;
}
