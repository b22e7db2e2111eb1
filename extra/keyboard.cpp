// The Extra screen without a mouse: Tab and Shift+Tab go through every control, the arrows
// move within a group (the menu, the switches, the rates, the decks, the faces, the account buttons),
// Space or Enter acts, Ctrl+Tab and Ctrl+PageDown (Ctrl+Shift+Tab, Ctrl+PageUp) show the
// next (previous) page, and on the Help page the arrows, PageUp, PageDown, Home and End
// scroll. And what a screen reader is told about each control.
#include "extra/form2.h"

#include "extra/chartpage.h"

#include "widgets/accessibility.h"
#include "widgets/antialiaslabel.h"
#include "widgets/focusring.h"
#include "widgets/image.h"
#include "widgets/palette.h"
#include "widgets/stringaligngrid.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTextBrowser>

namespace tarvelle {

namespace {

constexpr int kLine = 20; // help text scrolled by an arrow, in pixels of the page

// Where a control lies on the screen.
QRect onScreen(const QWidget* w, const QWidget* screen)
{
    return QRect(w->mapTo(screen, QPoint(0, 0)), w->size());
}

} // namespace

void TForm2::keyItem(QWidget* focus, KeyGroup group, QList<QWidget*> ring, std::function<void()> act)
{
    focus->setFocusPolicy(Qt::TabFocus); // a click never moves the focus: no ring for the mouse
    focus->installEventFilter(this);
    access::setAction(focus, act);
    m_keyItems.append({focus, int(group), std::move(ring), std::move(act)});
}

void TForm2::buildKeyboard()
{
    access::install();
    const char* pageNames[4] = {QT_TR_NOOP("Settings"), QT_TR_NOOP("Help"), QT_TR_NOOP("Statistics"),
                                QT_TR_NOOP("Chart")};
    for (int p = 1; p <= 4; ++p) {
        TAntiAliasLabel* menu = menuLabel(p);
        access::setRole(menu, QAccessible::PageTab);
        access::setName(menu, tr(pageNames[p - 1]));
        keyItem(menu, KgMenu, {menu}, [this, p] {
            clickSound();
            pages(p);
        });
    }
    access::setRole(menuLabel(5), QAccessible::Button);
    access::setName(menuLabel(5), tr("Close (Escape)"));
    keyItem(menuLabel(5), KgMenu, {menuLabel(5)}, [this] { closeClick(); });

    for (int t = 0; t < ToggleCount; ++t) {
        TAntiAliasLabel* label = m_toggleLabels[size_t(t)];
        access::setRole(label, QAccessible::CheckBox);
        m_lampOwners.insert(m_toggleLamps[size_t(t)], label);
        keyItem(label, KgSwitches, {m_toggleLamps[size_t(t)], label}, [this, t] { toggleClick(t); });
    }
    for (int i = 0; i < RateCount; ++i) {
        TAntiAliasLabel* label = m_rateLabels[size_t(i)];
        access::setRole(label, QAccessible::RadioButton);
        access::setLabel(label, tr("Payout rate"));
        m_lampOwners.insert(m_rateLamps[size_t(i)], label);
        keyItem(label, KgRates, {m_rateLamps[size_t(i)], label}, [this, i] { rateClick(i); });
    }
    for (int i = 0; i < LanguageCount; ++i) {
        TAntiAliasLabel* label = m_languageLabels[size_t(i)];
        m_lampOwners.insert(m_languageLamps[size_t(i)], label);
        keyItem(label, KgLanguages, {m_languageLamps[size_t(i)], label}, [this, i] { languageClick(i); });
    }
    for (int d = 0; d < DeckCount; ++d) {
        TImage* preview = m_deckPreviews[size_t(d)];
        access::setRole(preview, QAccessible::RadioButton);
        access::setName(preview, tr("Deck %1").arg(d + 1));
        m_lampOwners.insert(m_deckLamps[size_t(d)], preview);
        keyItem(preview, KgDecks, {preview, m_deckLamps[size_t(d)]}, [this, d] { deckClick(d); });
    }
    for (int i = 0; i < FaceCount; ++i) {
        TAntiAliasLabel* label = m_faceLabels[size_t(i)];
        access::setRole(label, QAccessible::RadioButton);
        access::setLabel(label, tr("Card faces"));
        m_lampOwners.insert(m_faceLamps[size_t(i)], label);
        keyItem(label, KgFaces, {m_faceLamps[size_t(i)], label}, [this, i] { facesClick(i); });
    }
    const std::function<void()> accountActs[3] = {[this] { insertClick(); }, [this] { cashoutClick(); },
                                                  [this] { accountResetClick(); }};
    const char* accountNames[3] = {QT_TR_NOOP("Insert 1000"), QT_TR_NOOP("Cashout"),
                                   QT_TR_NOOP("Reset account")};
    for (int b = 0; b < m_accountButtons.size() && b < 3; ++b) {
        TAntiAliasLabel* button = m_accountButtons[b];
        access::setRole(button, QAccessible::Button);
        access::setName(button, tr(accountNames[b]));
        keyItem(button, KgAccount, QList<QWidget*>{button} + m_buttonArrows.value(button), accountActs[b]);
    }
    for (int i = 0; i < 2; ++i) {
        TAntiAliasLabel* label = m_spanLabels[size_t(i)];
        access::setRole(label, QAccessible::RadioButton);
        m_lampOwners.insert(m_spanLamps[size_t(i)], label);
        keyItem(label, KgChart, {m_spanLamps[size_t(i)], label}, [this, i] { spanClick(ChartSpan(i)); });
    }
    // The risk entries keep Qt's own description, which screen readers know as editable
    // text; the mouse may put the focus in them too.
    m_bankrollField->setAccessibleName(tr("Bankroll in bets"));
    m_handsField->setAccessibleName(tr("Hands"));
    for (QLineEdit* field : {m_bankrollField, m_handsField}) {
        field->setFocusPolicy(Qt::StrongFocus);
        field->installEventFilter(this);
        m_keyItems.append({field, KgRisk, {field}, [this, field] { takeRiskEntry(field); }});
    }
    access::setRole(resets, QAccessible::Button);
    access::setName(resets, tr("Reset statistics"));
    keyItem(resets, KgStatistics, {resets}, [this] { resetsClick(); });

    // The account figures read with their headings, which are then left out.
    for (TAntiAliasLabel* heading : std::as_const(m_headings))
        access::setDecorative(heading);
    access::setLabel(m_accountValue, tr("My Account"));
    access::setLabel(m_creditValue, tr("Credit"));
    access::setLabel(m_recordValue, tr("Tarvelle Account"));
    access::setName(sg2, tr("Poker statistics"));
    access::setName(sg3, tr("Double statistics"));
    access::setName(hl1, tr("Help"));

    for (auto it = m_lampOwners.cbegin(); it != m_lampOwners.cend(); ++it)
        access::setChecked(it.value(), lampLit(it.key()));
    for (int p = 1; p <= 4; ++p)
        access::setChecked(menuLabel(p), p == CurrentPage);

    m_ring = new FocusRing(this);
    // Any click on the screen puts the ring away until the keyboard is used again.
    installEventFilter(this);
    for (QWidget* w : findChildren<QWidget*>())
        if (w != m_ring)
            w->installEventFilter(this);
}

const TForm2::KeyItem* TForm2::keyItemOf(const QWidget* w) const
{
    for (const KeyItem& item : m_keyItems)
        if (item.focus == w)
            return &item;
    return nullptr;
}

QWidget* TForm2::keyFocus() const
{
    QWidget* f = focusWidget();
    return f && keyItemOf(f) ? f : nullptr;
}

bool TForm2::focusRingShown() const
{
    return m_ring && !m_ring->isHidden();
}

void TForm2::focusOnOpen()
{
    m_keyboard = false;
    if (TAntiAliasLabel* menu = menuLabel(CurrentPage))
        menu->setFocus(Qt::OtherFocusReason);
    updateRing();
}

void TForm2::updateRing()
{
    if (!m_ring)
        return;
    const KeyItem* item = keyItemOf(focusWidget());
    if (!m_keyboard || !item || !item->focus->isVisible()) {
        m_ring->hide();
        return;
    }
    QRect area;
    for (const QWidget* w : item->ring)
        area |= onScreen(w, this);
    // Dark on the light menu bar, light on the screen's dark ground; tight round the account
    // buttons, which lie 3 pixels apart.
    m_ring->ring(area, item->group == KgMenu ? palette::Table : palette::MenuOver,
                 item->group == KgAccount ? 0 : 3);
}

bool TForm2::eventFilter(QObject* watched, QEvent* e)
{
    switch (e->type()) {
    case QEvent::FocusIn: {
        const auto reason = static_cast<QFocusEvent*>(e)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            m_keyboard = true;
        updateRing();
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (watched == focusWidget() || e->type() == QEvent::FocusOut)
            updateRing();
        break;
    case QEvent::MouseButtonPress:
        if (m_keyboard) {
            m_keyboard = false;
            updateRing();
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, e);
}

bool TForm2::keyboardKey(QKeyEvent* e)
{
    const bool ctrl = e->modifiers() & Qt::ControlModifier;
    const int key = e->key();
    if (ctrl && (key == Qt::Key_Tab || key == Qt::Key_PageDown)) {
        stepPage(1);
        return true;
    }
    if (ctrl && (key == Qt::Key_Backtab || key == Qt::Key_PageUp)) {
        stepPage(-1);
        return true;
    }
    if (ctrl)
        return false;
    switch (key) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        const KeyItem* item = keyItemOf(focusWidget());
        if (!item || e->isAutoRepeat())
            return item != nullptr;
        m_keyboard = true;
        updateRing();
        const auto act = item->act; // pages() may hide the item
        act();
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down: {
        m_keyboard = true;
        const int dx = key == Qt::Key_Left ? -1 : key == Qt::Key_Right ? 1 : 0;
        const int dy = key == Qt::Key_Up ? -1 : key == Qt::Key_Down ? 1 : 0;
        if (!moveFocus(dx, dy) && dy != 0)
            helpKey(key);
        updateRing();
        return true;
    }
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Home:
    case Qt::Key_End:
        return helpKey(key);
    default:
        return false;
    }
}

// The nearest control of the same group in the arrow's direction (within 45 degrees of it),
// sideways distance counting double.
bool TForm2::moveFocus(int dx, int dy)
{
    const KeyItem* from = keyItemOf(focusWidget());
    if (!from || !from->focus->isVisible()) {
        for (const KeyItem& item : std::as_const(m_keyItems))
            if (item.focus->isVisible() && item.focus->isEnabled()) {
                item.focus->setFocus(Qt::TabFocusReason);
                return true;
            }
        return false;
    }
    const QPoint start = onScreen(from->focus, this).center();
    const KeyItem* best = nullptr;
    int bestScore = 0;
    for (const KeyItem& item : std::as_const(m_keyItems)) {
        if (&item == from || item.group != from->group || !item.focus->isVisible() ||
            !item.focus->isEnabled())
            continue;
        const QPoint d = onScreen(item.focus, this).center() - start;
        const int along = dx != 0 ? d.x() * dx : d.y() * dy;
        const int across = dx != 0 ? qAbs(d.y()) : qAbs(d.x());
        if (along <= 0 || across > along) // only within 45 degrees of the arrow
            continue;
        const int score = along + 2 * across;
        if (!best || score < bestScore) {
            best = &item;
            bestScore = score;
        }
    }
    if (!best)
        return false;
    best->focus->setFocus(Qt::TabFocusReason);
    return true;
}

void TForm2::stepPage(int step)
{
    // Menu order: Settings, Help, Statistics, Chart.
    const int current = CurrentPage == 0 ? 1 : CurrentPage;
    const int page = (current - 1 + step + 4) % 4 + 1;
    clickSound();
    pages(page);
    m_keyboard = true;
    menuLabel(page)->setFocus(Qt::TabFocusReason);
    updateRing();
}

// The help text moves with the thumb, so the keys move the thumb: a line, a page, the ends.
bool TForm2::helpKey(int key)
{
    if (CurrentPage != 2 || ud->isHidden())
        return false;
    const int maximum = scrollMaximum();
    const int travel = ThumbBottom - ThumbTop;
    const auto thumbFor = [&](int pixels) {
        return maximum <= 0 ? 0 : qMax(1, int((int64_t(pixels) * travel + maximum / 2) / maximum));
    };
    const int line = thumbFor(kLine);
    const int page = thumbFor(qMax(kLine, hl1->height() - kLine));
    switch (key) {
    case Qt::Key_Up:
        moveThumb(ud->y() - line);
        break;
    case Qt::Key_Down:
        moveThumb(ud->y() + line);
        break;
    case Qt::Key_PageUp:
        moveThumb(ud->y() - page);
        break;
    case Qt::Key_PageDown:
        moveThumb(ud->y() + page);
        break;
    case Qt::Key_Home:
        moveThumb(ThumbTop);
        break;
    case Qt::Key_End:
        moveThumb(ThumbBottom);
        break;
    default:
        return false;
    }
    return true;
}

} // namespace tarvelle
