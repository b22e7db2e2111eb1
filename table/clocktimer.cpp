#include "table/clocktimer.h"

namespace tarvelle {

ClockTimer::ClockTimer(Clock& clock, QObject* parent) : QObject(parent)
{
    connect(&m_real, &QTimer::timeout, this, [this] { fire(); });
    setClock(clock);
}

ClockTimer::~ClockTimer()
{
    if (m_manual)
        m_manual->removeTimer(m_id);
}

void ClockTimer::setClock(Clock& clock)
{
    const bool active = m_active;
    stop();
    if (m_manual)
        m_manual->removeTimer(m_id);
    m_manual = clock.manual();
    if (m_manual)
        m_id = m_manual->addTimer([this] { fire(); });
    if (active)
        start();
}

void ClockTimer::arm(int ms)
{
    m_active = true;
    if (m_manual) {
        m_manual->arm(m_id, m_manual->elapsedMs() + ms);
    } else {
        m_real.setSingleShot(m_singleShot);
        m_real.start(ms);
    }
}

void ClockTimer::setInterval(int ms)
{
    m_interval = ms;
    if (m_active)
        arm(ms);
}

void ClockTimer::start()
{
    arm(m_interval);
}

void ClockTimer::start(int ms)
{
    m_interval = ms;
    arm(ms);
}

void ClockTimer::stop()
{
    m_active = false;
    if (m_manual)
        m_manual->disarm(m_id);
    m_real.stop();
}

bool ClockTimer::isActive() const
{
    return m_active;
}

void ClockTimer::fire()
{
    if (!m_active)
        return;
    // A repeating timer is armed again before its slot runs, as a real one is.
    if (m_singleShot)
        m_active = false;
    else if (m_manual)
        m_manual->arm(m_id, m_manual->elapsedMs() + m_interval);
    emit timeout();
}

} // namespace tarvelle
