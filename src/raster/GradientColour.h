#pragma once

#include "base/ColourValue.h"
#include "base/RoundHalfEven.h"

// A gradient's colour at progress t from one colour to another: each channel
// is interpolated as a real number and rounded to the nearest whole number,
// halves to the even neighbour (182.5 -> 182, 183.5 -> 184).
namespace GradientColour {

inline int channel(int from, int to, double t)
{
    return int(roundHalfEven(from + (to - from) * t));
}

inline ColourValue mix(ColourValue from, ColourValue to, double t)
{
    return Colour::fromRgb(channel(Colour::red(from), Colour::red(to), t),
        channel(Colour::green(from), Colour::green(to), t),
        channel(Colour::blue(from), Colour::blue(to), t));
}

}
