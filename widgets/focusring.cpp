#include "widgets/focusring.h"

#include <QPainter>

namespace tarvelle {

namespace {

constexpr int kWidth = 2;

} // namespace

FocusRing::FocusRing(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("focusRing"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusRing::ring(const QRect& area, const QColor& colour, int margin)
{
    m_colour = colour;
    const int out = margin + kWidth;
    setGeometry(area.adjusted(-out, -out, out, out));
    show();
    raise();
    update();
}

void FocusRing::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(m_colour, kWidth);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    const qreal half = kWidth / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), 5, 5);
}

} // namespace tarvelle
