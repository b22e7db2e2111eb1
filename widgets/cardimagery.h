#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>

#include "engine/cards.h"

namespace tarvelle {

class TImage;

// The card pictures, the digit strip and the lamps, and the operations that paint
// them on the table's image controls.
class CardImagery {
public:
    static constexpr int RecordSize = 60406;
    static constexpr int RecordCount = 54;
    static constexpr int CardWidth = 122;
    static constexpr int CardHeight = 164;
    static constexpr int BackIndex = 53;
    static constexpr int DigitWidth = 130;
    static constexpr int DigitHeight = 17;
    static constexpr int DigitCell = 13;
    static constexpr int DigitColumnBytes = DigitHeight * 3; // 51

    enum LampKind { LampOff, LampHeld, LampWin, LampDouble };

    CardImagery();

    // Reads appDir + "poker2.dat" (appDir ends with a separator). On any fault
    // returns false with a message naming the file and the fault, and keeps nothing.
    bool LoadCardImages(const QString& appDir, QString* error = nullptr);
    // The same operation on a scrambled record (position 1 is the first byte).
    static QByteArray unscramble(QByteArray record);
    // n = 0: the default back from the card file; else appDir + "deck<n>.bmp".
    // On failure the back in use stays.
    bool LoadCardBack(int n, QString* error = nullptr);
    // Bytes a back file's header needs for checkBackHeader (the largest bitmap header).
    static constexpr int BackHeaderBytes = 14 + 124;
    // Checks a back file's header against a 122 x 164 uncompressed picture before anything
    // is decoded; returns the bytes the picture occupies, or 0 with the reason.
    static qint64 checkBackHeader(const QByteArray& head, qint64 fileSize, QString* why = nullptr);
    bool loaded() const { return m_loaded; }
    QString appDir() const { return m_appDir; }

    // Picture 0..53; anything else gives a null image.
    const QImage& cardImage(int index) const;
    // Its double-size version for high-DPI screens, or null (not wanted, or not the built-in art).
    // Decoded when asked for: only five cards lie on the table at a time.
    QImage cardHires(int index) const;
    // Replace one picture (tests); it has no double-size version.
    void setCardImage(int index, const QImage& img);
    // Diamonds in blue and clubs in green instead of red and black. Only faces that are exactly
    // the built-in classic art change: a card file of the player's own keeps its own faces.
    void setFourColours(bool on);
    bool fourColours() const { return m_fourColours; }

    // Card pictures on the five card controls (arrays indexed from 1, element 0 unused).
    void ShowCard(TImage* img, int suit, int rank) const;
    void ShowBacks(TImage* const imgs[6], const Hand& hand) const;

    // Lamps.
    void loadLamps(); // from ":/img/led*.png"
    void setLampImages(const QImage& off, const QImage& held, const QImage& win, const QImage& dbl);
    const QImage& lampImage(LampKind k) const { return m_lamps[size_t(k)]; }
    void paintLamp(TImage* lamp, LampKind kind) const;
    void stheld(TImage* const lamps[6]) const; // all five hold lamps off (ledstins, the unlit lamp)
    void ShowHoldLamps(TImage* const lamps[6], const Hand& hand) const;
    void ShowWinLamps(TImage* const lamps[6], const Hand& hand) const;

    // Digit displays.
    bool loadDigitStrip(); // from ":/img/zece.png"
    void setDigitStrip(const QImage& zece); // zece ("ten"): the strip of the ten digits
    const QByteArray& digitGlyphs() const { return m_digitGlyphs; }
    // The digit strip at twice the size (260 x 34), for the displays' high-DPI pictures.
    void setDigitStripHires(const QImage& zece2x);
    // nr ("number"): draws a non-negative amount right-aligned on a 130 x 17 display; shade
    // brightens (or darkens) the ink. A negative amount leaves the display alone.
    void nr(int32_t value, TImage* display, int shade);
    const QImage& numberBitmap() const { return m_numberBitmap; }
    const QImage& numberHires() const { return m_numberHires; }

private:
    void paintNumberHires(int32_t value, int shade);

    void applyFaces();

    std::array<QImage, RecordCount> m_cards;
    std::array<QImage, RecordCount> m_fileCards; // as the card file (or setCardImage) gave them
    bool m_fourColours = false;
    // Built-in double-size picture of each card, where the card is exactly the built-in art.
    std::array<QString, RecordCount> m_hiresNames;
    QImage m_defaultBack;
    QString m_defaultBackHires;
    QString m_appDir;
    bool m_loaded = false;
    std::array<QImage, 4> m_lamps;
    std::array<QImage, 4> m_lampsHires;
    QByteArray m_digitGlyphs;
    QImage m_numberBitmap;
    QImage m_digitStripHires;
    QImage m_numberHires;
};

} // namespace tarvelle
