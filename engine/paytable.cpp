#include "engine/paytable.h"

namespace tarvelle {

const std::array<int32_t, 12> Multiplier = {0, 0, 2, 3, 5, 7, 9, 12, 40, 100, 500, 1000};

const std::array<const char*, 12> HandNames = {
    "",      " ",          "Jacks or better", "Two Pairs",      "Three of a kind", "Straight",
    "Flush", "Full House", "Poker",           "Straight Flush", "Royal Flush",     "Five of a kind",
};

const std::array<const char*, 12> PayRowLabels = {
    "",      "Jacks", "2 Pair",   "Three",     "Straight", "Flush",
    "Full ", "Poker", "Str. Fl.", "Royal Fl.", "Five",     "Wins",
};

const std::array<const char*, 11> BaseOddsJokerOff = {
    "", "13.010", "4.750", "2.112", "0.394", "0.197", "0.144", "0.024", "0.001", "0.000", "0.000",
};

const std::array<const char*, 11> BaseOddsJokerOn = {
    "", "16.765", "4.315", "4.790", "0.716", "0.272", "0.229", "0.108", "0.006", "0.001", "0.000",
};

} // namespace tarvelle
