#pragma once

#include <QAccessible>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

namespace tarvelle::access {

// What the game's own controls are to a screen reader. The pictures, round buttons and
// captions paint themselves, so Qt alone can only call them nameless fillers; these
// descriptions give each a role, a name, a state and, for the displays, a value.

// Installs the descriptions (once per program; before the windows are shown).
void install();

// A control's role; without one a caption is a label and a picture is hidden.
void setRole(QWidget* w, QAccessible::Role role);
// The name read out; screen readers that listen are told of every change.
void setName(QWidget* w, const QString& name);
// The longer explanation read after the name.
void setDescription(QWidget* w, const QString& description);
// Read before the caption's own text or the display's value: "credit" makes "credit 999".
void setLabel(QWidget* w, const QString& label);
// A check box, radio button, page tab or toggle button: checkable, and checked now or not.
void setChecked(QWidget* w, bool checked);
// The amount a display shows; it is also read in its name after the label.
void setValue(QWidget* w, qint64 value);
// What a screen reader's "press" (or "toggle" for a checkable control) does.
void setAction(QWidget* w, std::function<void()> action);
// Left out of what a screen reader reads: a picture that only repeats its caption.
void setDecorative(QWidget* w, bool decorative = true);

// A table of text cells read on demand.
struct TableSource {
    std::function<int()> rows;
    std::function<int()> columns;
    std::function<QString(int row, int column)> cell;
    std::function<QRect(int row, int column)> rect; // in the control's coordinates; optional
};
void setTable(QWidget* w, TableSource source);

// The name a control has for screen readers now (what they would read), for tests.
QString nameOf(QWidget* w);

// Says a sentence to whoever listens without taking the focus: a notification that is
// shown anew with every sentence. It paints nothing and lets the mouse through.
class Announcer : public QWidget {
    Q_OBJECT
public:
    explicit Announcer(QWidget* parent);
    void announce(const QString& text);
    QString lastText() const { return m_last; }
    int count() const { return m_count; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QString m_last;
    int m_count = 0;
};

} // namespace tarvelle::access
