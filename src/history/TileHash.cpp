#include "history/TileHash.h"

#include <bit>
#include <cstring>

namespace {

// The mixing constants and steps of xxHash64, which are well tested for spread.
constexpr quint64 Prime1 = 0x9E3779B185EBCA87ull;
constexpr quint64 Prime2 = 0xC2B2AE3D27D4EB4Full;
constexpr quint64 Prime3 = 0x165667B19E3779F9ull;

inline quint64 mix(quint64 lane, quint64 input)
{
    lane += input * Prime2;
    lane = std::rotl(lane, 31);
    return lane * Prime1;
}

inline quint64 load64(const quint32 *p)
{
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

}

namespace TileHash {

quint64 of(const quint32 *src, qsizetype stride, int width, int height)
{
    quint64 lanes[4] = { Prime1 + Prime2, Prime2, 0, quint64(0) - Prime1 };
    for (int y = 0; y < height; ++y) {
        const quint32 *row = src + y * stride;
        int x = 0;
        for (; x + 8 <= width; x += 8) {
            lanes[0] = mix(lanes[0], load64(row + x));
            lanes[1] = mix(lanes[1], load64(row + x + 2));
            lanes[2] = mix(lanes[2], load64(row + x + 4));
            lanes[3] = mix(lanes[3], load64(row + x + 6));
        }
        for (; x + 2 <= width; x += 2)
            lanes[0] = mix(lanes[0], load64(row + x));
        if (x < width)
            lanes[1] = mix(lanes[1], row[x]);
    }
    quint64 h = std::rotl(lanes[0], 1) + std::rotl(lanes[1], 7) + std::rotl(lanes[2], 12)
        + std::rotl(lanes[3], 18);
    h ^= quint64(quint32(width)) << 32 | quint32(height);
    h ^= h >> 33;
    h *= Prime2;
    h ^= h >> 29;
    h *= Prime3;
    h ^= h >> 32;
    return h;
}

}
