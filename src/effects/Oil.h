#pragma once

#include "effects/PixelRows.h"

class OilRandom;

// Oil: each pixel inside a two-pixel frame takes the colour of a nearby
// pixel chosen at random. Per pixel, in row order, two numbers r1 then r2 are
// drawn: the row offset is r1 * 4 - 2 (held in single precision) and the
// column offset r2 * 4 - 2 rounded to the nearest integer, ties to even; the
// source row is the one nearest y + offset, ties to even, as the picture
// surface maps positions to pixels. The frame stays as it was.
void oil(ConstPixelRows src, PixelRows dst, OilRandom &random);
void oilPortable(ConstPixelRows src, PixelRows dst, OilRandom &random);
void oilReference(ConstPixelRows src, PixelRows dst, OilRandom &random);

namespace OilArithmetic {

// The nearest integer to n / 2^22, ties to the even one of the two, where
// `oddBase` says whether the whole number added to the quotient is odd.
inline int nearestOf22Bits(quint32 n, quint32 oddBase)
{
    const quint32 quotient = n >> 22;
    return int((n + 0x1FFFFFu + ((quotient + oddBase) & 1u)) >> 22);
}

// Index 0..4 of the source row (y - 2 .. y + 2) for a draw of `bits` at row y.
inline int rowIndex(quint32 bits, int y)
{
    return nearestOf22Bits(bits, quint32(y) & 1u);
}

// Index 0..4 of the source column (x - 2 .. x + 2).
inline int columnIndex(quint32 bits)
{
    return nearestOf22Bits(bits, 0);
}

}
