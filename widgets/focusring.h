#pragma once

#include <QColor>
#include <QRect>
#include <QWidget>

namespace tarvelle {

// The keyboard's place on a screen of painted controls: a thin rounded ring drawn over the
// screen round the control that has the focus. It paints only the ring and lets the mouse
// through, so the screen looks as before wherever it is not shown.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    explicit FocusRing(QWidget* parent);
    // Rings area (in the parent's coordinates), margin pixels out, in colour, and shows the
    // ring on top.
    void ring(const QRect& area, const QColor& colour, int margin = 3);
    QColor colour() const { return m_colour; }

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    QColor m_colour;
};

} // namespace tarvelle
