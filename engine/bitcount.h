#pragma once

#include <cstdint>

namespace tarvelle {

// How many of the 13 bits of a rank set are set: a table, because the library call is slow
// without a popcount instruction and the analysis asks millions of times.
struct BitCounts {
    uint8_t n[1 << 13]{};
    constexpr BitCounts()
    {
        for (int m = 1; m < (1 << 13); ++m)
            n[m] = uint8_t(n[m >> 1] + (m & 1));
    }
};
inline constexpr BitCounts kBitCounts{};

inline int bitCount(unsigned m)
{
    return kBitCounts.n[m & ((1u << 13) - 1)];
}

} // namespace tarvelle
