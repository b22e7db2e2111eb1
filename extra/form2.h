#pragma once

#include "engine/gamestate.h"
#include "engine/risk.h"
#include "engine/round.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QLineEdit;
class QTextBrowser;

namespace tarvelle {

class CardImagery;
class FocusRing;
class RiskWorker;
class SoundBank;
class BankrollChart;
enum class ChartSpan;
class TAntiAliasLabel;
class TImage;
class TStringAlignGrid;

// The Extra screen: settings, payout rate, card backs, the account, help, statistics and the
// bankroll chart.
// It changes the game state in place while the table is disabled; each change reaches the
// disk as it is made, and the settings once more when the screen closes.
class TForm2 : public QWidget {
    Q_OBJECT
public:
    // The eleven on/off settings of the Settings page, plus the payout-rate switch.
    enum Toggle {
        TgJoker,
        TgDoubleGame,
        TgAutoDouble,
        TgRedBlack,
        TgAutoHold,
        TgSmartHold,
        TgSoundFx,
        TgVoiceFx,
        TgAutoBet,
        TgHoldHighCard,
        TgHoldOpenInside,
        TgPayoutControl,
        ToggleCount
    };
    static constexpr int RateCount = 6;
    static constexpr int DeckCount = 4;
    static constexpr int FaceCount = 2; // the card faces: classic, four colours
    static constexpr int ThumbTop = 63;
    static constexpr int ThumbBottom = 513;
    // The risk strip's entries: bankroll in bets and hands, with their bounds.
    static constexpr int64_t DefaultRiskBankroll = 800;
    static constexpr int64_t DefaultRiskHands = 10000;
    static constexpr int64_t MaxRiskBankroll = 1000000;
    static constexpr int64_t MaxRiskHands = 1000000;
    // The switches that belong to the table's own game; a casino game shows them, with the
    // rates, as not available.
    static bool tableGameOnly(int toggle)
    {
        return toggle == TgJoker || toggle == TgHoldHighCard || toggle == TgPayoutControl;
    }

    TForm2(GameState& game, SoundBank& sounds, CardImagery& cards, const QString& appDir,
           const QString& saveDir, QWidget* parent = nullptr);
    ~TForm2() override;

    // Shows the screen on the page last shown (Settings the first time), centred.
    void openExtra();
    // The table's round, which then carries out the account operations.
    void setRound(Round* round) { m_round = round; }
    // The window the screen lies over; the window manager keeps it above that one.
    void setOwner(QWidget* owner) { m_owner = owner; }
    void pages(int page); // shows page 1 Settings, 2 Help, 3 Statistics or 4 Chart
    int currentPage() const { return CurrentPage; }
    void ratele(); // lights the lamp of the payout rate ("the rates")
    void dk();     // lights the lamp of the chosen deck and loads its back

    // Where a card back that cannot be read is reported; a message box unless replaced
    // (tests pass a recorder, or an empty function for silence).
    using WarningHandler = std::function<void(const QString& message)>;
    static void setWarningHandler(WarningHandler handler);

    // The scroll offset for a thumb top of 63..513 over a page whose largest offset is maximum:
    // proportional, halves rounded to the even neighbour.
    static int scrollForThumb(int top, int maximum);

