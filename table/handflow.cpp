// The life of a hand: bet, deal, holds, draw, payout and the money transfers.
#include "table/form1.h"

#include "engine/advisor.h"
#include "engine/deal.h"
#include "engine/evaluator.h"
#include "engine/money.h"
#include "engine/payoutcontrol.h"
#include "engine/paytable.h"

#include "widgets/antialiaslabel.h"
#include "widgets/cardimagery.h"
#include "widgets/image.h"
#include "widgets/stringaligngrid.h"
#include "widgets/waveplayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

namespace tarvelle {

namespace {

const QColor kMessageInk(89, 154, 158);
const QColor kMessageDim(57, 102, 110);
// The voices of classes 2 to 11, and the clicks of cards 1 to 5.
constexpr CueName kVoices[10] = {"jb", "tp", "tok", "st", "flu", "fh", "pok", "sflu", "rf", "fok"};
constexpr CueName kCardClicks[5] = {"cart1", "cart2", "cart3", "cart4", "cart5"};

} // namespace

// ---------------------------------------------------------------- money rules

int TForm1::ClampBet(int bet)
{
    if (bet < 1)
        bet = 1;
    if (bet > 500)
        bet = 500;
    if (bet > 10)
        bet = bet / 10 * 10;
    return bet;
}

int TForm1::BetUp(int bet)
{
    if (bet < 10)
        return bet + 1;
    if (bet < 500)
        return bet + 10;
    return bet;
}

int TForm1::BetDown(int bet)
{
    if (bet >= 20)
        return bet - 10;
    if (bet >= 2)
        return bet - 1;
    return bet;
}

int TForm1::AutoBetFor(int64_t money)
{
    int bet = 1;
    if (money > 0 && money < 10)
        bet = int(money);
    for (int d = 1; d <= 49; ++d)
        if (int64_t(d) * 10 <= money)
            bet = d * 10;
    return bet;
}

void TForm1::CountHand(int k)
{
    if (k < 1 || k > 12)
        return;
    const bool joker = m_st.Joker != 0;
    if (m_gs.State == 1)
        ++(joker ? m_ct.DealtCountsJoker : m_ct.DealtCounts)[size_t(k)];
    else if (m_gs.State == 2)
        ++(joker ? m_ct.FinalCountsJoker : m_ct.FinalCounts)[size_t(k)];
}

void TForm1::win2cr()
{
    showValue(win_im, 0, true);
    delay(1);
    // Win is emptied together with the credit rise: a press handled inside the flash
    // below must not find the same win still pending and pay it again.
    m_ct.Credit = addMoney(m_ct.Credit, m_ct.Win);
    m_ct.Win = 0;
    showValue(credit_im, m_ct.Credit, true);
    save();
}

void TForm1::bonus2cr()
{
    showValue(bonus_im, 0, true);
    m_ct.Credit = addMoney(m_ct.Credit, m_ct.Bonus);
    m_ct.Bonus = 0;
    showValue(credit_im, m_ct.Credit, true);
    save();
}

void TForm1::delay(int ms)
{
    QElapsedTimer clock; // monotonic: no jump at midnight
    clock.start();
    for (;;) {
        const qint64 left = ms - clock.elapsed();
        if (left <= 0)
            break;
        QCoreApplication::processEvents(QEventLoop::AllEvents, int(left));
        if (ms - clock.elapsed() > 1)
            QThread::msleep(1);
    }
}

void TForm1::forma(int k)
{
    if (k < 1 || k > 11)
        return;
    const QString name = QString::fromLatin1(HandNames[size_t(k)]);
    if (AntiAliasLabel1->text() == name)
        return;
    AntiAliasLabel1->setFontColor(kMessageDim);
    delay(1);
    AntiAliasLabel1->setText(name);
    delay(1);
    AntiAliasLabel1->setFontColor(kMessageInk);
    const bool showcase = m_idleTicks >= 500;
    if (k >= 8 && m_st.SoundFx && !showcase) {
        m_sounds.play("succes");
        delay(470);
    }
    if (k >= 2 && m_st.VoiceFx && !showcase)
        m_sounds.play(kVoices[k - 2]);
}

// ---------------------------------------------------------------- drawing

void TForm1::showValue(TImage* display, int32_t value, bool flash)
{
    if (flash) {
        m_imagery.nr(value, display, -10);
        delay(1);
        m_imagery.nr(value, display, 10);
        delay(1);
    }
    m_imagery.nr(value, display, 0);
}

void TForm1::showCard(int k)
{
    m_imagery.ShowCard(card(k), m_hand.Suit[size_t(k)], m_hand.Rank[size_t(k)]);
    m_faceDown[k] = false;
}

void TForm1::showBacks()
{
    TImage* const cards[6] = {nullptr, Image1, Image2, Image3, Image4, Image5};
    m_imagery.ShowBacks(cards, m_hand);
    for (int k = 1; k <= 5; ++k)
        if (!m_hand.Held[size_t(k)])
            m_faceDown[k] = true;
}

void TForm1::stheld()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.stheld(lamps);
}

