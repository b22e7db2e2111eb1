#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace tarvelle {

// Indexed by class 1..11; entry 0 unused.
extern const std::array<int32_t, 12> Multiplier;
extern const std::array<const char*, 12> HandNames;
// Labels of the pay-table grid, rows 1..11 ("Jacks" .. "Five", then "Wins").
extern const std::array<const char*, 12> PayRowLabels;
// The fixed odds columns, rows 1..10.
extern const std::array<const char*, 11> BaseOddsJokerOff;
extern const std::array<const char*, 11> BaseOddsJokerOn;

}  // namespace tarvelle