    // Read-outs for tests and tools.
    int scrollPos() const { return ScrollPos; }
    bool thumbDragging() const { return ThumbDragging; }
    int thumbTop() const;
    int scrollMaximum() const;
    QTextBrowser* helpViewer() const { return hl1; }
    TStringAlignGrid* pokerGrid() const { return sg2; }
    TStringAlignGrid* doubleGrid() const { return sg3; }
    TAntiAliasLabel* toggleLabel(Toggle t) const { return m_toggleLabels[size_t(t)]; }
    TImage* toggleLamp(Toggle t) const { return m_toggleLamps[size_t(t)]; }
    TAntiAliasLabel* rateLabel(int i) const { return m_rateLabels[size_t(i)]; }
    TImage* rateLamp(int i) const { return m_rateLamps[size_t(i)]; }
    TImage* deckLamp(int deck) const { return m_deckLamps[size_t(deck)]; }
    TImage* deckPreview(int deck) const { return m_deckPreviews[size_t(deck)]; }
    TAntiAliasLabel* faceLabel(int faces) const { return m_faceLabels[size_t(faces)]; }
    TImage* faceLamp(int faces) const { return m_faceLamps[size_t(faces)]; }
    // The language choices: System, English, Deutsch, Français, Español.
    static constexpr int LanguageCount = 5;
    TAntiAliasLabel* languageLabel(int i) const { return m_languageLabels[size_t(i)]; }
    void languageClick(int i);                  // kept in language.cfg; shown from the next start
    TAntiAliasLabel* menuLabel(int page) const; // 1..4 the pages, 5 "Close"
    BankrollChart* bankrollChart() const { return m_chart; }
    // The chart's switch between this session and the kept history, 0 and 1.
    TAntiAliasLabel* spanLabel(int i) const { return m_spanLabels[size_t(i)]; }
    TImage* spanLamp(int i) const { return m_spanLamps[size_t(i)]; }
    QString creditText() const;
    QString myAccountText() const;
    QString accountRecordText() const;
    // True when the lamp shows the lit picture.
    bool lampLit(const TImage* lamp) const;
    // The keyboard: the control that has the focus (null when none of the screen's) and
    // whether its ring shows; the ring shows only once the keyboard has moved or used it.
    QWidget* keyFocus() const;
    bool focusRingShown() const;
    FocusRing* focusRing() const { return m_ring; }
    // The Statistics page's risk strip: its entries, its texts, the figures it shows (none
    // while they are worked out) and the values they are for.
    QLineEdit* riskBankrollField() const { return m_bankrollField; }
    QLineEdit* riskHandsField() const { return m_handsField; }
    QString riskReturnText() const;
    QString riskRuinText() const;
    QString riskBankrollText() const;
    const std::optional<RiskFigures>& shownRisk() const { return m_shownRisk; }
    int64_t riskBankroll() const { return m_riskBankroll; }
    int64_t riskHands() const { return m_riskHands; }

public slots:
    void settingsMenuClick();
    void helpMenuClick();
    void statisticsMenuClick();
    void chartMenuClick();
    void closeClick();

    void toggleClick(int toggle);
    void rateClick(int index); // 0 "100 %" .. 5 "50 %"
    void deckClick(int deck);  // 0..3
    void facesClick(int faces); // 0 classic, 1 four colours: kept in faces.cfg, shown at once

    void insertClick();
    void cashoutClick();
    void accountResetClick();
    void resetsClick();

