#pragma once

#include "effects/RowStores.h"

// Kernels whose every changed pixel is a function of itself and of the pixel
// up and to the left (emboss, sharpen). A kernel is a type with
//   static quint32 one(quint32 p, quint32 q);          // any processor
//   static __m128i four(__m128i p, __m128i q);         // with SSE2
//   static TESSARA_AVX2 __m256i eight(__m256i p, __m256i q); // with AVX2 paths
// where q is the upper-left neighbour of p. Pixels (x, y) with 1 <= y < rowEnd
// and 1 <= x < columnEnd are written; the rest of `dst` is left alone.
namespace UpperLeftPairs {

template <typename Kernel>
void portable(ConstPixelRows src, PixelRows dst, int rowEnd, int columnEnd)
{
    for (int y = 1; y < rowEnd; ++y) {
        const quint32 *row = src.row(y);
        const quint32 *above = src.row(y - 1);
        quint32 *out = dst.row(y);
        for (int x = 1; x < columnEnd; ++x)
            out[x] = Kernel::one(row[x], above[x - 1]);
    }
}

#ifdef __SSE2__
template <typename Kernel> void sse2(ConstPixelRows src, PixelRows dst, int rowEnd, int columnEnd)
{
    for (int y = 1; y < rowEnd; ++y) {
        const quint32 *row = src.row(y);
        const quint32 *above = src.row(y - 1);
        RowStores::writeSse2(
            dst.row(y), 1, columnEnd,
            [=](int x) {
                return Kernel::four(_mm_loadu_si128(reinterpret_cast<const __m128i *>(row + x)),
                    _mm_loadu_si128(reinterpret_cast<const __m128i *>(above + x - 1)));
            },
            [=](int x) { return Kernel::one(row[x], above[x - 1]); });
    }
}
#endif

#if TESSARA_AVX2_PATHS
template <typename Kernel>
TESSARA_AVX2 void avx2(ConstPixelRows src, PixelRows dst, int rowEnd, int columnEnd)
{
    for (int y = 1; y < rowEnd; ++y) {
        const quint32 *row = src.row(y);
        const quint32 *above = src.row(y - 1);
        RowStores::writeAvx2(
            dst.row(y), 1, columnEnd,
            [=](int x) TESSARA_AVX2 {
                return Kernel::eight(_mm256_loadu_si256(reinterpret_cast<const __m256i *>(row + x)),
                    _mm256_loadu_si256(reinterpret_cast<const __m256i *>(above + x - 1)));
            },
            [=](int x) { return Kernel::one(row[x], above[x - 1]); });
    }
}
#endif

// The widest of the three the processor runs.
template <typename Kernel> void apply(ConstPixelRows src, PixelRows dst, int rowEnd, int columnEnd)
{
#if TESSARA_AVX2_PATHS
    if (VectorUnits::avx2())
        return avx2<Kernel>(src, dst, rowEnd, columnEnd);
#endif
#ifdef __SSE2__
    sse2<Kernel>(src, dst, rowEnd, columnEnd);
#else
    portable<Kernel>(src, dst, rowEnd, columnEnd);
#endif
}

}
