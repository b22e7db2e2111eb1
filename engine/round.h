#pragma once

#include "engine/clock.h"
#include "engine/gamestate.h"
#include "engine/soundcues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace tarvelle {

// Where the round is. Every wait has its own phase, so an input arriving inside a wait
// is judged by the one table below rather than by a guard of its own.
enum class Phase : uint8_t {
    Idle,           // between hands, perhaps with a win pending (State 3)
    Transfer,       // a press moving money before it acts: Auto Bet, the pending win to the credit
    Dealing,        // the deal animation (State 1)
    HandShown,      // the dealt hand waits for holds and the draw (State 2)
    Drawing,        // the draw animation (State 2)
    Settling,       // the end of a deal or a draw: evaluation, announcement, their waits
    AutoDoubleWait, // a paying draw stays on view a second before Auto Double starts
    DoubleUp,       // the double-up waits for a guess (State 3, DoubleActive)
    GuessSettling,  // a guess, a bank or the collect being settled
    AutoplayStep,   // an autoplay step before its animation starts
    ExtraOpen,      // the Extra screen lies over the table
    Exiting,        // the exit has begun: nothing acts any more
    Count
};

// Everything that can reach the round.
enum class Input : uint8_t {
    Press,         // mouse-down of a round button: arms or disarms it
    DealRelease,   // LbSpeedButton2MouseUp (also Enter/Space, which arm it first)
    BetDown,       // LbSpeedButton3MouseUp: bet down, or a guess
    BetUp,         // LbSpeedButton4MouseUp: bet up, or a guess
    BetMax,        // betmaxMouseUp
    Wheel,         // FormMouseWheel
    Double,        // LbSpeedButton5MouseUp: start the double-up, or bank half
    Autoplay,      // autopMouseUp
    OpenExtra,     // LbSpeedButton1MouseUp
    CardClick,     // Image1MouseDown .. Image5MouseDown
    AnimationTick, // Timer4Timer / Timer5Timer
    AutoplayTick,  // Timer2Timer
    Insert,        // "Insert 1000"
    Cashout,       // "Cashout"
    AccountReset,  // the account "Reset"
    CloseExtra,    // the Extra screen went away
    Exit,          // offClick
    Count
};

const char* phaseName(Phase p);
const char* inputName(Input i);

// The one table: does this input act in this phase? An ignored input changes nothing
// but its own button's press mark.
bool accepts(Phase phase, Input input);

enum class Display : uint8_t { Win, Bonus, Bet, Credit };  // win_im, bonus_im, bet_im, credit_im
enum class Label : uint8_t { Message, Stage, Multiplier }; // AntiAliasLabel1, 6, 8
enum class MoneyKind : uint8_t { BetTaken, HandPaid, DoubleWon, DoubleLost, BonusFed, Capped, AccountReset };

// What the round asks of whoever shows it: the table window, or a test.
class RoundEffects {
public:
    virtual ~RoundEffects() = default;
    virtual void drawValue(Display d, int32_t value, int brightness) = 0; // nr
    virtual void showCard(int k) = 0;
    virtual void showBacks() = 0; // the back on every position not held
    virtual void stheld() = 0;
    virtual void showHoldLamps() = 0;
    virtual void showWinLamps() = 0;
    virtual void setText(Label l, const std::string& text) = 0;
    virtual std::string text(Label l) const = 0;
    virtual void dimMessage(bool dim) = 0; // forma's blink of the message line
    virtual void play(CueName cue) = 0;
    virtual void save() = 0;         // svct
    virtual void saveSettings() = 0; // saveini
    // Waits while other inputs keep being handled (delay).
    virtual void wait(int ms) = 0;
    virtual void startAnimation(bool autoplay) = 0; // Timer5 for autoplay, else Timer4, at rest
    virtual void revealPace(bool autoplay) = 0;     // the timer goes to the reveal interval
    virtual void stopAnimation(bool autoplay) = 0;  // stopped and back at rest
    virtual void autoplayTimer(bool on) = 0;        // Timer2
    virtual bool oddsShown() const = 0;             // the pay table sg1 is visible
    virtual void liveOdds() = 0;
    virtual bool openExtra() = 0;    // false when there is no Extra screen
    virtual void refreshAccount() {} // the account panel shows the new figures
    // The showcase runs (idle count 500 or more): announcements are silent.
    virtual bool quiet() const { return false; }
    // Every change of money, with its amount (for the books of the model check); wide
    // enough for any change of the 64-bit account totals.
    virtual void money(MoneyKind, __int128) {}

    // Hooks for play aids that follow the round.
    virtual void afterDeal() {}      // the dealt hand is shown, counted and saved
    virtual void holdsProposed() {}  // Held holds the proposal; Auto Hold off clears it next
    virtual void holdChanged(int) {} // a card click changed Held
    virtual void afterDraw() {}      // the final hand is valued, counted and saved
};

