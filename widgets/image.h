#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

namespace tarvelle {

// An image control: paints its own 24-bit picture. Everything drawn on it goes onto
// that picture, so what it shows survives any repaint.
class TImage : public QWidget {
    Q_OBJECT
public:
    explicit TImage(QWidget* parent = nullptr);

    // The control's picture; an unpainted control gets one of its own size, black
    // (drawImage on a control with no size yet makes it as big as the drawing).
    QImage& canvas();
    bool hasPicture() const { return !m_canvas.isNull(); }
    // Replaces the picture with a 24-bit copy of img and repaints.
    void setPicture(const QImage& img);
    // Copies img opaque onto the picture at (x, y) and repaints.
    void drawImage(int x, int y, const QImage& img);
    // Call after changing canvas() directly.
    void changed() { update(); }

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
    QImage m_canvas;
    bool m_stretch = false;
};

} // namespace tarvelle
