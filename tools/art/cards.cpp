// Card faces: pips, Aces, court figures and the Joker.
#include "art.h"

#include <QPainter>

#include <cmath>

namespace tarvelle::art {

namespace {

const QColor kPaper(252, 250, 243);
const QColor kGold(232, 182, 52);
const QColor kCourtRed(196, 34, 42);
const QColor kCourtBlue(38, 72, 158);
const QColor kSkin(250, 218, 182);
const QColor kOutline(24, 20, 24);

QString rankLabel(int rank)
{
    switch (rank) {
    case 11:
        return QStringLiteral("A");
    case 12:
        return QStringLiteral("J");
    case 13:
        return QStringLiteral("Q");
    case 14:
        return QStringLiteral("K");
    default:
        return QString::number(rank);
    }
}

// White card with rounded corners on the colour of the table's card well.
void paintBlankCard(QPainter& p, const QColor& face = kPaper)
{
    p.fillRect(0, 0, kCardWidth, kCardHeight, kWell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(120, 120, 120), 1.0));
    p.setBrush(face);
    p.drawRoundedRect(QRectF(0.5, 0.5, kCardWidth - 1, kCardHeight - 1), 7, 7);
}

void paintIndex(QPainter& p, int suit, int rank)
{
    const QString label = rankLabel(rank);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setPen(suitColor(suit));
        QFont font = artFont(QStringLiteral("Liberation Serif"), 19, true);
        if (label.size() > 1)
            font.setStretch(78);
        p.setFont(font);
        p.drawText(QRectF(1, 3, 23, 20), Qt::AlignHCenter | Qt::AlignBaseline | Qt::AlignVCenter, label);
        drawSuit(p, suit, QPointF(12.5, 31), 12);
        p.restore();
    }
}

