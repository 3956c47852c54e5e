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
        quint32 s[4];
        s[0] = m_state * A + C;
        for (int k = 1; k < 4; ++k)
            s[k] = s[k - 1] * A + C;
        for (; i + 4 <= count; i += 4) {
            for (int k = 0; k < 4; ++k) {
                out[i + k] = s[k] >> 8;
                m_state = s[k];
                s[k] = s[k] * A4 + C4;
            }
        }
    }
    for (; i < count; ++i)
        out[i] = nextBits();
}
