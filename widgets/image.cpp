#include "widgets/image.h"

#include <QMouseEvent>
#include <QPainter>

namespace tarvelle {

TImage::TImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage& TImage::canvas()
{
    if (m_canvas.isNull()) {
        m_canvas = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_BGR888);
        m_canvas.fill(Qt::black);
    }
    return m_canvas;
}

void TImage::setPicture(const QImage& img)
{
    if (img.format() == QImage::Format_BGR888 || img.format() == QImage::Format_RGB888)
        m_canvas = img.copy();
    else
        m_canvas = img.convertToFormat(QImage::Format_BGR888);
    update();
}

void TImage::drawImage(int x, int y, const QImage& img)
{
    // A control not laid out yet gets a picture big enough for what is drawn on it.
    if (m_canvas.isNull() && size().isEmpty()) {
        m_canvas =
            QImage(QSize(x + img.width(), y + img.height()).expandedTo(QSize(1, 1)), QImage::Format_BGR888);
        m_canvas.fill(Qt::black);
    }
    QImage& c = canvas();
    QPainter p(&c);
    // Opaque: every pixel is copied as it is, alpha ignored.
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(x, y, img.hasAlphaChannel() ? img.convertToFormat(QImage::Format_RGB32) : img);
    p.end();
    update();
}

void TImage::setStretch(bool on)
{
    if (m_stretch == on)
        return;
    m_stretch = on;
    update();
}

QSize TImage::sizeHint() const
{
    return m_canvas.isNull() ? QWidget::sizeHint() : m_canvas.size();
}

void TImage::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const QImage& c = canvas();
    if (m_stretch) {
        p.drawImage(rect(), c);
        return;
    }
    p.drawImage(0, 0, c);
    // Whatever the picture does not cover stays black rather than showing garbage.
    if (c.width() < width())
        p.fillRect(c.width(), 0, width() - c.width(), height(), Qt::black);
    if (c.height() < height())
        p.fillRect(0, c.height(), qMin(width(), c.width()), height() - c.height(), Qt::black);
}

void TImage::mousePressEvent(QMouseEvent* e)
{
    emit mouseDown(e->button(), e->position().toPoint());
}

void TImage::mouseReleaseEvent(QMouseEvent* e)
{
    emit mouseUp(e->button(), e->position().toPoint());
}

void TImage::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->position().toPoint());
}

} // namespace tarvelle
