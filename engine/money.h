#pragma once

#include <cstdint>
#include <limits>

namespace tarvelle {

// Money is signed 32-bit; a credit that would pass the top stops there.
inline int32_t addMoney(int32_t a, int64_t b)
{
    const int64_t sum = int64_t(a) + b;
    if (sum > std::numeric_limits<int32_t>::max())
        return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min())
        return std::numeric_limits<int32_t>::min();
    return int32_t(sum);
}

// A statistics counter stops at its type's top rather than wrapping to nonsense.
template <typename T> constexpr void saturatingIncrement(T& counter)
{
    if (counter < std::numeric_limits<T>::max())
        ++counter;
}

}  // namespace tarvelle
