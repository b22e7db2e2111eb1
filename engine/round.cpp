#include "engine/round.h"

#include "engine/advisor.h"
#include "engine/deal.h"
#include "engine/doubleup.h"
#include "engine/durations.h"
#include "engine/evaluator.h"
#include "engine/money.h"
#include "engine/payoutcontrol.h"
#include "engine/paytable.h"

#include <limits>

namespace tarvelle {

namespace {

constexpr int kPhases = int(Phase::Count);
constexpr int kInputs = int(Input::Count);

// Rows: phases in enum order. Columns: Press DealRelease BetDown BetUp BetMax Wheel Double
// Autoplay OpenExtra CardClick AnimationTick AutoplayTick Insert Cashout AccountReset
// CloseExtra Exit.
// clang-format off
constexpr bool kActs[kPhases][kInputs] = {
    /* Idle           */ {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 0, 0, 0, 0, 1},
    /* Transfer       */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    /* Dealing        */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1},
    /* HandShown      */ {1, 1, 0, 0, 0, 0, 0, 1, 1, 1, 0, 1, 0, 0, 0, 0, 1},
    /* Drawing        */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 1},
    /* Settling       */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    /* AutoDoubleWait */ {1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 0, 1, 0, 0, 0, 0, 1},
    /* DoubleUp       */ {1, 1, 1, 1, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 1},
    /* GuessSettling  */ {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    /* AutoplayStep   */ {1, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1},
    /* ExtraOpen      */ {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 1},
    /* Exiting        */ {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
};
// clang-format on

// The voices of classes 2 to 11.
constexpr CueName kVoices[10] = {"jb", "tp", "tok", "st", "flu", "fh", "pok", "sflu", "rf", "fok"};

constexpr int32_t kMoneyMax = std::numeric_limits<int32_t>::max();

// The release that each button input answers, for the mark an ignored release clears.
ArmedButton buttonOf(Input in)
{
    switch (in) {
    case Input::BetDown:
        return ArmBetDown;
    case Input::BetUp:
        return ArmBetUp;
    case Input::BetMax:
        return ArmBetmax;
    case Input::Double:
        return ArmDouble;
    case Input::Autoplay:
        return ArmAutop;
    case Input::OpenExtra:
        return ArmExtra;
    default:
        return ArmCount;
    }
}

} // namespace

const char* phaseName(Phase p)
{
    static const char* const names[kPhases] = {"Idle",          "Transfer",     "Dealing",        "HandShown",
                                               "Drawing",       "Settling",     "AutoDoubleWait", "DoubleUp",
                                               "GuessSettling", "AutoplayStep", "ExtraOpen",      "Exiting"};
    return int(p) < kPhases ? names[int(p)] : "?";
}

const char* inputName(Input i)
{
    static const char* const names[kInputs] = {
        "Press",  "DealRelease", "BetDown",      "BetUp",      "BetMax",        "Wheel",
        "Double", "Autoplay",    "OpenExtra",    "CardClick",  "AnimationTick", "AutoplayTick",
        "Insert", "Cashout",     "AccountReset", "CloseExtra", "Exit"};
    return int(i) < kInputs ? names[int(i)] : "?";
}

bool accepts(Phase phase, Input input)
{
    return int(phase) < kPhases && int(input) < kInputs && kActs[int(phase)][int(input)];
}

Round::Round(GameState& gs, RoundEffects& fx, Clock& clock) : m_gs(gs), m_fx(fx), m_clock(&clock) {}

Round::Round(const Round& other, GameState& gs, RoundEffects& fx)
    : m_gs(gs), m_fx(fx), m_clock(other.m_clock), m_phase(other.m_phase), m_beforeExtra(other.m_beforeExtra),
      m_drawPot(other.m_drawPot)
{
}

bool Round::busy() const
{
    switch (m_phase) {
    case Phase::Transfer:
    case Phase::Dealing:
    case Phase::Drawing:
    case Phase::Settling:
    case Phase::GuessSettling:
    case Phase::AutoplayStep:
        return true;
    default:
        return false;
    }
}

bool Round::input(Input in, int arg)
{
    if (!accepts(m_phase, in)) {
        // The running animation holds the Deal/Draw mark; other releases drop theirs so
        // they do not swallow the next press.
        const ArmedButton b = buttonOf(in);
        if (b != ArmCount)
            disarm(b);
        return false;
    }
    switch (in) {
    case Input::Press:
        pressButton(ArmedButton(arg));
        break;
    case Input::DealRelease:
        LbSpeedButton2MouseUp();
        break;
    case Input::BetDown:
        betButtonUp(ArmBetDown, false);
        break;
    case Input::BetUp:
        betButtonUp(ArmBetUp, true);
        break;
    case Input::BetMax:
        betmaxMouseUp();
        break;
    case Input::Wheel:
        FormMouseWheel(arg);
        break;
    case Input::Double:
        LbSpeedButton5MouseUp();
        break;
    case Input::Autoplay:
        autopMouseUp();
        break;
    case Input::OpenExtra:
        LbSpeedButton1MouseUp();
        break;
    case Input::CardClick:
        ImageMouseDown(arg);
        break;
    case Input::AnimationTick:
        animationTick(m_gs.AutoAnimation != 0);
        break;
    case Input::AutoplayTick:
        autojoc();
        break;
    case Input::Insert:
    case Input::Cashout:
    case Input::AccountReset:
        accountInput(in);
        break;
    case Input::CloseExtra:
        m_phase = m_beforeExtra;
        break;
    case Input::Exit:
        offClick();
        break;
    case Input::Count:
        break;
    }
    return true;
}

// ---------------------------------------------------------------- small rules

int Round::ClampBet(int bet)
{
    if (bet < 1)
        bet = 1;
    if (bet > 500)
        bet = 500;
    if (bet > 10)
        bet = bet / 10 * 10;
    return bet;
}

int Round::BetUp(int bet)
{
    if (bet < 10)
        return bet + 1;
    if (bet < 500)
        return bet + 10;
    return bet;
}

int Round::BetDown(int bet)
{
    if (bet >= 20)
        return bet - 10;
    if (bet >= 2)
        return bet - 1;
    return bet;
}

int Round::AutoBetFor(int64_t money)
{
    int bet = 1;
    if (money > 0 && money < 10)
        bet = int(money);
    for (int d = 1; d <= 49; ++d)
        if (int64_t(d) * 10 <= money)
            bet = d * 10;
    return bet;
}

int64_t Round::accountBalance(const Counters& c)
{
    int64_t out = 0;
    if (__builtin_sub_overflow(c.CashoutTotal, c.InsertedTotal, &out))
        return c.CashoutTotal < 0 ? std::numeric_limits<int64_t>::min() : std::numeric_limits<int64_t>::max();
    return out;
}

bool Round::insertCredit(Counters& c)
{
    int64_t inserted = 0;
    if (c.Credit >= 1000000 || __builtin_add_overflow(c.InsertedTotal, int64_t(1000), &inserted))
        return false;
    c.InsertedTotal = inserted;
    c.Credit += 1000; // below 1,000,000 before: no overflow
    return true;
}

bool Round::cashoutCredit(Counters& c)
{
    int64_t cashed = 0;
    if (__builtin_add_overflow(c.CashoutTotal, int64_t(c.Credit), &cashed))
        return false; // the total is at its end: nothing leaves the table
    c.CashoutTotal = cashed;
    c.Credit = 0;
    const int64_t account = accountBalance(c);
    if (account > c.AccountRecord)
        c.AccountRecord = account;
    return true;
}

void Round::resetAccount(Counters& c)
{
    c.Credit = 1000;
    c.InsertedTotal = 1000;
    c.CashoutTotal = 0;
    c.AccountRecord = 0;
}

void Round::accountInput(Input in)
{
    Counters& c = m_gs.counters;
    const __int128 before = __int128(c.Credit) + c.CashoutTotal - c.InsertedTotal;
    const bool sound = m_gs.settings.SoundFx != 0;
    if (in == Input::Insert || in == Input::Cashout) {
        const bool done = in == Input::Insert ? insertCredit(c) : cashoutCredit(c);
        if (sound)
            m_fx.play(done ? CueName("clickmic") : CueName("err"));
    } else {
        resetAccount(c);
        m_fx.money(MoneyKind::AccountReset, __int128(c.Credit) + c.CashoutTotal - c.InsertedTotal - before);
    }
    // On disk before the panel shows it: a crash with the screen open undoes nothing.
    m_fx.save();
    m_fx.refreshAccount();
}

bool Round::holdsBonusAce(const Hand& hand)
{
    for (int k = 1; k <= 5; ++k)
        if (hand.Suit[size_t(k)] == BonusSuit && hand.Rank[size_t(k)] == AceRank)
            return true;
    return false;
}

void Round::countHand(const Hand& hand)
{
    Hand copy = hand;
    copy.clearHeld();
    HandFlags flags{};
    CountHand(12);
    const int cls = EvaluateHand(copy, flags, m_gs.settings.HoldHighCard != 0);
    if (cls >= 1)
        CountHand(cls);
}

void Round::CountHand(int k)
{
    if (k < 1 || k > 12)
        return;
    Counters& c = m_gs.counters;
    const bool joker = m_gs.settings.Joker != 0;
    if (m_gs.State == 1)
        saturatingIncrement((joker ? c.DealtCountsJoker : c.DealtCounts)[size_t(k)]);
    else if (m_gs.State == 2)
        saturatingIncrement((joker ? c.FinalCountsJoker : c.FinalCounts)[size_t(k)]);
}

// ---------------------------------------------------------------- waits and money

bool Round::pause(int ms)
{
    m_fx.wait(ms);
    return m_phase != Phase::Exiting;
}

bool Round::flash(Display d, int32_t value)
{
    m_fx.drawValue(d, value, -10);
    if (!pause(durations::Flash))
        return false;
    m_fx.drawValue(d, value, 10);
    if (!pause(durations::Flash))
        return false;
    m_fx.drawValue(d, value, 0);
    return true;
}

void Round::setMoney(int32_t& field, int64_t value, MoneyKind kind)
{
    const int32_t before = field;
    field = int32_t(value > kMoneyMax ? kMoneyMax : value);
    m_fx.money(kind, int64_t(field) - before);
}

// Moving money inside the table keeps the sum; only a credit at its top loses the rest.
void Round::transferToCredit(int32_t& from)
{
    Counters& c = m_gs.counters;
    const int64_t sum = int64_t(c.Credit) + from;
    c.Credit = addMoney(c.Credit, from);
    from = 0;
    if (sum != c.Credit)
        m_fx.money(MoneyKind::Capped, c.Credit - sum);
}

void Round::moveToCredit(int32_t& from)
{
    transferToCredit(from);
    // Committed before it is shown: a press handled inside the flashes finds nothing left.
    m_fx.save();
}

void Round::win2cr()
{
    moveToCredit(m_gs.counters.Win);
    if (!flash(Display::Win, 0) || !pause(durations::Flash))
        return;
    flash(Display::Credit, m_gs.counters.Credit);
}

void Round::bonus2cr()
{
    moveToCredit(m_gs.counters.Bonus);
    if (!flash(Display::Bonus, 0))
        return;
    flash(Display::Credit, m_gs.counters.Credit);
}

int32_t Round::feedBonus()
{
    Counters& c = m_gs.counters;
    setMoney(c.Bonus, int64_t(c.Bonus) + c.Bet, MoneyKind::BonusFed);
    const int32_t pot = c.Bonus;
    // A pot past 9999 is paid in the same record that feeds it: the payout the display is
    // about to announce survives a crash during the pause before it.
    if (pot > 9999)
        transferToCredit(c.Bonus);
    return pot;
}

void Round::showBonusFed(int32_t pot)
{
    if (!flash(Display::Bonus, pot) || pot <= 9999)
        return;
    if (!pause(durations::BonusPause) || !flash(Display::Bonus, 0))
        return;
    flash(Display::Credit, m_gs.counters.Credit);
}

void Round::forma(int k)
{
    if (k < 1 || k > 11)
        return;
    const std::string name = HandNames[size_t(k)];
    if (m_fx.text(Label::Message) == name)
        return;
    m_fx.dimMessage(true);
    if (!pause(durations::AnnounceBlink))
        return;
    m_fx.setText(Label::Message, name);
    if (!pause(durations::AnnounceBlink))
        return;
    m_fx.dimMessage(false);
    const bool quiet = m_fx.quiet();
    if (k >= 8 && m_gs.settings.SoundFx && !quiet) {
        m_fx.play("succes");
        if (!pause(durations::SuccessCue))
            return;
    }
    if (k >= 2 && m_gs.settings.VoiceFx && !quiet)
        m_fx.play(kVoices[k - 2]);
}

// ---------------------------------------------------------------- presses

void Round::pressButton(ArmedButton button)
{
    if (button < ArmExtra || button >= ArmCount)
        return;
    uint8_t& armed = m_gs.Armed[size_t(button)];
    armed = armed ? 0 : 1;
    if (armed && m_gs.settings.SoundFx)
        m_fx.play(button == ArmBetmax || button == ArmAutop || button == ArmProce ? CueName("clickmic")
                                                                                  : CueName("click"));
}

void Round::payoutCtrl()
{
    const Settings& st = m_gs.settings;
    if (!st.PayoutControl)
        return;
    const Counters& c = m_gs.counters;
    ctrl(m_gs.payout, m_gs.rng, c.Credit, c.CashoutTotal, c.InsertedTotal, st.PayoutRate,
         m_clock->localDays());
}

// Lowers the bet to what the money covers; true when the hand can then be paid.
bool Round::applyAutoBet()
{
    Counters& c = m_gs.counters;
    const int64_t money = int64_t(c.Credit) + c.Win;
    if (money >= c.Bet || m_gs.State == 2)
        return true;
    if (m_gs.settings.AutoBet) {
        c.Bet = AutoBetFor(money);
        m_fx.save();
        if (!flash(Display::Bet, c.Bet))
            return false;
    }
    return int64_t(c.Credit) + c.Win >= c.Bet;
}

void Round::DealKey()
{
    if (!accepts(m_phase, Input::DealRelease))
        return; // a press under way: the key neither deals nor draws twice
    m_gs.Armed[ArmDeal] = 1;
    input(Input::DealRelease);
}

void Round::LbSpeedButton2MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmDeal];
    if (!armed || !accepts(m_phase, Input::DealRelease))
        return;
    if (m_gs.Autoplay) {
        armed = 0;
        return;
    }
    payoutCtrl();
    Counters& c = m_gs.counters;
    if (m_phase == Phase::DoubleUp) {
        // Collect the whole stake and leave the double-up.
        m_phase = Phase::GuessSettling;
        win2cr();
        if (m_phase == Phase::Exiting)
            return;
        m_gs.dbl.BlinkTicks = 0;
        m_gs.dbl.DoubleMarks[m_gs.dbl.DoubleRound] = 0;
        if (!pause(durations::DoubleEnd))
            return;
        m_gs.dbl.DoubleActive = 0;
        m_gs.State = 3;
        m_phase = Phase::Idle;
        armed = 0;
        return;
    }
    if (m_phase == Phase::HandShown) {
        drawPhase(false);
        return;
    }
    // A deal: the press is taken from here on, and a key repeated inside the waits below
    // (the bet flash, the pending win going to the credit) finds it under way.
    const Phase before = m_phase;
    m_phase = Phase::Transfer;
    if (!applyAutoBet()) {
        if (m_phase == Phase::Transfer) {
            m_phase = before;
            armed = 0;
        }
        return;
    }
    m_gs.State = 1;
    if (c.Win > 0) {
        win2cr();
        if (!pause(durations::AfterWinToCredit))
            return;
    }
    if (c.Credit == 0) {
        m_gs.State = 3;
        m_phase = Phase::Idle;
        armed = 0;
        return;
    }
    dealPhase(false);
}