void TForm1::showHoldLamps()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.ShowHoldLamps(lamps, m_hand);
}

void TForm1::showWinLamps()
{
    TImage* const lamps[6] = {nullptr, h1, h2, h3, h4, h5};
    m_imagery.ShowWinLamps(lamps, m_hand);
}

// ---------------------------------------------------------------- Deal/Draw

void TForm1::LbSpeedButton2MouseDown()
{
    pressButton(ArmDeal, "click");
}

void TForm1::payoutCtrl()
{
    if (!m_st.PayoutControl)
        return;
    ctrl(m_gs.payout, m_gs.rng, m_ct.Credit, m_ct.CashoutTotal, m_ct.InsertedTotal, m_st.PayoutRate,
         localDays());
}

// Lowers the bet to what the money covers; true when the hand can then be paid.
bool TForm1::applyAutoBet()
{
    const int64_t money = int64_t(m_ct.Credit) + m_ct.Win;
    if (money >= m_ct.Bet || m_gs.State == 2)
        return true;
    if (m_st.AutoBet) {
        m_ct.Bet = AutoBetFor(money);
        showValue(bet_im, m_ct.Bet, true);
        save();
    }
    return int64_t(m_ct.Credit) + m_ct.Win >= m_ct.Bet;
}

void TForm1::LbSpeedButton2MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmDeal];
    if (!armed)
        return;
    // The running animation holds the mark; a press in the middle of it must not
    // deal or draw a second time.
    if (m_phaseBusy)
        return;
    if (m_gs.Autoplay) {
        armed = 0;
        return;
    }
    payoutCtrl();
    if (m_gs.dbl.DoubleActive) {
        if (m_dblBusy) {
            armed = 0;
            return;
        }
        // Collect the whole stake and leave the double-up.
        m_dblBusy = true;
        win2cr();
        m_gs.dbl.BlinkTicks = 0;
        m_gs.dbl.DoubleMarks[m_gs.dbl.DoubleRound] = 0;
        delay(350);
        m_gs.dbl.DoubleActive = 0;
        m_gs.State = 3;
        m_dblBusy = false;
        armed = 0;
        return;
    }
    // The press is taken from here on: a key repeated inside the waits below (the bet
    // flash, the pending win going to the credit) must not deal a second hand.
    m_phaseBusy = true;
    if (!applyAutoBet()) {
        m_phaseBusy = false;
        armed = 0;
        return;
    }
    if (m_gs.State == 3)
        m_gs.State = 1;
    if (m_gs.State == 1) {
        if (m_ct.Win > 0) {
            win2cr();
            delay(40);
        }
        if (m_ct.Credit == 0) {
            m_phaseBusy = false;
            armed = 0;
            return;
        }
        dealPhase(false);
    } else if (m_gs.State == 2) {
        drawPhase(false);
    } else {
        m_phaseBusy = false;
    }
}

void TForm1::dealPhase(bool autoplay)
{
    m_phaseBusy = true;
    m_gs.HandActive = 1;
    m_ct.Credit -= m_ct.Bet;
    showValue(credit_im, m_ct.Credit, true);
    m_ct.Win = 0;
    showValue(win_im, 0, false);
    stheld();
    forma(1);
    AntiAliasLabel6->setText(autoplay ? QStringLiteral("A 1") : QStringLiteral("1"));
    AntiAliasLabel8->setText(QStringLiteral("0"));
    m_hand.clearHeld();
    if (!autoplay)
        m_gs.FirstClick = 1;
    showBacks();
    if (m_st.PayoutControl)
        genecaz(m_hand, m_gs.rng, m_st.Joker != 0, m_gs.payout.DealTrials);
    else
        DealHand(m_hand, m_gs.rng, m_st.Joker != 0);
    m_gs.Step = -1;
    startAnimation(autoplay ? Timer5 : Timer4);
    if (!autoplay && m_st.SoundFx)
        m_sounds.play("cartile");
}

