#include "effects/Oil.h"

#include "base/RoundHalfEven.h"
#include "base/VectorUnits.h"
#include "effects/OilRandom.h"

#include <vector>

#if TESSARA_AVX2_PATHS
#include <immintrin.h>
#endif

namespace {

// One row by single draws: pixels `from` .. `to` - 1 of the inside, x = i + 2.
void oilRowPortable(
    const quint32 *const *rows, int y, int from, int to, OilRandom &random, quint32 *out)
{
    const quint32 yBit = quint32(y) & 1u;
    for (int i = from; i < to; ++i) {
        const int row = OilArithmetic::nearestOf22Bits(random.nextBits(), yBit);
        const int column = OilArithmetic::columnIndex(random.nextBits());
        out[i + 2] = rows[row][i + column];
    }
}

#if TESSARA_AVX2_PATHS

// Eight draws at once, four pixels' r1 and r2 side by side: the generator runs
// in eight lanes eight steps apart, each pixel's source becomes one offset
// from row y - 2 (row index times the stride plus column index), and the
// pixels are fetched one by one. Returns how many pixels it did.
TESSARA_AVX2 int oilRowAvx2(
    const quint32 *top, qsizetype stride, int y, int inside, OilRandom &random, quint32 *out)
{
    if (inside < 4)
        return 0;
    alignas(32) quint32 lanes[8];
    quint32 state = random.state();
    for (quint32 &lane : lanes) {
        state = state * OilRandom::Multiplier + OilRandom::Increment;
        lane = state;
    }
    __m256i draws = _mm256_load_si256(reinterpret_cast<const __m256i *>(lanes));
    const __m256i a8 = _mm256_set1_epi32(int(OilRandom::jumpMultiplier(8)));
    const __m256i c8 = _mm256_set1_epi32(int(OilRandom::jumpIncrement(8)));
    const int yBit = y & 1;
    // r1 rounds against y's parity, r2 against none (column x - 2 is even
    // exactly when x is, and the index is taken from x - 2).
    const __m256i parity = _mm256_setr_epi32(yBit, 0, yBit, 0, yBit, 0, yBit, 0);
    const __m256i halfLess = _mm256_set1_epi32(0x1FFFFF);
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i strides = _mm256_set1_epi32(int(stride));
    alignas(32) qint64 offsets[4];
    __m256i used = draws;
    int i = 0;
    for (; i + 4 <= inside; i += 4) {
        const __m256i bits = _mm256_srli_epi32(draws, 8);
        const __m256i odd
            = _mm256_and_si256(_mm256_add_epi32(_mm256_srli_epi32(bits, 22), parity), one);
        const __m256i index
            = _mm256_srli_epi32(_mm256_add_epi32(_mm256_add_epi32(bits, halfLess), odd), 22);
        // Even lanes: row index times the stride, in 64 bits; odd lanes: the column.
        const __m256i offset
            = _mm256_add_epi64(_mm256_mul_epu32(index, strides), _mm256_srli_epi64(index, 32));
        _mm256_store_si256(reinterpret_cast<__m256i *>(offsets), offset);
        for (int k = 0; k < 4; ++k)
            out[i + k + 2] = top[i + k + offsets[k]];
        used = draws;
        draws = _mm256_add_epi32(_mm256_mullo_epi32(draws, a8), c8);
    }
    _mm256_store_si256(reinterpret_cast<__m256i *>(lanes), used);
    random.setState(lanes[7]);
    return i;
}

#endif

}

void oilPortable(ConstPixelRows src, PixelRows dst, OilRandom &random)
{
    PixelRowsCopy::frame(src, dst, 2);
    if (src.width < 5 || src.height < 5)
        return;
    const int inside = src.width - 4;
    std::vector<quint32> draws(2 * size_t(inside));
    for (int y = 2; y < src.height - 2; ++y) {
        random.fillBits(draws.data(), qsizetype(draws.size()));
        const quint32 *rows[5];
        for (int k = 0; k < 5; ++k)
            rows[k] = src.row(y - 2 + k);
        const quint32 yBit = quint32(y) & 1u;
        quint32 *out = dst.row(y);
        for (int i = 0; i < inside; ++i) {
            const int row = OilArithmetic::nearestOf22Bits(draws[2 * size_t(i)], yBit);
            const int column = OilArithmetic::columnIndex(draws[2 * size_t(i) + 1]);
            // Column index 0..4 is x - 2 .. x + 2 with x = i + 2.
            out[i + 2] = rows[row][i + column];
        }
    }
}

void oil(ConstPixelRows src, PixelRows dst, OilRandom &random)
{
#if TESSARA_AVX2_PATHS
    if (VectorUnits::avx2()) {
        PixelRowsCopy::frame(src, dst, 2);
        if (src.width < 5 || src.height < 5)
            return;
        for (int y = 2; y < src.height - 2; ++y) {
            const quint32 *rows[5];
            for (int k = 0; k < 5; ++k)
                rows[k] = src.row(y - 2 + k);
            const int inside = src.width - 4;
            const int done = oilRowAvx2(rows[0], src.stride, y, inside, random, dst.row(y));
            oilRowPortable(rows, y, done, inside, random, dst.row(y));
        }
        return;
    }
#endif
    oilPortable(src, dst, random);
}

void oilReference(ConstPixelRows src, PixelRows dst, OilRandom &random)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    for (int y = 2; y <= src.height - 3; ++y) {
        for (int x = 2; x <= src.width - 3; ++x) {
            const double r1 = random.next();
            const double r2 = random.next();
            const float dy = float(r1 * 4 - 2);
            const int dx = int(roundHalfEven(r2 * 4 - 2));
            const int row = int(roundHalfEven(y + double(dy)));
            dst.row(y)[x] = src.row(row)[x + dx];
        }
    }
}
