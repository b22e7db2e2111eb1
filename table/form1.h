#pragma once

#include "engine/clock.h"
#include "engine/gamestate.h"
#include "engine/round.h"

#include "table/clocktimer.h"

#include "storage/casinofile.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class QMenu;

namespace tarvelle {

class CardImagery;
class SoundBank;
class StrategyWindow;
class ReviewWindow;
class DrillWindow;
class CoachPanel;
class TAntiAliasLabel;
class TForm2;
class TImage;
class TLbSpeedButton;
class TStringAlignGrid;

// The main table window: the play area centred on a black, frameless, maximised window.
// It feeds the round its inputs and shows what the round asks for.
class TForm1;
// The game's name under the title (gamechoice.cpp), and where it goes on the play area.
QWidget* makeGameCaption(TForm1* table);
QRect gameCaptionRect();
// Training mode's warning (training.cpp), and where it goes on the play area.
QWidget* makeTrainingWarning(TForm1* table);
QRect trainingWarningRect();

class TForm1 : public QWidget, private RoundEffects {
    Q_OBJECT
public:
    // appDir: where poker2.dat and the card backs live; saveDir: where poker.ini and
    // poker.dat are kept. Both end with a separator.
    TForm1(GameState& gs, SoundBank& sounds, CardImagery& imagery, const QString& appDir,
           const QString& saveDir, QWidget* parent = nullptr);
    ~TForm1() override;

    // Empty when the table came up; otherwise why the card pictures could not be made.
    QString startupError() const { return m_startupError; }
    // Non-empty when the counters file was damaged at start-up: what the player is told.
    QString loadNotice() const { return m_loadNotice; }
    void setExtra(TForm2* extra);
    // Covers the screen with the window and shows it.
    void showTable();

    Round& round() { return m_round; }
    // Time for waits, the clocks and the payout rhythm; the system clock unless a test
    // brings its own (the start time is taken again from it).
    void setClock(Clock& clock);

    // ---- controls, named as on the table ----
    TImage* red = nullptr;          // backdrop stretched over the whole screen
    TImage* splash = nullptr;       // start-up picture, hidden at start-up tick 12
    TImage* desen = nullptr;        // the table picture ("drawing")
    TAntiAliasLabel* mintro = nullptr; // start-up message line (screen refusals)
    TImage* Image1 = nullptr;       // Image1..Image5: the five cards
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;       // Image6, 7, 8, 10: hidden frames of the turning emblem
    TImage* Image7 = nullptr;
    TImage* Image8 = nullptr;
    TImage* Image9 = nullptr;       // the emblem shown, a copy of one frame
    TImage* Image10 = nullptr;
    TStringAlignGrid* sg1 = nullptr; // the pay table with its odds column, dragged by the player
    CoachPanel* coach = nullptr; // the strategy coach panel, shown and hidden with C
    TLbSpeedButton* LbSpeedButton1 = nullptr; // opens the Extra screen (key S)
    TLbSpeedButton* LbSpeedButton2 = nullptr; // Deal/Draw; collects a double-up (Enter, Space)
    TLbSpeedButton* LbSpeedButton3 = nullptr; // bet down; the "-" guess in a double-up
    TLbSpeedButton* LbSpeedButton4 = nullptr; // bet up; the "+" guess in a double-up
    TLbSpeedButton* LbSpeedButton5 = nullptr; // starts the double-up, then banks half (D)
    TLbSpeedButton* betmax = nullptr; // bet 500 (M)
    TLbSpeedButton* autop = nullptr;  // autoplay on/off (A)
    TLbSpeedButton* proce = nullptr;  // shows or hides the pay table sg1 (P)
    TLbSpeedButton* off = nullptr;    // exit (X, the window's close request)
    TImage* win_im = nullptr;       // digit displays: Win, Bonus, Bet, Credit
    TImage* bonus_im = nullptr;
    TImage* bet_im = nullptr;
    TImage* credit_im = nullptr;
    TImage* h1 = nullptr;           // h1..h5: hold lamps under the cards (double-up lamps too)
    TImage* h2 = nullptr;
    TImage* h3 = nullptr;
    TImage* h4 = nullptr;
    TImage* h5 = nullptr;
    TAntiAliasLabel* AntiAliasLabel1 = nullptr; // message line: hand names, double-up, autoplay
    TAntiAliasLabel* AntiAliasLabel2 = nullptr; // 2..5: captions "win", "bonus", "bet", "credit"
    TAntiAliasLabel* AntiAliasLabel3 = nullptr;
    TAntiAliasLabel* AntiAliasLabel4 = nullptr;
    TAntiAliasLabel* AntiAliasLabel5 = nullptr;
    TAntiAliasLabel* AntiAliasLabel6 = nullptr; // stage: "1", "2", "3", "A 1", "A 2", "Demo"
    TAntiAliasLabel* AntiAliasLabel7 = nullptr; // time of day
    TAntiAliasLabel* AntiAliasLabel8 = nullptr; // multiplier of the hand shown
    TAntiAliasLabel* AntiAliasLabel9 = nullptr; // time since start-up
    // The timers run on the table's clock (setClock).
    ClockTimer* Timer1 = nullptr; // 300 ms: start-up sequence, clocks, double-up lamps
    ClockTimer* Timer2 = nullptr; // 3 s: one autoplay step (autojoc) while autoplay is on
    ClockTimer* Timer3 = nullptr; // 100 ms: emblem, idle count, the "Demo" showcase
    ClockTimer* Timer4 = nullptr; // deal and draw animation of manual play
    ClockTimer* Timer5 = nullptr; // the same animation for autoplay

