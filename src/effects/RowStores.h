#pragma once

#include "base/VectorUnits.h"
#include "effects/PixelRows.h"

#include <QtGlobal>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if TESSARA_AVX2_PATHS
#include <immintrin.h>
#endif

// How the vector kernels write a row: a whole vector a step, the last step
// moved back to end at the row's end (overlapping the one before), so no
// pixel is left to a scalar tail unless the row is narrower than one vector.
// Both functions a kernel passes must therefore depend on x alone.
// (Stores around the caches were tried for large pictures; every kernel that
// computes its pixels was slower with them.)
namespace RowStores {

#ifdef __SSE2__

// Writes pixels [from, to) of `out`: `four(x)` gives pixels x .. x + 3, `one(x)`
// pixel x alone for rows narrower than four.
template <typename Four, typename One>
void writeSse2(quint32 *out, int from, int to, Four four, One one)
{
    if (to - from < 4) {
        for (int x = from; x < to; ++x)
            out[x] = one(x);
        return;
    }
    int x = from;
    for (; x + 4 <= to; x += 4)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + x), four(x));
    if (x < to)
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + to - 4), four(to - 4));
}

#endif

#if TESSARA_AVX2_PATHS

// `writeSse2` eight pixels at a time.
template <typename Eight, typename One>
TESSARA_AVX2 void writeAvx2(quint32 *out, int from, int to, Eight eight, One one)
{
    if (to - from < 8) {
        for (int x = from; x < to; ++x)
            out[x] = one(x);
        return;
    }
    int x = from;
    for (; x + 8 <= to; x += 8)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + x), eight(x));
    if (x < to)
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + to - 8), eight(to - 8));
}

// Eight opaque pixels from the 16-bit components (saturated to bytes) of
// pixels 0 .. 3 and 4 .. 7: the pack interleaves the halves and the permute
// puts the pixels back in order.
TESSARA_AVX2 inline __m256i opaquePixelsAvx2(__m256i first, __m256i second)
{
    const __m256i packed = _mm256_packus_epi16(first, second);
    return _mm256_or_si256(_mm256_permute4x64_epi64(packed, _MM_SHUFFLE(3, 1, 2, 0)),
        _mm256_set1_epi32(int(OpaqueAlpha)));
}

// Asks for the line at `p` ahead of writing it, so the write finds it in the
// cache rather than waiting for it. (Processors without the instruction take
// it as a no-op.)
inline void prefetchForWriting(const quint32 *p)
{
    asm volatile("prefetchw %0" ::"m"(*p));
}

#endif

}
