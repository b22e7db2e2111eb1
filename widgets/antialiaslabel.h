#pragma once

#include <QColor>
#include <QLabel>
#include <QPoint>

namespace tarvelle {

// The caption label of both screens: a QLabel whose font is always rendered smoothed
// (or plainly, when Antialiased is off), whatever later changes the font or its colour.
// Single line, text at the top, "&" marking an accelerator as on any label.
class TAntiAliasLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(bool Antialiased READ antialiased WRITE setAntialiased)
public:
    explicit TAntiAliasLabel(QWidget* parent = nullptr);
    explicit TAntiAliasLabel(const QString& text, QWidget* parent = nullptr);

    bool antialiased() const { return m_antialiased; }
    void setAntialiased(bool on);

    // Transparent: only the glyphs are drawn. Opaque: the rectangle is filled with color() first.
    bool transparent() const { return m_transparent; }
    void setTransparent(bool on);
    QColor color() const { return m_color; }
    void setColor(const QColor& c);

    QColor fontColor() const;
    void setFontColor(const QColor& c);

    // AutoSize: the label takes the size of its text whenever the text or font changes.
    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool on);

    void setText(const QString& text);

    // How many times the font was re-created to fix its smoothing (for tests).
    int fontFixCount() const { return m_fontFixes; }

signals:
    void mouseEnter();
    void mouseLeave();
    void clicked();
    void mouseMoved(QPoint pos);

protected:
    void changeEvent(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void leaveEvent(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    void init();
    void applyFontQuality();
    void fitToText();

    bool m_antialiased = false;
    bool m_transparent = false;
    bool m_autoSize = true;
    bool m_pressed = false;
    QColor m_color;
    int m_fontFixes = 0;
};

} // namespace tarvelle
