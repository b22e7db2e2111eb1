#pragma once

#include "engine/drill.h"

#include <QWidget>

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace tarvelle {

class CardImagery;

// The drill (Q, or Drill in the review): past mistakes dealt again with nothing at stake.
// The player holds with 1-5 or the mouse and checks with Enter; the verdict is exact.
class DrillWindow : public QWidget {
    Q_OBJECT
public:
    DrillWindow(QWidget* owner, const CardImagery& imagery);

    // Starts a drill of the game's hands; saveDir keeps the streaks between sessions.
    void start(const Game& game, std::vector<DrillHand> hands, const std::string& saveDir, uint64_t seed);
    const Drill* drill() const { return m_drill ? &*m_drill : nullptr; }
    int holdMask() const { return m_hold; }
    const std::optional<DrillVerdict>& verdict() const { return m_verdict; }
    QString verdictText() const;
    QString scoreText() const;

    void toggle(int position); // 1..5
    void check();              // judge the hold, or go on to the next hand once judged

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void showHand();
    void refresh();

    const CardImagery& m_imagery;
    std::optional<Drill> m_drill;
    std::optional<DrillVerdict> m_verdict;
    std::array<int, 5> m_shown{}; // the cards on show (the judged hand stays until Next)
    std::string m_saveDir;
    int m_hold = 0;
    std::array<QPushButton*, 5> m_cards{};
    std::array<QLabel*, 5> m_marks{};
    QLabel* m_title = nullptr;
    QLabel* m_verdictLabel = nullptr;
    QLabel* m_score = nullptr;
    QPushButton* m_check = nullptr;
};

} // namespace tarvelle
