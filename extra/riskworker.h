#pragma once

#include "engine/game.h"
#include "engine/risk.h"

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace tarvelle {

// Works out a game's risk figures (best holds) on a thread of its own, away from the
// screen. Only the newest request counts: one still waiting is replaced by a newer one, and
// one being worked out cannot be stopped, so the asker drops its answer by its number.
class RiskWorker {
public:
    // Called on the worker's thread with the request's number and its figures.
    using Done = std::function<void(uint64_t request, const RiskFigures& figures)>;

    explicit RiskWorker(Done done);
    ~RiskWorker(); // waits for the figures being worked out, drops any still waiting

    // Returns the request's number, higher than every earlier one.
    uint64_t request(const Game& game, int64_t bankroll, int64_t hands);

    static bool sameGame(const Game& a, const Game& b);

private:
    struct Job {
        uint64_t number;
        Game game;
        int64_t bankroll;
        int64_t hands;
    };
    void run();

    Done m_done;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::optional<Job> m_waiting;
    uint64_t m_last = 0;
    bool m_stop = false;
    std::thread m_thread; // started with the first request
    // The game whose return was worked out last: a new bankroll or hands count reuses it.
    std::optional<Game> m_returnGame;
    GameReturn m_return;
};

} // namespace tarvelle
