#include "effects/OilRandom.h"

namespace {

constexpr quint32 A = OilRandom::Multiplier;
constexpr quint32 C = OilRandom::Increment;
constexpr quint32 A4 = OilRandom::jumpMultiplier(4);
constexpr quint32 C4 = OilRandom::jumpIncrement(4);

}

void OilRandom::fillBits(quint32 *out, qsizetype count)
{
    qsizetype i = 0;
    if (count >= 4) {
        // Local copies: stores through `out` could otherwise alias the state.
        quint32 s0 = m_state * A + C;
        quint32 s1 = s0 * A + C;
        quint32 s2 = s1 * A + C;
        quint32 s3 = s2 * A + C;
        quint32 last = m_state;
        for (; i + 4 <= count; i += 4) {
            out[i] = s0 >> 8;
            out[i + 1] = s1 >> 8;
            out[i + 2] = s2 >> 8;
            out[i + 3] = s3 >> 8;
            last = s3;
            s0 = s0 * A4 + C4;
            s1 = s1 * A4 + C4;
            s2 = s2 * A4 + C4;
            s3 = s3 * A4 + C4;
        }
        m_state = last;
    }
    for (; i < count; ++i)
        out[i] = nextBits();
}