void Round::dealPhase(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    m_gs.HandActive = 1;
    setMoney(c.Credit, int64_t(c.Credit) - c.Bet, MoneyKind::BetTaken);
    c.Win = 0; // already moved to the credit
    // The cards are decided with the bet and counted in the same record, so a restart finds
    // the statistics and the money in step; they are shown face down until the animation.
    hand.clearHeld();
    if (st.PayoutControl)
        genecaz(hand, m_gs.rng, st.Joker != 0, m_gs.payout.DealTrials);
    else
        DealHand(hand, m_gs.rng, st.Joker != 0);
    countHand(hand);
    m_fx.save(); // the bet is taken: a restart does not give it back
    if (!flash(Display::Credit, c.Credit))
        return;
    m_fx.drawValue(Display::Win, 0, 0);
    m_fx.stheld();
    forma(1);
    if (m_phase == Phase::Exiting)
        return;
    m_fx.setText(Label::Stage, autoplay ? "A 1" : "1");
    m_fx.setText(Label::Multiplier, "0");
    if (!autoplay)
        m_gs.FirstClick = 1;
    m_fx.showBacks();
    m_gs.Step = -1;
    m_gs.AutoAnimation = autoplay ? 1 : 0;
    m_phase = Phase::Dealing;
    m_fx.startAnimation(autoplay);
    if (!autoplay && st.SoundFx)
        m_fx.play("cartile");
}

