#include "effects/ShortDivision.h"

#include <algorithm>

int ShortDivision::apply(int u) const
{
    const int t = std::min(u + int(add), 65535);
    int q = multiplier == 0 ? t : int((qint64(t) * multiplier) >> 16) >> shift;
    if (corrected && q * divisor > t)
        --q;
    return std::min(q, 255);
}

namespace {

bool fits(const ShortDivision &division, const std::vector<quint8> &table)
{
    for (size_t u = 0; u < table.size(); ++u) {
        if (division.apply(int(u)) != table[u])
            return false;
    }
    return true;
}

}

std::optional<ShortDivision> shortDivisionFor(
    const std::vector<quint8> &table, qint64 base, int divisor)
{
    if (base < 0 || divisor < 1 || table.empty() || table.size() > 65536)
        return std::nullopt;
    // Adding half the divisor, less a half, makes the rounding a truncation.
    const qint64 add = base + (divisor - 1) / 2;
    if (add > 65535)
        return std::nullopt;
    ShortDivision division;
    division.add = quint16(add);
    division.divisor = divisor;
    if (divisor == 1)
        return fits(division, table) ? std::optional(division) : std::nullopt;
    // The reciprocal rounded up, with no shift (the fewest steps) or with the
    // widest shift whose multiplier fits 16 bits (the most precise).
    int widest = 15;
    while (widest > 0 && ((qint64(1) << (16 + widest)) + divisor - 1) / divisor > 65535)
        --widest;
    for (int shift : { 0, widest }) {
        const qint64 multiplier = ((qint64(1) << (16 + shift)) + divisor - 1) / divisor;
        if (multiplier > 65535)
            continue;
        division.multiplier = quint16(multiplier);
        division.shift = shift;
        if (fits(division, table))
            return division;
    }
    // The widest shift's quotient is never low, and with a divisor below
    // 2^15 its remainder fits a signed 16-bit lane, so it can be checked.
    division.corrected = divisor < 32768;
    if (division.corrected && fits(division, table))
        return division;
    return std::nullopt;
}
