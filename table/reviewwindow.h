#pragma once

#include "storage/handhistory.h"

#include <QString>
#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QPushButton;

namespace tarvelle {

// The mistakes of the game played, from the hand history (R): costliest first or newest
// first, each with the dealt cards and both holds, in a window of its own beside the table.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWindow(QWidget* owner);

    // rolledOut: what the records that left hands.log added up to, for the all-time figures.
    void showMistakes(const std::vector<HandRecord>& history, const std::string& game,
                      const std::vector<HandTotals>& rolledOut = {});
    MistakeOrder order() const { return m_order; }
    void setOrder(MistakeOrder order);
    // The entries as listed, one text each (tests).
    QStringList entries() const;
    QListWidget* list() const { return m_list; }

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void fill();

    QLabel* m_figures = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_toggle = nullptr;
    std::vector<HandRecord> m_history;
    std::vector<HandTotals> m_rolledOut;
    std::string m_game;
    MistakeOrder m_order = MistakeOrder::Costliest;
};

} // namespace tarvelle