    TImage* card(int k) const; // Image1..Image5
    TImage* lamp(int k) const; // h1..h5

    // ---- hand flow: each handler hands its input to the round ----
    // Announces hand class k ("form"): message line, fanfare, voice (the showcase's, silent).
    void forma(int k) { m_round.input(Input::Announce, k); }
    void LbSpeedButton2MouseDown() { pressButton(ArmDeal); } // Deal/Draw pressed
    void LbSpeedButton2MouseUp() { m_round.input(Input::DealRelease); } // Deal/Draw released
    void Timer4Timer() { m_round.input(Input::AnimationTick); } // a step of the deal/draw animation
    void Timer5Timer() { m_round.input(Input::AnimationTick); } // the same in autoplay
    void ImageMouseDown(int k); // Image1MouseDown .. Image5MouseDown
    void LbSpeedButton3MouseDown() { pressButton(ArmBetDown); }
    void LbSpeedButton3MouseUp() { m_round.input(Input::BetDown); } // bet down, or the "-" guess
    void LbSpeedButton4MouseDown() { pressButton(ArmBetUp); }
    void LbSpeedButton4MouseUp() { m_round.input(Input::BetUp); } // bet up, or the "+" guess
    void betmaxMouseDown() { pressButton(ArmBetmax); }
    void betmaxMouseUp() { m_round.input(Input::BetMax); } // bet 500
    // True from an accepted Deal/Draw until its animation and settling are over.
    bool phaseBusy() const { return m_round.busy(); }
    // The round has work left for a wake-up of its own (a flash, a pause, the Auto Double second).
    bool roundWaiting() const { return m_round.waiting(); }

    // ---- pay table ----
    void BaseOdds();    // the odds column of a bare deal, from the fixed table
    void RunLiveOdds(); // the odds column for the holds shown (LiveOdds)
    void proceMouseDown();
    void proceMouseUp();
    void sg1MouseDown(QPoint pos);
    void sg1MouseMove(QPoint pos);
    void sg1MouseUp();
    QPoint payGridPos() const { return {m_payGridLeft, m_payGridTop}; }

    // ---- autoplay ----
    void autopMouseDown() { pressButton(ArmAutop); }
    void autopMouseUp() { m_round.input(Input::Autoplay); } // autoplay on/off
    void Timer2Timer() { m_round.input(Input::AutoplayTick); } // one autoplay step (autojoc)

    // ---- double-up ----
    void LbSpeedButton5MouseDown() { pressButton(ArmDouble); }
    void LbSpeedButton5MouseUp() { m_round.input(Input::Double); } // double-up, or bank half

