// The main table: backdrop, table picture, splash, emblem, buttons, lamps and digits.
#include "tools/art/art.h"

#include <QPainter>

#include <cmath>

namespace tarvelle::art {

namespace {

struct ButtonPlace {
    const char* name;
    int x, y;
    int size; // control size: 100 or 20
    char symbol;
};

// Control positions on the 800 x 600 play area.
const ButtonPlace kButtons[] = {
    {"btn_extra", 502, 460, 100, 's'}, {"btn_deal", 351, 460, 100, '>'},   {"btn_betdown", 67, 458, 100, '-'},
    {"btn_betup", 180, 458, 100, '+'}, {"btn_double", 640, 458, 100, '2'}, {"btn_off", 767, 14, 20, 'x'},
    {"btn_proce", 612, 500, 20, '^'},  {"btn_autop", 466, 500, 20, 'a'},   {"btn_betmax", 304, 500, 20, 'm'},
};

constexpr int kCardY = 228;
constexpr int kLampY = 416;

int cardX(int k)
{
    return 35 + 152 * k;
}

// Plate radii around a button's centre: the copper ring and the face inside it.
double plateRadius(int size)
{
    return size == 100 ? 46 : 10.5;
}

double faceRadius(int size)
{
    return size == 100 ? 39 : 8;
}

void recess(QPainter& p, const QRectF& r, double radius, const QColor& fill)
{
    p.setPen(QPen(QColor(6, 22, 28), 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    // Light lower edge, dark upper edge: a panel set into the table.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 110, 122, 150), 1.0));
    p.drawLine(QPointF(r.left() + radius, r.bottom() + 1), QPointF(r.right() - radius, r.bottom() + 1));
    p.setPen(QPen(QColor(196, 120, 64, 110), 1.0));
    p.drawRoundedRect(r.adjusted(-2.5, -2.5, 2.5, 2.5), radius + 2, radius + 2);
}

void plate(QPainter& p, QPointF c, int size)
{
    const double outer = plateRadius(size);
    const double face = faceRadius(size);
    QRadialGradient shadow(c + QPointF(0, 2), outer + 3);
    shadow.setColorAt(0.85, QColor(0, 0, 0, 90));
    shadow.setColorAt(1.0, QColor(0, 0, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shadow);
    p.drawEllipse(c + QPointF(0, 2), outer + 3, outer + 3);
    p.setBrush(copperGradient(c - QPointF(outer, outer), c + QPointF(outer, outer)));
    p.drawEllipse(c, outer, outer);
    p.setBrush(copperGradient(c + QPointF(outer, outer), c - QPointF(outer, outer)));
    p.drawEllipse(c, face + (size == 100 ? 3 : 1), face + (size == 100 ? 3 : 1));
    QRadialGradient g(c - QPointF(face * 0.3, face * 0.4), face * 1.4);
    g.setColorAt(0, QColor(34, 96, 108));
    g.setColorAt(1, QColor(12, 44, 54));
    p.setBrush(g);
    p.drawEllipse(c, face, face);
}

// The words painted on the table and the splash.
struct TableWords {
    const char* extra;
    const char* deal;
    const char* betDown;
    const char* redLow;
    const char* betUp;
    const char* blackHigh;
    const char* doubleUp;
    const char* takeHalf;
    const char* maxBet;
    const char* autoPlay;
    const char* pays;
    const char* title;
    const char* splash;
};

const TableWords& wordsIn(const QString& language)
{
    static const TableWords en{"EXTRA",
                               "DEAL / DRAW",
                               "BET \u2013",
                               "RED \u00b7 LOW",
                               "BET +",
                               "BLACK \u00b7 HIGH",
                               "DOUBLE",
                               "TAKE HALF",
                               "MAX BET",
                               "AUTO",
                               "PAYS",
                               "VIDEO POKER",
                               "V I D E O   P O K E R"};
    static const TableWords de{"EXTRA",
                               "GEBEN / ZIEHEN",
                               "EINSATZ \u2013",
                               "ROT \u00b7 TIEF",
                               "EINSATZ +",
                               "SCHWARZ \u00b7 HOCH",
                               "RISIKO",
                               "HÄLFTE NEHMEN",
                               "MAX. EINSATZ",
                               "AUTO",
                               "QUOTEN",
                               "VIDEOPOKER",
                               "V I D E O P O K E R"};
    static const TableWords fr{"EXTRA",
                               "DONNER / TIRER",
                               "MISE \u2013",
                               "ROUGE \u00b7 BAS",
                               "MISE +",
                               "NOIR \u00b7 HAUT",
                               "DOUBLER",
                               "PRENDRE MOITIÉ",
                               "MISE MAX",
                               "AUTO",
                               "GAINS",
                               "VIDÉO POKER",
                               "V I D É O   P O K E R"};
    static const TableWords es{"EXTRA",
                               "REPARTIR / CAMBIAR",
                               "APUESTA \u2013",
                               "ROJO \u00b7 BAJA",
                               "APUESTA +",
                               "NEGRO \u00b7 ALTA",
                               "DOBLAR",
                               "COBRAR MITAD",
                               "APUESTA MÁX.",
                               "AUTO",
                               "PAGOS",
                               "VIDEOPÓKER",
                               "V I D E O P Ó K E R"};
    if (language == QLatin1String("de"))
        return de;
    if (language == QLatin1String("fr"))
        return fr;
    if (language == QLatin1String("es"))
        return es;
    return en;
}

// room: the width left free between the buttons lying over the table, which hide what is
// painted under them; 0 where nothing does.
void engrave(QPainter& p, QRectF r, const QString& text, double px, int flags = Qt::AlignCenter,
             double room = 0)
{
    p.setFont(artFont(QStringLiteral("Liberation Sans"), px, true));
    while (room > 0 && px > 6 && p.fontMetrics().horizontalAdvance(text) > room)
        p.setFont(artFont(QStringLiteral("Liberation Sans"), px -= 0.5, true));
    // A longer word than the English one spreads beyond its place, about the same centre or
    // from the same left edge.
    const double over = p.fontMetrics().horizontalAdvance(text) - r.width();
    if (over > 0)
        r.adjust(flags & Qt::AlignLeft ? 0 : -over / 2 - 1, 0,
                 flags & Qt::AlignLeft ? over + 2 : over / 2 + 1, 0);
    p.setPen(QColor(6, 24, 30));
    p.drawText(r.translated(0, 1), flags, text);
    p.setPen(kCopper);
    p.drawText(r, flags, text);
}

// Symbol of a button, centred at c, in control coordinates.
QPainterPath symbolPath(char symbol, QPointF c, int size)
{
    const double u = size == 100 ? 1.15 : 0.26; // big symbols are drawn in a 100-unit frame
    QPainterPath path;
    auto pt = [&](double x, double y) { return c + QPointF(x * u, y * u); };
    switch (symbol) {
    case 's':
        path.addRoundedRect(QRectF(pt(-13, -13), pt(13, 13)), 3 * u, 3 * u);
        break;
    case '>':
        path.moveTo(pt(-11, -17));
        path.lineTo(pt(17, 0));
        path.lineTo(pt(-11, 17));
        path.closeSubpath();
        break;
    case '-':
        path.addRoundedRect(QRectF(pt(-17, -4.5), pt(17, 4.5)), 2 * u, 2 * u);
        break;
    case '+': {
        QPainterPath v;
        v.addRoundedRect(QRectF(pt(-4.5, -17), pt(4.5, 17)), 2 * u, 2 * u);
        path.addRoundedRect(QRectF(pt(-17, -4.5), pt(17, 4.5)), 2 * u, 2 * u);
        path = path.united(v);
        break;
    }
    case '2': {
        QFont font = artFont(QStringLiteral("Liberation Sans"), 54, true);
        path.addText(0, 0, font, QStringLiteral("2"));
        const QRectF b = path.boundingRect();
        path.translate(c - b.center());
        break;
    }
    case 'x': {
        QPainterPath a, b;
        a.addRect(QRectF(-1.3, -5, 2.6, 10));
        b.addRect(QRectF(-1.3, -5, 2.6, 10));
        QTransform ta, tb;
        ta.translate(c.x(), c.y());
        ta.rotate(45);
        tb.translate(c.x(), c.y());
        tb.rotate(-45);
        path = ta.map(a).united(tb.map(b));
        break;
    }
    case '^':
        path.moveTo(c + QPointF(0, -4));
        path.lineTo(c + QPointF(4.5, 3));
        path.lineTo(c + QPointF(-4.5, 3));
        path.closeSubpath();
        break;
    case 'a':
        for (double dx : {-4.0, 0.5}) {
            path.moveTo(c + QPointF(dx, -4));
            path.lineTo(c + QPointF(dx + 4, 0));
            path.lineTo(c + QPointF(dx, 4));
            path.closeSubpath();
        }
        break;
    case 'm':
        path.moveTo(c + QPointF(0, -4.5));
        path.lineTo(c + QPointF(4.5, 1));
        path.lineTo(c + QPointF(-4.5, 1));
        path.closeSubpath();
        path.addRect(QRectF(c + QPointF(-4.5, 2.5), c + QPointF(4.5, 4.5)));
        break;
    }
    return path;
}

QImage buttonCell(const QImage& table, const ButtonPlace& b, int cell)
{
    const int cw = b.size == 100 ? 100 : 19;
    QImage img = crop(table, b.x + 1, b.y, cw, cw).convertToFormat(QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(-1, 0); // the cell is drawn one pixel right of the control's origin
    const QPointF c(b.size / 2.0, b.size / 2.0);
    const double face = faceRadius(b.size);
    const bool lit = cell == 1 || cell == 2;
    if (lit) {
        // Hover and press light up the face under the symbol.
        QRadialGradient g(c - QPointF(face * 0.3, face * 0.4), face * 1.4);
        g.setColorAt(0, cell == 2 ? QColor(30, 88, 100) : QColor(48, 122, 134));
        g.setColorAt(1, cell == 2 ? QColor(10, 38, 48) : QColor(16, 58, 70));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawEllipse(c, face, face);
    }
    QPainterPath symbol = symbolPath(b.symbol, c + (cell == 2 ? QPointF(0.8, 0.8) : QPointF(0, 0)), b.size);
    const QRectF box = symbol.boundingRect();
    p.setPen(Qt::NoPen);
    if (lit) {
        // Lit symbol: copper with a dark drop edge.
        p.setBrush(QColor(8, 26, 32, 160));
        p.drawPath(symbol.translated(0.8, 1.0));
        QLinearGradient g = copperGradient(box.topLeft(), box.bottomRight());
        if (cell == 2) {
            g.setColorAt(0.0, QColor(214, 150, 90));
            g.setColorAt(1.0, QColor(100, 50, 24));
        }
        p.setBrush(g);
        p.drawPath(symbol);
    } else {
        // Dark symbol pressed into the face, catching light on its lower edge.
        const QColor edge = cell == 3 ? QColor(24, 70, 80) : QColor(52, 128, 140);
        p.setBrush(edge);
        p.drawPath(symbol.translated(0.6, 0.8));
        p.setBrush(cell == 3 ? QColor(12, 40, 50) : QColor(6, 24, 30));
        p.drawPath(symbol);
    }
    p.end();
    return img;
}

} // namespace

QImage paintBackdrop()
{
    QImage image = blank(4, 600);
    const int rows = image.height();
    for (int y = 0; y < rows; ++y) {
        const double t = 1.0 - y / (rows - 1.0);
        const QColor c(int(std::lround(64 * t)), 0, 0);
        for (int x = 0; x < image.width(); ++x)
            image.setPixelColor(x, y, c);
    }
    return to24(image);
}

QImage paintTable(const QString& language)
{
    const TableWords& words = wordsIn(language);
    QImage image = blank(800, 600);
    QPainter p(&image);
    // Felt: a smooth vertical shade only, so the pictures laid on it can match it.
    QLinearGradient felt(0, 0, 0, 600);
    felt.setColorAt(0, QColor(20, 72, 86));
    felt.setColorAt(0.45, kTableLight);
    felt.setColorAt(1, kTableDark);
    p.fillRect(0, 0, 800, 600, felt);
    p.setRenderHint(QPainter::Antialiasing);

    // Copper frame with a dark inner rule.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QBrush(copperGradient(QPointF(0, 0), QPointF(800, 600))), 4));
    p.drawRoundedRect(QRectF(6, 6, 788, 588), 14, 14);
    p.setPen(QPen(QColor(8, 30, 38), 1.5));
    p.drawRoundedRect(QRectF(10.5, 10.5, 779, 579), 11, 11);
    p.setPen(QPen(QColor(196, 120, 64, 120), 1.0));
    p.drawRoundedRect(QRectF(14.5, 14.5, 771, 571), 9, 9);
    // Corner suit signs in the frame.
    const QPointF corners[] = {{26, 26}, {774, 574}, {26, 574}};
    for (int i = 0; i < 3; ++i) {
        p.save();
        p.translate(corners[i]);
        p.scale(11, 11);
        p.setPen(Qt::NoPen);
        p.setBrush(kCopper);
        p.drawPath(suitPath(i + 1));
        p.restore();
    }

    // Title beside the emblem.
    {
        QFont font = artFont(QStringLiteral("Liberation Serif"), 62, true);
        font.setItalic(true);
        QPainterPath title;
        title.addText(0, 0, font, QStringLiteral("Tarvelle"));
        const QRectF b = title.boundingRect();
        title.translate(QPointF(104 - b.left(), 100 - b.bottom()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(6, 24, 30, 200));
        p.drawPath(title.translated(2, 3));
        p.setBrush(copperGradient(QPointF(0, 40), QPointF(0, 102)));
        p.setPen(QPen(QColor(90, 44, 20), 0.8));
        p.drawPath(title);
        engrave(p, QRectF(356, 86, 120, 16), QString::fromUtf8(words.title), 11,
                Qt::AlignLeft | Qt::AlignVCenter);
    }
    // Emblem socket.
    p.setPen(QPen(kCopper, 1.5));
    p.setBrush(QColor(10, 40, 50));
    p.drawEllipse(QPointF(69, 65.5), 13.2, 13.2);

    // Message line with the stage and clock fields at its ends. The message starts at x 102 and
    // the stage field's widest text ("Demo") ends at 98: the divider goes between.
    recess(p, QRectF(56, 129, 394, 50), 6, kPanel);
    p.setPen(QPen(QColor(40, 100, 110), 1.0));
    p.drawLine(QPointF(100.5, 134), QPointF(100.5, 174));
    p.drawLine(QPointF(381.5, 134), QPointF(381.5, 174));

    // Display panel: captions on the left, digit windows on the right.
    recess(p, QRectF(500, 47, 257, 135), 8, kPanel);
    for (int i = 0; i < 4; ++i) {
        const int y = 57 + 32 * i;
        p.setPen(QPen(QColor(196, 120, 64, 150), 1.0));
        p.setBrush(QColor(15, 53, 66));
        p.drawRoundedRect(QRectF(618.5, y - 3.5, 137, 23), 3, 3);
        if (i < 3) {
            p.setPen(QPen(QColor(30, 80, 92), 1.0));
            p.drawLine(QPointF(508, y + 28.5), QPointF(748, y + 28.5));
        }
    }

    // Card wells.
    for (int k = 0; k < 5; ++k) {
        const QRectF well(cardX(k), kCardY, 122, 164);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 70));
        p.drawRoundedRect(well.adjusted(-3, -1, 5, 6), 9, 9);
        p.setPen(QPen(QBrush(copperGradient(well.topLeft(), well.bottomRight())), 2));
        p.setBrush(kWell);
        p.drawRoundedRect(well.adjusted(-3, -3, 3, 3), 9, 9);
        p.setPen(Qt::NoPen);
        p.drawRect(well);
        // Hold lamp socket.
        const QPointF lamp(88 + 152 * k + 9, kLampY + 9);
        // The ring lies wholly outside the lamp's square so the lamp pictures show only its dark bed.
        p.setPen(QPen(kCopper, 1.5));
        p.setBrush(QColor(8, 30, 38));
        p.drawEllipse(lamp, 13.8, 13.8);
    }

    // Button plates and their engraved names.
    for (const ButtonPlace& b : kButtons)
        plate(p, QPointF(b.x + b.size / 2.0, b.y + b.size / 2.0), b.size);
    const struct {
        int x, y;
        const char* line1;
        const char* line2;
    } names[] = {{502, 460, words.extra, ""},
                 {351, 460, words.deal, ""},
                 {67, 458, words.betDown, words.redLow},
                 {180, 458, words.betUp, words.blackHigh},
                 {640, 458, words.doubleUp, words.takeHalf}};
    for (const auto& n : names) {
        engrave(p, QRectF(n.x - 10, n.y + 99, 120, 13), QString::fromUtf8(n.line1), 10.5);
        if (*n.line2)
            engrave(p, QRectF(n.x - 10, n.y + 111, 120, 12), QString::fromUtf8(n.line2), 8.5);
    }
    // Between the big buttons: 71, 51 and 38 pixels free.
    engrave(p, QRectF(284, 522, 60, 12), QString::fromUtf8(words.maxBet), 8.5, Qt::AlignCenter, 69);
    engrave(p, QRectF(446, 522, 60, 12), QString::fromUtf8(words.autoPlay), 8.5, Qt::AlignCenter, 49);
    engrave(p, QRectF(592, 522, 60, 12), QString::fromUtf8(words.pays), 8.5, Qt::AlignCenter, 36);
    p.end();
    return to24(image);
}

QImage paintSplash(const QString& language)
{
    QImage image = blank(800, 600);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient bg(400, 260, 520);
    bg.setColorAt(0, QColor(28, 92, 106));
    bg.setColorAt(0.6, kTableDark);
    bg.setColorAt(1, QColor(6, 22, 28));
    p.fillRect(0, 0, 800, 600, bg);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Faint rows of suit signs on the felt.
    for (int row = 0; row < 15; ++row)
        for (int col = 0; col < 21; ++col) {
            p.save();
            p.translate(20 + col * 40 + (row % 2) * 20, 24 + row * 40);
            p.scale(14, 14);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(255, 255, 255, 9));
            p.drawPath(suitPath((row + col) % 4 + 1));
            p.restore();
        }
    QRadialGradient glow(400, 290, 230);
    glow.setColorAt(0, QColor(236, 178, 112, 70));
    glow.setColorAt(1, QColor(236, 178, 112, 0));
    p.fillRect(0, 0, 800, 600, glow);
    p.setPen(QPen(QBrush(copperGradient(QPointF(0, 0), QPointF(800, 600))), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(6, 6, 788, 588), 14, 14);
    p.setPen(QPen(QColor(196, 120, 64, 120), 1.0));
    p.drawRoundedRect(QRectF(14.5, 14.5, 771, 571), 9, 9);

    // A fan of the royal flush in spades.
    const int fan[] = {8, 10, 11, 12, 9}; // 10, J, Q, K, A of suit 3
    for (int i = 0; i < 5; ++i) {
        const QImage card = paintCard(26 + fan[i]);
        QImage rounded(card.size(), QImage::Format_ARGB32_Premultiplied);
        rounded.setDevicePixelRatio(card.devicePixelRatio());
        rounded.fill(Qt::transparent);
        {
            QPainter rp(&rounded);
            rp.setRenderHint(QPainter::Antialiasing);
            QPainterPath clip;
            clip.addRoundedRect(QRectF(QPointF(0, 0), card.deviceIndependentSize()), 7, 7);
            rp.setClipPath(clip);
            rp.drawImage(0, 0, card);
        }
        p.save();
        p.translate(400, 470);
        p.rotate(-24 + 12 * i);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 80));
        p.drawRoundedRect(QRectF(-58, -258, 122, 164), 7, 7);
        p.drawImage(QPointF(-61, -262), rounded);
        p.restore();
    }

    QFont font = artFont(QStringLiteral("Liberation Serif"), 110, true);
    font.setItalic(true);
    QPainterPath title;
    title.addText(0, 0, font, QStringLiteral("Tarvelle"));
    const QRectF b = title.boundingRect();
    title.translate(QPointF(400 - b.center().x(), 470 - b.bottom()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPath(title.translated(4, 5));
    p.setBrush(copperGradient(QPointF(0, 470 - b.height()), QPointF(0, 470)));
    p.setPen(QPen(QColor(80, 38, 16), 1.2));
    p.drawPath(title);
    p.setFont(artFont(QStringLiteral("Liberation Sans"), 20, true));
    p.setPen(kInkLight);
    p.drawText(QRectF(0, 478, 800, 30), Qt::AlignCenter, QString::fromUtf8(wordsIn(language).splash));
    p.end();
    return to24(image);
}

std::vector<Picture> paintEmblems()
{
    // A spade turning about its upright axis; Image6 is the rest frame.
    const QImage table = paintTable();
    const struct {
        const char* name;
        double squeeze;
    } frames[] = {{"emblem1", 1.0}, {"emblem2", 0.55}, {"emblem3", 0.1}, {"emblem4", -0.55}};
    std::vector<Picture> out;
    for (const auto& f : frames) {
        QImage img = crop(table, 55, 51, 28, 29).convertToFormat(QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(14, 14.5);
        p.scale(19 * f.squeeze, 19);
        p.setPen(Qt::NoPen);
        if (f.squeeze > 0) {
            p.setBrush(copperGradient(QPointF(-0.5, -0.5), QPointF(0.5, 0.5)));
        } else {
            p.setBrush(QColor(130, 70, 36)); // the back of the sign, in shade
        }
        p.drawPath(suitPath(3));
        p.end();
        out.push_back({QString::fromLatin1(f.name), to24(img)});
    }
    return out;
}

std::vector<Picture> paintButtons(const QImage& table)
{
    std::vector<Picture> out;
    for (const ButtonPlace& b : kButtons) {
        const int cw = b.size == 100 ? 100 : 19;
        QImage strip = blank(cw * 4, cw);
        QPainter p(&strip);
        for (int cell = 0; cell < 4; ++cell)
            p.drawImage(cell * cw, 0, buttonCell(table, b, cell));
        p.end();
        out.push_back({QString::fromLatin1(b.name), to24(strip)});
    }
    return out;
}

std::vector<Picture> paintLamps(const QImage& table)
{
    const struct {
        const char* name;
        QColor core;
        QColor rim;
    } lamps[] = {{"ledstins", QColor(24, 72, 82), QColor(8, 34, 42)},
                 {"ledaprins", QColor(255, 242, 150), QColor(214, 160, 10)},
                 {"ledwin", QColor(190, 255, 170), QColor(30, 170, 50)},
                 {"leddublaj", QColor(170, 220, 255), QColor(30, 100, 230)}};
    std::vector<Picture> out;
    for (const auto& l : lamps) {
        QImage img = crop(table, 88, kLampY, 18, 18).convertToFormat(QImage::Format_RGB32);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        QRadialGradient g(QPointF(7, 6.5), 9);
        g.setColorAt(0, l.core);
        g.setColorAt(1, l.rim);
        p.setPen(QPen(QColor(4, 18, 24), 1.0));
        p.setBrush(g);
        p.drawEllipse(QPointF(9, 9), 7.5, 7.5);
        p.setPen(Qt::NoPen);
        p.setBrush(
            QColor(255, 255, 255, QString::fromLatin1(l.name) == QLatin1String("ledstins") ? 40 : 170));
        p.drawEllipse(QPointF(6.8, 6.3), 2.2, 1.6);
        p.end();
        out.push_back({QString::fromLatin1(l.name), to24(img)});
    }
    return out;
}

QImage paintDigits()
{
    // Each glyph is drawn large, then reduced to two ink levels so the strip keeps exactly
    // the two colours the number displays expect.
    constexpr int scale = 8;
    QImage strip = blank(130, 17);
    // At a higher scale each strip pixel covers fewer pixels of the large glyph.
    const int s = ArtScale::current();
    const int block = scale / s;
    for (int d = 0; d < 10; ++d) {
        QImage big(11 * scale, 17 * scale, QImage::Format_Grayscale8);
        big.fill(0);
        QPainter p(&big);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath glyph;
        glyph.addText(0, 0, artFont(QStringLiteral("Liberation Sans"), 18 * scale, true), QString::number(d));
        const QRectF b = glyph.boundingRect();
        // Digits 13 pixels tall, centred in the 11-pixel ink columns, from row 2.
        const double sy = 13.0 * scale / b.height();
        const double sx = std::min(sy, 10.0 * scale / b.width());
        QTransform t;
        t.translate(5.5 * scale, 2 * scale);
        t.scale(sx, sy);
        t.translate(-b.center().x(), -b.top());
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(t.map(glyph));
        p.end();
        for (int y = 0; y < 17 * s; ++y)
            for (int x = 0; x < 11 * s; ++x) {
                int sum = 0;
                for (int j = 0; j < block; ++j) {
                    const uchar* line = big.constScanLine(y * block + j);
                    for (int i = 0; i < block; ++i)
                        sum += line[x * block + i];
                }
                const double cover = sum / (255.0 * block * block);
                if (cover >= 0.5)
                    strip.setPixelColor((d * 13 + 1) * s + x, y, kInk);
                else if (cover >= 0.18)
                    strip.setPixelColor((d * 13 + 1) * s + x, y, kInkEdge);
            }
    }
    return to24(strip);
}

} // namespace tarvelle::art
