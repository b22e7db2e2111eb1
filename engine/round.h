#pragma once

#include "engine/clock.h"
#include "engine/gamestate.h"
#include "engine/soundcues.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvelle {

// Where the round is: the one source of truth. State, HandActive and DoubleActive are
// written from it whenever it changes (see the flags of each phase in round.cpp). A wait is
// not a loop but work left for a wake-up: the round asks its host for one, returns, and
// the host delivers Input::WaitOver, judged by the table below like any other input.
enum class Phase : uint8_t {
    Idle,             // between hands, perhaps with a win pending (State 3)
    Transfer,         // a bet change or a deal press moving the pending win first (State 3)
    DealPaying,       // a deal: the pending win goes to the credit (State 1)
    DealStarting,     // a deal: the bet is taken, the credit flashes, the message clears
    Dealing,          // the deal animation (State 1)
    DealSettling,     // the end of a deal: evaluation, announcement, their waits
    HandShown,        // the dealt hand waits for holds and the draw (State 2)
    Drawing,          // the draw animation (State 2)
    DrawSettling,     // the end of a draw: evaluation, announcement, pot, their waits
    AutoDoubleWait,   // a paying draw stays on view a second before Auto Double starts
    DoubleUp,         // the double-up waits for a guess (State 3, DoubleActive)
    GuessSettling,    // a guess, a bank or the collect being settled (DoubleActive)
    DoubleOver,       // a guess ended the double-up; its pot is still being shown
    AutoplayStep,     // an autoplay step before its deal or draw
    AutoDealPaying,   // DealPaying for autoplay (autoplay can still be switched off)
    AutoDealStarting, // DealStarting for autoplay
    ExtraOpen,        // the Extra screen lies over the table
    Exiting,          // the exit has begun: nothing acts any more
    Count
};

// Everything that can reach the round.
enum class Input : uint8_t {
    Press,         // mouse-down of a round button: arms or disarms it
    DealRelease,   // LbSpeedButton2MouseUp (Enter/Space: arg ByKey)
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
    WaitOver,      // the wake-up the round asked for
    Announce,      // the showcase names a hand class (arg): forma, silent
    ChooseGame,    // another game (arg: its place in the host's list) between hands
    Count
};

// The arg of a button release that came from its key: the key arms the button first,
// where the release acts at all.
constexpr int ByKey = 1;
// The arg of a Deal/Draw release the player confirmed after training mode held the draw
// back: armed like a key, and drawn without asking again.
constexpr int ForceDraw = 2;

const char* phaseName(Phase p);
const char* inputName(Input i);

// The one table: does this input act in this phase? An ignored input changes nothing
// but its own button's press mark.
bool accepts(Phase phase, Input input);

enum class Display : uint8_t { Win, Bonus, Bet, Credit };  // win_im, bonus_im, bet_im, credit_im
enum class Label : uint8_t { Message, Stage, Multiplier }; // AntiAliasLabel1, 6, 8
enum class MoneyKind : uint8_t { BetTaken, HandPaid, DoubleWon, DoubleLost, BonusFed, Capped, AccountReset };

// What the round asks of whoever shows it: the table window, or a test. Every request has
// a default that does nothing, so a fake writes only what it observes.
class RoundEffects {
public:
    virtual ~RoundEffects() = default;

    // ---- display ----
    virtual void drawValue(Display, int32_t /*value*/, int /*brightness*/) {} // nr
    virtual void showCard(int /*k*/) {}                                       // ShowCard
    virtual void showBacks() {} // ShowBacks: the back on every position not held
    virtual void stheld() {}    // "set held": every hold lamp off
    virtual void showHoldLamps() {}
    virtual void showWinLamps() {}
    // The texts are kept here unless a view keeps them itself (then it overrides both).
    virtual void setText(Label l, const std::string& text) { m_texts[size_t(l)] = text; }
    virtual std::string text(Label l) const { return m_texts[size_t(l)]; }
    virtual void dimMessage(bool) {} // forma's blink of the message line
    virtual bool oddsShown() const { return false; } // the pay table sg1 is visible
    virtual void liveOdds() {}                       // LiveOdds
    virtual void refreshAccount() {} // the account panel shows the new figures
    // The game at `index` of the host's list is played from now on, with its own money and
    // figures; the one left has been saved.
    virtual void switchGame(int /*index*/) {}
    // The showcase runs (idle count 500 or more): announcements are silent.
    virtual bool quiet() const { return false; }

