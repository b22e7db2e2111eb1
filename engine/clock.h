#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvelle {

class ManualClock;

// Where the game reads the time: waits, the start time and the five-minute rhythm of the
// payout control, the idle ticks and the seeds. The game runs on the system clock; tests
// run a ManualClock so a whole game plays at processor speed.
class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds on a clock that never jumps back (waits are measured on it).
    virtual int64_t elapsedMs() const = 0;
    // Local date and time in days with a fraction.
    virtual double localDays() const = 0;
    // A fast-changing number for seeding the generators.
    virtual uint32_t seedTicks() const = 0;
    // Non-null when time only moves when told to; the timers then run on it too.
    virtual ManualClock* manual() { return nullptr; }
};

// Time that moves only when advanced, carrying its own timers: advancing fires each timer
// that falls due on the way, in the order of their times, with the clock at that time.
class ManualClock : public Clock {
public:
    explicit ManualClock(double startDays = 46000.5, uint32_t seed = 1) : m_days(startDays), m_seed(seed) {}
    int64_t elapsedMs() const override { return m_ms; }
    double localDays() const override { return m_days + double(m_ms) / 86400000.0; }
    uint32_t seedTicks() const override { return m_seed; }
    ManualClock* manual() override { return this; }

    void advance(int64_t ms);
    // Moves on to the earliest armed timer and fires it; false when none is armed.
    bool fireNext();
    // When the earliest armed timer falls due; -1 when none is armed.
    int64_t nextDue() const;

    // ---- the timers: each fires its callback once per arming ----
    int addTimer(std::function<void()> fire);
    void removeTimer(int id);
    void arm(int id, int64_t dueMs); // replaces an earlier time
    void disarm(int id);
    bool armed(int id) const;

private:
    struct Timer {
        int id;
        int64_t due; // -1: not armed
        std::function<void()> fire;
    };
    Timer* find(int id);
    Timer* earliest(int64_t until);

    int64_t m_ms = 0;
    double m_days;
    uint32_t m_seed;
    std::vector<Timer> m_timers;
    int m_nextId = 1;
};

} // namespace tarvelle