void Round::drawPhase(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    bool all = true;
    for (int k = 1; k <= 5; ++k)
        all = all && hand.Held[size_t(k)];
    m_gs.AllHeld = all ? 1 : 0;
    m_fx.setText(Label::Stage, autoplay ? "A 2" : "2");
    setMoney(c.Win, 0, MoneyKind::HandPaid); // the dealt hand's preview goes
    m_fx.stheld();
    if (st.PayoutControl)
        ControlledDraw(hand, m_gs.rng, st.Joker != 0, m_gs.payout.DrawTrials);
    else
        DrawCards(hand, m_gs.rng, st.Joker != 0);
    // The final hand is decided now; its value is committed before the cards are shown,
    // so a restart in the middle of the animation pays what the draw gave, not the preview.
    // The count and the pot's feed go into the same record, shown at the end of the animation.
    Hand final = hand;
    final.clearHeld();
    HandFlags flags{};
    const int cls = EvaluateHand(final, flags, st.HoldHighCard != 0);
    setMoney(c.Win, cls >= 2 ? int64_t(Multiplier[size_t(cls)]) * c.Bet : 0, MoneyKind::HandPaid);
    if (!m_gs.AllHeld)
        countHand(hand);
    m_drawPot = -1;
    if (c.Win > 0 && !autoplay && holdsBonusAce(hand))
        m_drawPot = feedBonus();
    m_fx.save();
    m_fx.showBacks();
    m_gs.Step = -1;
    m_gs.AutoAnimation = autoplay ? 1 : 0;
    m_phase = Phase::Drawing;
    m_fx.startAnimation(autoplay);
}