void TForm1::drawPhase(bool autoplay)
{
    m_phaseBusy = true;
    bool all = true;
    for (int k = 1; k <= 5; ++k)
        all = all && m_hand.Held[size_t(k)];
    m_gs.AllHeld = all ? 1 : 0;
    AntiAliasLabel6->setText(autoplay ? QStringLiteral("A 2") : QStringLiteral("2"));
    m_ct.Win = 0;
    stheld();
    if (m_st.PayoutControl)
        ControlledDraw(m_hand, m_gs.rng, m_st.Joker != 0, m_gs.payout.DrawTrials);
    else
        DrawCards(m_hand, m_gs.rng, m_st.Joker != 0);
    showBacks();
    m_gs.Step = -1;
    startAnimation(autoplay ? Timer5 : Timer4);
}

void TForm1::startAnimation(QTimer* timer)
{
    timer->setInterval(200);
    timer->start();
}

void TForm1::Timer4Timer()
{
    animationTick(Timer4, false);
}

void TForm1::Timer5Timer()
{
    animationTick(Timer5, true);
}

void TForm1::animationTick(QTimer* timer, bool autoplay)
{
    if (!m_gs.HandActive)
        return;
    if (m_gs.Step == -1) {
        m_gs.Step = 0;
        timer->setInterval(30);
        return;
    }
    if (m_gs.Step < 5) {
        do {
            ++m_gs.Step;
            if (!m_hand.Held[size_t(m_gs.Step)])
                showCard(m_gs.Step);
        } while (m_gs.Step < 5 && m_hand.Held[size_t(m_gs.Step)]);
    }
    if (m_gs.Step < 5)
        return;
    timer->stop();
    timer->setInterval(200);
    if (m_gs.State == 1)
        endOfDeal(autoplay);
    else if (m_gs.State == 2)
        endOfDraw(autoplay);
}

void TForm1::endOfDeal(bool autoplay)
{
    const int dealt = EvaluateHand(m_hand, m_gs.flags, m_st.HoldHighCard != 0);
    if (dealt <= ClassJacks)
        HoldAdvisor(m_hand, m_st.HoldOpenInside != 0);
    if (!autoplay && !m_st.AutoHold)
        m_hand.clearHeld();
    showHoldLamps();
    CountHand(12);
    if (dealt >= 1) {
        CountHand(dealt);
        if (dealt >= 2) {
            AntiAliasLabel8->setText(QString::number(Multiplier[size_t(dealt)]));
            forma(dealt);
            m_ct.Win = Multiplier[size_t(dealt)] * m_ct.Bet;
            showValue(win_im, m_ct.Win, true);
        }
    }
    if (sg1->isVisible())
        RunLiveOdds();
    save();
    m_gs.State = 2;
    m_gs.Armed[ArmDeal] = 0;
    m_phaseBusy = false;
    if (autoplay && !m_gs.Autoplay)
        AntiAliasLabel1->setText(QStringLiteral("Autoplay off"));
}

