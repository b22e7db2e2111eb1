// The Extra screen's pictures and the desktop icon.
#include "tools/art/art.h"

#include <QPainter>

namespace tarvelle::art {

namespace {

QImage menuBar()
{
    QImage image = blank(800, 43);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Light copper: the captions' normal colour is a dark teal, and they must read clearly on it
    // (4.5:1 and better over the whole caption band).
    QLinearGradient g(0, 0, 0, 43);
    g.setColorAt(0, QColor(242, 196, 140));
    g.setColorAt(0.5, QColor(228, 170, 110));
    g.setColorAt(1, QColor(214, 150, 90));
    p.fillRect(0, 0, 800, 43, g);
    p.setPen(QColor(250, 214, 166));
    p.drawLine(0, 0, 800, 0);
    p.setPen(QColor(90, 46, 20));
    p.drawLine(0, 41, 800, 41);
    p.setPen(kTableDark);
    p.drawLine(0, 42, 800, 42);
    // Separators between the captions, and a row of suit signs in the free middle.
    for (int x : {162, 246, 372, 460, 714}) {
        p.setPen(QColor(150, 92, 48));
        p.drawLine(QPointF(x + 0.5, 9), QPointF(x + 0.5, 34));
        p.setPen(QColor(250, 210, 160));
        p.drawLine(QPointF(x + 1.5, 9), QPointF(x + 1.5, 34));
    }
    for (int s = 1; s <= 4; ++s) {
        p.save();
        p.translate(470 + 40 * s, 21.5);
        p.scale(16, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(168, 104, 56, 200));
        p.drawPath(suitPath(s));
        p.restore();
    }
    p.end();
    return to24(image);
}

QImage lamp(bool on)
{
    QImage image = blank(30, 23, kTableDark);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(15, 11.5);
    if (on) {
        QRadialGradient glow(c, 11);
        glow.setColorAt(0, QColor(255, 160, 40, 120));
        glow.setColorAt(1, QColor(255, 160, 40, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(glow);
        p.drawEllipse(c, 11, 11);
        QRadialGradient g(c - QPointF(2, 2), 8);
        g.setColorAt(0, QColor(255, 226, 150));
        g.setColorAt(0.6, QColor(250, 140, 30));
        g.setColorAt(1, QColor(190, 80, 10));
        p.setPen(QPen(QColor(90, 40, 10), 1.0));
        p.setBrush(g);
        p.drawEllipse(c, 6.5, 6.5);
    } else {
        p.setPen(QPen(kInk, 1.6));
        p.setBrush(QColor(10, 40, 50));
        p.drawEllipse(c, 6, 6);
    }
    p.end();
    return to24(image);
}

QImage arrow(bool right)
{
    QImage image = blank(9, 24, kPanel);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    if (right)
        p.drawPolygon(QPolygonF({QPointF(2, 6), QPointF(8, 12), QPointF(2, 18)}));
    else
        p.drawPolygon(QPolygonF({QPointF(7, 6), QPointF(1, 12), QPointF(7, 18)}));
    p.end();
    return to24(image);
}

QImage thumb()
{
    QImage image = blank(19, 18, kTableDark);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kCopperDark, 1.0));
    p.setBrush(copperGradient(QPointF(0, 0), QPointF(19, 18)));
    p.drawRoundedRect(QRectF(1.5, 1.5, 16, 15), 4, 4);
    p.setPen(QPen(kCopperDark, 1.0));
    for (int y : {6, 9, 12})
        p.drawLine(QPointF(6, y + 0.5), QPointF(13, y + 0.5));
    p.end();
    return to24(image);
}

QImage track()
{
    QImage image = blank(3, 490);
    const int s = ArtScale::current();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, x / s == 1 ? QColor(40, 100, 110) : QColor(8, 30, 38));
    return to24(image);
}

} // namespace

std::vector<Picture> paintExtraPictures()
{
    std::vector<Picture> out;
    out.push_back({QStringLiteral("menubar"), menuBar()});
    out.push_back({QStringLiteral("ena"), lamp(true)});
    out.push_back({QStringLiteral("dis"), lamp(false)});
    out.push_back({QStringLiteral("arrow_right"), arrow(true)});
    out.push_back({QStringLiteral("arrow_left"), arrow(false)});
    for (int deck = 0; deck < 4; ++deck)
        out.push_back({QStringLiteral("deckprev%1").arg(deck), paintBack(deck, 48, 72)});
    out.push_back({QStringLiteral("thumb"), thumb()});
    out.push_back({QStringLiteral("track"), track()});
    return out;
}

QImage paintIcon()
{
    QImage image = blank(256, 256, kTableDark);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QRadialGradient bg(128, 110, 180);
    bg.setColorAt(0, QColor(30, 100, 114));
    bg.setColorAt(1, QColor(8, 32, 40));
    p.fillRect(0, 0, 256, 256, bg);
    p.setPen(QPen(QBrush(copperGradient(QPointF(0, 0), QPointF(256, 256))), 10));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 36, 36);
    // Two cards, the back behind the Ace of spades.
    const QImage back = paintBack(0);
    const QImage ace = paintCard(2 * 13 + 9);
    auto drawCard = [&](const QImage& card, double angle, QPointF at) {
        QImage rounded(card.size(), QImage::Format_ARGB32_Premultiplied);
        rounded.fill(Qt::transparent);
        QPainter rp(&rounded);
        rp.setRenderHint(QPainter::Antialiasing);
        QPainterPath clip;
        clip.addRoundedRect(QRectF(0, 0, card.width(), card.height()), 7, 7);
        rp.setClipPath(clip);
        rp.drawImage(0, 0, card);
        rp.end();
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.scale(1.15, 1.15);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 90));
        p.drawRoundedRect(QRectF(-58, -79, 122, 164), 7, 7);
        p.drawImage(QPointF(-61, -82), rounded);
        p.restore();
    };
    drawCard(back, -14, QPointF(104, 132));
    drawCard(ace, 10, QPointF(150, 128));
    p.end();
    return to24(image);
}

} // namespace tarvelle::art
