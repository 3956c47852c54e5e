#pragma once

#include <QtGlobal>

#include <optional>
#include <vector>

// The custom filter's components from its sums by 16-bit vector arithmetic.
// A sum s, held as u = s - lowest (0 .. span), becomes
//   t = min(u + add, 65535), q = (t * multiplier >> 16) >> shift,
//   min(255, q), or min(255, q - 1) when `corrected` and q * divisor > t
// or, with no multiplier, min(255, t). The correction lets a multiplier
// rounded up overshoot by one where 16 bits cannot hold one precise enough
// for every sum (a divisor of 255 and sums up to 65535). The form is found
// for a divisor and checked against the filter's component table for every
// u before it is used, so whatever it gives, it gives exactly; filters it
// does not fit (a sum that can be negative, an even divisor whose halves must
// round to even) go the general way.
struct ShortDivision
{
    quint16 add = 0;
    quint16 multiplier = 0;
    int shift = 0;
    bool corrected = false;
    int divisor = 1;

    int apply(int u) const;
};

// `table[u]` is the component of the sum lowest + u; `base` is lowest plus the
// addend times the divisor, the dividend when u is 0.
std::optional<ShortDivision> shortDivisionFor(
    const std::vector<quint8> &table, qint64 base, int divisor);