    // ---- Extra screen ----
    void LbSpeedButton1MouseDown() { pressButton(ArmExtra); }
    void LbSpeedButton1MouseUp() { m_round.input(Input::OpenExtra); } // the Extra screen

    // ---- the game played ----
    // G, or a click on the game's name: the games to choose from, the one played checked.
    void openGameMenu();
    void chooseGame(int index) { m_round.input(Input::ChooseGame, index); }
    // [0] stands for the table's own game; then the casino games and the player's own.
    const std::vector<Game>& games() const { return m_games; }
    int gameIndex() const { return m_gameIndex; }
    QWidget* gameCaption() const { return m_gameCaption; }
    QMenu* gameMenu() const { return m_gameMenu; }
    // Waits for the pay table's odds of a bare deal worked out for the game (tests).
    void finishOddsWork();
    // Training mode held a draw back: Y draws anyway, B takes the best hold and draws, N
    // (or Escape) leaves the hold to change.
    void trainingChoice(char choice);
    bool trainingShown() const;
    QWidget* trainingWarning() const { return m_trainingWarning; }
    // H: the strategy chart of the game played, in a window beside the table.
    void showStrategy();
    StrategyWindow* strategyWindow() const { return m_strategy; }
    // R: the player's mistakes in the game played, from the hand history.
    void showReview();
    void showDrill(); // Q: the drill of the game played
    DrillWindow* drillWindow() const { return m_drill; }
    ReviewWindow* reviewWindow() const { return m_review; }

    // ---- shell ----
    void Timer1Timer();
    void Timer3Timer();
    void outdemo(); // "out of demo": leaves the showcase on any movement, press or key
    void FormKeyPress(QChar key);
    void FormMouseWheel(int deltaY);
    void offClick();
    // Settings and counters to disk, as leaving the game does.
    void saveAll();
    static QPoint originFor(QSize screen);
    // A screen of fewer than 800 x 600 logical pixels whose device pixels hold the table (1920 x
    // 1080 at a scale of 2): the largest device pixel ratio at which it holds 800 x 600. None
    // when the screen holds the table already, or is too small even in device pixels.
    static std::optional<double> fittingScale(QSize logical, double ratio);
    // Local date and time in days with a fraction, on the table's clock.
    double localDays() const { return m_clock->localDays(); }
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }
    // Replaces the real screen's metrics (tests, odd displays); the table then covers that
    // screen and is laid out again.
    void setScreenMetrics(QSize size, int depth);
    // The screen the start-up checks look at.
    QSize screenSize() const;
    int screenDepth() const;
    // The table's own size, which the play area is centred in: the work area a window manager
    // maximises it to, or the whole screen.
    QSize areaSize() const { return size(); }
    int startTicks() const { return m_startTicks; }
    int idleTicks() const { return m_idleTicks; }
    void setIdleTicks(int t) { m_idleTicks = uint16_t(t); }
    int emblemTicks() const { return m_emblemTicks; }
    void setEmblemTicks(int t) { m_emblemTicks = uint16_t(t); }
    // Cards as a screen reader names them: "Queen of diamonds", "Joker".
    static QString cardName(int suit, int rank);

