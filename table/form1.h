#pragma once

#include "widgets/soundcues.h"

#include "engine/gamestate.h"

#include <QImage>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QWidget>

#include <cstdint>

class QTimer;

namespace tarvelle {

class CardImagery;
class SoundBank;
class TAntiAliasLabel;
class TForm2;
class TImage;
class TLbSpeedButton;
class TStringAlignGrid;

// The main table window: the play area centred on a black, frameless, maximised window.
class TForm1 : public QWidget {
    Q_OBJECT
public:
    // appDir: where poker2.dat and the card backs live; saveDir: where poker.ini and
    // poker.dat are kept. Both end with a separator.
    TForm1(GameState& gs, SoundBank& sounds, CardImagery& imagery, const QString& appDir,
           const QString& saveDir, QWidget* parent = nullptr);
    ~TForm1() override;

    // Empty when the table came up; otherwise why the card pictures could not be made.
    QString startupError() const { return m_startupError; }
    void setExtra(TForm2* extra);
    // Covers the screen with the window and shows it.
    void showTable();

    GameState& state() { return m_gs; }
    SoundBank& sounds() { return m_sounds; }

    // ---- controls, named as on the table ----
    TImage* red = nullptr;
    TImage* splash = nullptr;
    TImage* desen = nullptr;
    TAntiAliasLabel* mintro = nullptr;
    TImage* Image1 = nullptr;
    TImage* Image2 = nullptr;
    TImage* Image3 = nullptr;
    TImage* Image4 = nullptr;
    TImage* Image5 = nullptr;
    TImage* Image6 = nullptr;
    TImage* Image7 = nullptr;
    TImage* Image8 = nullptr;
    TImage* Image9 = nullptr;
    TImage* Image10 = nullptr;
    TStringAlignGrid* sg1 = nullptr;
    TLbSpeedButton* LbSpeedButton1 = nullptr;
    TLbSpeedButton* LbSpeedButton2 = nullptr;
    TLbSpeedButton* LbSpeedButton3 = nullptr;
    TLbSpeedButton* LbSpeedButton4 = nullptr;
    TLbSpeedButton* LbSpeedButton5 = nullptr;
    TLbSpeedButton* betmax = nullptr;
    TLbSpeedButton* autop = nullptr;
    TLbSpeedButton* proce = nullptr;
    TLbSpeedButton* off = nullptr;
    TImage* win_im = nullptr;
    TImage* bonus_im = nullptr;
    TImage* bet_im = nullptr;
    TImage* credit_im = nullptr;
    TImage* h1 = nullptr;
    TImage* h2 = nullptr;
    TImage* h3 = nullptr;
    TImage* h4 = nullptr;
    TImage* h5 = nullptr;
    TAntiAliasLabel* AntiAliasLabel1 = nullptr;
    TAntiAliasLabel* AntiAliasLabel2 = nullptr;
    TAntiAliasLabel* AntiAliasLabel3 = nullptr;
    TAntiAliasLabel* AntiAliasLabel4 = nullptr;
    TAntiAliasLabel* AntiAliasLabel5 = nullptr;
    TAntiAliasLabel* AntiAliasLabel6 = nullptr;
    TAntiAliasLabel* AntiAliasLabel7 = nullptr;
    TAntiAliasLabel* AntiAliasLabel8 = nullptr;
    TAntiAliasLabel* AntiAliasLabel9 = nullptr;
    QTimer* Timer1 = nullptr;
    QTimer* Timer2 = nullptr;
    QTimer* Timer3 = nullptr;
    QTimer* Timer4 = nullptr;
    QTimer* Timer5 = nullptr;

    TImage* card(int k) const; // Image1..Image5
    TImage* lamp(int k) const; // h1..h5

    // ---- hand flow ----
    static int ClampBet(int bet);
    static int BetUp(int bet);
    static int BetDown(int bet);
    // The bet "Auto Bet" chooses for the money at hand.
    static int AutoBetFor(int64_t money);
    void CountHand(int k);
    void win2cr();
    void bonus2cr();
    void forma(int k);
    static void delay(int ms);
    void LbSpeedButton2MouseDown();
    void LbSpeedButton2MouseUp();
    void Timer4Timer();
    void Timer5Timer();
    void ImageMouseDown(int k); // Image1MouseDown .. Image5MouseDown
    void LbSpeedButton3MouseDown();
    void LbSpeedButton3MouseUp();
    void LbSpeedButton4MouseDown();
    void LbSpeedButton4MouseUp();
    void betmaxMouseDown();
    void betmaxMouseUp();
    // True from an accepted Deal/Draw until its animation and settling are over.
    bool phaseBusy() const { return m_phaseBusy; }

