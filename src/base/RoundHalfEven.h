#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

// Converting a computed real to an integer rounds to the nearest integer with
// ties going to the even neighbour (100.5 -> 100, 101.5 -> 102). Values beyond
// the 64-bit range and NaN are pinned first so the conversion is always defined.
inline std::int64_t roundHalfEven(double value)
{
    constexpr double limit = 9.0e18;
    if (std::isnan(value))
        return 0;
    value = std::clamp(value, -limit, limit);
    return static_cast<std::int64_t>(std::nearbyint(value));
}