    // Off in tests: the end of the program is then only recorded.
    void setQuitOnExit(bool on) { m_quitOnExit = on; }
    bool ended() const { return m_ended; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void changeEvent(QEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    bool event(QEvent* e) override;

private:
    void createControls();
    void createPayTable();
    void layPayTable(); // the rows of the game played
    void placePayTable();
    void loadGames(); // the catalogue, games.txt and the choice kept
    void enterGame(int index);
    void showGame();
    void startOddsWork();
    void placeControls();
    void connectControls();
    void formCreate();
    // A built-in picture on a control, with its double-size version on high-DPI screens.
    void setArt(TImage* img, const QString& name, QSize fallback) const;
    void setArt(TLbSpeedButton* button, const QString& name, QSize fallback) const;

    // What the round asks of the window.
    void drawValue(Display d, int32_t value, int brightness) override;
    void showCard(int k) override;
    void showBacks() override;
    void stheld() override; // the hold lamps off (ledstins, the unlit lamp)
    void showHoldLamps() override;
    void showWinLamps() override;
    void setText(Label l, const std::string& text) override;
    void dimMessage(bool dim) override;
    void play(CueName cue) override;
    void save() override;
    void saveSettings() override;
    void wakeAfter(int ms) override { m_wake->start(ms); }
    void cancelWake() override { m_wake->stop(); }
    void startAnimation(bool autoplay) override;
    void revealPace(bool autoplay) override;
    void stopAnimation(bool autoplay) override;
    void autoplayTimer(bool on) override;
    bool oddsShown() const override;
    void liveOdds() override { RunLiveOdds(); }
    bool openExtra() override;
    bool quiet() const override { return m_idleTicks >= 500; }
    void switchGame(int index) override;
    // The coach follows the hand: the proposal (Expert holds may replace it), clicks, deal, draw.
    void holdsProposed() override;
    void holdChanged(int) override;
    bool approveDraw() override;
    void afterDeal() override;
    void afterDraw() override;

    TImage* display(Display d) const;
    TAntiAliasLabel* label(Label l) const;
    void paintLamp(int k, const QImage& img);
    void clearShowcase();
    void showShowcase(int index);
    void doubleLamps();
    // The press of every round button: leave the showcase, then the round flips its mark.
    void pressButton(ArmedButton button);
    void endProgram();
    void exitStep(); // one frame of the window shrinking away, then the next
    void onExtraClosed();
    // access.cpp: what screen readers are told about the table, and what it announces.
    void describeControls();
    void describeHand();
    void announceHand(bool final);
    void announceGuess(int k);

    GameState& m_gs;
    Settings& m_st; // m_gs.settings
    Counters& m_ct; // m_gs.counters
    Hand& m_hand;
    SoundBank& m_sounds;
    CardImagery& m_imagery;
    TForm2* m_extra = nullptr;
    std::unique_ptr<Clock> m_systemClock;
    Clock* m_clock = nullptr;
    Round m_round;
    QString m_appDir;
    QString m_saveDir;
    QString m_startupError;
    QString m_loadNotice;
    std::optional<std::array<uint8_t, 316>> m_lastSaved; // the record this table wrote last

    std::vector<Game> m_games;
    int m_gameIndex = 0;
    Counters m_tableCounters;                  // the table's own money while a casino game is played
    std::map<std::string, CasinoBook> m_books; // the casino games left this session
    std::optional<CasinoBook> m_lastSavedBook;
    std::map<std::string, std::array<QString, MaxClasses>> m_classOdds; // odds of a bare deal
    std::thread m_oddsWorker;
    QWidget* m_gameCaption = nullptr;
    StrategyWindow* m_strategy = nullptr;
    ReviewWindow* m_review = nullptr;
    DrillWindow* m_drill = nullptr;
    QWidget* m_trainingWarning = nullptr;
    QMenu* m_gameMenu = nullptr;

    bool m_faceDown[6] = {false, true, true, true, true, true}; // positions showing the back
    uint8_t m_lampKind[6] = {}; // what each lamp shows (CardImagery::LampKind), for screen readers

    int m_originX = 0;
    int m_originY = 0;
    QSize m_screenOverride;
    int m_depthOverride = 0;
    uint8_t m_startTicks = 0;
    uint16_t m_emblemTicks = 0;
    uint16_t m_idleTicks = 0;
    bool m_demoShown = false;         // the stage label reads "Demo"
    ClockTimer* m_wake = nullptr;     // delivers the round's wake-ups
    ClockTimer* m_exitTimer = nullptr; // paces the exit's frames and the end after a refusal
    std::vector<QRect> m_exitFrames;
    size_t m_exitFrame = 0;
    size_t m_exitCueAt = 0; // the farewell plays before this frame
    bool m_quitOnExit = true;
    bool m_ended = false;

    int m_payGridLeft = 640; // where the play area puts it while the origin is (0, 0)
    int m_payGridTop = 396;
    int m_dragX = 0;
    int m_dragY = 0;
    bool m_dragging = false;
};

} // namespace tarvelle
