#pragma once

#include <array>
#include <cstdint>

namespace tarvelle {

// The fourteen one-byte settings, in file order (poker.ini).
struct Settings {
    uint8_t Joker = 1;
    uint8_t AutoHold = 1;
    uint8_t DoubleGame = 1;
    uint8_t AutoDouble = 0;
    uint8_t SoundFx = 1;
    uint8_t AutoBet = 0;
    uint8_t SmartHold = 1;
    uint8_t VoiceFx = 1;
    uint8_t RedBlack = 0;
    uint8_t HoldHighCard = 1;
    uint8_t HoldOpenInside = 0;
    uint8_t PayoutRate = 70;
    uint8_t PayoutControl = 0;
    uint8_t DeckNo = 0;
};

// Statistics, money and account totals, in file order (poker.dat).
// Hand arrays are indexed 1..12 (12 counts the deals), double-up arrays 1..5.
struct Counters {
    std::array<uint32_t, 13> DealtCounts{};
    std::array<uint32_t, 13> FinalCounts{};
    std::array<uint32_t, 13> DealtCountsJoker{};
    std::array<uint32_t, 13> FinalCountsJoker{};
    std::array<uint32_t, 6> RbWon{};
    std::array<uint32_t, 6> RbLost{};
    std::array<uint32_t, 6> LhWon{};
    std::array<uint32_t, 6> LhLost{};
    int32_t Win = 0;
    int32_t Credit = 1000;
    int32_t Bet = 1;
    int32_t Bonus = 0;
    int64_t InsertedTotal = 1000;
    int64_t CashoutTotal = 0;
    int64_t AccountRecord = 0;

    bool operator==(const Counters&) const = default;
};

}  // namespace tarvelle
