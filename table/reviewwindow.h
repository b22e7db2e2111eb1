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

class CardImagery;

// The mistakes of the game played, from the hand history (R): costliest first or newest
// first, each with the dealt cards drawn and both holds marked under them, in a window of its
// own beside the table.
class ReviewWindow : public QWidget {
    Q_OBJECT
public:
    explicit ReviewWindow(QWidget* owner);

    // rolledOut: what the records that left hands.log added up to, for the all-time figures.
    void showMistakes(const std::vector<HandRecord>& history, const std::string& game,
                      const std::vector<HandTotals>& rolledOut = {});
    // The pictures the cards are drawn with; without them the entries are written out.
    void setCardImagery(const CardImagery* cards);
    MistakeOrder order() const { return m_order; }
    void setOrder(MistakeOrder order);
    // The entries as listed, one text each (tests).
    QStringList entries() const;
    QListWidget* list() const { return m_list; }
    // Where an entry's card (position 0..4) and its mark in the row of the player's hold (0) or
    // the best (1) are drawn in the list's viewport; empty while the cards are not drawn.
    QRect cardRect(int entry, int position) const;
    QRect markRect(int entry, int row, int position) const;

signals:
    void drillRequested(); // Drill (D): these mistakes dealt again

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    void fill();

    QLabel* m_figures = nullptr;
    QListWidget* m_list = nullptr;
    QPushButton* m_toggle = nullptr;
    std::vector<HandRecord> m_history;
    std::vector<HandTotals> m_rolledOut;
    std::vector<HandRecord> m_listed; // the mistakes as listed
    std::string m_game;
    MistakeOrder m_order = MistakeOrder::Costliest;
    class CardsDelegate* m_cards = nullptr;
};

} // namespace tarvelle