void TForm1::endOfDraw(bool autoplay)
{
    m_hand.clearHeld();
    const int final = EvaluateHand(m_hand, m_gs.flags, m_st.HoldHighCard != 0);
    if (final > 1)
        showWinLamps();
    const bool counted = !m_gs.AllHeld;
    if (counted)
        CountHand(12);
    if (final >= 1) {
        if (counted)
            CountHand(final);
        if (final >= 2) {
            AntiAliasLabel8->setText(QString::number(Multiplier[size_t(final)]));
            forma(final);
            m_ct.Win = Multiplier[size_t(final)] * m_ct.Bet;
            showValue(win_im, m_ct.Win, true);
        }
    }
    if (m_ct.Win == 0) {
        forma(1);
        showValue(win_im, 0, false);
    }
    if (m_ct.Win > 0 && !autoplay) {
        for (int k = 1; k <= 5; ++k) {
            if (m_hand.Suit[size_t(k)] == BonusSuit && m_hand.Rank[size_t(k)] == AceRank)
                betToBonus();
        }
    }
    save();
    m_gs.State = 3;
    m_gs.HandActive = 0;
    m_gs.Armed[ArmDeal] = 0;
    m_phaseBusy = false;
    if (autoplay) {
        if (!m_gs.Autoplay)
            AntiAliasLabel1->setText(QStringLiteral("Autoplay off"));
        return;
    }
    if (m_st.DoubleGame && m_st.AutoDouble && m_ct.Win > 0) {
        delay(1000);
        // The player may have started the game by hand during the wait; calling it
        // again would bank half of a stake nobody asked to bank.
        if (!m_gs.dbl.DoubleActive)
            startdbl();
    }
}

// A bet change moves the pending win first; a deal or a double-up started by a key
// inside the transfer's waits would play with a win or a bet about to change.
void TForm1::winToCreditAlone()
{
    const bool busy = m_phaseBusy;
    m_phaseBusy = true;
    win2cr();
    m_phaseBusy = busy;
}

void TForm1::betToBonus()
{
    m_ct.Bonus = addMoney(m_ct.Bonus, m_ct.Bet);
    showValue(bonus_im, m_ct.Bonus, true);
    if (m_ct.Bonus > 9999) {
        delay(250);
        bonus2cr();
    }
}

void TForm1::pressButton(int button, CueName cue)
{
    outdemo();
    uint8_t& armed = m_gs.Armed[size_t(button)];
    armed = armed ? 0 : 1;
    if (armed && m_st.SoundFx)
        m_sounds.play(cue);
}

// ---------------------------------------------------------------- cards

void TForm1::ImageMouseDown(int k)
{
    outdemo();
    if (k < 1 || k > 5 || m_gs.Autoplay || m_gs.State != 2 || m_phaseBusy)
        return;
    if (m_st.SoundFx)
        m_sounds.play(kCardClicks[k - 1]);
    uint8_t& held = m_hand.Held[size_t(k)];
    if (m_st.SmartHold && m_gs.FirstClick && !held) {
        m_hand.clearHeld();
        held = 1;
        m_gs.FirstClick = 0;
    } else {
        held = held ? 0 : 1;
    }
    showHoldLamps();
    if (sg1->isVisible())
        RunLiveOdds();
}

// ---------------------------------------------------------------- bet buttons

void TForm1::LbSpeedButton3MouseDown()
{
    pressButton(ArmBetDown, "click");
}

void TForm1::LbSpeedButton4MouseDown()
{
    pressButton(ArmBetUp, "click");
}

void TForm1::LbSpeedButton3MouseUp()
{
    betButtonUp(ArmBetDown, false);
}

void TForm1::LbSpeedButton4MouseUp()
{
    betButtonUp(ArmBetUp, true);
}

void TForm1::betButtonUp(int button, bool up)
{
    uint8_t& armed = m_gs.Armed[size_t(button)];
    if (!armed)
        return;
    if (m_gs.Autoplay || m_gs.State != 3 || m_phaseBusy) {
        armed = 0; // ignored, and not left armed to swallow the next press
        return;
    }
    if (m_gs.dbl.DoubleActive) {
        guess(up);
        armed = 0;
        return;
    }
    if (m_ct.Win > 0)
        winToCreditAlone();
    m_ct.Bet = ClampBet(m_ct.Bet);
    m_ct.Bet = up ? BetUp(m_ct.Bet) : BetDown(m_ct.Bet);
    showValue(bet_im, m_ct.Bet, true);
    armed = 0;
}

void TForm1::betmaxMouseDown()
{
    pressButton(ArmBetmax, "clickmic");
}

void TForm1::betmaxMouseUp()
{
    if (!m_gs.dbl.DoubleActive && !m_gs.HandActive && !m_gs.Autoplay && m_gs.State == 3 && !m_phaseBusy) {
        if (m_ct.Win > 0)
            winToCreditAlone();
        m_ct.Bet = 500;
        showValue(bet_im, m_ct.Bet, true);
    }
    m_gs.Armed[ArmBetmax] = 0;
}

} // namespace tarvelle