// Pip centres of the number cards, in card pixels.
std::vector<QPointF> pipLayout(int rank)
{
    const double l = 38, c = 61, r = 84;
    const double top = 30, bottom = 134, mid = 82;
    const double q1 = top + (bottom - top) / 3, q2 = top + 2 * (bottom - top) / 3;
    switch (rank) {
    case 2:
        return {{c, top}, {c, bottom}};
    case 3:
        return {{c, top}, {c, mid}, {c, bottom}};
    case 4:
        return {{l, top}, {r, top}, {l, bottom}, {r, bottom}};
    case 5:
        return {{l, top}, {r, top}, {c, mid}, {l, bottom}, {r, bottom}};
    case 6:
        return {{l, top}, {r, top}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
    case 7:
        return {{l, top}, {r, top}, {c, (top + mid) / 2}, {l, mid}, {r, mid}, {l, bottom}, {r, bottom}};
    case 8:
        return {{l, top},    {r, top},   {c, (top + mid) / 2}, {l, mid}, {r, mid}, {c, (mid + bottom) / 2},
                {l, bottom}, {r, bottom}};
    case 9:
        return {{l, top}, {r, top}, {l, q1}, {r, q1}, {c, mid}, {l, q2}, {r, q2}, {l, bottom}, {r, bottom}};
    default:
        return {{l, top}, {r, top}, {c, (top + q1) / 2},    {l, q1},     {r, q1},
                {l, q2},  {r, q2},  {c, (q2 + bottom) / 2}, {l, bottom}, {r, bottom}};
    }
}

void paintPips(QPainter& p, int suit, int rank)
{
    for (const QPointF& pip : pipLayout(rank))
        drawSuit(p, suit, pip, 23, pip.y() > 83);
}

void paintAce(QPainter& p, int suit)
{
    const QPointF centre(61, 82);
    if (suit != 3) {
        drawSuit(p, suit, centre, 50);
        return;
    }
    // The Ace of spades carries the bonus: an ornate sign in a laurel ring.
    p.save();
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 50, 62);
    p.setPen(QPen(kGold.darker(120), 1.0));
    p.drawEllipse(centre, 47, 59);
    // Laurel leaves around the ring.
    for (int i = 0; i < 28; ++i) {
        const double a = (i + 0.5) * 2 * M_PI / 28;
        const QPointF at(centre.x() + 48.5 * std::sin(a), centre.y() - 60.5 * std::cos(a));
        p.save();
        p.translate(at);
        p.rotate(a * 180 / M_PI + (i % 2 ? 35 : -35));
        p.setPen(Qt::NoPen);
        p.setBrush(i % 2 ? QColor(40, 40, 52) : kGold.darker(115));
        p.drawEllipse(QPointF(0, 0), 1.6, 4.2);
        p.restore();
    }
    QPainterPath spade = suitPath(3);
    p.translate(centre);
    p.scale(70, 70);
    QLinearGradient shine(QPointF(-0.5, -0.5), QPointF(0.5, 0.5));
    shine.setColorAt(0, QColor(70, 70, 88));
    shine.setColorAt(0.5, QColor(18, 18, 26));
    shine.setColorAt(1, QColor(8, 8, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawPath(spade);
    // Inner filigree: a gold outline echoing the sign, and a small rosette.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(kGold, 0.018));
    QTransform inner;
    inner.scale(0.78, 0.78);
    inner.translate(0, -0.04);
    p.drawPath(inner.map(spade));
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int i = 0; i < 8; ++i) {
        const double a = i * M_PI / 4;
        p.drawEllipse(QPointF(0.07 * std::cos(a), 0.02 + 0.07 * std::sin(a)), 0.028, 0.028);
    }
    p.setBrush(kCourtRed);
    p.drawEllipse(QPointF(0, 0.02), 0.035, 0.035);
    p.restore();
    // Maker's ribbon.
    p.save();
    p.setFont(artFont(QStringLiteral("Liberation Serif"), 8, true));
    p.setPen(QColor(40, 40, 52));
    p.drawText(QRectF(21, 133, 80, 12), Qt::AlignCenter, QStringLiteral("TARVELLE"));
    p.restore();
}

// ---- court figures ----

enum class Item { Sword, Sceptre, Flower, Halberd, Axe, Leaf };

struct CourtStyle {
    QColor robe;
    QColor trim;
    QColor accent;
    QColor hair;
    int facing; // +1 looks right, -1 left
    Item item;
};

CourtStyle courtStyle(int suit, int rank)
{
    const bool red = isRedSuit(suit);
    const QColor a = red ? kCourtRed : kCourtBlue;
    const QColor b = red ? kCourtBlue : kCourtRed;
    const int facing = (suit + rank) % 2 ? 1 : -1;
    switch (rank) {
    case 14: {
        const Item items[] = {Item::Sword, Item::Axe, Item::Sword, Item::Sceptre};
        const QColor hair[] = {QColor(236, 236, 230), QColor(150, 100, 50), QColor(90, 70, 60),
                               QColor(210, 200, 190)};
        return {suit % 2 ? a : b, kGold, suit % 2 ? b : a, hair[suit - 1], facing, items[suit - 1]};
    }
    case 13: {
        const Item items[] = {Item::Flower, Item::Flower, Item::Sceptre, Item::Flower};
        const QColor hair[] = {QColor(232, 190, 70), QColor(120, 60, 30), QColor(40, 30, 30),
                               QColor(190, 120, 50)};
        return {suit % 2 ? b : a, kGold, suit % 2 ? a : b, hair[suit - 1], facing, items[suit - 1]};
    }
    default: {
        const Item items[] = {Item::Leaf, Item::Halberd, Item::Halberd, Item::Leaf};
        const QColor hair[] = {QColor(210, 150, 60), QColor(60, 40, 30), QColor(230, 190, 80),
                               QColor(130, 70, 30)};
        return {suit % 2 ? a : b, kGold, suit % 2 ? b : a, hair[suit - 1], facing, items[suit - 1]};
    }
    }
}

// Draws the upper half of a court figure. Origin: the centre line of the card; y grows down to 0.
void paintCourtHalf(QPainter& p, int suit, int rank, const CourtStyle& s)
{
    const int f = s.facing;
    const QPen outline(kOutline, 0.9);
    p.setPen(outline);

    // Item behind the shoulder.
    auto drawItem = [&]() {
        const double x = f * 25;
        switch (s.item) {
        case Item::Sword:
            p.setBrush(QColor(220, 224, 232));
            p.drawPolygon(QPolygonF({QPointF(x - 2, -24), QPointF(x - 2, -60), QPointF(x, -64),
                                     QPointF(x + 2, -60), QPointF(x + 2, -24)}));
            p.setBrush(kGold);
            p.drawRect(QRectF(x - 7, -25, 14, 3));
            p.drawRect(QRectF(x - 1.5, -22, 3, 8));
            break;
        case Item::Sceptre:
            p.setBrush(kGold);
            p.drawRect(QRectF(x - 1.5, -54, 3, 42));
            p.drawEllipse(QPointF(x, -57), 4.5, 4.5);
            p.setBrush(kCourtRed);
            p.drawEllipse(QPointF(x, -57), 2, 2);
            break;
        case Item::Axe:
            p.setBrush(QColor(140, 90, 50));
            p.drawRect(QRectF(x - 1.5, -60, 3, 48));
            p.setBrush(QColor(210, 214, 222));
            p.drawChord(QRectF(x + (f > 0 ? 0 : -14), -62, 14, 16), f > 0 ? -90 * 16 : 90 * 16, 180 * 16);
            break;
        case Item::Halberd:
            p.setBrush(QColor(140, 90, 50));
            p.drawRect(QRectF(x - 1.2, -64, 2.4, 64));
            p.setBrush(QColor(210, 214, 222));
            p.drawPolygon(QPolygonF({QPointF(x, -66), QPointF(x + 3, -58), QPointF(x + f * 8, -56),
                                     QPointF(x + f * 8, -48), QPointF(x, -50), QPointF(x - 3, -58)}));
            break;
        case Item::Flower:
            p.setPen(QPen(QColor(40, 120, 50), 1.6));
            p.drawLine(QPointF(x - f * 2, -14), QPointF(x, -46));
            p.setPen(outline);
            p.setBrush(QColor(60, 150, 70));
            p.drawEllipse(QPointF(x + f * 4, -34), 3.5, 1.8);
            p.setBrush(kCourtRed);
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * M_PI / 5;
                p.drawEllipse(QPointF(x + 3.4 * std::cos(a), -49 + 3.4 * std::sin(a)), 3, 3);
            }
            p.setBrush(kGold);
            p.drawEllipse(QPointF(x, -49), 2.2, 2.2);
            break;
        case Item::Leaf:
            p.setPen(QPen(QColor(40, 110, 50), 1.4));
            p.drawLine(QPointF(x, -14), QPointF(x + f * 3, -58));
            p.setPen(outline);
            p.setBrush(QColor(70, 160, 80));
            for (int i = 0; i < 4; ++i) {
                const double y = -54 + i * 9;
                p.save();
                p.translate(x + f * (3 - i * 0.7), y);
                p.rotate(f * (i % 2 ? 40 : -40));
                p.drawEllipse(QPointF(i % 2 ? 4 : -4, 0), 5, 2.2);
                p.restore();
            }
            break;
        }
    };

    // Hair falling behind (queen) or around (others).
    p.setBrush(s.hair);
    if (rank == 13) {
        QPainterPath hair;
        hair.moveTo(-11, -46);
        hair.cubicTo(-16, -30, -14, -22, -18, -14);
        hair.lineTo(18, -14);
        hair.cubicTo(14, -22, 16, -30, 11, -46);
        hair.closeSubpath();
        p.drawPath(hair);
    }

    // Robe and shoulders.
    QPainterPath robe;
    robe.moveTo(-37, 0);
    robe.lineTo(-36, -18);
    robe.quadTo(-33, -30, -14, -32);
    robe.lineTo(14, -32);
    robe.quadTo(33, -30, 36, -18);
    robe.lineTo(37, 0);
    robe.closeSubpath();
    p.setBrush(s.robe);
    p.drawPath(robe);
    // Sleeve and front panels.
    p.setBrush(s.accent);
    p.drawPath([&] {
        QPainterPath side;
        side.moveTo(-f * 37, 0);
        side.lineTo(-f * 36, -18);
        side.quadTo(-f * 33, -30, -f * 20, -31);
        side.lineTo(-f * 18, 0);
        side.closeSubpath();
        return side;
    }());
    p.setBrush(s.trim);
    p.drawRect(QRectF(-5, -30, 10, 30));
    p.setBrush(s.accent);
    for (int i = 0; i < 4; ++i)
        p.drawPolygon(QPolygonF({QPointF(0, -27 + i * 7), QPointF(3, -24 + i * 7), QPointF(0, -21 + i * 7),
                                 QPointF(-3, -24 + i * 7)}));
    // Ermine dots or stripes on the robe.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(f * 13, -22 + i * 8), 0.9, 1.6);
        p.drawEllipse(QPointF(f * 27, -18 + i * 8), 0.9, 1.6);
    }
    p.setPen(QPen(s.trim, 1.6));
    p.drawLine(QPointF(-f * 19, -30), QPointF(-f * 18, -1));
    p.setPen(outline);

    // Collar.
    p.setBrush(rank == 12 ? QColor(245, 245, 240) : s.trim);
    QPainterPath collar;
    collar.moveTo(-15, -32);
    for (int i = 0; i <= 6; ++i)
        collar.quadTo(-15 + i * 5 - 2.5, -24 + (i % 2) * 2, -15 + i * 5, -32 + (i == 6 ? 0 : 0));
    collar.lineTo(15, -34);
    collar.quadTo(0, -30, -15, -34);
    collar.closeSubpath();
    p.drawPath(collar);

    // Head.
    p.setBrush(kSkin);
    p.drawRect(QRectF(-3, -38, 6, 6)); // neck
    p.drawEllipse(QPointF(f * 0.8, -45), 7.5, 9.5);
    // Hair and beard.
    p.setBrush(s.hair);
    if (rank == 14) {
        QPainterPath beard;
        beard.moveTo(-7.5, -45);
        beard.quadTo(-8, -34, f * 1, -31);
        beard.quadTo(8, -34, 7.5, -45);
        beard.quadTo(f * 1, -38, -7.5, -45);
        p.drawPath(beard);
        p.drawChord(QRectF(-8.5, -56, 17, 12), 0, 180 * 16);
    } else if (rank == 13) {
        p.drawChord(QRectF(-8.5, -56, 17, 14), 0, 180 * 16);
    } else {
        p.drawChord(QRectF(-8.5, -56, 17, 13), 0, 180 * 16);
        p.drawEllipse(QPointF(-f * 7.5, -43), 3, 5);
    }
    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(-2.8 + f * 1.6, -47), 1.0, 1.1);
    p.drawEllipse(QPointF(2.8 + f * 1.6, -47), 1.0, 1.1);
    p.setPen(QPen(QColor(150, 90, 70), 0.8));
    p.drawLine(QPointF(f * 2.2, -46), QPointF(f * 3.2, -42.5));
    if (rank != 14) {
        p.setPen(QPen(QColor(190, 40, 50), 1.1));
        p.drawLine(QPointF(f * 1.6 - 1.6, -40), QPointF(f * 1.6 + 1.6, -40));
    } else {
        p.setPen(QPen(s.hair.darker(130), 1.0));
        p.drawLine(QPointF(f * 1.6 - 3, -41), QPointF(f * 1.6 + 3, -41)); // moustache
    }
    p.setPen(outline);

    // Headwear.
    if (rank == 14) {
        p.setBrush(kGold);
        QPainterPath crown;
        crown.moveTo(-9, -54);
        crown.lineTo(-10, -63);
        crown.lineTo(-5, -58);
        crown.lineTo(0, -65);
        crown.lineTo(5, -58);
        crown.lineTo(10, -63);
        crown.lineTo(9, -54);
        crown.closeSubpath();
        p.drawPath(crown);
        p.setBrush(kCourtRed);
        p.drawEllipse(QPointF(0, -57), 1.4, 1.4);
        p.setBrush(s.accent);
        p.drawEllipse(QPointF(-5, -56), 1.1, 1.1);
        p.drawEllipse(QPointF(5, -56), 1.1, 1.1);
    } else if (rank == 13) {
        p.setBrush(kGold);
        QPainterPath tiara;
        tiara.moveTo(-8, -54);
        tiara.quadTo(-7, -60, -4, -58);
        tiara.quadTo(0, -65, 4, -58);
        tiara.quadTo(7, -60, 8, -54);
        tiara.closeSubpath();
        p.drawPath(tiara);
        p.setBrush(QColor(245, 245, 250));
        p.drawEllipse(QPointF(0, -60), 1.5, 1.5);
    } else {
        p.setBrush(s.accent);
        p.drawChord(QRectF(-11, -62, 22, 12), 0, 180 * 16);
        p.setBrush(s.trim);
        p.drawRect(QRectF(-10, -56.5, 20, 2.5));
        // Feather.
        p.setBrush(QColor(245, 245, 240));
        p.save();
        p.translate(-f * 8, -60);
        p.rotate(-f * 35);
        p.drawEllipse(QPointF(0, -3), 2, 6);
        p.restore();
    }

    drawItem();
    // Hand holding the item.
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(f * 25, -19), 3.2, 3);

    // Suit sign beside the head.
    drawSuit(p, suit, QPointF(-f * 25, -51), 12);
}

