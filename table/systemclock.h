#pragma once

#include "engine/clock.h"

#include <QDateTime>
#include <QElapsedTimer>

#include <chrono>

namespace tarvelle {

// The game's clock: monotonic for waits, local date and time for the clocks and the
// payout rhythm, the steady clock's microseconds for the seeds.
class SystemClock : public Clock {
public:
    SystemClock() { m_timer.start(); }
    int64_t elapsedMs() const override { return m_timer.elapsed(); }
    double localDays() const override
    {
        const QDateTime now = QDateTime::currentDateTime();
        const qint64 ms = now.toMSecsSinceEpoch() + qint64(now.offsetFromUtc()) * 1000;
        return double(ms) / 86400000.0;
    }
    uint32_t seedTicks() const override
    {
        const auto ticks = std::chrono::steady_clock::now().time_since_epoch();
        return uint32_t(std::chrono::duration_cast<std::chrono::microseconds>(ticks).count());
    }

private:
    QElapsedTimer m_timer;
};

} // namespace tarvelle
