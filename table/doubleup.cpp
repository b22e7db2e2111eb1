// The double-up game: up to five guesses on face-down cards, banking half or all.
#include "table/form1.h"

#include "engine/deal.h"
#include "engine/doubleup.h"
#include "engine/money.h"

#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/waveplayer.h"

namespace tarvelle {

void TForm1::LbSpeedButton5MouseDown()
{
    pressButton(ArmDouble, "click");
}

void TForm1::LbSpeedButton5MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmDouble];
    if (!armed)
        return;
    if (!m_gs.Autoplay)
        startdbl();
    armed = 0;
}

void TForm1::startdbl()
{
    DoubleUpState& d = m_gs.dbl;
    if (!m_st.DoubleGame || m_ct.Win == 0)
        return;
    // Autoplay switched on during Auto Double's wait: a game started now could neither be
    // played nor left, and autoplay could not be stopped inside it.
    if (m_gs.Autoplay)
        return;
    // Not while cards are being dealt, nor while the dealt hand waits for its draw.
    if (m_gs.State == 1 || m_gs.State == 2 || m_gs.HandActive || m_phaseBusy)
        return;
    if (d.DoubleActive) {
        if (m_dblBusy)
            return;
        m_dblBusy = true;
        winhalf2cr();
        delay(50);
        if (m_ct.Win == 0) {
            d.BlinkTicks = 0;
            d.DoubleMarks[d.DoubleRound] = 0;
            delay(350);
            d.DoubleActive = 0;
            m_gs.State = 3;
        }
        m_dblBusy = false;
        m_gs.Armed[ArmDouble] = 0;
        return;
    }
    m_gs.State = 3;
    AntiAliasLabel6->setText(QStringLiteral("3"));
    AntiAliasLabel1->setText(m_st.RedBlack ? QStringLiteral("Double Red-Black")
                                           : QStringLiteral("Double Low-High"));
    AntiAliasLabel8->setText(QStringLiteral("2"));
    stheld();
    m_hand.clearHeld();
    showBacks();
    DealHand(m_hand, m_gs.rng, m_st.Joker != 0);
    d.DoubleRound = 1;
    d.BlinkTicks = 0;
    for (int i = 1; i <= 5; ++i)
        d.DoubleMarks[i] = 0;
    d.DoubleMarks[1] = 1;
    d.DoubleActive = 1;
}

void TForm1::guess(bool plus)
{
    DoubleUpState& d = m_gs.dbl;
    // A key repeat inside the waits below must not play the same card twice.
    if (m_dblBusy)
        return;
    m_dblBusy = true;
    const bool redBlack = m_st.RedBlack != 0;
    const int pos = d.DoubleRound;
    if (m_st.PayoutControl)
        ControlledDoubleDeal(m_hand, m_gs.rng, m_st.Joker != 0, redBlack, plus, pos, m_gs.payout.DealTrials);
    if (DoubleGuessWins(redBlack, plus, m_hand.Suit[size_t(pos)], m_hand.Rank[size_t(pos)]))
        castiga();
    else
        pierde();
    betToBonus();
    save();
    m_dblBusy = false;
}

void TForm1::castiga()
{
    DoubleUpState& d = m_gs.dbl;
    const int pos = d.DoubleRound;
    showCard(pos);
    const int32_t before = m_ct.Win;
    m_ct.Win =
        DoubleWonStake(m_st.RedBlack != 0, m_hand.Suit[size_t(pos)], m_hand.Rank[size_t(pos)], m_ct.Win);
    if (m_ct.Win != before)
        showValue(win_im, m_ct.Win, true);
    ++(m_st.RedBlack ? m_ct.RbWon : m_ct.LhWon)[size_t(pos)];
    if (m_st.SoundFx)
        m_sounds.play("okd");
    d.BlinkTicks = 0;
    d.DoubleMarks[pos] = 2;
    if (pos < 5) {
        d.DoubleRound = uint8_t(pos + 1);
        d.BlinkTicks = 0;
        d.DoubleMarks[d.DoubleRound] = 1;
    } else {
        delay(450);
        win2cr();
        delay(150);
        d.DoubleActive = 0;
        m_gs.State = 3;
    }
    save();
}

void TForm1::pierde()
{
    DoubleUpState& d = m_gs.dbl;
    const int pos = d.DoubleRound;
    m_gs.State = 3;
    m_ct.Win = 0;
    showCard(pos);
    ++(m_st.RedBlack ? m_ct.RbLost : m_ct.LhLost)[size_t(pos)];
    showValue(win_im, 0, true);
    if (m_st.SoundFx)
        m_sounds.play("err");
    d.BlinkTicks = 0;
    d.DoubleMarks[pos] = 0;
    delay(350);
    d.DoubleActive = 0;
    save();
}

void TForm1::winhalf2cr()
{
    const int32_t banked = BankHalf(m_ct.Win);
    showValue(win_im, m_ct.Win, true);
    m_ct.Credit = addMoney(m_ct.Credit, banked);
    showValue(credit_im, m_ct.Credit, true);
    save();
}

// The lamps under the cards while a double-up runs: the current step blinks.
void TForm1::doubleLamps()
{
    DoubleUpState& d = m_gs.dbl;
    ++d.BlinkTicks; // wraps from 255 to 0
    const QImage& offImg = m_imagery.lampImage(CardImagery::LampOff);
    const QImage& dblImg = m_imagery.lampImage(CardImagery::LampDouble);
    for (int i = 1; i <= 5; ++i) {
        const int mark = d.DoubleMarks[i];
        if (mark == 0 && d.BlinkTicks == 1)
            lamp(i)->drawImage(0, 0, offImg);
        else if (mark == 2 && d.BlinkTicks == 1)
            lamp(i)->drawImage(0, 0, dblImg);
        else if (mark == 1)
            lamp(i)->drawImage(0, 0, (d.BlinkTicks % 2) ? dblImg : offImg);
    }
}

} // namespace tarvelle
