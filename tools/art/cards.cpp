// Card faces: pips, Aces, court figures and the Joker.
#include "tools/art/art.h"

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

void paintIndex(QPainter& p, int suit, int rank, Faces faces)
{
    const QString label = rankLabel(rank);
    for (int corner = 0; corner < 2; ++corner) {
        p.save();
        if (corner == 1) {
            p.translate(kCardWidth, kCardHeight);
            p.rotate(180);
        }
        p.setPen(suitColor(suit, faces));
        QFont font = artFont(QStringLiteral("Liberation Serif"), 19, true);
        if (label.size() > 1)
            font.setStretch(78);
        p.setFont(font);
        p.drawText(QRectF(1, 3, 23, 20), Qt::AlignHCenter | Qt::AlignBaseline | Qt::AlignVCenter, label);
        drawSuit(p, suit, QPointF(12.5, 31), 12, false, faces);
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

void paintPips(QPainter& p, int suit, int rank, Faces faces)
{
    for (const QPointF& pip : pipLayout(rank))
        drawSuit(p, suit, pip, 23, pip.y() > 83, faces);
}

void paintAce(QPainter& p, int suit, Faces faces)
{
    const QPointF centre(61, 82);
    if (suit != 3) {
        drawSuit(p, suit, centre, 50, false, faces);
        return;
    }
    // The Ace of spades carries the bonus: an ornate sign in a laurel ring.
    p.save();
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, 46, 55);
    p.setPen(QPen(kGold.darker(120), 1.0));
    p.drawEllipse(centre, 43, 52);
    // Laurel leaves around the ring.
    for (int i = 0; i < 28; ++i) {
        const double a = (i + 0.5) * 2 * M_PI / 28;
        const QPointF at(centre.x() + 44.5 * std::sin(a), centre.y() - 53.5 * std::cos(a));
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
    p.scale(66, 66);
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
    p.drawText(QRectF(21, 139, 80, 12), Qt::AlignCenter, QStringLiteral("TARVELLE"));
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
void paintCourtHalf(QPainter& p, int suit, int rank, const CourtStyle& s, Faces faces)
{
    const int f = s.facing;
    const QPen outline(kOutline, 0.9);
    const double ix = f * 23; // the hand holding the item
    p.setPen(outline);

    auto drawItem = [&]() {
        const double x = ix;
        switch (s.item) {
        case Item::Sword:
            p.setBrush(QColor(220, 224, 232));
            p.drawPolygon(QPolygonF({QPointF(x - 2, -20), QPointF(x - 2, -58), QPointF(x, -62),
                                     QPointF(x + 2, -58), QPointF(x + 2, -20)}));
            p.setPen(QPen(QColor(150, 156, 170), 0.6));
            p.drawLine(QPointF(x, -22), QPointF(x, -57));
            p.setPen(outline);
            p.setBrush(kGold);
            p.drawRect(QRectF(x - 7, -21, 14, 3));
            p.drawRect(QRectF(x - 1.5, -18, 3, 7));
            p.drawEllipse(QPointF(x, -10), 2, 2);
            break;
        case Item::Sceptre:
            p.setBrush(kGold);
            p.drawRect(QRectF(x - 1.5, -52, 3, 44));
            p.drawEllipse(QPointF(x, -55), 4.5, 4.5);
            p.drawRect(QRectF(x - 0.8, -63, 1.6, 5));
            p.drawRect(QRectF(x - 2.5, -61.5, 5, 1.6));
            p.setBrush(kCourtRed);
            p.drawEllipse(QPointF(x, -55), 2, 2);
            break;
        case Item::Axe:
            p.setBrush(QColor(140, 90, 50));
            p.drawRect(QRectF(x - 1.5, -60, 3, 52));
            p.setBrush(QColor(210, 214, 222));
            p.drawChord(QRectF(x + (f > 0 ? -13 : -1), -62, 14, 16), f > 0 ? 90 * 16 : -90 * 16, 180 * 16);
            break;
        case Item::Halberd:
            p.setBrush(QColor(140, 90, 50));
            p.drawRect(QRectF(x - 1.2, -60, 2.4, 60));
            p.setBrush(QColor(210, 214, 222));
            p.drawPolygon(QPolygonF({QPointF(x, -66), QPointF(x + 2.5, -58), QPointF(x - f * 7, -56),
                                     QPointF(x - f * 7, -48), QPointF(x, -50), QPointF(x - 2.5, -58)}));
            break;
        case Item::Flower:
            p.setPen(QPen(QColor(40, 120, 50), 1.6));
            p.drawLine(QPointF(x, -10), QPointF(x, -44));
            p.setPen(outline);
            p.setBrush(QColor(60, 150, 70));
            p.drawEllipse(QPointF(x - f * 4, -30), 3.5, 1.8);
            p.drawEllipse(QPointF(x + f * 4, -36), 3.5, 1.8);
            p.setBrush(kCourtRed);
            for (int i = 0; i < 5; ++i) {
                const double a = i * 2 * M_PI / 5 - M_PI / 2;
                p.drawEllipse(QPointF(x + 3.4 * std::cos(a), -48 + 3.4 * std::sin(a)), 3, 3);
            }
            p.setBrush(kGold);
            p.drawEllipse(QPointF(x, -48), 2.2, 2.2);
            break;
        case Item::Leaf:
            p.setPen(QPen(QColor(40, 110, 50), 1.4));
            p.drawLine(QPointF(x, -10), QPointF(x - f * 2, -58));
            p.setPen(outline);
            p.setBrush(QColor(70, 160, 80));
            for (int i = 0; i < 4; ++i) {
                const double y = -54 + i * 9;
                p.save();
                p.translate(x - f * (2 - i * 0.5), y);
                p.rotate(f * (i % 2 ? 40 : -40));
                p.drawEllipse(QPointF(i % 2 ? 4 : -4, 0), 5, 2.2);
                p.restore();
            }
            break;
        }
    };

    // Long hair falls behind the queen's shoulders.
    if (rank == 13) {
        p.setBrush(s.hair);
        QPainterPath hair;
        hair.moveTo(-10, -44);
        hair.cubicTo(-15, -34, -13, -26, -17, -18);
        hair.lineTo(17, -18);
        hair.cubicTo(13, -26, 15, -34, 10, -44);
        hair.closeSubpath();
        p.drawPath(hair);
    }

    // Robe with sloping shoulders.
    QPainterPath robe;
    robe.moveTo(-36, 0);
    robe.lineTo(-35, -10);
    robe.cubicTo(-34, -20, -26, -25, -11, -26);
    robe.lineTo(11, -26);
    robe.cubicTo(26, -25, 34, -20, 35, -10);
    robe.lineTo(36, 0);
    robe.closeSubpath();
    p.setBrush(s.robe);
    p.drawPath(robe);
    // The far sleeve in the second colour, edged with gold.
    QPainterPath sleeve;
    sleeve.moveTo(-f * 36, 0);
    sleeve.lineTo(-f * 35, -10);
    sleeve.cubicTo(-f * 34, -20, -f * 28, -24, -f * 19, -25.5);
    sleeve.lineTo(-f * 16, 0);
    sleeve.closeSubpath();
    p.setBrush(s.accent);
    p.drawPath(sleeve);
    p.setPen(QPen(s.trim, 1.6));
    p.drawLine(QPointF(-f * 18, -25), QPointF(-f * 16, -1));
    // Patterned hem of the far sleeve.
    p.setPen(Qt::NoPen);
    p.setBrush(s.trim);
    for (int i = 0; i < 4; ++i)
        p.drawEllipse(QPointF(-f * (21 + i * 4), -4), 1.3, 1.3);
    p.setPen(outline);
    // Front band with lozenges.
    p.setBrush(s.trim);
    p.drawRect(QRectF(-5, -25, 10, 25));
    p.setBrush(s.accent);
    for (int i = 0; i < 4; ++i)
        p.drawPolygon(QPolygonF({QPointF(0, -23 + i * 6), QPointF(3, -20 + i * 6), QPointF(0, -17 + i * 6),
                                 QPointF(-3, -20 + i * 6)}));
    // Ermine tails on the near side.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    for (int i = 0; i < 3; ++i) {
        p.drawEllipse(QPointF(f * 11, -19 + i * 7), 0.9, 1.6);
        p.drawEllipse(QPointF(f * 29, -15 + i * 7), 0.9, 1.6);
    }
    p.setPen(outline);

    // Collar and chest, one kind per rank: the king's ermine cape, the queen's pearls, the jack's ruff
    // and sash.
    if (rank == 14) {
        p.setBrush(QColor(248, 248, 244));
        QPainterPath cape;
        cape.moveTo(-20, -26);
        cape.quadTo(0, -14, 20, -26);
        cape.quadTo(0, -30, -20, -26);
        cape.closeSubpath();
        p.drawPath(cape);
        p.setPen(Qt::NoPen);
        p.setBrush(kOutline);
        for (int i = -3; i <= 3; ++i)
            p.drawEllipse(QPointF(i * 5, -24 + std::abs(i) * -0.6 + (i % 2 ? 1.5 : 0)), 0.8, 1.4);
        p.setPen(outline);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(0, -17), 3, 3); // chain medallion
    } else if (rank == 13) {
        p.setBrush(kSkin);
        QPainterPath neckline;
        neckline.moveTo(-11, -26);
        neckline.quadTo(0, -16, 11, -26);
        neckline.closeSubpath();
        p.drawPath(neckline);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 250, 255));
        for (int i = -4; i <= 4; ++i)
            p.drawEllipse(QPointF(i * 2.2, -23.2 + (16 - i * i) * 0.22), 0.95, 0.95);
        p.setPen(outline);
    } else {
        p.setBrush(QColor(246, 246, 240));
        for (int i = -3; i <= 3; ++i)
            p.drawEllipse(QPointF(i * 4, -26), 2.6, 2.2);
        p.setPen(QPen(s.trim, 3));
        p.drawLine(QPointF(-f * 16, -24), QPointF(f * 14, -2));
        p.setPen(outline);
    }

    // Head.
    const double hx = f * 0.8;
    p.setBrush(kSkin);
    p.drawRect(QRectF(-3, -31, 6, 5)); // neck
    p.drawEllipse(QPointF(hx, -40), 9, 11);
    p.setBrush(s.hair);
    if (rank == 14) {
        QPainterPath beard;
        beard.moveTo(-9, -40);
        beard.cubicTo(-10, -30, -4, -26, hx, -25);
        beard.cubicTo(4, -26, 10, -30, 9, -40);
        beard.cubicTo(6, -35, hx, -34, -9, -40);
        p.drawPath(beard);
        p.drawChord(QRectF(-10, -52, 20, 14), 0, 180 * 16);
    } else if (rank == 13) {
        p.drawChord(QRectF(-10, -52, 20, 16), 0, 180 * 16);
    } else {
        p.drawChord(QRectF(-10, -52, 20, 15), 0, 180 * 16);
        p.drawEllipse(QPointF(-f * 9, -38), 3.2, 5.5);
    }
    // Face.
    p.setPen(Qt::NoPen);
    p.setBrush(kOutline);
    p.drawEllipse(QPointF(-3.3 + f * 1.8, -41.5), 1.2, 1.3);
    p.drawEllipse(QPointF(3.3 + f * 1.8, -41.5), 1.2, 1.3);
    p.setPen(QPen(rank == 14 ? s.hair.darker(150) : QColor(90, 60, 40), 0.8));
    p.drawLine(QPointF(-5.3 + f * 1.8, -44), QPointF(-1.6 + f * 1.8, -44.4));
    p.drawLine(QPointF(1.6 + f * 1.8, -44.4), QPointF(5.3 + f * 1.8, -44));
    p.setPen(QPen(QColor(170, 110, 90), 0.8));
    p.drawLine(QPointF(f * 2.4, -40.5), QPointF(f * 3.6, -36.5));
    p.drawLine(QPointF(f * 3.6, -36.5), QPointF(f * 1.8, -36.2));
    if (rank == 14) {
        p.setPen(QPen(s.hair.darker(140), 1.4));
        p.drawLine(QPointF(f * 1.8 - 4, -34), QPointF(f * 1.8 + 4, -34)); // moustache
    } else {
        p.setPen(QPen(QColor(190, 40, 50), 1.2));
        p.drawLine(QPointF(f * 1.8 - 2, -33.5), QPointF(f * 1.8 + 2, -33.5));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(240, 150, 140, 140));
        p.drawEllipse(QPointF(-5 + f * 1.8, -37), 1.8, 1.2);
        p.drawEllipse(QPointF(5 + f * 1.8, -37), 1.8, 1.2);
    }
    p.setPen(outline);

    // Headwear.
    if (rank == 14) {
        p.setBrush(kGold);
        QPainterPath crown;
        crown.moveTo(-10, -48);
        crown.lineTo(-11, -60);
        crown.lineTo(-5.5, -54);
        crown.lineTo(0, -63);
        crown.lineTo(5.5, -54);
        crown.lineTo(11, -60);
        crown.lineTo(10, -48);
        crown.closeSubpath();
        p.drawPath(crown);
        p.drawEllipse(QPointF(-11, -61), 1.3, 1.3);
        p.drawEllipse(QPointF(0, -64), 1.3, 1.3);
        p.drawEllipse(QPointF(11, -61), 1.3, 1.3);
        p.setBrush(kCourtRed);
        p.drawEllipse(QPointF(0, -52), 1.6, 1.6);
        p.setBrush(s.accent);
        p.drawEllipse(QPointF(-6, -51), 1.2, 1.2);
        p.drawEllipse(QPointF(6, -51), 1.2, 1.2);
    } else if (rank == 13) {
        p.setBrush(kGold);
        QPainterPath tiara;
        tiara.moveTo(-9, -49);
        tiara.quadTo(-8, -56, -4.5, -54);
        tiara.quadTo(0, -63, 4.5, -54);
        tiara.quadTo(8, -56, 9, -49);
        tiara.closeSubpath();
        p.drawPath(tiara);
        p.setBrush(QColor(245, 245, 250));
        p.drawEllipse(QPointF(0, -57), 1.7, 1.7);
        p.setBrush(kCourtRed);
        p.drawEllipse(QPointF(-5, -52), 1.1, 1.1);
        p.drawEllipse(QPointF(5, -52), 1.1, 1.1);
    } else {
        p.setBrush(s.accent);
        p.drawChord(QRectF(-12, -58, 24, 14), 0, 180 * 16);
        p.setBrush(s.trim);
        p.drawRect(QRectF(-11, -52, 22, 3));
        // Feather.
        p.setBrush(QColor(245, 245, 240));
        p.save();
        p.translate(-f * 8, -56);
        p.rotate(-f * 35);
        p.drawEllipse(QPointF(0, -4), 2.2, 6.5);
        p.restore();
    }

    drawItem();
    // Hand holding the item.
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(ix, -15), 3.4, 3.1);

    // Suit sign beside the head.
    drawSuit(p, suit, QPointF(-f * 24, -50), 12, false, faces);
}

void paintCourt(QPainter& p, int suit, int rank, Faces faces)
{
    const QRectF frame(21, 15, 80, 134);
    p.save();
    p.setPen(QPen(suitColor(suit, faces), 1.0));
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
        paintCourtHalf(p, suit, rank, style, faces);
        p.restore();
    }
    // Diagonal-free divider: a thin double rule through the middle.
    p.setPen(QPen(suitColor(suit, faces), 0.8));
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

QImage paintCard(int index, Faces faces)
{
    QImage image = blank(kCardWidth, kCardHeight);
    QPainter p(&image);
    paintBlankCard(p);
    if (index == 52) {
        paintJoker(p);
    } else {
        const int suit = index / 13 + 1;
        const int rank = index % 13 + 2;
        paintIndex(p, suit, rank, faces);
        if (rank <= 10)
            paintPips(p, suit, rank, faces);
        else if (rank == 11)
            paintAce(p, suit, faces);
        else
            paintCourt(p, suit, rank, faces);
    }
    p.end();
    return to24(image);
}

} // namespace tarvelle::art
