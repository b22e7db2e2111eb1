#include "tools/art/art.h"

#include <QFontDatabase>
#include <QPainter>

namespace tarvelle::art {

namespace {
int g_scale = 1;
}

ArtScale::ArtScale(int scale) : m_previous(g_scale)
{
    g_scale = scale;
}

ArtScale::~ArtScale()
{
    g_scale = m_previous;
}

int ArtScale::current()
{
    return g_scale;
}

QImage blank(int width, int height, const QColor& fill)
{
    QImage image(width * g_scale, height * g_scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(g_scale);
    image.fill(fill);
    return image;
}

QImage crop(const QImage& image, int x, int y, int width, int height)
{
    const int s = qRound(image.devicePixelRatio());
    QImage out = image.copy(x * s, y * s, width * s, height * s);
    out.setDevicePixelRatio(s);
    return out;
}

QImage to24(const QImage& image)
{
    return image.convertToFormat(QImage::Format_RGB888);
}

void loadFonts()
{
    // Fixed font files keep the output the same whatever fontconfig would pick.
    for (const char* file :
         {"LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf", "LiberationSerif-Bold.ttf",
          "LiberationSerif-BoldItalic.ttf", "LiberationSerif-Regular.ttf"})
        QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/fonts/truetype/liberation2/") +
                                          QLatin1String(file));
}

QFont artFont(const QString& family, double pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(qMax(1, int(pixelSize + 0.5)));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QLinearGradient copperGradient(QPointF from, QPointF to)
{
    QLinearGradient g(from, to);
    g.setColorAt(0.0, kCopperLight);
    g.setColorAt(0.45, kCopper);
    g.setColorAt(0.55, QColor(170, 96, 48));
    g.setColorAt(1.0, kCopperDark);
    return g;
}

namespace {

// Boolean path operations flatten curves at the path's own scale: unite at a large scale.
QPainterPath unite(const std::initializer_list<QPainterPath>& parts)
{
    const QTransform up = QTransform::fromScale(1000, 1000);
    QPainterPath sum;
    for (const QPainterPath& part : parts)
        sum = sum.united(up.map(part));
    return QTransform::fromScale(0.001, 0.001).map(sum);
}

} // namespace

QPainterPath suitPath(int suit)
{
    QPainterPath p;
    switch (suit) {
    case 1: // heart
        p.moveTo(0, 0.46);
        p.cubicTo(-0.14, 0.28, -0.5, 0.08, -0.5, -0.17);
        p.cubicTo(-0.5, -0.43, -0.16, -0.52, 0, -0.26);
        p.cubicTo(0.16, -0.52, 0.5, -0.43, 0.5, -0.17);
        p.cubicTo(0.5, 0.08, 0.14, 0.28, 0, 0.46);
        break;
    case 2: // diamond
        p.moveTo(0, -0.5);
        p.quadTo(0.13, -0.2, 0.39, 0);
        p.quadTo(0.13, 0.2, 0, 0.5);
        p.quadTo(-0.13, 0.2, -0.39, 0);
        p.quadTo(-0.13, -0.2, 0, -0.5);
        break;
    case 3: { // spade
        QPainterPath body;
        body.moveTo(0, -0.5);
        body.cubicTo(0.06, -0.4, 0.48, -0.3, 0.5, -0.04);
        body.cubicTo(0.52, 0.2, 0.38, 0.34, 0.25, 0.34);
        body.cubicTo(0.13, 0.34, 0.06, 0.28, 0.03, 0.22);
        body.lineTo(-0.03, 0.22);
        body.cubicTo(-0.06, 0.28, -0.13, 0.34, -0.25, 0.34);
        body.cubicTo(-0.38, 0.34, -0.52, 0.2, -0.5, -0.04);
        body.cubicTo(-0.48, -0.3, -0.06, -0.4, 0, -0.5);
        QPainterPath stem;
        stem.moveTo(-0.045, 0.12);
        stem.quadTo(-0.05, 0.38, -0.2, 0.5);
        stem.lineTo(0.2, 0.5);
        stem.quadTo(0.05, 0.38, 0.045, 0.12);
        stem.closeSubpath();
        p = unite({body, stem});
        break;
    }
    default: { // club
        QPainterPath parts;
        const double r = 0.21;
        parts.addEllipse(QPointF(0, -0.26), r, r);
        QPainterPath left;
        left.addEllipse(QPointF(-0.26, 0.07), r, r);
        QPainterPath right;
        right.addEllipse(QPointF(0.26, 0.07), r, r);
        QPainterPath middle;
        middle.addEllipse(QPointF(0, 0.0), 0.12, 0.14);
        QPainterPath stem;
        stem.moveTo(-0.05, 0.0);
        stem.quadTo(-0.05, 0.36, -0.2, 0.5);
        stem.lineTo(0.2, 0.5);
        stem.quadTo(0.05, 0.36, 0.05, 0.0);
        stem.closeSubpath();
        p = unite({parts, left, right, middle, stem});
        break;
    }
    }
    return p;
}

bool isRedSuit(int suit)
{
    return suit == 1 || suit == 2;
}

QColor suitColor(int suit, Faces faces)
{
    if (faces == Faces::FourColours && suit == 2)
        return QColor(24, 84, 196);
    if (faces == Faces::FourColours && suit == 4)
        return QColor(18, 128, 52);
    return isRedSuit(suit) ? QColor(198, 22, 36) : QColor(22, 22, 30);
}

void drawSuit(QPainter& p, int suit, QPointF centre, double size, bool upsideDown, Faces faces)
{
    p.save();
    p.translate(centre);
    if (upsideDown)
        p.rotate(180);
    p.scale(size, size);
    p.setPen(Qt::NoPen);
    p.setBrush(suitColor(suit, faces));
    p.drawPath(suitPath(suit));
    p.restore();
}

QImage contactSheet(const std::vector<Picture>& pictures)
{
    const int width = 1900;
    const int pad = 8;
    const int label = 14;
    // Shelf packing, in the given order.
    struct Place {
        int x, y;
    };
    std::vector<Place> places;
    int x = pad, y = pad, shelf = 0;
    for (const auto& [name, image] : pictures) {
        const int w = qMax(image.width(), 60);
        if (x + w + pad > width) {
            x = pad;
            y += shelf + label + pad;
            shelf = 0;
        }
        places.push_back({x, y});
        x += w + pad;
        shelf = qMax(shelf, image.height());
    }
    const int height = y + shelf + label + pad;
    QImage sheet = blank(width, height, QColor(40, 40, 44));
    QPainter p(&sheet);
    p.setFont(artFont(QStringLiteral("Liberation Sans"), 11, false));
    p.setPen(QColor(230, 230, 230));
    for (size_t i = 0; i < pictures.size(); ++i) {
        const auto& [name, image] = pictures[i];
        p.drawImage(places[i].x, places[i].y, image);
        p.drawText(places[i].x, places[i].y + image.height() + 11, name);
    }
    return sheet;
}

} // namespace tarvelle::art