    // ---- pay table ----
    void BaseOdds();
    void RunLiveOdds();
    void proceMouseDown();
    void proceMouseUp();
    void sg1MouseDown(QPoint pos);
    void sg1MouseMove(QPoint pos);
    void sg1MouseUp();
    QPoint payGridPos() const { return {m_payGridLeft, m_payGridTop}; }

    // ---- autoplay ----
    void autopMouseDown();
    void autopMouseUp();
    void Timer2Timer();
    void autojoc();

    // ---- double-up ----
    void startdbl();
    void LbSpeedButton5MouseDown();
    void LbSpeedButton5MouseUp();
    void castiga();
    void pierde();
    void winhalf2cr();

    // ---- Extra screen ----
    void LbSpeedButton1MouseDown();
    void LbSpeedButton1MouseUp();

    // ---- shell ----
    void Timer1Timer();
    void Timer3Timer();
    void outdemo();
    void FormKeyPress(QChar key);
    void FormMouseWheel(int deltaY);
    void offClick();
    // Settings and counters to disk, as leaving the game does.
    void saveAll();
    static QPoint originFor(QSize screen);
    // Local date and time in days with a fraction.
    static double localDays();
    int originX() const { return m_originX; }
    int originY() const { return m_originY; }
    // Replaces the real screen's metrics (tests, odd displays) and lays the table out again.
    void setScreenMetrics(QSize size, int depth);
    QSize screenSize() const;
    int screenDepth() const;
    int startTicks() const { return m_startTicks; }
    int idleTicks() const { return m_idleTicks; }
    void setIdleTicks(int t) { m_idleTicks = uint16_t(t); }
    int emblemTicks() const { return m_emblemTicks; }
    void setEmblemTicks(int t) { m_emblemTicks = uint16_t(t); }
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

private:
    void createControls();
    void createPayTable();
    void placeControls();
    void connectControls();
    void formCreate();
    QImage picture(const QString& name, QSize fallback) const;

    // Drawing helpers.
    void showValue(TImage* display, int32_t value, bool flash);
    void showCard(int k);
    void showBacks();
    void stheld();
    void showHoldLamps();
    void showWinLamps();
    void paintLamp(int k, const QImage& img);
    void clearShowcase();
    void showShowcase(int index);
    void doubleLamps();

    // Hand flow helpers.
    void startAnimation(QTimer* timer);
    void animationTick(QTimer* timer, bool autoplay);
    void endOfDeal(bool autoplay);
    void endOfDraw(bool autoplay);
    void dealPhase(bool autoplay);
    void drawPhase(bool autoplay);
    void payoutCtrl();
    bool applyAutoBet();
    void betButtonUp(int button, bool up);
    void winToCreditAlone();
    // The press of every round button: leave the showcase, flip the button's mark and
    // play its cue when the press arms it.
    void pressButton(int button, CueName cue);
    // The bet goes into the bonus pot, which is paid out once it passes 9999.
    void betToBonus();
    void guess(bool plus);
    void endProgram();
    void onExtraClosed();
    void save();

    GameState& m_gs;
    Settings& m_st;
    Counters& m_ct;
    Hand& m_hand;
    SoundBank& m_sounds;
    CardImagery& m_imagery;
    TForm2* m_extra = nullptr;
    QString m_appDir;
    QString m_saveDir;
    QString m_startupError;

    bool m_faceDown[6] = {false, true, true, true, true, true}; // positions showing the back

    int m_originX = 0;
    int m_originY = 0;
    QSize m_screenOverride;
    int m_depthOverride = 0;
    uint8_t m_startTicks = 0;
    uint16_t m_emblemTicks = 0;
    uint16_t m_idleTicks = 0;
    bool m_phaseBusy = false;
    bool m_dblBusy = false; // a guess is being settled
    bool m_quitOnExit = true;
    bool m_ended = false;
    bool m_exiting = false;

    int m_payGridLeft = 0;
    int m_payGridTop = 0;
    int m_dragX = 0;
    int m_dragY = 0;
    bool m_dragging = false;
};

} // namespace tarvelle