void Round::animationTick(bool autoplay)
{
    Hand& hand = m_gs.hand;
    if (!m_gs.HandActive)
        return;
    if (m_gs.Step == -1) {
        m_gs.Step = 0;
        m_fx.revealPace(autoplay);
        return;
    }
    if (m_gs.Step < 5) {
        do {
            ++m_gs.Step;
            if (!hand.Held[size_t(m_gs.Step)])
                m_fx.showCard(m_gs.Step);
        } while (m_gs.Step < 5 && hand.Held[size_t(m_gs.Step)]);
    }
    if (m_gs.Step < 5)
        return;
    m_fx.stopAnimation(autoplay);
    m_phase = Phase::Settling;
    if (m_gs.State == 1)
        endOfDeal(autoplay);
    else if (m_gs.State == 2)
        endOfDraw(autoplay);
}

void Round::endOfDeal(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    const int dealt = EvaluateHand(hand, m_gs.flags, st.HoldHighCard != 0);
    if (dealt <= ClassJacks)
        HoldAdvisor(hand, st.HoldOpenInside != 0);
    m_fx.holdsProposed();
    if (!autoplay && !st.AutoHold)
        hand.clearHeld();
    m_fx.showHoldLamps();
    // Counted when dealt, with the bet.
    if (dealt >= 2) {
        m_fx.setText(Label::Multiplier, std::to_string(Multiplier[size_t(dealt)]));
        forma(dealt);
        if (m_phase == Phase::Exiting)
            return;
        setMoney(c.Win, int64_t(Multiplier[size_t(dealt)]) * c.Bet, MoneyKind::HandPaid);
        m_fx.save();
        if (!flash(Display::Win, c.Win))
            return;
    }
    if (m_fx.oddsShown())
        m_fx.liveOdds();
    m_fx.save();
    m_gs.State = 2;
    m_gs.Armed[ArmDeal] = 0;
    m_phase = Phase::HandShown;
    if (autoplay && !m_gs.Autoplay)
        m_fx.setText(Label::Message, "Autoplay off");
    m_fx.afterDeal();
}