    // ---- sound ----
    virtual void play(CueName) {}

    // ---- timing ----
    virtual void wakeAfter(int /*ms*/) {}           // one Input::WaitOver, ms from now
    virtual void cancelWake() {}                    // the wake-up asked for is not wanted
    virtual void startAnimation(bool /*autoplay*/) {} // Timer5 for autoplay, else Timer4, at rest
    virtual void revealPace(bool /*autoplay*/) {}     // the timer goes to the reveal interval
    virtual void stopAnimation(bool /*autoplay*/) {}  // stopped and back at rest
    virtual void autoplayTimer(bool /*on*/) {}        // Timer2

    // ---- storage and windows ----
    virtual void save() {}         // svct: the counters file
    virtual void saveSettings() {} // saveini
    virtual bool openExtra() { return false; } // false when there is no Extra screen
    // Every change of money, with its amount (for the books of the model check); wide
    // enough for any change of the 64-bit account totals.
    virtual void money(MoneyKind, __int128) {}

    // ---- play aids that follow the round ----
    virtual void afterDeal() {}      // the dealt hand is shown, counted and saved
    virtual void holdsProposed() {}  // Held holds the proposal; Auto Hold off clears it next
    virtual void holdChanged(int) {} // a card click changed Held
    // Training mode may hold a draw back to say the hold is not the best; false: not drawn.
    virtual bool approveDraw() { return true; }
    virtual void afterDraw() {}      // the final hand is valued, counted and saved

private:
    std::array<std::string, 3> m_texts;
};

// The round: bets, deal and draw, paying, the bonus pot, the double-up, autoplay steps,
// the account and the exit. Plain rules on the shared GameState; the window feeds it
// inputs and renders what it asks for.
class Round {
public:
    Round(GameState& gs, RoundEffects& fx, Clock& clock);
    // A copy that plays on another state, shows elsewhere and keeps another clock (model check).
    Round(const Round& other, GameState& gs, RoundEffects& fx, Clock& clock);

    Phase phase() const { return m_phase; }
    // True from an accepted Deal/Draw (or autoplay step) until its animation and settling are over.
    bool busy() const;
    // Work is left for a wake-up; wakeAt() is when the first falls due on the clock (-1: none).
    bool waiting() const { return m_wakeAt >= 0; }
    int64_t wakeAt() const { return m_wakeAt; }
    // How many steps of work are left, over all the operations that wait.
    size_t pendingSteps() const;
    // The deepest that input() was ever entered from inside itself (1: never).
    int deepestInput() const { return m_deepest; }
    // A dealt hand is on the table, waiting for its draw or being drawn (State 2).
    bool handShown() const { return m_gs.State == 2; }
    Clock& clock() const { return *m_clock; }
    void setClock(Clock& clock) { m_clock = &clock; }

    // The one way in; returns true when the phase table let the input act.
    // arg: the card 1..5, the wheel delta, the button of a Press, ByKey for a release
    // from its key, the class to announce.
    bool input(Input in, int arg = 0);
    std::optional<CueName> farewellCue() const; // byebye, offg, or nothing

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
    // ---- work left for later ----
    enum class Op : uint8_t;
    struct Step {
        Op op;
        int32_t a = 0;
        int32_t b = 0;
        int64_t t = 0;
    };
    // What one input set going: a stack of steps, the next on top, and when it goes on.
    // Operations that wait at the same time each go on at their own time.
    struct Chain {
        std::vector<Step> steps;
        int64_t due = -1;
    };
    void then(std::initializer_list<Step> steps); // done next, in this order, before the rest
    void run(Chain& chain);                       // performs steps until one has to wait
    void wakeUp();                                // goes on with every operation due
    void askWake();                               // one wake-up for the first one due
    void perform(const Step& s);
    void flash(Display d, int32_t value); // the value shown with a flash
    void enter(Phase p);                  // the phase, and the flags it implies
    void beginInput(Input in);

