#pragma once

#include "engine/game.h"
#include "engine/strategy.h"

#include <QString>
#include <QWidget>

#include <map>
#include <string>
#include <thread>

class QPushButton;
class QTextBrowser;

namespace tarvelle {

// The strategy chart of a game in a window of its own beside the table, worked out on a
// thread (seconds at most) and kept for the session; it can be printed.
class StrategyWindow : public QWidget {
    Q_OBJECT
public:
    explicit StrategyWindow(QWidget* owner);
    ~StrategyWindow() override;

    void showChart(const Game& game);
    QString html() const; // what the page shows (tests)

signals:
    void chartShown(); // a chart worked out is on the page

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void print();

    QTextBrowser* m_page = nullptr;
    QPushButton* m_print = nullptr;
    std::map<std::string, QString> m_charts; // by game and pays
    std::string m_wanted;
    std::thread m_worker;
};

} // namespace tarvelle
