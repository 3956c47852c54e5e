#include "raster/StretchMap.h"

#include <algorithm>

StretchMap StretchMap::make(long long destStart, long long destExtent, long long sourceStart,
    long long sourceExtent, int destLimitLow, int destLimitHigh, int sourceSize)
{
    StretchMap map;
    if (destExtent == 0 || sourceExtent == 0)
        return map;
    const bool mirrored = (destExtent < 0) != (sourceExtent < 0);
    // A negative extent runs back from its start: the pixels start + extent .. start - 1.
    const long long d0 = destExtent < 0 ? destStart + destExtent : destStart;
    const long long dn = destExtent < 0 ? -destExtent : destExtent;
    const long long s0 = sourceExtent < 0 ? sourceStart + sourceExtent : sourceStart;
    const long long sn = sourceExtent < 0 ? -sourceExtent : sourceExtent;

    const long long firstDest = std::max<long long>(d0, destLimitLow);
    const long long endDest = std::min<long long>(d0 + dn, destLimitHigh);
    for (long long d = firstDest; d < endDest; ++d) {
        const long long i = d - d0;
        long long k = ((2 * i + 1) * sn) / (2 * dn);
        if (mirrored)
            k = sn - 1 - k;
        const long long s = s0 + k;
        if (s < 0 || s >= sourceSize) {
            if (!map.m_sources.empty())
                break; // the mapping is monotonic: nothing valid follows
            continue;
        }
        if (map.m_sources.empty())
            map.m_first = int(d);
        map.m_sources.push_back(int(s));
    }
    map.m_identity = !mirrored && sn == dn;
    return map;
}
