#include "widgets/lbspeedbutton.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace tarvelle {

TLbSpeedButton::TLbSpeedButton(QWidget* parent) : QWidget(parent)
{
    // Windowless: the parent's picture shows wherever the button paints nothing.
    setAutoFillBackground(false);
    setMouseTracking(true);
    resize(100, 24);
}

void TLbSpeedButton::setGlyph(const QImage& strip, const QImage& hires)
{
    // Cells are drawn opaque, background included, so any alpha is dropped here.
    m_glyph = strip.isNull() ? QImage() : strip.convertToFormat(QImage::Format_RGB32);
    m_glyphHires = !m_glyph.isNull() && hires.size() == m_glyph.size() * 2
                       ? hires.convertToFormat(QImage::Format_RGB32)
                       : QImage();
    m_numGlyphs = m_glyph.height() == 0 ? 0 : m_glyph.width() / m_glyph.height();
    refresh();
}

void TLbSpeedButton::setNumGlyphs(int n)
{
    m_numGlyphs = qMax(0, n);
    refresh();
}

void TLbSpeedButton::setDown(bool down)
{
    if (down == m_down)
        return;
    if (m_groupIndex != 0 && parentWidget()) {
        const auto siblings = parentWidget()->findChildren<TLbSpeedButton*>(Qt::FindDirectChildrenOnly);
        for (TLbSpeedButton* b : siblings) {
            if (b != this && b->m_groupIndex == m_groupIndex)
                b->setDown(false);
        }
    }
    m_down = down;
    refresh();
}

void TLbSpeedButton::setGroupIndex(int index)
{
    m_groupIndex = index;
    refresh();
}

void TLbSpeedButton::setAllowAllUp(bool on)
{
    m_allowAllUp = on;
    refresh();
}

void TLbSpeedButton::setFlat(bool on)
{
    m_flat = on;
    refresh();
}

void TLbSpeedButton::setTransparent(bool on)
{
    m_transparent = on;
    update();
}

void TLbSpeedButton::setLayout(Layout l)
{
    m_layout = l;
    refresh();
}

void TLbSpeedButton::setAlignment(Alignment a)
{
    m_alignment = a;
    refresh();
}

void TLbSpeedButton::setCaption(const QString& c)
{
    m_caption = c;
    refresh();
}

void TLbSpeedButton::setColor(const QColor& c)
{
    m_color = c;
    refresh();
}

void TLbSpeedButton::setLightColor(const QColor& c)
{
    m_lightColor = c;
    refresh();
}

void TLbSpeedButton::setShadowColor(const QColor& c)
{
    m_shadowColor = c;
    refresh();
}

bool TLbSpeedButton::insideHitCircle(int w, int h, int x, int y)
{
    const int dx = std::abs(w / 2 - x);
    const int dy = std::abs(h / 2 - y);
    const long dist = std::lround(std::sqrt(double(dx) * dx + double(dy) * dy));
    const int radius = w >= 25 ? w / 2 - 12 : w / 2;
    return dist <= radius;
}

int TLbSpeedButton::currentCell() const
{
    if (!isEnabled())
        return 3;
    if (m_mouseInside)
        return m_down ? 2 : 1;
    return 0;
}

int TLbSpeedButton::glyphX() const
{
    const int tw = m_caption.isEmpty() ? 0 : fontMetrics().horizontalAdvance(m_caption);
    const int c = m_numGlyphs > 0 ? m_glyph.width() / m_numGlyphs : 0;
    const int w = width();
    switch (m_layout) {
    case blGlyphLeft:
        switch (m_alignment) {
        case taLeftJustify:
            return 5;
        case taRightJustify:
            return w - 7 - tw - c;
        case taCenter:
            return (w - tw - c) / 2 - 1;
        }
        break;
    case blGlyphRight:
        switch (m_alignment) {
        case taLeftJustify:
            return tw + 7;
        case taRightJustify:
            return w - 5 - c;
        case taCenter:
            return (w - tw - c) / 2 + tw + 1;
        }
        break;
    case blcenter:
        switch (m_alignment) {
        case taLeftJustify:
            return 5;
        case taRightJustify:
            return w - 7 - tw - c;
        case taCenter:
            return (w - tw - c) / 2 + 1;
        }
        break;
    }
    return 0;
}

void TLbSpeedButton::refresh()
{
    update();
}

void TLbSpeedButton::paintEvent(QPaintEvent*)
{
    ++m_paintCount;
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color.isValid() ? m_color : palette().color(QPalette::Window));

    if (isEnabled() && !m_flat) {
        const int w = width(), h = height();
        p.setPen(m_down ? m_shadowColor : m_lightColor);
        p.drawLine(0, h - 1, 0, 0);
        p.drawLine(0, 0, w - 1, 0);
        p.setPen(m_down ? m_lightColor : m_shadowColor);
        p.drawLine(w - 1, 0, w - 1, h - 1);
        p.drawLine(w - 1, h - 1, 0, h - 1);
    }

    const int gh = m_glyph.height();
    const int c = m_numGlyphs > 0 ? m_glyph.width() / m_numGlyphs : 0;
    const int y = (height() - gh) / 2;
    if (!isEnabled())
        m_mouseInside = false;
    const int cell = currentCell();
    if (c > 0 && gh > 0) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (!m_glyphHires.isNull() && devicePixelRatioF() > 1.0) {
            QImage cellImage = m_glyphHires.copy(cell * c * 2, 0, c * 2, gh * 2);
            cellImage.setDevicePixelRatio(2);
            if (devicePixelRatioF() != 2.0)
                p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QPointF(glyphX(), y), cellImage);
        } else {
            p.drawImage(glyphX(), y, m_glyph.copy(cell * c, 0, c, gh));
        }
    }
    m_paintedInside = m_mouseInside;
    m_paintedDown = m_down;
}

void TLbSpeedButton::mousePressEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    if (insideHitCircle(width(), height(), pos.x(), pos.y()))
        emit mouseDown(e->button(), pos);
    if (e->button() == Qt::LeftButton)
        m_pressedLeft = true;
    if (m_groupIndex == 0)
        setDown(true);
    else if (m_down) {
        if (m_allowAllUp)
            setDown(false);
    } else
        setDown(true);
}

void TLbSpeedButton::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    const bool click = e->button() == Qt::LeftButton && m_pressedLeft && rect().contains(pos);
    if (e->button() == Qt::LeftButton)
        m_pressedLeft = false;
    emit mouseUp(e->button(), pos);
    if (m_groupIndex == 0)
        setDown(false);
    if (click)
        emit clicked();
}

void TLbSpeedButton::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint pos = e->position().toPoint();
    emit mouseMoved(pos);
    m_mouseInside = insideHitCircle(width(), height(), pos.x(), pos.y());
    if (m_down) {
        if (!m_mouseInside) {
            // Sliding off the button lets it go visually; the release still follows.
            m_down = false;
            update();
        }
    } else if (m_mouseInside != m_paintedInside || m_down != m_paintedDown) {
        update();
    }
}

void TLbSpeedButton::enterEvent(QEnterEvent*)
{
    emit mouseEnter();
}

void TLbSpeedButton::leaveEvent(QEvent*)
{
    m_mouseInside = false;
    if (m_transparent || m_flat)
        update();
    emit mouseExit();
}

void TLbSpeedButton::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(e);
}

} // namespace tarvelle
