#pragma once

#include "effects/PixelRows.h"

#include <array>

// A 3 x 3 or 5 x 5 convolution with a divisor and an addend, as the custom
// filter runs it: per component, v = |s / d + b| with s the weighted sum of
// the neighbourhood, clamped to 255 and rounded to the nearest integer (ties
// to even). The frame `radius` pixels wide stays as it was; so does a picture
// smaller than the kernel.
struct Convolution
{
    int radius = 2; // 1 (3 x 3) or 2 (5 x 5)
    // Weights by [dy + 2][dx + 2]; a 3 x 3 kernel reads only the inner nine.
    std::array<std::array<double, 5>, 5> weights {};
    double divisor = 1; // 0 counts as 1
    double addend = 0;

    double weight(int dy, int dx) const { return weights[size_t(dy + 2)][size_t(dx + 2)]; }
    void setWeight(int dy, int dx, double w) { weights[size_t(dy + 2)][size_t(dx + 2)] = w; }
};

// Integer sums in vectors whenever the weights are whole numbers up to 32767
// (the dialog's cells hold nothing else, short of six digits). The sums become
// components by vector arithmetic when the divisor (1..32767) and the addend
// (-255..255) are whole too, otherwise by a table worked out with the
// reference's own expression, as long as the sums span at most 65536 values.
// Anything else takes the double-precision loops.
void convolve(ConstPixelRows src, PixelRows dst, const Convolution &filter);
// Whole-number filters by exact integer arithmetic, one pixel at a time;
// others as the reference.
void convolvePortable(ConstPixelRows src, PixelRows dst, const Convolution &filter);
// The double-precision loops, straight from the definition.
void convolveReference(ConstPixelRows src, PixelRows dst, const Convolution &filter);
