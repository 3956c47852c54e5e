#pragma once

#include "effects/PixelRows.h"

// Sharpen: each pixel inside a one-pixel frame moves away from its upper-left
// neighbour q by half their difference, p + (p - q) / 2 per component, clamped
// to 0..255 and rounded to the nearest integer (ties to even). The frame stays.
void sharpen(ConstPixelRows src, PixelRows dst);
void sharpenPortable(ConstPixelRows src, PixelRows dst);
void sharpenReference(ConstPixelRows src, PixelRows dst);

namespace SharpenArithmetic {

// p + (p - q) / 2 = t / 2 with t = 3p - q, to the nearest integer with ties to
// even, then clamped. An odd t is a tie between k = t >> 1 (floor) and k + 1;
// adding k's lowest bit before halving picks the even one, and an even t
// halves exactly. Clamping after rounding gives the same as before it, since
// the clamp bounds are whole numbers.
inline int sharpened(int p, int q)
{
    const int t = 3 * p - q;
    const int rounded = (t + ((t >> 1) & 1)) >> 1;
    return rounded < 0 ? 0 : (rounded > 255 ? 255 : rounded);
}

}
