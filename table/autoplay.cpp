// Autoplay: one step (a deal or a draw to the proposed holds) every three seconds.
#include "table/form1.h"

#include "widgets/antialiaslabel.h"
#include "widgets/waveplayer.h"

#include <QTimer>

namespace tarvelle {

void TForm1::autopMouseDown()
{
    pressButton(ArmAutop, "clickmic");
}

void TForm1::autopMouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmAutop];
    if (!armed)
        return;
    armed = 0;
    if (m_gs.dbl.DoubleActive)
        return;
    const bool on = !m_gs.Autoplay;
    if (on && m_gs.HandActive)
        return; // never starts in the middle of a hand; it can always be stopped
    m_gs.Autoplay = on ? 1 : 0;
    if (on) {
        AntiAliasLabel1->setText(QStringLiteral("Autoplay on"));
        Timer2->start();
    } else {
        AntiAliasLabel1->setText(QStringLiteral("Autoplay off"));
        Timer2->stop();
    }
}

void TForm1::Timer2Timer()
{
    autojoc();
}

void TForm1::autojoc()
{
    if (!m_gs.Autoplay)
        return;
    // A step still animating (or settling) is left to finish; the next tick goes on.
    if (m_phaseBusy)
        return;
    // The step is under way from here: a manual press inside one of its waits (autoplay
    // switched off meanwhile) must not deal or draw in the middle of it.
    m_phaseBusy = true;
    const int64_t money = int64_t(m_ct.Credit) + m_ct.Win;
    if (money < m_ct.Bet && m_gs.State != 2) {
        if (m_st.AutoBet) {
            m_ct.Bet = AutoBetFor(money);
            showValue(bet_im, m_ct.Bet, true);
            save();
        }
        if (int64_t(m_ct.Credit) + m_ct.Win < m_ct.Bet) {
            Timer2->stop();
            m_gs.Autoplay = 0;
            AntiAliasLabel1->setText(QStringLiteral("Autoplay off"));
            m_phaseBusy = false;
            return;
        }
    }
    if (m_gs.State == 3)
        m_gs.State = 1;
    payoutCtrl();
    if (m_gs.State == 1) {
        if (m_ct.Win > 0) {
            win2cr();
            delay(40);
        }
        if (m_ct.Credit == 0) {
            m_phaseBusy = false;
            return;
        }
        dealPhase(true);
    } else if (m_gs.State == 2) {
        drawPhase(true);
    } else {
        m_phaseBusy = false;
    }
}

} // namespace tarvelle
