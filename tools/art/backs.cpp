// Card backs: the default back and three extra decks.
#include "tools/art/art.h"

#include <QPainter>

#include <cmath>

namespace tarvelle::art {

namespace {

void lattice(QPainter& p, const QRectF& area, const QColor& line, const QColor& knot)
{
    p.setPen(QPen(line, 1.0));
    const double step = 9;
    for (double d = -area.height(); d < area.width() + area.height(); d += step) {
        p.drawLine(QPointF(area.left() + d, area.top()),
                   QPointF(area.left() + d - area.height(), area.bottom()));
        p.drawLine(QPointF(area.left() + d - area.height(), area.top()),
                   QPointF(area.left() + d, area.bottom()));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(knot);
    for (double y = area.top(); y <= area.bottom() + step; y += step)
        for (double x = area.left() + (int(std::lround((y - area.top()) / step)) % 2 ? step / 2 : 0);
             x <= area.right() + step; x += step)
            p.drawEllipse(QPointF(x, y + step / 2), 1.1, 1.1);
}

void rosette(QPainter& p, QPointF c, double r, const QColor& color, int petals, double width)
{
    p.setPen(QPen(color, width));
    p.setBrush(Qt::NoBrush);
    for (int k = 0; k < 3; ++k) {
        QPainterPath path;
        const int n = 360;
        for (int i = 0; i <= n; ++i) {
            const double a = i * 2 * M_PI / n;
            const double rr = r * (0.62 + 0.38 * std::cos(petals * a + k * M_PI / 3 / petals * 2));
            const QPointF pt(c.x() + rr * std::cos(a), c.y() + rr * std::sin(a));
            if (i == 0)
                path.moveTo(pt);
            else
                path.lineTo(pt);
        }
        p.drawPath(path);
    }
}

} // namespace

QImage paintBack(int deck, int width, int height)
{
    QImage image = blank(width, height, kWell);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Everything is laid out on the full card and scaled for miniatures.
    p.scale(double(width) / kCardWidth, double(height) / kCardHeight);
    const QRectF card(0.5, 0.5, kCardWidth - 1, kCardHeight - 1);
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    p.setBrush(QColor(250, 248, 242));
    p.drawRoundedRect(card, 7, 7);
    const QRectF field(7, 7, kCardWidth - 14, kCardHeight - 14);
    const QPointF centre = field.center();

    switch (deck) {
    case 0: { // deep red lattice with a copper medallion
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(150, 20, 32));
        p.drawRoundedRect(field, 4, 4);
        p.save();
        p.setClipRect(field.adjusted(3, 3, -3, -3));
        lattice(p, field, QColor(200, 70, 80), QColor(240, 200, 120));
        p.restore();
        p.setPen(QPen(QColor(240, 200, 120), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(field.adjusted(3, 3, -3, -3), 3, 3);
        p.setBrush(QColor(120, 14, 24));
        p.drawEllipse(centre, 27, 35);
        QRadialGradient g(centre - QPointF(6, 8), 34);
        g.setColorAt(0, kCopperLight);
        g.setColorAt(1, kCopperDark);
        p.setPen(QPen(QColor(60, 20, 10), 1.0));
        p.setBrush(g);
        p.drawEllipse(centre, 21, 28);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 14, 24));
        p.save();
        p.translate(centre);
        p.scale(26, 26);
        p.drawPath(suitPath(3));
        p.restore();
        break;
    }
    case 1: { // blue guilloche
        QLinearGradient g(field.topLeft(), field.bottomRight());
        g.setColorAt(0, QColor(30, 64, 150));
        g.setColorAt(1, QColor(14, 34, 96));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawRoundedRect(field, 4, 4);
        p.save();
        p.setClipRect(field);
        for (int row = 0; row < 4; ++row)
            for (int col = 0; col < 3; ++col)
                rosette(p, QPointF(field.left() + 18 + col * 36, field.top() + 19 + row * 38), 22,
                        QColor(120, 160, 230, 160), 7, 0.6);
        p.restore();
        p.setBrush(QColor(14, 34, 96));
        p.setPen(QPen(QColor(210, 225, 255), 1.4));
        p.drawEllipse(centre, 30, 30);
        rosette(p, centre, 26, QColor(230, 240, 255), 9, 0.9);
        p.setPen(QPen(QColor(210, 225, 255), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
        break;
    }
    case 2: { // green baize with rows of suit signs
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(18, 96, 70));
        p.drawRoundedRect(field, 4, 4);
        p.save();
        p.setClipRect(field.adjusted(2, 2, -2, -2));
        int n = 0;
        for (double y = field.top() + 6; y < field.bottom() + 8; y += 13) {
            const int row = int((y - field.top()) / 13);
            for (double x = field.left() + (row % 2 ? 4 : 10.5); x < field.right() + 8; x += 13) {
                p.save();
                p.translate(x, y);
                p.scale(9, 9);
                p.setBrush(QColor(40, 130, 98));
                p.drawPath(suitPath(n % 4 + 1));
                p.restore();
                ++n;
            }
        }
        p.restore();
        p.setBrush(QColor(12, 70, 52));
        p.setPen(QPen(QColor(236, 214, 150), 1.5));
        p.drawRoundedRect(QRectF(centre.x() - 30, centre.y() - 40, 60, 80), 10, 10);
        for (int s = 1; s <= 4; ++s) {
            const QPointF at(centre.x() + (s % 2 ? -12 : 12), centre.y() + (s <= 2 ? -15 : 15));
            p.save();
            p.translate(at);
            p.scale(18, 18);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(236, 214, 150));
            p.drawPath(suitPath(s));
            p.restore();
        }
        p.setPen(QPen(QColor(236, 214, 150), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(field.adjusted(2.5, 2.5, -2.5, -2.5), 3, 3);
        break;
    }
    default: { // black and gold sunburst
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(22, 18, 24));
        p.drawRoundedRect(field, 4, 4);
        p.save();
        p.setClipRect(field.adjusted(2, 2, -2, -2));
        const QColor gold(214, 170, 80);
        for (int i = 0; i < 48; ++i) {
            const double a = i * 2 * M_PI / 48;
            const double b = (i + 0.5) * 2 * M_PI / 48;
            p.setBrush(i % 2 ? QColor(46, 36, 40) : QColor(30, 24, 30));
            p.drawPolygon(QPolygonF({centre, centre + QPointF(200 * std::cos(a), 200 * std::sin(a)),
                                     centre + QPointF(200 * std::cos(b), 200 * std::sin(b))}));
        }
        p.setBrush(Qt::NoBrush);
        for (int i = 0; i < 5; ++i) {
            p.setPen(QPen(gold, i == 0 ? 1.4 : 0.8));
            p.drawRoundedRect(field.adjusted(3 + i * 5, 3 + i * 5, -3 - i * 5, -3 - i * 5), 3, 3);
        }
        p.restore();
        p.setPen(QPen(gold, 1.4));
        p.setBrush(QColor(22, 18, 24));
        p.drawPolygon(QPolygonF({centre + QPointF(0, -34), centre + QPointF(24, 0), centre + QPointF(0, 34),
                                 centre + QPointF(-24, 0)}));
        p.save();
        p.translate(centre);
        p.scale(26, 26);
        p.setPen(Qt::NoPen);
        p.setBrush(gold);
        p.drawPath(suitPath(2));
        p.restore();
        break;
    }
    }
    p.end();
    return to24(image);
}

} // namespace tarvelle::art
