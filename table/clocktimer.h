#pragma once

#include "engine/clock.h"

#include <QObject>
#include <QTimer>

namespace tarvelle {

// A timer on the game's clock: a real timer on the system clock, and on a manual clock
// one that fires only when the clock is advanced, so tests play at processor speed.
class ClockTimer : public QObject {
    Q_OBJECT
public:
    explicit ClockTimer(Clock& clock, QObject* parent = nullptr);
    ~ClockTimer() override;

    // Moves to another clock; a running timer keeps running there, from now.
    void setClock(Clock& clock);
    // As with QTimer, a running timer starts again with the new interval.
    void setInterval(int ms);
    int interval() const { return m_interval; }
    void setSingleShot(bool on) { m_singleShot = on; }
    void setTimerType(Qt::TimerType type) { m_real.setTimerType(type); }
    void start();
    void start(int ms);
    void stop();
    bool isActive() const;

signals:
    void timeout();

private:
    void fire();
    void arm(int ms);

    ManualClock* m_manual = nullptr;
    int m_id = 0; // the timer on the manual clock
    QTimer m_real;
    int m_interval = 0;
    bool m_singleShot = false;
    bool m_active = false;
};

} // namespace tarvelle