void paintCourt(QPainter& p, int suit, int rank)
{
    const QRectF frame(21, 15, 80, 134);
    p.save();
    p.setPen(QPen(suitColor(suit), 1.0));
    p.setBrush(QColor(255, 252, 238));
    p.drawRect(frame);
    const CourtStyle style = courtStyle(suit, rank);
    for (int half = 0; half < 2; ++half) {
        p.save();
        if (half == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setClipRect(
            QRectF(frame.left() + 0.5, frame.top() + 0.5, frame.width() - 1, frame.height() / 2 - 0.5));
        p.translate(61, 82);
        paintCourtHalf(p, suit, rank, style);
        p.restore();
    }
    // Diagonal-free divider: a thin double rule through the middle.
    p.setPen(QPen(suitColor(suit), 0.8));
    p.drawLine(QPointF(frame.left(), 81.5), QPointF(frame.right(), 81.5));
    p.drawLine(QPointF(frame.left(), 83.5), QPointF(frame.right(), 83.5));
    p.restore();
}

void paintJoker(QPainter& p)
{
    // Corner titles.
    p.setFont(artFont(QStringLiteral("Liberation Serif"), 12, true));
    const QString word = QStringLiteral("JOKER");
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setPen(corner == 0 ? kCourtRed : QColor(22, 22, 30));
        for (int i = 0; i < word.size(); ++i)
            p.drawText(QRectF(3, 4 + i * 12, 16, 13), Qt::AlignCenter, word.mid(i, 1));
        drawSuit(p, corner == 0 ? 1 : 3, QPointF(11, 72), 9);
        p.restore();
    }

    const QPen outline(kOutline, 0.9);
    p.save();
    p.translate(64, 0);
    p.setPen(outline);
    // Harlequin body.
    QPainterPath body;
    body.moveTo(-36, 150);
    body.lineTo(-30, 100);
    body.quadTo(-24, 86, -8, 84);
    body.lineTo(8, 84);
    body.quadTo(24, 86, 30, 100);
    body.lineTo(36, 150);
    body.closeSubpath();
    p.save();
    p.setClipPath(body);
    for (int row = 0; row < 8; ++row)
        for (int col = -5; col <= 5; ++col) {
            const double cx = col * 12 + (row % 2) * 6;
            const double cy = 86 + row * 9;
            p.setBrush((row + col) % 3 == 0 ? kCourtRed : ((row + col) % 3 == 1 ? kGold : kCourtBlue));
            p.drawPolygon(QPolygonF(
                {QPointF(cx, cy - 9), QPointF(cx + 6, cy), QPointF(cx, cy + 9), QPointF(cx - 6, cy)}));
        }
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.drawPath(body);
    // Ruff.
    p.setBrush(QColor(248, 248, 244));
    for (int i = 0; i < 9; ++i)
        p.drawEllipse(QPointF(-22 + i * 5.5, 84), 4.2, 3.6);
    // Head.
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(0, 68), 12, 14);
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(-4.5, 65), 1.3, 1.6);
    p.drawEllipse(QPointF(4.5, 65), 1.3, 1.6);
    p.setBrush(QColor(230, 90, 90));
    p.drawEllipse(QPointF(-7, 71), 2.6, 1.8);
    p.drawEllipse(QPointF(7, 71), 2.6, 1.8);
    p.setPen(QPen(QColor(170, 30, 40), 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(-6, 66, 12, 9), 200 * 16, 140 * 16);
    p.setPen(outline);
    // Three-pointed hat with bells.
    const QColor lobes[] = {kCourtRed, kGold, kCourtBlue};
    const QPointF tips[] = {QPointF(-30, 40), QPointF(0, 20), QPointF(30, 40)};
    for (int i = 0; i < 3; ++i) {
        QPainterPath lobe;
        lobe.moveTo(-12 + i * 8, 58);
        lobe.quadTo((-12 + i * 8 + tips[i].x()) / 2 - 4, 36, tips[i].x(), tips[i].y());
        lobe.quadTo((-4 + i * 8 + tips[i].x()) / 2 + 4, 44, -4 + i * 8 + 8, 58);
        lobe.closeSubpath();
        p.setBrush(lobes[i]);
        p.drawPath(lobe);
    }
    p.setBrush(kGold);
    p.drawRect(QRectF(-13, 55, 26, 5));
    for (const QPointF& tip : tips)
        p.drawEllipse(tip, 3.5, 3.5);
    // Marotte held up at the side.
    p.setBrush(QColor(140, 90, 50));
    p.drawRect(QRectF(-38, 60, 3, 60));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(-36.5, 56), 5, 5.5);
    p.setBrush(kCourtBlue);
    p.drawPie(QRectF(-43, 46, 13, 12), 0, 180 * 16);
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(-32, 112), 4, 3.5);
    p.restore();
}

} // namespace

QImage paintCard(int index)
{
    QImage image = blank(kCardWidth, kCardHeight);
    QPainter p(&image);
    paintBlankCard(p);
    if (index == 52) {
        paintJoker(p);
    } else {
        const int suit = index / 13 + 1;
        const int rank = index % 13 + 2;
        paintIndex(p, suit, rank);
        if (rank <= 10)
            paintPips(p, suit, rank);
        else if (rank == 11)
            paintAce(p, suit);
        else
            paintCourt(p, suit, rank);
    }
    p.end();
    return to24(image);
}

} // namespace tarvelle::art
