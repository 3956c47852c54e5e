#include "effects/Soften.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include <algorithm>
#include <vector>

#include "effects/VectorUnits.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if TESSARA_AVX2_PATHS
#include <immintrin.h>
#endif

namespace {

int component(quint32 pixel, int shift)
{
    return int((pixel >> shift) & 0xFF);
}

// Sums each component over three rows at column x.
void columnSums(const quint32 *a, const quint32 *b, const quint32 *c, int x, int sums[4])
{
    for (int k = 0; k < 4; ++k) {
        const int shift = 8 * k;
        sums[k] = component(a[x], shift) + component(b[x], shift) + component(c[x], shift);
    }
}

#ifdef __SSE2__

// Column sums of three rows as 16-bit components, eight bytes a pixel, for
// every column of the row: the horizontal pass then adds three neighbours.
void columnSumsSse2(const quint32 *a, const quint32 *b, const quint32 *c, int width, quint16 *out)
{
    const __m128i zero = _mm_setzero_si128();
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i va = _mm_loadu_si128(reinterpret_cast<const __m128i *>(a + x));
        const __m128i vb = _mm_loadu_si128(reinterpret_cast<const __m128i *>(b + x));
        const __m128i vc = _mm_loadu_si128(reinterpret_cast<const __m128i *>(c + x));
        const __m128i lo
            = _mm_add_epi16(_mm_add_epi16(_mm_unpacklo_epi8(va, zero), _mm_unpacklo_epi8(vb, zero)),
                _mm_unpacklo_epi8(vc, zero));
        const __m128i hi
            = _mm_add_epi16(_mm_add_epi16(_mm_unpackhi_epi8(va, zero), _mm_unpackhi_epi8(vb, zero)),
                _mm_unpackhi_epi8(vc, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * x), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out + 4 * x + 8), hi);
    }
    for (; x < width; ++x) {
        int sums[4];
        columnSums(a, b, c, x, sums);
        for (int k = 0; k < 4; ++k)
            out[4 * x + k] = quint16(sums[k]);
    }
}

void softenRowSse2(const quint16 *sums, int width, quint32 *out)
{
    const __m128i four = _mm_set1_epi16(4);
    const __m128i ninth = _mm_set1_epi16(7282);
    const __m128i alpha = _mm_set1_epi32(int(OpaqueAlpha));
    int x = 1;
    for (; x + 4 <= width - 1; x += 4) {
        const quint16 *s = sums + 4 * x;
        auto at = [s](int offset) {
            return _mm_loadu_si128(reinterpret_cast<const __m128i *>(s + offset));
        };
        __m128i lo = _mm_add_epi16(_mm_add_epi16(at(-4), at(0)), at(4));
        __m128i hi = _mm_add_epi16(_mm_add_epi16(at(4), at(8)), at(12));
        lo = _mm_mulhi_epu16(_mm_add_epi16(lo, four), ninth);
        hi = _mm_mulhi_epu16(_mm_add_epi16(hi, four), ninth);
        _mm_storeu_si128(
            reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
    }
    for (; x < width - 1; ++x) {
        quint32 pixel = OpaqueAlpha;
        for (int k = 0; k < 3; ++k) {
            const int sum = sums[4 * (x - 1) + k] + sums[4 * x + k] + sums[4 * (x + 1) + k];
            pixel |= quint32(SoftenArithmetic::meanOfNine(sum)) << (8 * k);
        }
        out[x] = pixel;
    }
}

#endif

#if TESSARA_AVX2_PATHS

// The AVX2 path works through a row in chunks whose column sums stay in the
// first-level cache: the sums of columns x0 - 1 .. x1 for the outputs x0 .. x1 - 1.
constexpr int SoftenChunk = 512;

TESSARA_AVX2 __m256i widened(const quint32 *p)
{
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
}

TESSARA_AVX2 void columnSumsAvx2(
    const quint32 *a, const quint32 *b, const quint32 *c, int from, int to, quint16 *out)
{
    int x = from;
    for (; x + 4 <= to; x += 4) {
        const __m256i sum
            = _mm256_add_epi16(_mm256_add_epi16(widened(a + x), widened(b + x)), widened(c + x));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + 4 * (x - from)), sum);
    }
    for (; x < to; ++x) {
        int sums[4];
        columnSums(a, b, c, x, sums);
        for (int k = 0; k < 4; ++k)
            out[4 * (x - from) + k] = quint16(sums[k]);
    }
}

