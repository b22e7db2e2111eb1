#include "extra/riskworker.h"

#include "engine/analysis.h"

namespace tarvelle {

RiskWorker::RiskWorker(Done done) : m_done(std::move(done)) {}

RiskWorker::~RiskWorker()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_waiting.reset();
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

bool RiskWorker::sameGame(const Game& a, const Game& b)
{
    return a.id == b.id && a.wild == b.wild && a.classCount == b.classCount && a.keys == b.keys &&
           a.pay == b.pay;
}

uint64_t RiskWorker::request(const Game& game, int64_t bankroll, int64_t hands)
{
    uint64_t number = 0;
    {
        std::lock_guard lock(m_mutex);
        number = ++m_last;
        m_waiting = Job{number, game, bankroll, hands};
        if (!m_thread.joinable())
            m_thread = std::thread(&RiskWorker::run, this);
    }
    m_wake.notify_all();
    return number;
}

void RiskWorker::run()
{
    for (;;) {
        Job job;
        {
            std::unique_lock lock(m_mutex);
            m_wake.wait(lock, [this] { return m_stop || m_waiting; });
            if (m_stop)
                return;
            job = std::move(*m_waiting);
            m_waiting.reset();
        }
        if (!m_returnGame || !sameGame(*m_returnGame, job.game)) {
            ReturnOptions options; // best holds
            options.game = job.game;
            options.classOdds = true;
            m_return = gameReturn(options);
            m_returnGame = job.game;
        }
        const RiskFigures figures = riskFigures(job.game, m_return, job.bankroll, job.hands);
        m_done(job.number, figures);
    }
}

} // namespace tarvelle
