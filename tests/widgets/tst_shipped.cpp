// The widgets against the game's own pictures, sounds and card file.
#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/hidpi.h"
#include "widgets/image.h"

#include "sound/waveplayer.h"

#include "engine/paytable.h"

#include <QFile>
#include <QHash>
#include <QSet>
#include <QTest>

#include <array>

using namespace tarvelle;

class TestShipped : public QObject {
    Q_OBJECT
private slots:
    void everyCueIsPlayablePcm()
    {
        SoundService::instance().setMuted(true);
        SoundBank bank;
        QHash<QString, QByteArray> english;
        for (const QString& name : SoundBank::names())
            english.insert(name, bank.player(name)->sound());
        // In every language, and in one without voices of its own: the spoken cues in the
        // language's voice where it has one, the effects shared, everything else English.
        for (const char* language : {"en", "de", "fr", "es", "it"}) {
            bank.setLanguage(QLatin1String(language));
            for (const QString& name : SoundBank::names()) {
                const QByteArray data = bank.player(name)->sound();
                QVERIFY2(!data.isEmpty(), qPrintable(name));
                WaveInfo info;
                QString error;
                QVERIFY2(parseWave(data, &info, &error), qPrintable(name + ": " + error));
                QCOMPARE(info.bitsPerSample, 16);
                QVERIFY2(info.seconds() > 0.01 && info.seconds() < 5.0, qPrintable(name));
                const bool own = SoundBank::recordingPath(name, QLatin1String(language)) !=
                                 QStringLiteral(":/snd/%1.wav").arg(name);
                QCOMPARE(data != english.value(name), own);
                const bool spoken = name == QLatin1String("jb") || name == QLatin1String("welcome");
                if (spoken || name == QLatin1String("click"))
                    QCOMPARE(own, spoken && qstrcmp(language, "en") && qstrcmp(language, "it"));
            }
        }
        bank.setLanguage(QStringLiteral("en"));
        // The pause after the big-hand fanfare assumes it is over within 470 ms.
        WaveInfo succes;
        QVERIFY(parseWave(bank.player("succes")->sound(), &succes));
        QVERIFY(succes.seconds() < 0.47);
    }

    void wordedPicturesInTheirLanguage()
    {
        // The table and the splash carry words, and are drawn again in each language at the same
        // size; the other pictures, and any language without pictures of its own, are English.
        for (const char* language : {"de", "fr", "es", "de_CH.UTF-8"}) {
            for (const char* name : {"desen", "splash", "desen@2x", "splash@2x"}) {
                const QString path = builtinPicturePath(QLatin1String(name), QLatin1String(language));
                QCOMPARE(path, QStringLiteral(":/img/%1/%2.png")
                                   .arg(QLatin1String(language).left(2), QLatin1String(name)));
                const QImage own(path);
                const QImage english(QStringLiteral(":/img/%1.png").arg(QLatin1String(name)));
                QCOMPARE(own.size(), english.size());
                QVERIFY(own.convertToFormat(QImage::Format_RGB32) !=
                        english.convertToFormat(QImage::Format_RGB32));
            }
            QCOMPARE(builtinPicturePath("btn_deal", QLatin1String(language)),
                     QStringLiteral(":/img/btn_deal.png"));
        }
        for (const char* language : {"en", "it", ""})
            QCOMPARE(builtinPicturePath("desen", QLatin1String(language)), QStringLiteral(":/img/desen.png"));
    }

