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
    // Below 2^52 in size, adding 2^52 of the same sign leaves no fraction
    // bits, so the addition itself rounds to the nearest integer, ties to
    // even (2^52 is even). This is what nearbyint does, without a call into
    // the maths library for every pixel coordinate.
    constexpr double noFraction = 4503599627370496.0; // 2^52
    if (std::fabs(value) < noFraction) {
        const double shift = std::copysign(noFraction, value);
        value = (value + shift) - shift;
    }
    return static_cast<std::int64_t>(value);
}
