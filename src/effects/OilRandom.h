#pragma once

#include <QtGlobal>

// The random numbers of the oil effect. The effect asks for the generator's
// default, unseeded sequence, so a picture oiled first in one run looks the
// same as one oiled first in any other run; a fixed-seed generator of our own
// keeps that on every platform.
//
// It is the 32-bit linear congruential generator x' = 1664525 x + 1013904223
// (mod 2^32) started from x = 1; each number in [0, 1) is the top 24 bits of
// the new state divided by 2^24. Twenty-four bits, because then r * 4 - 2 is
// exact in single precision, which the row offset is held in.
//
// The sequence goes on from one use to the next for the whole run.
class OilRandom
{
public:
    static constexpr quint32 Multiplier = 1664525u;
    static constexpr quint32 Increment = 1013904223u;
    static constexpr quint32 Seed = 1u;

    // n steps at once: x(k + n) = A^n x(k) + C (A^(n-1) + ... + A + 1), mod 2^32.
    static constexpr quint32 jumpMultiplier(int n)
    {
        quint32 a = 1;
        for (int k = 0; k < n; ++k)
            a *= Multiplier;
        return a;
    }
    static constexpr quint32 jumpIncrement(int n)
    {
        quint32 c = 0;
        for (int k = 0; k < n; ++k)
            c = c * Multiplier + Increment;
        return c;
    }

    // The next number's 24 bits (the number is bits / 2^24).
    quint32 nextBits()
    {
        m_state = m_state * Multiplier + Increment;
        return m_state >> 8;
    }
    double next() { return double(nextBits()) / 16777216.0; }
    // The next `count` numbers' bits, in order, as nextBits would give them;
    // four interleaved steps at a time, so no multiply waits on the last one.
    void fillBits(quint32 *out, qsizetype count);

    // The state after the last number drawn; a vector path that drew ahead
    // in step with the sequence hands back where it stopped.
    quint32 state() const { return m_state; }
    void setState(quint32 state) { m_state = state; }

private:
    quint32 m_state = Seed;
};
