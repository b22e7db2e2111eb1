#pragma once

#include "engine/coach.h"
#include "storage/coachsettings.h"
#include "storage/handhistory.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QRect>
#include <QWidget>

#include <optional>
#include <string>

namespace tarvelle {

class TForm1;
struct GameState;

// The strategy coach over the table: the exact value of the best holds and of the
// player's own, the verdict on the draw, the session's figures and the game's return
// as set. Shown and hidden with the C key, dragged like the pay table. Its switch
// "Expert holds" makes the table propose the best hold instead of its rule list.
class CoachPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int PanelWidth = 276;
    static constexpr int PanelHeight = 216;

    CoachPanel(TForm1& table, GameState& gs, const std::string& saveDir);
    ~CoachPanel() override;

    // ---- the table's events ----
    // Where the table makes its proposal: with Expert holds on, the best hold.
    void proposeHolds(Hand& hand);
    void dealShown();
    void holdsChanged();
    void drawEvaluated(bool autoplay);

    // ---- the panel ----
    // A setting was changed (the Extra screen announces it): the game's return and the
    // payout-control note follow while the panel is up.
    void followSettings();
    void toggle(); // the C key
    bool expert() const { return m_settings.expert; }
    void setExpert(bool on);
    // The T key: training mode off, then held back for every mistake, for those over 0.02,
    // over 0.10 credits per credit bet, and off again.
    void cycleTraining();
    bool training() const { return m_settings.training; }
    QString trainingText() const; // how the mode stands, as the panel says it
    const CoachSettings& settings() const { return m_settings; }
    const Coach& coach() const { return m_coach; }
    // The hands of hands.log, read at the start and followed as hands are drawn.
    const std::vector<HandRecord>& history() const { return m_history; }
    std::string gameId() const; // the game played
    // What rolled out of hands.log before them, per game.
    const std::vector<HandTotals>& rolledOut() const { return m_rolledOut; }
    SessionFigures allTime() const { return allTimeFigures(m_history, gameId(), m_rolledOut); }
    // The place it takes until the player drags it: beside the play area when the
    // screen leaves room there, else in the top left corner of the play area, clear
    // of the cards and of the Deal/Draw button.
    static QPoint defaultPlace(QSize screen);
    QRect expertSwitchRect() const;
    // The switch as the keyboard and screen readers reach it: Tab from the table, Space.
    QWidget* expertSwitch() const { return m_switch; }
    // One cell of the panel read as a table: the row's text (with its hold) and its figure.
    QString cellText(int row, int column) const;
    // The lines as painted, for tests.
    QStringList lines() const;
    // Seconds from the last setting change until its return was known, or -1.
    double lastReturnDelay() const { return m_lastReturnDelay; }
    std::optional<SettingReturn> shownReturn() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    struct Line {
        QString text;
        int mask = -1; // a hold to draw as cards, held ones bright
        QString right;
    };
    std::vector<Line> content() const;
    ReturnSetting currentSetting() const;
    const HandAdvice& advise(const std::array<int, 5>& cards); // in the game played
    void watchSettings();
    void place();
    void save();
    void record(const DrawReview& review, bool autoplay);
    void readHistory();

    TForm1& m_table;
    GameState& m_gs;
    std::string m_saveDir;
    CoachSettings m_settings;
    Coach m_coach;
    std::array<int, 5> m_dealt{};
    int m_yours = 0;
    std::vector<HandRecord> m_history;
    std::vector<HandTotals> m_rolledOut;
    QObject* m_backdrop = nullptr; // desen, whose first showing brings the panel up
    bool m_shown = false; // the table has been revealed

    ReturnFigures m_returns;
    ReturnSetting m_setting;
    bool m_settingKnown = false;
    bool m_payoutShown = false;
    QElapsedTimer m_sinceChange;
    double m_lastReturnDelay = -1;
    bool m_following = false; // shown on the table, so settings changes are followed

    QPoint m_drag;
    bool m_dragging = false;
    QWidget* m_switch = nullptr;
};

} // namespace tarvelle