void Round::endOfDraw(bool autoplay)
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    hand.clearHeld();
    const int final = EvaluateHand(hand, m_gs.flags, st.HoldHighCard != 0);
    if (final > 1)
        m_fx.showWinLamps();
    // Counted at the draw press, with the money it moved.
    if (final >= 2) {
        m_fx.setText(Label::Multiplier, std::to_string(Multiplier[size_t(final)]));
        forma(final);
        if (m_phase == Phase::Exiting)
            return;
        // The same value the draw press committed.
        setMoney(c.Win, int64_t(Multiplier[size_t(final)]) * c.Bet, MoneyKind::HandPaid);
        if (!flash(Display::Win, c.Win))
            return;
    }
    if (c.Win == 0) {
        forma(1);
        if (m_phase == Phase::Exiting)
            return;
        m_fx.drawValue(Display::Win, 0, 0);
    }
    if (m_drawPot >= 0) {
        const int32_t pot = m_drawPot;
        m_drawPot = -1;
        showBonusFed(pot);
        if (m_phase == Phase::Exiting)
            return;
    }
    m_fx.save();
    m_gs.State = 3;
    m_gs.HandActive = 0;
    m_gs.Armed[ArmDeal] = 0;
    m_phase = Phase::Idle;
    m_fx.afterDraw();
    if (autoplay) {
        if (!m_gs.Autoplay)
            m_fx.setText(Label::Message, "Autoplay off");
        return;
    }
    if (st.DoubleGame && st.AutoDouble && c.Win > 0) {
        // Every other input acts during this second; if one of them moved the round on
        // (a deal, a double-up started by hand), Auto Double has nothing left to do.
        m_phase = Phase::AutoDoubleWait;
        if (!pause(durations::AutoDoubleWait))
            return;
        if (m_phase == Phase::AutoDoubleWait) {
            m_phase = Phase::Idle;
            startdbl();
        }
    }
}

