#pragma once

#include <cstdint>

namespace tarvelle {

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
    // True when time only moves when told to: a wait then advances it instead of sleeping.
    virtual bool manual() const { return false; }
    // A manual clock moves on by ms; the system clock moves by itself and ignores this.
    virtual void advance(int64_t ms) { (void)ms; }
};

class ManualClock : public Clock {
public:
    explicit ManualClock(double startDays = 46000.5, uint32_t seed = 1) : m_days(startDays), m_seed(seed) {}
    int64_t elapsedMs() const override { return m_ms; }
    double localDays() const override { return m_days + double(m_ms) / 86400000.0; }
    uint32_t seedTicks() const override { return m_seed; }
    bool manual() const override { return true; }
    void advance(int64_t ms) override { m_ms += ms; }

private:
    int64_t m_ms = 0;
    double m_days;
    uint32_t m_seed;
};

} // namespace tarvelle