    // ---- the handlers, under the names the table gives them ----
    void pressButton(ArmedButton button); // mouse-down: flip the mark, its cue when it arms
    void LbSpeedButton2MouseUp(bool confirmed); // Deal/Draw release
    void betButtonUp(ArmedButton button, bool up); // LbSpeedButton3MouseUp / LbSpeedButton4MouseUp
    void betmaxMouseUp();
    void FormMouseWheel(int deltaY);
    void LbSpeedButton5MouseUp(); // Double
    void autopMouseUp();
    void LbSpeedButton1MouseUp(); // opens the Extra screen
    void ImageMouseDown(int k);   // Image1MouseDown .. Image5MouseDown
    void animationTick(bool autoplay); // Timer4Timer / Timer5Timer
    void accountInput(Input in);
    void offClick(); // begins the exit: saves both files
    void chooseGame(int index);

    // ---- operations of the round, under the game's own (partly Romanian) names ----
    void forma(int k);     // announces hand class k: message line, fanfare, voice ("form")
    void win2cr();         // the pending win to the credit ("win to credit")
    void startdbl();       // starts the double-up, or inside it banks half ("start double")
    void castiga();        // a won guess ("wins")
    void pierde();         // a lost guess ("loses")
    void winhalf2cr();     // banks half of the stake, the larger half to the credit
    void autojoc();        // one autoplay step: a deal or a draw ("auto play")
    void CountHand(int k); // counts class k (12: a hand) among dealt or final hands

    // ---- the parts of the hand ----
    void payoutCtrl();
    void transferToCredit(int32_t& from);
    void moveToCredit(int32_t& from);
    void setMoney(int32_t& field, int64_t value, MoneyKind kind);
    void dealAfterBet(Phase before, bool autoplay);
    void dealAfterWin(bool autoplay);
    void dealPhase(bool autoplay);
    void dealStart(bool autoplay);
    void drawPhase(bool autoplay);
    void endOfDeal(bool autoplay);
    void endOfDealRest(bool autoplay);
    void endOfDraw(bool autoplay);
    void drawAfterWin(bool autoplay);
    void drawEnd(bool autoplay);
    void betChange(ArmedButton button, int how); // how: 0 down, 1 up, 2 to 500
    int32_t feedBonus();            // the bet into the pot; returns the pot to show
    void showBonusFed(int32_t pot); // shows the fed pot, and its payout past 9999
    static bool holdsBonusAce(const Hand& hand);
    void countHand(const Hand& hand); // counts the hand and its class, as dealt or as final
    void guess(bool plus);
    void disarm(ArmedButton b) { m_gs.Armed[size_t(b)] = 0; }

    // ---- the game played: the table's own, or a casino game ----
    const Game* casino() const { return m_gs.casino ? &*m_gs.casino : nullptr; }
    bool deckJoker() const;          // the Joker is in the deck
    bool controlled() const;         // the payout-rate control deals (the table's game only)
    int64_t classPay(int cls) const; // credits per credit bet
    bool paying(int cls) const;      // announced, paid, its win lamps lit
    bool bigHand(int cls) const;     // the fanfare before its name
    int blankClass() const;          // the class whose announcement clears the message line
    std::string classText(int cls) const;
    int evaluate(Hand& hand, HandFlags& flags); // the class; marks the cards that make it

    GameState& m_gs;
    RoundEffects& m_fx;
    Clock* m_clock;
    Phase m_phase = Phase::Idle;
    Phase m_beforeExtra = Phase::Idle;
    int32_t m_drawPot = -1; // the pot a draw fed, shown at the end of its animation; -1 none
    std::vector<Chain> m_chains; // the operations that wait
    Chain* m_work = nullptr;     // the one being performed
    int64_t m_wakeAt = -1;       // the wake-up asked of the host
    int64_t m_autoDoubleAt = 0;  // when the Auto Double second ends
    int m_depth = 0;
    int m_deepest = 0;
};

} // namespace tarvelle