// The round: bets, deal and draw, paying, the bonus pot, the double-up, autoplay steps,
// the account and the exit. Plain rules on the shared GameState; the window feeds it
// inputs and renders what it asks for.
class Round {
public:
    Round(GameState& gs, RoundEffects& fx, Clock& clock);
    // A copy that plays on another state and shows elsewhere (model check).
    Round(const Round& other, GameState& gs, RoundEffects& fx);

    Phase phase() const { return m_phase; }
    // True from an accepted Deal/Draw (or autoplay step) until its animation and settling are over.
    bool busy() const;
    // A dealt hand is on the table, waiting for its draw or being drawn (State 2).
    bool handShown() const { return m_gs.State == 2; }
    Clock& clock() const { return *m_clock; }
    void setClock(Clock& clock) { m_clock = &clock; }

    // One entry for every input; returns true when the phase table let it act.
    // arg: the card 1..5, the wheel delta, the button of a Press, autoplay's animation (1).
    bool input(Input in, int arg = 0);

    // ---- the handlers, under the names the table gives them ----
    void pressButton(ArmedButton button); // mouse-down: flip the mark, its cue when it arms
    void LbSpeedButton2MouseUp();
    void DealKey(); // Enter or Space: arms Deal/Draw and releases it, unless a press is under way
    void LbSpeedButton3MouseUp();
    void LbSpeedButton4MouseUp();
    void betmaxMouseUp();
    void FormMouseWheel(int deltaY);
    void LbSpeedButton5MouseUp();
    void autopMouseUp();
    void LbSpeedButton1MouseUp();
    void ImageMouseDown(int k);
    void Timer4Timer() { input(Input::AnimationTick, 0); }
    void Timer5Timer() { input(Input::AnimationTick, 1); }
    void Timer2Timer() { input(Input::AutoplayTick); }
    void Insert1000() { input(Input::Insert); }
    void CashoutCredit() { input(Input::Cashout); }
    void ResetAccount() { input(Input::AccountReset); }
    void closeExtra() { input(Input::CloseExtra); }
    // Begins the exit: saves both files. False when the exit had already begun.
    bool offClick();
    std::optional<CueName> farewellCue() const; // byebye, offg, or nothing

    // ---- operations of the round, under the game's own (partly Romanian) names ----
    void forma(int k);     // announces hand class k: message line, fanfare, voice
    void win2cr();         // the pending win to the credit ("win to credit")
    void bonus2cr();       // the bonus pot to the credit
    void startdbl();       // starts the double-up, or inside it banks half ("start double")
    void castiga();        // a won guess ("wins")
    void pierde();         // a lost guess ("loses")
    void winhalf2cr();     // banks half of the stake, the larger half to the credit
    void autojoc();        // one autoplay step: a deal or a draw ("auto play")
    void CountHand(int k); // counts class k (12: a hand) among dealt or final hands

    // ---- rules without state ----
    static int ClampBet(int bet);
    static int BetUp(int bet);
    static int BetDown(int bet);
    static int AutoBetFor(int64_t money); // the bet "Auto Bet" chooses for the money at hand
    // The account operations; each returns false when refused (the error cue).
    static bool insertCredit(Counters& c);
    static bool cashoutCredit(Counters& c);
    static void resetAccount(Counters& c);
    // CashoutTotal - InsertedTotal, held at the ends of 64 bits rather than overflowing.
    static int64_t accountBalance(const Counters& c);

private:
    bool pause(int ms); // false once the exit has begun: the operation stops there
    bool flash(Display d, int32_t value);
    // Moves a win or the bonus pot into the credit (held at its top); the second one saves.
    void transferToCredit(int32_t& from);
    void moveToCredit(int32_t& from);
    void setMoney(int32_t& field, int64_t value, MoneyKind kind);
    void setPhase(Phase p) { m_phase = p; }
    void payoutCtrl();
    bool applyAutoBet();
    // Moves a pending win to the credit before a bet change; false when an input taken inside
    // the transfer's waits moved the round on, and the bet change must not follow.
    bool settlePendingWin();
    void betButtonUp(ArmedButton button, bool up);
    void dealPhase(bool autoplay);
    void drawPhase(bool autoplay);
    void animationTick(bool autoplay);
    void endOfDeal(bool autoplay);
    void endOfDraw(bool autoplay);
    int32_t feedBonus();            // the bet into the pot; returns the pot to show
    void showBonusFed(int32_t pot); // shows the fed pot, and its payout past 9999
    static bool holdsBonusAce(const Hand& hand);
    void countHand(const Hand& hand); // counts the hand and its class, as dealt or as final
    void guess(bool plus);
    void accountInput(Input in);
    void disarm(ArmedButton b) { m_gs.Armed[size_t(b)] = 0; }

    GameState& m_gs;
    RoundEffects& m_fx;
    Clock* m_clock;
    Phase m_phase = Phase::Idle;
    Phase m_beforeExtra = Phase::Idle;
    int32_t m_drawPot = -1; // the pot a draw fed, shown at the end of its animation; -1 none
};

} // namespace tarvelle