// Outputs x0 .. x1 - 1 from the column sums of x0 - 1 .. x1 (sums[0] is x0 - 1).
TESSARA_AVX2 void softenChunkAvx2(const quint16 *sums, int count, quint32 *out)
{
    const __m256i four = _mm256_set1_epi16(4);
    const __m256i ninth = _mm256_set1_epi16(7282);
    const __m256i alpha = _mm256_set1_epi32(int(OpaqueAlpha));
    int i = 0;
    for (; i + 8 <= count; i += 8) {
        const quint16 *s = sums + 4 * i;
        auto at = [s](int offset) TESSARA_AVX2 {
            return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(s + offset));
        };
        // Outputs i .. i + 3 and i + 4 .. i + 7, each the sum of three columns.
        __m256i first = _mm256_add_epi16(_mm256_add_epi16(at(0), at(4)), at(8));
        __m256i second = _mm256_add_epi16(_mm256_add_epi16(at(16), at(20)), at(24));
        first = _mm256_mulhi_epu16(_mm256_add_epi16(first, four), ninth);
        second = _mm256_mulhi_epu16(_mm256_add_epi16(second, four), ninth);
        // The pack interleaves the halves; the permute puts the pixels back in order.
        const __m256i packed
            = _mm256_permute4x64_epi64(_mm256_packus_epi16(first, second), _MM_SHUFFLE(3, 1, 2, 0));
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(out + i), _mm256_or_si256(packed, alpha));
    }
    for (; i < count; ++i) {
        quint32 pixel = OpaqueAlpha;
        for (int k = 0; k < 3; ++k) {
            const int sum = sums[4 * i + k] + sums[4 * (i + 1) + k] + sums[4 * (i + 2) + k];
            pixel |= quint32(SoftenArithmetic::meanOfNine(sum)) << (8 * k);
        }
        out[i] = pixel;
    }
}

TESSARA_AVX2 void softenAvx2(ConstPixelRows src, PixelRows dst)
{
    quint16 sums[4 * (SoftenChunk + 2)];
    for (int y = 1; y < src.height - 1; ++y) {
        for (int x0 = 1; x0 < src.width - 1; x0 += SoftenChunk) {
            const int x1 = std::min(x0 + SoftenChunk, src.width - 1);
            columnSumsAvx2(src.row(y - 1), src.row(y), src.row(y + 1), x0 - 1, x1 + 1, sums);
            softenChunkAvx2(sums, x1 - x0, dst.row(y) + x0);
        }
    }
}

#endif

}

void softenPortable(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::frame(src, dst, 1);
    if (src.width < 3 || src.height < 3)
        return;
    std::vector<int> sums(size_t(src.width) * 4);
    for (int y = 1; y < src.height - 1; ++y) {
        for (int x = 0; x < src.width; ++x)
            columnSums(src.row(y - 1), src.row(y), src.row(y + 1), x, &sums[4 * size_t(x)]);
        quint32 *out = dst.row(y);
        for (int x = 1; x < src.width - 1; ++x) {
            quint32 pixel = OpaqueAlpha;
            for (int k = 0; k < 3; ++k) {
                const int sum = sums[4 * (x - 1) + k] + sums[4 * x + k] + sums[4 * (x + 1) + k];
                pixel |= quint32(SoftenArithmetic::meanOfNine(sum)) << (8 * k);
            }
            out[x] = pixel;
        }
    }
}

void soften(ConstPixelRows src, PixelRows dst)
{
#if TESSARA_AVX2_PATHS
    if (VectorUnits::avx2()) {
        PixelRowsCopy::frame(src, dst, 1);
        softenAvx2(src, dst);
        return;
    }
#endif
#ifdef __SSE2__
    PixelRowsCopy::frame(src, dst, 1);
    if (src.width < 3 || src.height < 3)
        return;
    std::vector<quint16> sums(size_t(src.width) * 4);
    for (int y = 1; y < src.height - 1; ++y) {
        columnSumsSse2(src.row(y - 1), src.row(y), src.row(y + 1), src.width, sums.data());
        softenRowSse2(sums.data(), src.width, dst.row(y));
    }
#else
    softenPortable(src, dst);
#endif
}

void softenReference(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    for (int y = 1; y <= src.height - 2; ++y) {
        for (int x = 1; x <= src.width - 2; ++x) {
            double red = 0, green = 0, blue = 0;
            for (int dy = -1; dy <= 1; ++dy) {
                for (int dx = -1; dx <= 1; ++dx) {
                    const QRgb c = src.row(y + dy)[x + dx];
                    red += qRed(c);
                    green += qGreen(c);
                    blue += qBlue(c);
                }
            }
            dst.row(y)[x] = qRgb(int(roundHalfEven(red / 9)), int(roundHalfEven(green / 9)),
                int(roundHalfEven(blue / 9)));
        }
    }
}
