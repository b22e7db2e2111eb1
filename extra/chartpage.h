#pragma once

#include "engine/analysis.h"
#include "engine/game.h"
#include "engine/gamestate.h"
#include "storage/handhistory.h"

#include <QWidget>

#include <cstdint>
#include <optional>
#include <thread>
#include <vector>

class QAreaSeries;
class QChart;
class QChartView;
class QLineSeries;
class QValueAxis;

namespace tarvelle {

enum class ChartSpan { Session, History };

// The bankroll chart of the Extra screen: the money after each hand of the session, or the
// credits won over the kept history of the game, over the hands, with the line the game's
// return expects from the bets played and its spread of one and two standard deviations.
class BankrollChart : public QWidget {
    Q_OBJECT
public:
    explicit BankrollChart(GameState& game, QWidget* parent = nullptr);
    ~BankrollChart() override;

    // Reads the session from the game state; the game's figures are worked out off this thread
    // when the game is new to the chart, and the lines follow when they come.
    void refresh();
    // The hands kept in hands.log, oldest first; those of the game shown make the history.
    // Both setters take effect at the next refresh().
    void setKeptHands(std::vector<HandRecord> hands);
    ChartSpan span() const { return m_span; }
    void setSpan(ChartSpan span);

    // The game the chart shows, and its figures once worked out.
    const Game& game() const { return m_shown; }
    bool figuresReady() const { return m_figures.has_value(); }
    const GameReturn* figures() const { return m_figures ? &*m_figures : nullptr; }

    // Read-outs for tests.
    QChart* chart() const { return m_chart; }
    QLineSeries* sessionSeries() const { return m_session; }
    QLineSeries* historySeries() const { return m_history; }
    QLineSeries* expectedSeries() const { return m_expected; }
    // The band's edges: sd 1 or 2, upper or lower.
    QLineSeries* bandEdge(int sd, bool upper) const;

private:
    void wantFigures(const Game& game);
    void startWorker(const Game& game);
    void figuresArrived(const Game& game, const GameReturn& figures);
    void redraw();

    GameState& m_game;
    Game m_shown;
    std::optional<GameReturn> m_figures; // of m_shown
    std::optional<Game> m_working;       // worked out now
    std::thread m_worker;
    std::vector<HandRecord> m_kept;
    ChartSpan m_span = ChartSpan::Session;

    QChartView* m_view = nullptr;
    QChart* m_chart = nullptr;
    QLineSeries* m_session = nullptr;
    QLineSeries* m_history = nullptr;
    QLineSeries* m_expected = nullptr;
    QLineSeries* m_edges[2][2] = {}; // [sd − 1][upper]
    QAreaSeries* m_bands[2] = {};
    QValueAxis* m_axisX = nullptr;
    QValueAxis* m_axisY = nullptr;
};

} // namespace tarvelle
