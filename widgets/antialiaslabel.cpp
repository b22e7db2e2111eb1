#include "widgets/antialiaslabel.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tarvelle {

TAntiAliasLabel::TAntiAliasLabel(QWidget* parent) : QLabel(parent)
{
    init();
}

TAntiAliasLabel::TAntiAliasLabel(const QString& text, QWidget* parent) : QLabel(parent)
{
    init();
    setText(text);
}

void TAntiAliasLabel::init()
{
    // Opaque first, then the smoothing, as every caption of the game expects.
    setTextFormat(Qt::PlainText);
    setWordWrap(false);
    setMouseTracking(true);
    m_transparent = false;
    m_color = palette().color(QPalette::Window);
    setAutoFillBackground(false);
    setAntialiased(true);
}

void TAntiAliasLabel::setAntialiased(bool on)
{
    m_antialiased = on;
    applyFontQuality();
}

void TAntiAliasLabel::applyFontQuality()
{
    const QFont current = font();
    const bool smooth = current.styleStrategy() & QFont::PreferAntialias;
    const bool plain = current.styleStrategy() & QFont::NoAntialias;
    if ((m_antialiased && smooth) || (!m_antialiased && plain))
        return;
    QFont f = current;
    f.setStyleStrategy(m_antialiased ? QFont::PreferAntialias : QFont::NoAntialias);
    ++m_fontFixes;
    // This raises one more FontChange; on that pass the strategy is already right.
    setFont(f);
}

void TAntiAliasLabel::setTransparent(bool on)
{
    if (m_transparent == on)
        return;
    m_transparent = on;
    update();
}

void TAntiAliasLabel::setColor(const QColor& c)
{
    if (m_color == c)
        return;
    m_color = c;
    update();
}

QColor TAntiAliasLabel::fontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TAntiAliasLabel::setFontColor(const QColor& c)
{
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal); // a PaletteChange, handled like a font change
}

void TAntiAliasLabel::setAutoSize(bool on)
{
    m_autoSize = on;
    fitToText();
}

void TAntiAliasLabel::setText(const QString& text)
{
    QLabel::setText(text);
    fitToText();
}

void TAntiAliasLabel::fitToText()
{
    if (!m_autoSize)
        return;
    const QFontMetrics fm(font());
    // Measured as drawn: an accelerator "&" takes no room.
    const int w = fm.size(Qt::TextSingleLine | Qt::TextShowMnemonic, text()).width();
    resize(qMax(1, w), fm.height());
}

void TAntiAliasLabel::changeEvent(QEvent* e)
{
    if (e->type() == QEvent::FontChange || e->type() == QEvent::PaletteChange) {
        applyFontQuality();
        if (e->type() == QEvent::FontChange)
            fitToText();
        update();
    }
    QLabel::changeEvent(e);
}

void TAntiAliasLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_transparent)
        p.fillRect(rect(), m_color);
    p.setFont(font());
    p.setPen(fontColor());
    const Qt::Alignment h = alignment() & Qt::AlignHorizontal_Mask;
    // As on any standard label, "&" marks an accelerator: not drawn, the next
    // character underlined; "&&" shows one "&".
    p.drawText(rect(), int(h | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic), text());
}

void TAntiAliasLabel::enterEvent(QEnterEvent* e)
{
    emit mouseEnter();
    QLabel::enterEvent(e);
}

void TAntiAliasLabel::leaveEvent(QEvent* e)
{
    emit mouseLeave();
    QLabel::leaveEvent(e);
}

void TAntiAliasLabel::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
        m_pressed = true;
    e->accept();
}

void TAntiAliasLabel::mouseReleaseEvent(QMouseEvent* e)
{
    const bool click = m_pressed && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    if (e->button() == Qt::LeftButton)
        m_pressed = false;
    if (click)
        emit clicked();
    e->accept();
}

void TAntiAliasLabel::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(e->position().toPoint());
    e->accept();
}

} // namespace tarvelle