// ---------------------------------------------------------------- cards

void Round::ImageMouseDown(int k)
{
    if (k < 1 || k > 5 || !accepts(m_phase, Input::CardClick) || m_gs.Autoplay)
        return;
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    if (st.SoundFx) {
        static constexpr CueName cues[5] = {"cart1", "cart2", "cart3", "cart4", "cart5"};
        m_fx.play(cues[k - 1]);
    }
    uint8_t& held = hand.Held[size_t(k)];
    if (st.SmartHold && m_gs.FirstClick && !held) {
        hand.clearHeld();
        held = 1;
        m_gs.FirstClick = 0;
    } else {
        held = held ? 0 : 1;
    }
    m_fx.showHoldLamps();
    if (m_fx.oddsShown())
        m_fx.liveOdds();
    m_fx.holdChanged(k);
}

// ---------------------------------------------------------------- bet buttons

void Round::LbSpeedButton3MouseUp()
{
    input(Input::BetDown);
}

void Round::LbSpeedButton4MouseUp()
{
    input(Input::BetUp);
}

void Round::betButtonUp(ArmedButton button, bool up)
{
    uint8_t& armed = m_gs.Armed[size_t(button)];
    if (!armed)
        return;
    if (m_gs.Autoplay) {
        armed = 0; // ignored, and not left armed to swallow the next press
        return;
    }
    if (m_phase == Phase::DoubleUp) {
        guess(up);
        armed = 0;
        return;
    }
    Counters& c = m_gs.counters;
    if (!settlePendingWin())
        return;
    c.Bet = ClampBet(c.Bet);
    c.Bet = up ? BetUp(c.Bet) : BetDown(c.Bet);
    m_fx.save(); // a bet change is kept as soon as it is made
    flash(Display::Bet, c.Bet);
    armed = 0;
}

bool Round::settlePendingWin()
{
    if (m_gs.counters.Win <= 0)
        return true;
    // The pending win goes first; a deal or a double-up started by a key inside the
    // transfer's waits would play with a win or a bet about to change.
    const Phase before = m_phase;
    m_phase = Phase::Transfer;
    win2cr();
    if (m_phase != Phase::Transfer)
        return false;
    m_phase = before;
    return true;
}

void Round::betmaxMouseUp()
{
    if (!accepts(m_phase, Input::BetMax)) {
        disarm(ArmBetmax);
        return;
    }
    Counters& c = m_gs.counters;
    if (!m_gs.Autoplay) {
        if (!settlePendingWin())
            return;
        c.Bet = 500;
        m_fx.save();
        flash(Display::Bet, c.Bet);
    }
    disarm(ArmBetmax);
}

void Round::FormMouseWheel(int deltaY)
{
    // Nor while a deal press is under way: the bet it is about to take stays put.
    if (!accepts(m_phase, Input::Wheel) || m_gs.Autoplay)
        return;
    Counters& c = m_gs.counters;
    int bet = ClampBet(c.Bet);
    bet = deltaY < 0 ? BetDown(bet) : BetUp(bet);
    c.Bet = bet;
    m_fx.save();
    m_fx.drawValue(Display::Bet, c.Bet, 0);
}

