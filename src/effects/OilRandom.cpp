#include "effects/OilRandom.h"

namespace {

// Four steps at once: x(n + 4) = A4 x(n) + C4 with A4 = A^4 and
// C4 = C (A^3 + A^2 + A + 1), all mod 2^32.
constexpr quint32 A = OilRandom::Multiplier;
constexpr quint32 C = OilRandom::Increment;
constexpr quint32 A4 = A * A * A * A;
constexpr quint32 C4 = C * (A * A * A + A * A + A + 1u);

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
