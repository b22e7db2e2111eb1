// Picture makers of the art generator. Every function paints from scratch, deterministically.
#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>

#include <utility>
#include <vector>

namespace tarvelle::art {

// House palette.
inline const QColor kTableDark(15, 53, 66);
inline const QColor kTableLight(18, 70, 82);
inline const QColor kInk(89, 154, 158);
inline const QColor kInkLight(105, 170, 174);
inline const QColor kInkEdge(50, 114, 117);
inline const QColor kPanel(11, 43, 58);
inline const QColor kCopper(196, 120, 64);
inline const QColor kCopperLight(236, 178, 112);
inline const QColor kCopperDark(112, 58, 28);
inline const QColor kWell(8, 30, 38);

constexpr int kCardWidth = 122;
constexpr int kCardHeight = 164;

// A named picture, in the order the contact sheet shows them.
using Picture = std::pair<QString, QImage>;

// The suits' colours on the card faces: red and black, or four colours (hearts red, diamonds
// blue, spades black, clubs green) for players who tell red suits apart with difficulty.
enum class Faces { Classic, FourColours };

// Suit signs in a unit box centred on (0, 0), about 1 wide and 1 high. Suit 1..4.
QPainterPath suitPath(int suit);
bool isRedSuit(int suit);
QColor suitColor(int suit, Faces faces = Faces::Classic);
void drawSuit(QPainter& p, int suit, QPointF centre, double size, bool upsideDown = false,
              Faces faces = Faces::Classic);

// Card faces by index 0..52 (engine/cards.h), 52 the Joker.
QImage paintCard(int index, Faces faces = Faces::Classic);
// The faces whose colour differs between the two sets: diamonds and clubs.
constexpr bool recolouredInFourColours(int index)
{
    return index < 52 && (index / 13 == 1 || index / 13 == 3);
}
// Card backs: 0 is the default back, 1..3 the extra decks. Painted at any size.
QImage paintBack(int deck, int width = kCardWidth, int height = kCardHeight);

// The main table.
QImage paintBackdrop();
// The table and the splash carry words: English, or "de", "fr", "es".
QImage paintTable(const QString& language = QStringLiteral("en"));
QImage paintSplash(const QString& language = QStringLiteral("en"));
std::vector<Picture> paintEmblems();
std::vector<Picture> paintButtons(const QImage& table);
std::vector<Picture> paintLamps(const QImage& table);
QImage paintDigits();

// The Extra screen and the desktop icon.
std::vector<Picture> paintExtraPictures();
QImage paintIcon();
// The icon at a theme size (the small sizes are simplified), and the same design as SVG.
QImage paintIconAt(int size);
QByteArray iconSvg();

// Device pixels per picture pixel for everything painted while one is alive: 2 paints the
// high-DPI versions of the same pictures, from the same drawing code.
class ArtScale {
public:
    explicit ArtScale(int scale);
    ~ArtScale();
    ArtScale(const ArtScale&) = delete;
    ArtScale& operator=(const ArtScale&) = delete;
    static int current();

private:
    int m_previous;
};

// Shared drawing helpers. Sizes and places are in picture pixels; blank() and crop() give
// pictures whose device pixel ratio is the current scale, so painters draw on them unchanged.
QImage blank(int width, int height, const QColor& fill = Qt::black);
QImage crop(const QImage& image, int x, int y, int width, int height);
QImage to24(const QImage& image);
QFont artFont(const QString& family, double pixelSize, bool bold);
void loadFonts();
QLinearGradient copperGradient(QPointF from, QPointF to);

// Labelled overview of every picture.
QImage contactSheet(const std::vector<Picture>& pictures);

} // namespace tarvelle::art