// ---------------------------------------------------------------- double-up

void Round::LbSpeedButton5MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmDouble];
    if (!armed)
        return;
    if (!m_gs.Autoplay && accepts(m_phase, Input::Double))
        startdbl();
    armed = 0;
}

void Round::startdbl()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    DoubleUpState& d = m_gs.dbl;
    if (!st.DoubleGame || c.Win == 0 || m_gs.Autoplay)
        return;
    // Only between hands: not while cards are dealt, nor while the dealt hand waits.
    if (m_phase != Phase::Idle && m_phase != Phase::AutoDoubleWait && m_phase != Phase::DoubleUp)
        return;
    if (m_phase == Phase::DoubleUp) {
        m_phase = Phase::GuessSettling;
        winhalf2cr();
        if (!pause(durations::BankHalfPause))
            return;
        if (c.Win == 0) {
            d.BlinkTicks = 0;
            d.DoubleMarks[d.DoubleRound] = 0;
            if (!pause(durations::DoubleEnd))
                return;
            d.DoubleActive = 0;
            m_gs.State = 3;
            m_phase = Phase::Idle;
        } else {
            m_phase = Phase::DoubleUp;
        }
        disarm(ArmDouble);
        return;
    }
    m_gs.State = 3;
    m_fx.setText(Label::Stage, "3");
    m_fx.setText(Label::Message, st.RedBlack ? "Double Red-Black" : "Double Low-High");
    m_fx.setText(Label::Multiplier, "2");
    m_fx.stheld();
    m_gs.hand.clearHeld();
    m_fx.showBacks();
    DealHand(m_gs.hand, m_gs.rng, st.Joker != 0);
    d.DoubleRound = 1;
    d.BlinkTicks = 0;
    for (int i = 1; i <= 5; ++i)
        d.DoubleMarks[i] = 0;
    d.DoubleMarks[1] = 1;
    d.DoubleActive = 1;
    m_phase = Phase::DoubleUp;
}

void Round::guess(bool plus)
{
    Settings& st = m_gs.settings;
    Hand& hand = m_gs.hand;
    DoubleUpState& d = m_gs.dbl;
    m_phase = Phase::GuessSettling;
    const bool redBlack = st.RedBlack != 0;
    const int pos = d.DoubleRound;
    if (st.PayoutControl)
        ControlledDoubleDeal(hand, m_gs.rng, st.Joker != 0, redBlack, plus, pos, m_gs.payout.DealTrials);
    const bool won = DoubleGuessWins(redBlack, plus, hand.Suit[size_t(pos)], hand.Rank[size_t(pos)]);
    // Every guess feeds the pot: decided with the guess, so saved in the guess's own record.
    const int32_t pot = feedBonus();
    if (won)
        castiga();
    else
        pierde();
    if (m_phase == Phase::Exiting)
        return;
    showBonusFed(pot);
    if (m_phase == Phase::Exiting)
        return;
    m_fx.save();
    m_phase = d.DoubleActive ? Phase::DoubleUp : Phase::Idle;
}

void Round::castiga()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    DoubleUpState& d = m_gs.dbl;
    const int pos = d.DoubleRound;
    const int32_t before = c.Win;
    const int64_t won =
        DoubleWonStake(st.RedBlack != 0, m_gs.hand.Suit[size_t(pos)], m_gs.hand.Rank[size_t(pos)], c.Win);
    setMoney(c.Win, won, MoneyKind::DoubleWon);
    saturatingIncrement((st.RedBlack ? c.RbWon : c.LhWon)[size_t(pos)]);
    m_fx.save(); // decided before the card is shown
    m_fx.showCard(pos);
    if (c.Win != before && !flash(Display::Win, c.Win))
        return;
    if (st.SoundFx)
        m_fx.play("okd");
    d.BlinkTicks = 0;
    d.DoubleMarks[pos] = 2;
    if (pos < 5) {
        d.DoubleRound = uint8_t(pos + 1);
        d.BlinkTicks = 0;
        d.DoubleMarks[d.DoubleRound] = 1;
    } else {
        if (!pause(durations::FifthWinPause))
            return;
        win2cr();
        if (!pause(durations::FifthWinAfter))
            return;
        d.DoubleActive = 0;
        m_gs.State = 3;
    }
    m_fx.save();
}

