#pragma once

#include "engine/cards.h"
#include "engine/doubleup.h"
#include "engine/evaluator.h"
#include "engine/game.h"
#include "engine/payoutcontrol.h"
#include "engine/random.h"
#include "engine/settings.h"

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

namespace tarvelle {

// The buttons that carry a press mark.
enum ArmedButton : int {
    ArmExtra = 1,   // LbSpeedButton1
    ArmDeal,        // LbSpeedButton2
    ArmBetDown,     // LbSpeedButton3
    ArmBetUp,       // LbSpeedButton4
    ArmDouble,      // LbSpeedButton5
    ArmProce,
    ArmAutop,
    ArmBetmax,
    ArmCount
};

// The whole game state, owned by the application and passed by reference.
struct GameState {
    Hand hand;
    HandFlags flags{};
    RandomSource rng;
    Settings settings;
    Counters counters;  // also holds the money: Win, Credit, Bet, Bonus
    PayoutControlState payout;
    DoubleUpState dbl;
    // The casino game played, dealt fairly from its own deck with its own classes and pays;
    // none: the table's own game. Its money is in `counters`, its hands in `casinoCounts`.
    std::optional<Game> casino;
    GameCounts casinoCounts;
    // The money (credit and win) after each drawn hand of this session in the game played,
    // for the bankroll chart; the oldest half goes when it reaches MaxCreditTrail.
    std::vector<int64_t> creditTrail;
    static constexpr size_t MaxCreditTrail = 10000;
    // The bet (1..500) of each of those hands and the money before the first of them, for the
    // chart's expected line.
    std::vector<uint16_t> betTrail;
    int64_t trailStart = 0;

    uint8_t State = 3;  // 3 idle, 1 dealing, 2 hand shown
    uint8_t HandActive = 0;
    uint8_t FirstClick = 0;
    uint8_t AllHeld = 0;
    int8_t Step = -1;
    uint8_t Autoplay = 0;
    uint8_t AutoAnimation = 0; // the animation under way is autoplay's (Timer5), not Timer4
    std::array<uint8_t, ArmCount> Armed{};
    int IoCode = 0;  // result of the last file operation
};

}  // namespace tarvelle
