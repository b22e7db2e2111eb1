#include "engine/clock.h"

#include <algorithm>

namespace tarvelle {

ManualClock::Timer* ManualClock::find(int id)
{
    for (Timer& t : m_timers)
        if (t.id == id)
            return &t;
    return nullptr;
}

ManualClock::Timer* ManualClock::earliest(int64_t until)
{
    Timer* best = nullptr;
    for (Timer& t : m_timers)
        if (t.due >= 0 && t.due <= until && (!best || t.due < best->due))
            best = &t;
    return best;
}

void ManualClock::advance(int64_t ms)
{
    const int64_t target = m_ms + std::max<int64_t>(ms, 0);
    // A callback may arm or remove timers, so the earliest is looked up afresh each time.
    while (Timer* t = earliest(target)) {
        m_ms = std::max(m_ms, t->due);
        t->due = -1;
        const std::function<void()> fire = t->fire;
        fire();
    }
    m_ms = std::max(m_ms, target);
}

bool ManualClock::fireNext()
{
    const int64_t due = nextDue();
    if (due < 0)
        return false;
    advance(due - m_ms);
    return true;
}

int64_t ManualClock::nextDue() const
{
    int64_t best = -1;
    for (const Timer& t : m_timers)
        if (t.due >= 0 && (best < 0 || t.due < best))
            best = t.due;
    return best;
}

int ManualClock::addTimer(std::function<void()> fire)
{
    m_timers.push_back({m_nextId, -1, std::move(fire)});
    return m_nextId++;
}

void ManualClock::removeTimer(int id)
{
    std::erase_if(m_timers, [id](const Timer& t) { return t.id == id; });
}

void ManualClock::arm(int id, int64_t dueMs)
{
    if (Timer* t = find(id))
        t->due = std::max(dueMs, m_ms);
}

void ManualClock::disarm(int id)
{
    if (Timer* t = find(id))
        t->due = -1;
}

bool ManualClock::armed(int id) const
{
    for (const Timer& t : m_timers)
        if (t.id == id)
            return t.due >= 0;
    return false;
}

} // namespace tarvelle
