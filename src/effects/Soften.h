#pragma once

#include "effects/PixelRows.h"

// Soften: each pixel inside a one-pixel frame becomes the mean of its 3 x 3
// neighbourhood, per component, rounded to the nearest integer (ties to even);
// the frame stays as it was. `dst` must not overlap `src`; both have one size.
void soften(ConstPixelRows src, PixelRows dst);
// The same pixels by plain integer loops (the path for processors without SSE2).
void softenPortable(ConstPixelRows src, PixelRows dst);
// The same pixels computed the slow, obvious way in double precision.
void softenReference(ConstPixelRows src, PixelRows dst);

namespace SoftenArithmetic {

// A sum of nine components (0..2295) divided by nine, to the nearest integer.
// Nine never divides a sum into a half, so rounding never ties and
// (s + 4) / 9 is the nearest integer: s = 9q + r rounds up exactly when r >= 5.
inline int meanOfNine(int sum)
{
    return (sum + 4) / 9;
}

// The same by a 16-bit multiply-high, as the vector path does it. With
// t = s + 4: 7282 * 9 = 65536 + 2, so t * 7282 / 65536 = t / 9 + 2t / (9 * 65536);
// the excess stays below 1/9 (the smallest gap to the next whole number) for
// every t < 32768, and the sums here stop at 2299.
inline int meanOfNineByMultiply(int sum)
{
    return ((sum + 4) * 7282) >> 16;
}

// The same by a rounding multiply-high, which adds the half itself:
// 3641 * 9 = 32768 + 1, so s * 3641 / 32768 = s / 9 + s / (9 * 32768). The
// excess stays below 1/18 (the nearest s / 9 ever comes to a half) for every
// s below 32768 / 2, and the sums here stop at 2295.
inline constexpr short RoundingNinth = 3641;

inline int meanOfNineByRoundingMultiply(int sum)
{
    return (sum * RoundingNinth + (1 << 14)) >> 15;
}

}
