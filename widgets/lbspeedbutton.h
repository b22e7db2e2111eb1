#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

namespace tarvelle {

// The round picture button: shows one cell of its glyph strip (0 idle, 1 hover,
// 2 pressed, 3 disabled) and reacts only to presses inside a circle centred in it.
class TLbSpeedButton : public QWidget {
    Q_OBJECT
public:
    enum Layout { blGlyphLeft, blGlyphRight, blcenter };
    enum Alignment { taLeftJustify, taRightJustify, taCenter };

    explicit TLbSpeedButton(QWidget* parent = nullptr);

    // hires: the same strip at twice the size, painted on high-DPI screens.
    void setGlyph(const QImage& strip, const QImage& hires = QImage());
    const QImage& glyph() const { return m_glyph; }
    void setNumGlyphs(int n);
    int numGlyphs() const { return m_numGlyphs; }

    void setDown(bool down);
    bool down() const { return m_down; }
    void setGroupIndex(int index);
    int groupIndex() const { return m_groupIndex; }
    void setAllowAllUp(bool on);
    bool allowAllUp() const { return m_allowAllUp; }

    void setFlat(bool on);
    bool flat() const { return m_flat; }
    void setTransparent(bool on);
    bool transparent() const { return m_transparent; }
    void setLayout(Layout l);
    Layout layout() const { return m_layout; }
    void setAlignment(Alignment a);
    Alignment alignment() const { return m_alignment; }
    void setCaption(const QString& c);
    QString caption() const { return m_caption; }
    void setColor(const QColor& c);
    QColor color() const { return m_color; }
    void setLightColor(const QColor& c);
    void setShadowColor(const QColor& c);

    // Whether (x, y) lies on the button of a w x h control.
    static bool insideHitCircle(int w, int h, int x, int y);

    // The strip cell the button shows in its present state.
    int currentCell() const;
    bool mouseInside() const { return m_mouseInside; }
    // Number of paints so far, to check that nothing repaints needlessly.
    int paintCount() const { return m_paintCount; }
    // Left edge of the glyph within the control.
    int glyphX() const;

signals:
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);
    void mouseEnter();
    void mouseExit();
    void clicked();

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void refresh();

    QImage m_glyph;
    QImage m_glyphHires;
    int m_numGlyphs = 0;
    bool m_down = false;
    int m_groupIndex = 0;
    bool m_allowAllUp = false;
    bool m_flat = false;
    bool m_transparent = false;
    Layout m_layout = blGlyphLeft;
    Alignment m_alignment = taLeftJustify;
    QString m_caption;
    QColor m_color;
    QColor m_lightColor = Qt::white;
    QColor m_shadowColor = Qt::black;
    bool m_mouseInside = false;
    bool m_paintedInside = false;
    bool m_paintedDown = false;
    bool m_pressedLeft = false;
    int m_paintCount = 0;
};

} // namespace tarvelle
