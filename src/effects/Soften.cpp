#include "effects/Soften.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include <algorithm>
#include <vector>

#include "base/VectorUnits.h"
#include "effects/RowStores.h"

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

// The AVX2 path softens four rows at a time, which share the sums of the rows
// between them, and works through them in chunks whose column sums stay in
// the first-level cache.
constexpr int SoftenRows = 4;
constexpr int SoftenChunk = 128;
// Four components a column, for a chunk that may take up to seven more
// columns, and one on either side.
constexpr int SoftenSums = 4 * (SoftenChunk + 16);

TESSARA_AVX2 __m256i widened(const quint32 *p)
{
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
}

// Eight outputs from the column sums of the nine columns around them (`sums`
// starts at the column left of the first).
TESSARA_AVX2 __m256i softenedEightAvx2(const quint16 *sums)
{
    auto at = [sums](int offset) TESSARA_AVX2 {
        return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(sums + offset));
    };
    const __m256i ninth = _mm256_set1_epi16(SoftenArithmetic::RoundingNinth);
    // Outputs 0 .. 3 and 4 .. 7, each the sum of three columns.
    const __m256i first = _mm256_add_epi16(_mm256_add_epi16(at(0), at(4)), at(8));
    const __m256i second = _mm256_add_epi16(_mm256_add_epi16(at(16), at(20)), at(24));
    return RowStores::opaquePixelsAvx2(
        _mm256_mulhrs_epi16(first, ninth), _mm256_mulhrs_epi16(second, ninth));
}

// The column sums of `rows` rows over `columns` columns from x, four at a time
// (the last step may overlap the one before), for the rows `out` will hold.
// Four rows read six and share the sums of their middle pairs.
TESSARA_AVX2 void columnSumsAvx2(const quint32 *const *in, int rows, int x, int columns,
    quint16 (*sums)[SoftenSums], quint32 *const *out)
{
    auto four = [&](int c) TESSARA_AVX2 {
        const __m256i r0 = widened(in[0] + x + c), r1 = widened(in[1] + x + c);
        const __m256i r2 = widened(in[2] + x + c), r3 = widened(in[3] + x + c);
        const __m256i r4 = widened(in[4] + x + c), r5 = widened(in[5] + x + c);
        const __m256i upper = _mm256_add_epi16(r1, r2);
        const __m256i lower = _mm256_add_epi16(r3, r4);
        auto store = [&](int k, __m256i sum) TESSARA_AVX2 {
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(sums[k] + 4 * c), sum);
        };
        store(0, _mm256_add_epi16(r0, upper));
        store(1, _mm256_add_epi16(upper, r3));
        store(2, _mm256_add_epi16(r2, lower));
        store(3, _mm256_add_epi16(lower, r5));
    };
    auto fewer = [&](int c) TESSARA_AVX2 {
        for (int k = 0; k < rows; ++k) {
            const __m256i sum = _mm256_add_epi16(
                _mm256_add_epi16(widened(in[k] + x + c), widened(in[k + 1] + x + c)),
                widened(in[k + 2] + x + c));
            _mm256_storeu_si256(reinterpret_cast<__m256i *>(sums[k] + 4 * c), sum);
        }
    };
    int c = 0;
    if (rows == SoftenRows) {
        for (; c + 4 <= columns; c += 4) {
            // Each line of the rows to write, and of the rows being read a
            // little ahead, once: the memory traffic then overlaps the work.
            if ((c & 15) == 0) {
                for (int k = 0; k < SoftenRows; ++k) {
                    RowStores::prefetchForWriting(out[k] + x + c);
                    _mm_prefetch(
                        reinterpret_cast<const char *>(in[k + 2] + x + c + 128), _MM_HINT_T0);
                }
            }
            four(c);
        }
        if (c < columns)
            four(columns - 4);
    } else {
        for (; c + 4 <= columns; c += 4)
            fewer(c);
        if (c < columns)
            fewer(columns - 4);
    }
}

// Rows y .. y + rows - 1 (up to four) over columns [x0, x1), at least eight.
TESSARA_AVX2 void softenChunkAvx2(
    ConstPixelRows src, PixelRows dst, int y, int rows, int x0, int x1)
{
    alignas(32) quint16 sums[SoftenRows][SoftenSums];
    const quint32 *in[SoftenRows + 2];
    for (int k = 0; k < rows + 2; ++k)
        in[k] = src.row(y - 1 + k);
    quint32 *out[SoftenRows] = {};
    for (int k = 0; k < rows; ++k)
        out[k] = dst.row(y + k);
    // The columns x0 - 1 .. x1.
    columnSumsAvx2(in, rows, x0 - 1, x1 - x0 + 2, sums, out);
    for (int k = 0; k < rows; ++k) {
        const quint16 *rowSums = sums[k];
        RowStores::writeAvx2(
            dst.row(y + k), x0, x1,
            [=](int x) TESSARA_AVX2 { return softenedEightAvx2(rowSums + 4 * (x - x0)); },
            [](int) -> quint32 { Q_UNREACHABLE(); });
    }
}

TESSARA_AVX2 void softenAvx2(ConstPixelRows src, PixelRows dst)
{
    for (int y = 1; y < src.height - 1; y += SoftenRows) {
        const int rows = std::min(SoftenRows, src.height - 1 - y);
        int x0 = 1;
        while (x0 < src.width - 1) {
            // The last chunk takes the rest when fewer than eight would be left.
            int x1 = std::min(x0 + SoftenChunk, src.width - 1);
            if (src.width - 1 - x1 < 8)
                x1 = src.width - 1;
            softenChunkAvx2(src, dst, y, rows, x0, x1);
            x0 = x1;
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
    // Narrower pictures take the SSE2 path: the chunks here are eight wide at least.
    if (VectorUnits::avx2() && src.width >= 10) {
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
