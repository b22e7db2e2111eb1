// What a desktop shows of the game outside its window: the icon at the theme's sizes and as
// SVG, drawn to the same design as the 256-pixel picture.
#include "tools/art/art.h"

#include <QPainterPath>
#include <QTextStream>

namespace tarvelle::art {

namespace {

QString hex(const QColor& c)
{
    return c.name(QColor::HexRgb);
}

QString number(double v)
{
    QString text = QString::number(v, 'f', 4);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

// A QPainterPath as SVG path data.
QString pathData(const QPainterPath& path)
{
    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            d += QStringLiteral("M%1 %2").arg(number(e.x), number(e.y));
            break;
        case QPainterPath::LineToElement:
            d += QStringLiteral("L%1 %2").arg(number(e.x), number(e.y));
            break;
        case QPainterPath::CurveToElement: {
            const QPainterPath::Element c2 = path.elementAt(i + 1);
            const QPainterPath::Element end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(number(e.x), number(e.y), number(c2.x), number(c2.y), number(end.x), number(end.y));
            i += 2;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    return d + QLatin1Char('Z');
}

QString gradientStops(const QGradientStops& stops)
{
    QString s;
    for (const auto& [offset, color] : stops)
        s += QStringLiteral("<stop offset=\"%1\" stop-color=\"%2\"/>").arg(number(offset), hex(color));
    return s;
}

// The small sizes get a plainer picture: one card with a bold spade reads at 16 pixels where
// two overlapping cards turn to mud.
QImage paintSmallIcon(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 32.0, size / 32.0);
    p.fillRect(QRectF(0, 0, 32, 32), QColor(8, 32, 40));
    QRadialGradient bg(16, 14, 22);
    bg.setColorAt(0, QColor(30, 100, 114));
    bg.setColorAt(1, QColor(8, 32, 40));
    p.setPen(QPen(QBrush(copperGradient(QPointF(0, 0), QPointF(32, 32))), 2));
    p.setBrush(bg);
    p.drawRoundedRect(QRectF(1, 1, 30, 30), 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 248, 242));
    p.drawRoundedRect(QRectF(8, 4.5, 16, 23), 2, 2);
    p.setBrush(QColor(20, 20, 20));
    p.drawPath(QTransform::fromScale(12, 12).map(suitPath(3)).translated(16, 16));
    p.end();
    return to24(image);
}

} // namespace

QImage paintIconAt(int size)
{
    if (size <= 32)
        return paintSmallIcon(size);
    const QImage full = paintIcon();
    if (size == full.width())
        return full;
    return full.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QByteArray iconSvg()
{
    const QGradientStops copper = copperGradient(QPointF(0, 0), QPointF(256, 256)).stops();
    const QString cardPaper = hex(QColor(250, 248, 242));
    const QString spade = pathData(suitPath(3));
    QString svg;
    QTextStream s(&svg);
    s << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 256 256\">\n"
         "<title>Tarvelle</title>\n<defs>\n"
         "<radialGradient id=\"felt\" cx=\"128\" cy=\"110\" r=\"180\" gradientUnits=\"userSpaceOnUse\">"
      << gradientStops({{0, QColor(30, 100, 114)}, {1, QColor(8, 32, 40)}})
      << "</radialGradient>\n"
         "<linearGradient id=\"copper\" x1=\"0\" y1=\"0\" x2=\"256\" y2=\"256\" "
         "gradientUnits=\"userSpaceOnUse\">"
      << gradientStops(copper)
      << "</linearGradient>\n"
         "<pattern id=\"lattice\" width=\"9\" height=\"9\" patternUnits=\"userSpaceOnUse\">"
         "<path d=\"M0 0L9 9M9 0L0 9\" stroke=\"#c84650\" stroke-width=\"1\"/>"
         "<circle cx=\"4.5\" cy=\"4.5\" r=\"1.1\" fill=\"#f0c878\"/></pattern>\n"
         "</defs>\n"
         "<rect x=\"3\" y=\"3\" width=\"250\" height=\"250\" rx=\"41\" fill=\"url(#felt)\"/>\n"
         "<rect x=\"8\" y=\"8\" width=\"240\" height=\"240\" rx=\"36\" fill=\"none\" "
         "stroke=\"url(#copper)\" stroke-width=\"10\"/>\n";
    // The back, behind.
    s << "<g transform=\"translate(104 132) rotate(-14) scale(1.15)\">\n"
         "<rect x=\"-58\" y=\"-79\" width=\"122\" height=\"164\" rx=\"7\" fill=\"#000\" "
         "fill-opacity=\"0.35\"/>\n"
         "<rect x=\"-60.5\" y=\"-81.5\" width=\"121\" height=\"163\" rx=\"7\" fill=\""
      << cardPaper
      << "\" stroke=\"#787878\"/>\n"
         "<rect x=\"-54\" y=\"-75\" width=\"108\" height=\"150\" rx=\"4\" fill=\"#961420\"/>\n"
         "<rect x=\"-51\" y=\"-72\" width=\"102\" height=\"144\" fill=\"url(#lattice)\"/>\n"
         "<rect x=\"-51\" y=\"-72\" width=\"102\" height=\"144\" rx=\"3\" fill=\"none\" stroke=\"#f0c878\" "
         "stroke-width=\"1.2\"/>\n"
         "<ellipse cx=\"0\" cy=\"0\" rx=\"27\" ry=\"35\" fill=\"#780e18\" stroke=\"#f0c878\" "
         "stroke-width=\"1.2\"/>\n"
         "<ellipse cx=\"0\" cy=\"0\" rx=\"17\" ry=\"23\" fill=\"url(#copper)\"/>\n"
         "</g>\n";
    // The Ace of spades, in front.
    s << "<g transform=\"translate(150 128) rotate(10) scale(1.15)\">\n"
         "<rect x=\"-58\" y=\"-79\" width=\"122\" height=\"164\" rx=\"7\" fill=\"#000\" "
         "fill-opacity=\"0.35\"/>\n"
         "<rect x=\"-60.5\" y=\"-81.5\" width=\"121\" height=\"163\" rx=\"7\" fill=\""
      << cardPaper
      << "\" stroke=\"#787878\"/>\n"
         "<path transform=\"translate(0 4) scale(64)\" fill=\"#141414\" d=\""
      << spade
      << "\"/>\n"
         "<path d=\"M-53 -56L-47 -73L-41 -56M-51 -62H-43\" fill=\"none\" stroke=\"#141414\" "
         "stroke-width=\"2.6\" stroke-linejoin=\"round\"/>\n"
         "<path d=\"M53 56L47 73L41 56M51 62H43\" fill=\"none\" stroke=\"#141414\" "
         "stroke-width=\"2.6\" stroke-linejoin=\"round\"/>\n"
         "<path transform=\"translate(-47 -44) scale(11)\" fill=\"#141414\" d=\""
      << spade
      << "\"/>\n"
         "<path transform=\"translate(47 44) rotate(180) scale(11)\" fill=\"#141414\" d=\""
      << spade << "\"/>\n</g>\n</svg>\n";
    return svg.toUtf8();
}

} // namespace tarvelle::art
