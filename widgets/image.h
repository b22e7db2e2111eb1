#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace tarvelle {

// An image control: paints its own 24-bit picture. Everything drawn on it goes onto
// that picture, so what it shows survives any repaint.
//
// On a high-DPI screen it also keeps a picture at twice the size, fed from the double-size
// art where there is one, and paints that one instead; the 1x picture stays what the game
// reads and compares.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The control's picture; an unpainted control gets one of its own size, black
    // (drawImage on a control with no size yet makes it as big as the drawing).
    QImage& canvas();
    bool hasPicture() const { return !m_canvas.isNull(); }
    // Replaces the picture with a 24-bit copy of img and repaints. hires, when given, is the
    // same picture at twice the size.
    void setPicture(const QImage& img, const QImage& hires = QImage());
    // Takes area of another control's picture (all of it when area is empty), both sizes.
    void setPictureFrom(const TImage& other, const QRect& area = QRect());
    // Copies img opaque onto the picture at (x, y) and repaints; hires as for setPicture.
    void drawImage(int x, int y, const QImage& img, const QImage& hires = QImage());
    // Call after changing canvas() directly: the double-size picture no longer matches.
    void changed()
    {
        m_hires = QImage();
        update();
    }
    // The double-size picture (device pixel ratio 2), or null where there is none.
    const QImage& hires() const { return m_hires; }

    // Stretch the picture over the whole control instead of drawing it at (0, 0).
    void setStretch(bool on);
    bool stretch() const { return m_stretch; }

    QSize sizeHint() const override;

signals:
    void mouseDown(Qt::MouseButton button, QPoint pos);
    void mouseUp(Qt::MouseButton button, QPoint pos);
    void mouseMoved(QPoint pos);

protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void ensureHires();

    QImage m_canvas;
    QImage m_hires;
    bool m_stretch = false;
};

} // namespace tarvelle