void Round::pierde()
{
    Counters& c = m_gs.counters;
    Settings& st = m_gs.settings;
    DoubleUpState& d = m_gs.dbl;
    const int pos = d.DoubleRound;
    m_gs.State = 3;
    setMoney(c.Win, 0, MoneyKind::DoubleLost);
    saturatingIncrement((st.RedBlack ? c.RbLost : c.LhLost)[size_t(pos)]);
    m_fx.save(); // the stake is gone before the card says so: a restart cannot pay it
    m_fx.showCard(pos);
    if (!flash(Display::Win, 0))
        return;
    if (st.SoundFx)
        m_fx.play("err");
    d.BlinkTicks = 0;
    d.DoubleMarks[pos] = 0;
    if (!pause(durations::DoubleEnd))
        return;
    d.DoubleActive = 0;
    m_fx.save();
}

void Round::winhalf2cr()
{
    Counters& c = m_gs.counters;
    const int64_t sum = int64_t(c.Credit) + c.Win;
    const int32_t banked = BankHalf(c.Win);
    c.Credit = addMoney(c.Credit, banked);
    if (int64_t(c.Credit) + c.Win != sum)
        m_fx.money(MoneyKind::Capped, int64_t(c.Credit) + c.Win - sum);
    m_fx.save();
    if (!flash(Display::Win, c.Win))
        return;
    flash(Display::Credit, c.Credit);
}

// ---------------------------------------------------------------- autoplay

void Round::autopMouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmAutop];
    if (!armed)
        return;
    armed = 0;
    if (!accepts(m_phase, Input::Autoplay) || m_gs.dbl.DoubleActive)
        return;
    const bool on = !m_gs.Autoplay;
    if (on && m_gs.HandActive)
        return; // never starts in the middle of a hand; it can always be stopped
    m_gs.Autoplay = on ? 1 : 0;
    m_fx.setText(Label::Message, on ? "Autoplay on" : "Autoplay off");
    m_fx.autoplayTimer(on);
}

void Round::autojoc()
{
    if (!m_gs.Autoplay || !accepts(m_phase, Input::AutoplayTick))
        return;
    Counters& c = m_gs.counters;
    // The step is under way from here: a manual press inside one of its waits (autoplay
    // switched off meanwhile) must not deal or draw in the middle of it.
    const Phase before = m_phase;
    m_phase = Phase::AutoplayStep;
    const int64_t money = int64_t(c.Credit) + c.Win;
    if (money < c.Bet && m_gs.State != 2) {
        if (m_gs.settings.AutoBet) {
            c.Bet = AutoBetFor(money);
            m_fx.save();
            if (!flash(Display::Bet, c.Bet))
                return;
        }
        if (int64_t(c.Credit) + c.Win < c.Bet) {
            m_fx.autoplayTimer(false);
            m_gs.Autoplay = 0;
            m_fx.setText(Label::Message, "Autoplay off");
            m_phase = before;
            return;
        }
    }
    if (m_gs.State == 3)
        m_gs.State = 1;
    payoutCtrl();
    if (m_gs.State == 1) {
        if (c.Win > 0) {
            win2cr();
            if (!pause(durations::AfterWinToCredit))
                return;
        }
        if (c.Credit == 0) {
            m_gs.State = 3;
            m_phase = Phase::Idle;
            return;
        }
        dealPhase(true);
    } else if (m_gs.State == 2) {
        drawPhase(true);
    } else {
        m_phase = before;
    }
}

// ---------------------------------------------------------------- Extra screen and exit

void Round::LbSpeedButton1MouseUp()
{
    uint8_t& armed = m_gs.Armed[ArmExtra];
    if (!armed)
        return;
    armed = 0;
    if (m_gs.Autoplay || !accepts(m_phase, Input::OpenExtra))
        return;
    const Phase before = m_phase;
    if (m_fx.openExtra()) {
        m_beforeExtra = before;
        m_phase = Phase::ExtraOpen;
    }
}

bool Round::offClick()
{
    if (m_phase == Phase::Exiting)
        return false;
    m_phase = Phase::Exiting;
    m_fx.autoplayTimer(false);
    if (m_gs.settings.SoundFx)
        m_fx.play("clickmic");
    m_fx.saveSettings();
    m_fx.save();
    return true;
}

std::optional<CueName> Round::farewellCue() const
{
    if (m_gs.settings.VoiceFx)
        return CueName("byebye");
    if (m_gs.settings.SoundFx)
        return CueName("offg");
    return std::nullopt;
}

} // namespace tarvelle