    // The dividers the table picture draws across the message line stay clear of every text
    // the labels on it can show: the messages, the stage and clock fields, the multiplier.
    void messageLineDividersClearTheText()
    {
        const QImage table = QImage(":/img/desen.png").convertToFormat(QImage::Format_RGB888);
        QVERIFY(!table.isNull());
        QList<int> dividers;
        for (int x = 62; x <= 444; ++x) {
            bool line = true;
            for (int y = 136; y <= 172 && line; ++y)
                line = table.pixelColor(x, y).green() > 80;
            if (line)
                dividers << x;
        }
        QVERIFY(dividers.size() >= 2);

        QSet<int> ink;
        auto inkOf = [&](const QString& text, int x, int width, int height, int pixelSize) {
            TAntiAliasLabel label;
            label.setAutoSize(false);
            label.setTransparent(false);
            label.setColor(Qt::black);
            label.setFontColor(Qt::white);
            QFont f("Arial");
            f.setPixelSize(pixelSize);
            f.setBold(true);
            label.setFont(f);
            label.setText(text);
            label.resize(width, height);
            const QImage img = label.grab().toImage().convertToFormat(QImage::Format_RGB888);
            for (int px = 0; px < img.width(); ++px)
                for (int py = 0; py < img.height(); ++py)
                    if (img.pixelColor(px, py) != QColor(Qt::black))
                        ink.insert(x + px);
        };
        for (size_t c = 1; c < HandNames.size(); ++c)
            inkOf(QString::fromLatin1(HandNames[c]), 102, 289, 37, 27);
        inkOf("Welcome !", 102, 289, 37, 27);
        for (const char* stage : {"1", "2", "3", "A 1", "A 2", "Demo", "23:59", "00:00"})
            inkOf(stage, 63, 57, 19, 13);
        for (const char* times : {"1000", "800", "250", "50"})
            inkOf(times, 386, 57, 19, 13);
        for (int x : dividers)
            QVERIFY2(!ink.contains(x), qPrintable(QString("divider at x %1 crosses the text").arg(x)));
    }

    void lampsAndDigitsLoad()
    {
        CardImagery c;
        c.loadLamps();
        for (auto k :
             {CardImagery::LampOff, CardImagery::LampHeld, CardImagery::LampWin, CardImagery::LampDouble})
            QCOMPARE(c.lampImage(k).size(), QSize(18, 18));
        QVERIFY(c.loadDigitStrip());
        TImage display;
        display.resize(130, 17);
        c.nr(7, &display, 0);
        // Some ink of the 7 lands in the ones position, none in the tens.
        int ink = 0, tens = 0;
        for (int y = 0; y < 17; ++y)
            for (int x = 0; x < 130; ++x) {
                const QColor p = display.canvas().pixelColor(x, y);
                const bool stripe = p == QColor(18, 70, 82) || p == QColor(15, 53, 66);
                if (!stripe && x >= 117)
                    ++ink;
                if (!stripe && x >= 104 && x < 117)
                    ++tens;
            }
        QVERIFY(ink > 10);
        QCOMPARE(tens, 0);
    }

    void cardFileLoads()
    {
        const QString appDir = qEnvironmentVariable("TARVELLE_RUNTIME_DIR") + QLatin1Char('/');
        if (!QFile::exists(appDir + "poker2.dat"))
            QSKIP("no card file in the runtime folder");
        CardImagery c;
        QString error;
        QVERIFY2(c.LoadCardImages(appDir, &error), qPrintable(error));
        QVERIFY(c.cardImage(0) != c.cardImage(53));
        QVERIFY(c.cardImage(52) != c.cardImage(53));
        for (int n = 1; n <= 3; ++n) {
            QVERIFY2(c.LoadCardBack(n, &error), qPrintable(error));
            QCOMPARE(c.cardImage(53).size(), QSize(122, 164));
        }
        QVERIFY(c.LoadCardBack(0));

        // Four colours lay the built-in four-colour faces over the shipped ones only: hearts
        // and spades stay, and a face the player replaced is his own in either set.
        std::array<QImage, 52> shipped;
        for (int i = 0; i < 52; ++i)
            shipped[size_t(i)] = c.cardImage(i);
        QImage own = shipped[13];
        own.setPixel(60, 80, qRgb(255, 0, 255));
        c.setCardImage(13, own);
        for (const bool four : {true, false}) {
            c.setFourColours(four);
            for (int i = 0; i < 52; ++i) {
                const QImage fourFace(QStringLiteral(":/img/four%1.png").arg(i, 2, 10, QLatin1Char('0')));
                const QImage& want = i == 13                      ? own
                                     : four && !fourFace.isNull() ? fourFace
                                                                  : shipped[size_t(i)];
                QVERIFY2(c.cardImage(i) == want.convertToFormat(QImage::Format_BGR888),
                         qPrintable(QString::number(i)));
            }
        }
    }
};

QTEST_MAIN(TestShipped)
#include "tst_shipped.moc"
