// Opening the Extra screen from the table and coming back from it.
#include "table/form1.h"

#include "table/coachpanel.h"

#include "extra/form2.h"

#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/lbspeedbutton.h"
#include "widgets/stringaligngrid.h"

#include "sound/waveplayer.h"

#include <QCoreApplication>
#include <QEvent>

namespace tarvelle {

void TForm1::setExtra(TForm2* extra)
{
    m_extra = extra;
    if (!m_extra)
        return;
    m_extra->setRound(&m_round);
    connect(m_extra, &TForm2::closed, this, [this] { onExtraClosed(); });
    // The screen saves poker.dat itself; a casino game's book is the table's to save.
    connect(m_extra, &TForm2::countersChanged, this, [this] {
        if (m_gs.casino)
            save();
    });
    if (coach)
        connect(m_extra, &TForm2::settingsChanged, coach, &CoachPanel::followSettings);
    // The faces chosen show at once on the cards lying face up, behind the screen.
    connect(m_extra, &TForm2::cardFacesChanged, this, [this] {
        for (int k = 1; k <= 5; ++k)
            if (!m_faceDown[k])
                m_imagery.ShowCard(card(k), m_hand.Suit[size_t(k)], m_hand.Rank[size_t(k)]);
    });
    // A window manager keeps the screen (and the boxes it opens) above the table only when it
    // knows whose it is. Not a child widget: disabling the table would disable the screen with
    // it. Not modal either: the toolkit would then drop the keys that reach the table, and on
    // Wayland a click on the table gives it the keyboard for good.
    m_extra->setOwner(this);
}

bool TForm1::event(QEvent* e)
{
    // While the Extra screen is open its keys are its own, whichever window has the keyboard.
    const bool key = e->type() == QEvent::KeyPress || e->type() == QEvent::KeyRelease;
    if (key && !isEnabled() && m_extra && m_extra->isVisible()) {
        QWidget* to = m_extra->focusWidget() ? m_extra->focusWidget() : m_extra;
        QCoreApplication::sendEvent(to, e);
        return true;
    }
    return QWidget::event(e);
}

void TForm1::changeEvent(QEvent* e)
{
    // Some window managers hand the focus to the table when its backdrop is clicked, though the
    // Extra screen stays on top: pass it on, or the screen would not take its keys.
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !isEnabled() && m_extra &&
        m_extra->isVisible())
        m_extra->activateWindow();
    QWidget::changeEvent(e);
}

bool TForm1::openExtra()
{
    if (!m_extra)
        return false;
    sg1->hide();
    setEnabled(false);
    m_extra->openExtra();
    return true;
}

void TForm1::onExtraClosed()
{
    m_round.input(Input::CloseExtra);
    setEnabled(true);
    m_imagery.nr(m_ct.Win, win_im, 0);
    m_imagery.nr(m_ct.Bonus, bonus_im, 0);
    m_imagery.nr(m_ct.Bet, bet_im, 0);
    m_imagery.nr(m_ct.Credit, credit_im, 0);
    // A deck chosen on the Extra screen shows at once on the cards lying face down.
    for (int k = 1; k <= 5; ++k)
        if (m_faceDown[k])
            card(k)->drawImage(0, 0, m_imagery.cardImage(CardImagery::BackIndex),
                               m_imagery.cardHires(CardImagery::BackIndex));
    activateWindow();
    setFocus();
}

} // namespace tarvelle
