#include "widgets/image.h"

#include <QSignalSpy>
#include <QTest>

using namespace tarvelle;

class TestImage : public QObject {
    Q_OBJECT
private slots:
    void canvasTakesControlSizeAndKeepsDrawing()
    {
        TImage img;
        img.resize(30, 20);
        QVERIFY(!img.hasPicture());
        QCOMPARE(img.canvas().size(), QSize(30, 20));
        QCOMPARE(img.canvas().depth(), 24);

        QImage red(10, 10, QImage::Format_ARGB32);
        red.fill(QColor(255, 0, 0, 0)); // fully transparent pixels are still copied
        img.drawImage(5, 5, red);
        QCOMPARE(img.canvas().pixelColor(6, 6), QColor(255, 0, 0));
        QCOMPARE(img.canvas().pixelColor(4, 4), QColor(Qt::black));
        const QImage shot = img.grab().toImage();
        QCOMPARE(shot.pixelColor(6, 6), QColor(255, 0, 0));

        QImage pic(4, 600, QImage::Format_RGB32);
        pic.fill(QColor(64, 0, 0));
        img.setPicture(pic);
        QCOMPARE(img.canvas().size(), QSize(4, 600));
        img.setStretch(true);
        QCOMPARE(img.grab().toImage().pixelColor(29, 0), QColor(64, 0, 0));
    }

    void unsizedControlFitsItsDrawing()
    {
        TImage img;
        img.resize(0, 0);
        QImage lamp(18, 18, QImage::Format_RGB888);
        lamp.fill(Qt::green);
        img.drawImage(0, 0, lamp);
        QCOMPARE(img.canvas().size(), QSize(18, 18));
        QCOMPARE(img.canvas().pixelColor(17, 17), QColor(Qt::green));
    }

    void mouseSignals()
    {
        TImage img;
        img.resize(50, 50);
        QSignalSpy down(&img, &TImage::mouseDown);
        QSignalSpy up(&img, &TImage::mouseUp);
        QTest::mousePress(&img, Qt::RightButton, {}, QPoint(3, 4));
        QTest::mouseRelease(&img, Qt::RightButton, {}, QPoint(7, 8));
        QCOMPARE(down.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
        QCOMPARE(down.at(0).at(1).toPoint(), QPoint(3, 4));
        QCOMPARE(up.at(0).at(1).toPoint(), QPoint(7, 8));
    }
};

QTEST_MAIN(TestImage)
#include "tst_image.moc"
