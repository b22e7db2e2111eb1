#include "widgets/image.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstring>

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

namespace {

// The double-size art only counts when it is exactly twice the 1x picture.
bool isHiresOf(const QImage& hires, const QImage& img)
{
    return !hires.isNull() && hires.size() == img.size() * 2;
}

// Copies src's pixels into dst at (x, y), clipped, both 32-bit: no painter, so no resampling.
void blit(QImage& dst, int x, int y, const QImage& src)
{
    const QRect area = QRect(x, y, src.width(), src.height()) & dst.rect();
    for (int row = area.top(); row <= area.bottom(); ++row)
        std::memcpy(dst.scanLine(row) + area.left() * 4, src.constScanLine(row - y) + (area.left() - x) * 4,
                    size_t(area.width()) * 4);
}

QImage hiresCopy(const QImage& hires)
{
    QImage out = hires.convertToFormat(QImage::Format_RGB32);
    out.setDevicePixelRatio(2);
    return out;
}

} // namespace

void TImage::setPicture(const QImage& img, const QImage& hires)
{
    if (img.format() == QImage::Format_BGR888 || img.format() == QImage::Format_RGB888)
        m_canvas = img.copy();
    else
        m_canvas = img.convertToFormat(QImage::Format_BGR888);
    m_canvas.setDevicePixelRatio(1);
    m_hires = isHiresOf(hires, m_canvas) ? hiresCopy(hires) : QImage();
    update();
}

void TImage::setPictureFrom(const TImage& other, const QRect& area)
{
    if (other.m_canvas.isNull())
        return;
    const QRect r = area.isEmpty() ? other.m_canvas.rect() : area & other.m_canvas.rect();
    const QImage hires =
        other.m_hires.isNull() ? QImage() : other.m_hires.copy(QRect(r.topLeft() * 2, r.size() * 2));
    setPicture(other.m_canvas.copy(r), hires);
}

void TImage::ensureHires()
{
    if (!m_hires.isNull())
        return;
    // Whatever was drawn before the first double-size picture arrived, enlarged pixel for pixel.
    m_hires = hiresCopy(canvas().scaled(canvas().size() * 2));
}

void TImage::drawImage(int x, int y, const QImage& img, const QImage& hires)
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

    const bool sharp = isHiresOf(hires, img);
    if (sharp)
        ensureHires();
    if (!m_hires.isNull())
        blit(m_hires, 2 * x, 2 * y, sharp ? hiresCopy(hires) : hiresCopy(img.scaled(img.size() * 2)));
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
    const bool useHires = !m_hires.isNull() && devicePixelRatioF() > 1.0;
    if (useHires && devicePixelRatioF() != 2.0)
        p.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_stretch) {
        p.drawImage(rect(), useHires ? m_hires : c);
        return;
    }
    if (useHires)
        p.drawImage(QRectF(QPointF(0, 0), QSizeF(c.size())), m_hires);
    else
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