    // The help thumb; y values are in the thumb's own coordinates.
    void udMouseDown(int y);
    void udMouseMove(int y);
    void udMouseUp();
    // Returns true: the wheel is always taken.
    bool FormMouseWheel(int delta);

signals:
    void closed();
    // A setting changed and is on disk; whoever shows something that depends on one follows.
    void settingsChanged();
    // The counters changed here (account, statistics reset). The table's own are on disk
    // already; a casino game's are kept by whoever keeps that game.
    void countersChanged();
    // The card faces changed: the cards lying face up are drawn again.
    void cardFacesChanged();
    // The risk strip shows new figures.
    void riskShown();

protected:
    void closeEvent(QCloseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void showEvent(QShowEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // form2.cpp
    void buildMenu();
    TAntiAliasLabel* caption(QWidget* parent, const QString& text, int x, int y);
    void makeHover(TAntiAliasLabel* label, const QColor& normal, const QColor& over);
    void resetHover();
    void clickSound();
    void errorSound();
    // A built-in picture on a control, with its double-size version on high-DPI screens.
    static void setArt(TImage* img, const char* name, int w, int h);
    void setLamp(TImage* lamp, bool on);

    // settingspage.cpp
    void buildSettingsPage();
    void buildAccountPanel();
    void buildFacesChoice();
    void showFaces();
    void refreshSettingsPage();
    void showTableGameControls(); // greyed and out of reach while a casino game is played
    void showAccount();
    void keepSettings(); // saveini at once
    void keepCounters(); // svct at once (what the round does not save itself)

    // languagechoice.cpp
    void buildLanguageChoice();
    void showLanguageChoice();

    // helppage.cpp
    void buildHelpPage();
    void updateScroll();
    void moveThumb(int top);

    // The chart page: the chart and its switch; the kept hands read from hands.log when shown.
    void buildChartPage();
    void refreshChart();
    void spanClick(ChartSpan span);

    // statspage.cpp
    void buildStatsPage();
    void layOutPokerGrid();
    void refreshStats();
    void buildRiskStrip();
    void takeRiskEntry(QLineEdit* field); // the field's value, clamped, asked for at once
    void requestRisk();
    void showRisk(uint64_t request, const RiskFigures& figures);

    // keyboard.cpp: Tab, the arrows, Space and Enter, page keys, the help page's keys, and
    // what screen readers are told about each control.
    struct KeyItem {
        QWidget* focus;       // takes the focus; the caption where there is one
        int group;            // the arrows move within a group
        QList<QWidget*> ring; // drawn round together
        std::function<void()> act;
    };
    enum KeyGroup { KgMenu, KgSwitches, KgRates, KgLanguages, KgDecks, KgFaces, KgAccount, KgStatistics, KgRisk, KgChart };
    void buildKeyboard();
    void keyItem(QWidget* focus, KeyGroup group, QList<QWidget*> ring, std::function<void()> act);
    const KeyItem* keyItemOf(const QWidget* w) const;
    bool keyboardKey(QKeyEvent* e);
    bool moveFocus(int dx, int dy);
    void stepPage(int step);
    bool helpKey(int key);
    void updateRing();
    void describePages();
    void focusOnOpen();

    GameState& m_game;
    Round* m_round = nullptr;
    QPointer<QWidget> m_owner;
    SoundBank& m_sounds;
    CardImagery& m_cards;
    QString m_appDir;
    QString m_saveDir;

    uint8_t CurrentPage = 0;
    int32_t ScrollPos = 0;
    bool ThumbDragging = false;
    int32_t ThumbGrabY = 0;

    QImage m_ena;
    QImage m_dis;
    QImage m_enaHires;
    QImage m_disHires;
    std::array<QImage, 4> m_greyLamps; // ena, dis, and their double-size pictures, greyed
    bool m_tableControlsOff = false;
    QHash<const TImage*, bool> m_litLamps;
    std::array<QList<QWidget*>, 5> m_pageWidgets;
    QList<std::pair<TAntiAliasLabel*, QColor>> m_hoverLabels;
    QHash<const TImage*, QWidget*> m_lampOwners; // the switch each lamp shows
    QList<KeyItem> m_keyItems;
    FocusRing* m_ring = nullptr;
    bool m_keyboard = false; // the keyboard moved the focus since the last click or opening

    TImage* Image1 = nullptr; // menu bar
    std::array<TAntiAliasLabel*, 5> m_menuLabels{};
    std::array<TAntiAliasLabel*, ToggleCount> m_toggleLabels{};
    std::array<TImage*, ToggleCount> m_toggleLamps{};
    std::array<TAntiAliasLabel*, RateCount> m_rateLabels{};
    std::array<TImage*, RateCount> m_rateLamps{};
    std::array<TImage*, DeckCount> m_deckPreviews{};
    std::array<TImage*, DeckCount> m_deckLamps{};
    std::array<TAntiAliasLabel*, FaceCount> m_faceLabels{};
    std::array<TImage*, FaceCount> m_faceLamps{};
    QString m_lastBackWarning;
    std::array<TAntiAliasLabel*, LanguageCount> m_languageLabels{};
    std::array<TImage*, LanguageCount> m_languageLamps{};

    QWidget* Panel1 = nullptr; // the account panel of the Settings page
    TAntiAliasLabel* m_creditValue = nullptr;
    TAntiAliasLabel* m_accountValue = nullptr;
    TAntiAliasLabel* m_recordValue = nullptr;
    QList<TAntiAliasLabel*> m_accountButtons;              // "Insert 1000", "Cashout", the account "Reset"
    QList<TAntiAliasLabel*> m_headings;                    // the account panel's headings
    QHash<const QWidget*, QList<QWidget*>> m_buttonArrows; // the arrows flanking a button

    QTextBrowser* hl1 = nullptr; // the help viewer (help.htm)
    TImage* bara = nullptr;      // the help page's scroll track ("bar")
    TImage* ud = nullptr;        // its thumb ("up-down"), dragged from y 63 to 513

    TStringAlignGrid* sg2 = nullptr;   // statistics of dealt and final hands
    TStringAlignGrid* sg3 = nullptr;   // statistics of double-up guesses
    TAntiAliasLabel* resets = nullptr; // the statistics "Reset"

    BankrollChart* m_chart = nullptr;
    std::array<TAntiAliasLabel*, 2> m_spanLabels{};
    std::array<TImage*, 2> m_spanLamps{};
    // The risk strip: the game's return above the double grid, the ruin figures below it.
    TAntiAliasLabel* m_riskReturn = nullptr;
    TAntiAliasLabel* m_riskRuin = nullptr;
    TAntiAliasLabel* m_riskNeeded = nullptr;
    QLineEdit* m_bankrollField = nullptr;
    QLineEdit* m_handsField = nullptr;
    int64_t m_riskBankroll = DefaultRiskBankroll;
    int64_t m_riskHands = DefaultRiskHands;
    std::optional<Game> m_riskGame; // the game last asked for
    int64_t m_askedBankroll = 0;    // what it was asked for with
    int64_t m_askedHands = 0;
    uint64_t m_riskRequest = 0; // the newest request; older answers are dropped
    std::optional<RiskFigures> m_shownRisk;
    std::unique_ptr<RiskWorker> m_riskWorker; // last member: gone first, while the rest is whole
};

} // namespace tarvelle
