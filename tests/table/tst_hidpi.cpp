// The table as painted at the screen's scale: run once at scale 1 and once at scale 2 (see the
// CMake file). At 2 the cards, the engraved captions, the buttons and the digits must be the
// double-size art pixel for pixel; at 1 they must be the 1x art pixel for pixel.
#include "tablefixture.h"

#include "extra/form2.h"
#include "storage/cardfaces.h"
#include "widgets/hidpi.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"

#include "engine/cards.h"

#include <QPixmap>
#include <QTest>

using namespace tarvelle;
using namespace tarvelle::testing;

namespace {

int scale()
{
    return qRound(qApp->devicePixelRatio());
}

// The built-in picture at the scale under test.
QImage art(const QString& name)
{
    const QString path = scale() == 2 ? QStringLiteral(":/img/%1@2x.png") : QStringLiteral(":/img/%1.png");
    return QImage(path.arg(name)).convertToFormat(QImage::Format_RGB32);
}

// The form as it is painted, in device pixels.
QImage shot(TForm1& form)
{
    return form.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a control's logical rectangle r lies in the shot.
QRect devicePixels(QWidget* control, TForm1& form, const QRect& r)
{
    const QPoint at = control->mapTo(&form, r.topLeft());
    return QRect(at * scale(), r.size() * scale());
}

// The first differing pixel, for a readable failure.
QString firstDifference(const QImage& got, const QImage& want)
{
    if (got.size() != want.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(got.width())
            .arg(got.height())
            .arg(want.width())
            .arg(want.height());
    for (int y = 0; y < got.height(); ++y)
        for (int x = 0; x < got.width(); ++x)
            if (got.pixel(x, y) != want.pixel(x, y))
                return QStringLiteral("pixel (%1, %2) is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(got.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'))
                    .arg(want.pixel(x, y) & 0xffffff, 6, 16, QLatin1Char('0'));
    return QString();
}

// The top-left corner of every card on the table against the picture it should show: the card
// file's (1x) or the double-size art, classic ("card") or four-colour ("four") where one is built in.
QString cardCornersDiffer(Table& t, const QImage& screen, bool fourColours)
{
    for (int k = 1; k <= 5; ++k) {
        const int index = pictureIndex(t.gs.hand.Suit[size_t(k)], t.gs.hand.Rank[size_t(k)]);
        const QString number = QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0'));
        const bool four = fourColours && QFile::exists(QStringLiteral(":/img/four%1.png").arg(number));
        const QString name = (four ? QStringLiteral("four") : QStringLiteral("card")) + number;
        const QImage want = scale() == 2 || four
                                ? art(name)
                                : t.imagery.cardImage(index).convertToFormat(QImage::Format_RGB32);
        const QRect corner(0, 0, 40, 56);
        const QRect at(t.form->card(k)->mapTo(t.form.get(), corner.topLeft()) * scale(),
                       corner.size() * scale());
        const QString why =
            firstDifference(screen.copy(at), want.copy(QRect(QPoint(0, 0), corner.size() * scale())));
        if (!why.isEmpty())
            return QStringLiteral("card %1 (%2): %3").arg(k).arg(name, why);
    }
    return QString();
}

#define COMPARE_PIXELS(got, want)                                                                            \
    do {                                                                                                     \
        const QString why = firstDifference((got), (want));                                                  \
        QVERIFY2(why.isEmpty(), qPrintable(why));                                                            \
    } while (false)

} // namespace

class TestHiDpi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const int expected = qEnvironmentVariableIntValue("TARVELLE_EXPECT_SCALE");
        if (expected)
            QCOMPARE(scale(), expected);
        QCOMPARE(hidpi::wanted(), scale() > 1);
    }

    // A dealt hand: the corner of every card, the engraved caption under Deal, the Deal
    // button and the digits of the credit, each exactly the art at the screen's scale.
    void tableIsTheArtPixelForPixel()
    {
        Table t;
        key(*t.form, '\r');
        QVERIFY(t.settle());
        const QImage screen = shot(*t.form);
        QCOMPARE(screen.size(), t.form->size() * scale());

        const QString cards = cardCornersDiffer(t, screen, false);
        QVERIFY2(cards.isEmpty(), qPrintable(cards));

        // "DEAL / DRAW" engraved below the button, on the table picture.
        const QRect caption(341, 559, 120, 13);
        COMPARE_PIXELS(
            screen.copy(devicePixels(t.form->desen, *t.form, caption)),
            art(QStringLiteral("desen")).copy(QRect(caption.topLeft() * scale(), caption.size() * scale())));

        // The Deal button at rest shows the first cell of its strip.
        TLbSpeedButton* deal = t.form->LbSpeedButton2;
        QCOMPARE(deal->currentCell(), 0);
        const QRect glyph(deal->glyphX(), (deal->height() - 100) / 2, 100, 100);
        COMPARE_PIXELS(screen.copy(devicePixels(deal, *t.form, glyph)),
                       art(QStringLiteral("btn_deal")).copy(0, 0, 100 * scale(), 100 * scale()));

        // The credit's last digit: its glyph's ink where the strip has ink, the display's
        // stripes elsewhere; nothing in between.
        const int digit = int(t.gs.counters.Credit % 10);
        const int cell = 13 * scale(), rows = 17 * scale();
        const QImage strip = art(QStringLiteral("zece"));
        const QImage got = screen.copy(devicePixels(t.form->credit_im, *t.form, QRect(9 * 13, 0, 13, 17)));
        QImage want(cell, rows, QImage::Format_RGB32);
        for (int y = 0; y < rows; ++y)
            for (int x = 0; x < cell; ++x) {
                const QRgb ink = strip.pixel(digit * cell + x, y);
                const bool oddRow = (y / scale()) % 2 == 1;
                want.setPixel(x, y, (ink & 0xffffff) ? ink : oddRow ? qRgb(18, 70, 82) : qRgb(15, 53, 66));
            }
        COMPARE_PIXELS(got, want);
    }

    // Four colours chosen on the Extra screen: kept in faces.cfg, and the cards lying face up
    // turn at once, sharp at either scale; classic again turns them back.
    void fourColourFacesShowAtOnce()
    {
        Table t;
        TForm2 extra(t.gs, t.sounds, t.imagery, Table::runtimeDir(), t.saveDir.path() + QLatin1Char('/'));
        t.form->setExtra(&extra);
        // Hands until one shows a diamond or a club, so that the faces have something to change.
        auto recoloured = [&t] {
            for (int k = 1; k <= 5; ++k)
                if (t.gs.hand.Suit[size_t(k)] == 2 || t.gs.hand.Suit[size_t(k)] == 4)
                    return true;
            return false;
        };
        for (int tries = 0; tries < 20; ++tries) {
            key(*t.form, '\r');
            QVERIFY(t.settle());
            if (recoloured())
                break;
            key(*t.form, '\r');
            QVERIFY(t.settle());
        }
        QVERIFY(recoloured());
        const QImage classic = shot(*t.form);
        for (const bool four : {true, false}) {
            extra.facesClick(four ? 1 : 0);
            QCOMPARE(loadCardFaces(t.saveDir.path().toStdString()),
                     four ? CardFaces::FourColours : CardFaces::Classic);
            QCOMPARE(extra.lampLit(extra.faceLamp(1)), four);
            QCOMPARE(extra.lampLit(extra.faceLamp(0)), !four);
            const QImage screen = shot(*t.form);
            const QString why = cardCornersDiffer(t, screen, four);
            QVERIFY2(why.isEmpty(), qPrintable(why));
            QCOMPARE(screen == classic, !four);
        }
    }

    // The double-size card or back is used only for the picture it was drawn from: a player's
    // own back gets its 1x picture enlarged pixel for pixel.
    void ownPicturesAreEnlarged()
    {
        if (scale() == 1) {
            QVERIFY(hidpi::picture(QStringLiteral("desen")).isNull());
            return;
        }
        CardImagery imagery;
        QVERIFY(imagery.LoadCardImages(Table::runtimeDir()));
        for (int i = 0; i < CardImagery::RecordCount; ++i)
            QVERIFY2(!imagery.cardHires(i).isNull(), qPrintable(QString::number(i)));
        QVERIFY(imagery.LoadCardBack(2));
        QVERIFY(!imagery.cardHires(CardImagery::BackIndex).isNull());

        QTemporaryDir dir;
        const QString own = dir.path() + QLatin1Char('/');
        QVERIFY(QFile::copy(Table::runtimeDir() + QStringLiteral("poker2.dat"),
                            own + QStringLiteral("poker2.dat")));
        QImage back(imagery.cardImage(CardImagery::BackIndex));
        back.setPixel(60, 80, qRgb(255, 0, 255));
        QVERIFY(back.save(own + QStringLiteral("deck2.bmp"), "BMP"));
        CardImagery ownImagery;
        QVERIFY(ownImagery.LoadCardImages(own));
        QVERIFY(ownImagery.LoadCardBack(2));
        QVERIFY(ownImagery.cardHires(CardImagery::BackIndex).isNull());

        TImage control;
        control.resize(CardImagery::CardWidth, CardImagery::CardHeight);
        control.show();
        ownImagery.ShowBacks(
            std::array<TImage*, 6>{nullptr, &control, nullptr, nullptr, nullptr, nullptr}.data(), Hand{});
        const QImage painted = control.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QImage enlarged = ownImagery.cardImage(CardImagery::BackIndex)
                                    .convertToFormat(QImage::Format_RGB32)
                                    .scaled(control.size() * 2);
        COMPARE_PIXELS(painted, enlarged);

        // Back to the shipped default back: sharp again.
        QVERIFY(ownImagery.LoadCardBack(0));
        QVERIFY(!ownImagery.cardHires(CardImagery::BackIndex).isNull());
    }

    // The emblem shown is a copy of a frame; the copy keeps the frame's double-size picture.
    void emblemCopiesKeepTheirSharpness()
    {
        Table t;
        t.form->Image9->setPictureFrom(*t.form->Image7);
        QCOMPARE(t.form->Image9->canvas(), t.form->Image7->canvas());
        QCOMPARE(t.form->Image9->hires().isNull(), scale() == 1);
        if (scale() == 2)
            COMPARE_PIXELS(t.form->Image9->hires().convertToFormat(QImage::Format_RGB32),
                           art(QStringLiteral("emblem2")));
    }
};

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
