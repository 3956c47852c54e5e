#include "effects/Convolution.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <vector>

#include "base/VectorUnits.h"
#include "effects/FilterFactors.h"
#include "effects/RowStores.h"
#include "effects/ShortDivision.h"
#include "effects/Soften.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if TESSARA_AVX2_PATHS
#include <immintrin.h>
#endif

// Why whole-number filters may leave double precision: with s, d and b whole,
// s / d + b = n / d for the whole number n = s + b d. When n / d is not a
// half-way value it lies at least 1 / (2d) from one, far more than the error
// of the double (or, for d <= 32767, the single-precision) quotient below 512,
// so both round alike; when it is half-way, the quotient is exact in both. A
// quotient of 512 or more clamps to 255 whichever precision made it.

namespace {

struct Tap
{
    int dy;
    int dx;
    int weight;
};

struct IntegerFilter
{
    int radius = 1;
    std::vector<Tap> taps; // the non-zero weights
    int divisor = 1;
    int addend = 0;
    int lowestSum = 0; // of any neighbourhood
    int highestSum = 0;
    // Whether divisor and addend are whole (1..32767 and -255..255); only
    // then are `divisor` and `addend` set.
    bool wholeMapping = false;

    bool narrow() const { return qint64(highestSum) - lowestSum <= 65535; }
};

bool isWhole(double value, double limit)
{
    return std::abs(value) <= limit && value == std::floor(value);
}

std::optional<IntegerFilter> integerFormOf(const Convolution &filter)
{
    const double divisor = filter.divisor == 0 ? 1 : filter.divisor;
    IntegerFilter form;
    form.radius = filter.radius == 1 ? 1 : 2;
    form.wholeMapping = isWhole(divisor, 32767) && divisor >= 1 && isWhole(filter.addend, 255);
    if (form.wholeMapping) {
        form.divisor = int(divisor);
        form.addend = int(filter.addend);
    }
    for (int dy = -form.radius; dy <= form.radius; ++dy) {
        for (int dx = -form.radius; dx <= form.radius; ++dx) {
            const double w = filter.weight(dy, dx);
            if (!isWhole(w, 32767))
                return std::nullopt;
            if (w == 0)
                continue;
            form.taps.push_back({ dy, dx, int(w) });
            (w > 0 ? form.highestSum : form.lowestSum) += int(w) * 255;
        }
    }
    return form;
}

// The component of every sum from lowest to highest, worked out once with the
// reference's own double-precision expression: any divisor and addend, the
// same bit for bit.
std::vector<quint8> componentTable(const Convolution &filter, int lowest, int highest)
{
    const double d = filter.divisor == 0 ? 1 : filter.divisor;
    std::vector<quint8> table(size_t(highest - lowest) + 1);
    for (int s = lowest; s <= highest; ++s) {
        double v = std::abs(double(s) / d + filter.addend);
        if (v > 255)
            v = 255;
        table[size_t(s - lowest)] = quint8(roundHalfEven(v));
    }
    return table;
}

quint32 pixelFromTable(const std::vector<quint8> &table, const int sums[3], int lowest)
{
    quint32 pixel = OpaqueAlpha;
    for (int k = 0; k < 3; ++k)
        pixel |= quint32(table[size_t(sums[k] - lowest)]) << (8 * k);
    return pixel;
}

// round(min(|n| / d, 255)), ties to even, by integer division.
int componentOf(qint64 n, int divisor)
{
    const qint64 u = std::llabs(n);
    qint64 q = u / divisor;
    const qint64 twiceRest = 2 * (u % divisor);
    if (twiceRest > divisor || (twiceRest == divisor && (q & 1)))
        ++q;
    return int(std::min<qint64>(q, 255));
}

// The three sums at x, of a filter whose sums fit an int.
void sumsAt(const quint32 *const *rows, int x, const IntegerFilter &f, int sums[3])
{
    sums[0] = sums[1] = sums[2] = 0;
    for (const Tap &t : f.taps) {
        const quint32 c = rows[t.dy + 2][x + t.dx];
        for (int k = 0; k < 3; ++k)
            sums[k] += t.weight * int((c >> (8 * k)) & 0xFF);
    }
}

// One pixel by exact integer arithmetic; `rows` holds rows y - 2 .. y + 2.
quint32 convolvedPixel(const quint32 *const *rows, int x, const IntegerFilter &f)
{
    const qint64 bias = qint64(f.addend) * f.divisor;
    qint64 sums[3] = { bias, bias, bias };
    for (const Tap &t : f.taps) {
        const quint32 c = rows[t.dy + 2][x + t.dx];
        for (int k = 0; k < 3; ++k)
            sums[k] += qint64(t.weight) * ((c >> (8 * k)) & 0xFF);
    }
    quint32 pixel = OpaqueAlpha;
    for (int k = 0; k < 3; ++k)
        pixel |= quint32(componentOf(sums[k], f.divisor)) << (8 * k);
    return pixel;
}

// Calls `row(rows, y)` for every row the kernel fits on, with the five row
// pointers around it (those beyond the radius left null).
template <typename Row> void forEachRow(ConstPixelRows src, int radius, Row row)
{
    for (int y = radius; y < src.height - radius; ++y) {
        const quint32 *rows[5] = {};
        for (int dy = -radius; dy <= radius; ++dy)
            rows[dy + 2] = src.row(y + dy);
        row(rows, y);
    }
}

void convolveTablePortable(
    ConstPixelRows src, PixelRows dst, const IntegerFilter &f, const std::vector<quint8> &table)
{
    forEachRow(src, f.radius, [&](const quint32 *const *rows, int y) {
        for (int x = f.radius; x < src.width - f.radius; ++x) {
            int sums[3];
            sumsAt(rows, x, f, sums);
            dst.row(y)[x] = pixelFromTable(table, sums, f.lowestSum);
        }
    });
}

void convolveInteger(ConstPixelRows src, PixelRows dst, const IntegerFilter &f)
{
    forEachRow(src, f.radius, [&](const quint32 *const *rows, int y) {
        for (int x = f.radius; x < src.width - f.radius; ++x)
            dst.row(y)[x] = convolvedPixel(rows, x, f);
    });
}

#ifdef __SSE2__

// Four pixels' sums (one per 32-bit lane, four components each) become the
// components: |n / d| clamped to 255, rounded to nearest even by the
// conversion's default rounding. The quotient is made one of three ways:
// - d = 1: n itself.
// - d a power of two, or odd and below 2^14: n times the single-precision
//   reciprocal. A power of two's reciprocal is exact. For odd d, n / d is
//   never half-way (2n = (2m + 1) d would make an even number odd), so it
//   lies at least 1 / (2d) > 2^-15 from a half; the product's error is at
//   most 2^-23 of a quotient below 256, 2^-15, so it rounds the same way.
// - any other d: a true division, whose single rounding keeps halves exact.
class ComponentMapper
{
public:
    explicit ComponentMapper(int divisor)
        : m_divisor(_mm_set1_ps(float(divisor)))
        , m_reciprocal(_mm_set1_ps(1.0f / float(divisor)))
        , m_mode(modeFor(divisor))
    { }

    __m128i operator()(__m128i n) const
    {
        __m128 v = _mm_cvtepi32_ps(n);
        if (m_mode == Mode::Multiply)
            v = _mm_mul_ps(v, m_reciprocal);
        else if (m_mode == Mode::Divide)
            v = _mm_div_ps(v, m_divisor);
        v = _mm_min_ps(_mm_andnot_ps(_mm_set1_ps(-0.0f), v), _mm_set1_ps(255.0f));
        return _mm_cvtps_epi32(v);
    }

    static void store(quint32 *out, __m128i p0, __m128i p1, __m128i p2, __m128i p3)
    {
        const __m128i bytes = _mm_packus_epi16(_mm_packs_epi32(p0, p1), _mm_packs_epi32(p2, p3));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(out),
            _mm_or_si128(bytes, _mm_set1_epi32(int(OpaqueAlpha))));
    }

    enum class Mode { Identity, Multiply, Divide };
    static Mode modeFor(int d)
    {
        if (d == 1)
            return Mode::Identity;
        const bool powerOfTwo = (d & (d - 1)) == 0;
        return powerOfTwo || ((d & 1) && d < (1 << 14)) ? Mode::Multiply : Mode::Divide;
    }

private:
    __m128 m_divisor;
    __m128 m_reciprocal;
    Mode m_mode;
};

__m128i load4(const quint32 *p)
{
    return _mm_loadu_si128(reinterpret_cast<const __m128i *>(p));
}

// The taps as one output row reads them: where each reads (its row, moved by
// its dx) and its weight in every 16-bit lane.
struct RowTaps
{
    int count = 0;
    const quint32 *at[25] = {};
    __m128i weight[25] = {};
};

// Sums fit 16 bits when the range of possible sums spans at most 65536
// values: they are then kept modulo 2^16 and read back above the lowest.
void convolveRow16(const RowTaps &taps, const quint32 *const *rows, int x0, int x1,
    const IntegerFilter &f, const ComponentMapper &map, quint32 *out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowest16 = _mm_set1_epi16(short(f.lowestSum));
    const __m128i base = _mm_set1_epi32(f.lowestSum + f.addend * f.divisor);
    int x = x0;
    for (; x + 4 <= x1; x += 4) {
        __m128i lo = zero, hi = zero;
        for (int k = 0; k < taps.count; ++k) {
            const __m128i v = load4(taps.at[k] + x);
            lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(v, zero), taps.weight[k]));
            hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(v, zero), taps.weight[k]));
        }
        lo = _mm_sub_epi16(lo, lowest16);
        hi = _mm_sub_epi16(hi, lowest16);
        ComponentMapper::store(out + x, map(_mm_add_epi32(_mm_unpacklo_epi16(lo, zero), base)),
            map(_mm_add_epi32(_mm_unpackhi_epi16(lo, zero), base)),
            map(_mm_add_epi32(_mm_unpacklo_epi16(hi, zero), base)),
            map(_mm_add_epi32(_mm_unpackhi_epi16(hi, zero), base)));
    }
    for (; x < x1; ++x)
        out[x] = convolvedPixel(rows, x, f);
}

#if TESSARA_AVX2_PATHS

// The 16-bit path eight pixels at a time; the reasoning is the SSE2 path's.
class ComponentMapperAvx2
{
public:
    TESSARA_AVX2 explicit ComponentMapperAvx2(int divisor)
        : m_divisor(_mm256_set1_ps(float(divisor)))
        , m_reciprocal(_mm256_set1_ps(1.0f / float(divisor)))
        , m_mode(ComponentMapper::modeFor(divisor))
    { }

    TESSARA_AVX2 __m256i operator()(__m256i n) const
    {
        __m256 v = _mm256_cvtepi32_ps(n);
        if (m_mode == ComponentMapper::Mode::Multiply)
            v = _mm256_mul_ps(v, m_reciprocal);
        else if (m_mode == ComponentMapper::Mode::Divide)
            v = _mm256_div_ps(v, m_divisor);
        v = _mm256_min_ps(_mm256_andnot_ps(_mm256_set1_ps(-0.0f), v), _mm256_set1_ps(255.0f));
        return _mm256_cvtps_epi32(v);
    }

private:
    __m256 m_divisor;
    __m256 m_reciprocal;
    ComponentMapper::Mode m_mode;
};

TESSARA_AVX2 __m256i widened(const quint32 *p)
{
    return _mm256_cvtepu8_epi16(_mm_loadu_si128(reinterpret_cast<const __m128i *>(p)));
}

// Sums of 16-bit lanes (two pixels a 128-bit half) read back above the
// lowest sum, as components: the four 32-bit halves, in pack order.
TESSARA_AVX2 __m256i componentsAvx2(
    __m256i sums, __m256i lowest16, __m256i base, const ComponentMapperAvx2 &map)
{
    const __m256i zero = _mm256_setzero_si256();
    const __m256i above = _mm256_sub_epi16(sums, lowest16);
    const __m256i first = map(_mm256_add_epi32(_mm256_unpacklo_epi16(above, zero), base));
    const __m256i second = map(_mm256_add_epi32(_mm256_unpackhi_epi16(above, zero), base));
    return _mm256_packs_epi32(first, second);
}

// Eight pixels from the 16-bit sums of pixels 0 .. 3 and 4 .. 7, by the
// general mapping.
class FloatPixelsAvx2
{
public:
    TESSARA_AVX2 explicit FloatPixelsAvx2(const IntegerFilter &f)
        : m_map(f.divisor)
        , m_lowest16(_mm256_set1_epi16(short(f.lowestSum)))
        , m_base(_mm256_set1_epi32(f.lowestSum + f.addend * f.divisor))
    { }

    TESSARA_AVX2 __m256i operator()(__m256i first, __m256i second) const
    {
        return RowStores::opaquePixelsAvx2(componentsAvx2(first, m_lowest16, m_base, m_map),
            componentsAvx2(second, m_lowest16, m_base, m_map));
    }

private:
    ComponentMapperAvx2 m_map;
    __m256i m_lowest16;
    __m256i m_base;
};

// The same by a ShortDivision, on the 16-bit lanes as they are.
class ShortPixelsAvx2
{
public:
    TESSARA_AVX2 ShortPixelsAvx2(const IntegerFilter &f, const ShortDivision &division)
        : m_lowest16(_mm256_set1_epi16(short(f.lowestSum)))
        , m_add(_mm256_set1_epi16(short(division.add)))
        , m_multiplier(_mm256_set1_epi16(short(division.multiplier)))
        , m_shift(_mm_cvtsi32_si128(division.shift))
        , m_divisor(_mm256_set1_epi16(short(division.divisor)))
        , m_multiply(division.multiplier != 0)
        , m_shifts(division.shift != 0)
        , m_corrected(division.corrected)
        , m_belowZero(f.lowestSum != 0)
    { }

    TESSARA_AVX2 __m256i components(__m256i sums) const
    {
        if (m_belowZero)
            sums = _mm256_sub_epi16(sums, m_lowest16);
        const __m256i t = _mm256_adds_epu16(sums, m_add);
        __m256i q = m_multiply ? _mm256_mulhi_epu16(t, m_multiplier) : t;
        if (m_shifts)
            q = _mm256_srl_epi16(q, m_shift);
        if (m_corrected) {
            // A negative remainder (as a signed lane) marks a quotient one too high.
            const __m256i rest = _mm256_sub_epi16(t, _mm256_mullo_epi16(q, m_divisor));
            q = _mm256_add_epi16(q, _mm256_cmpgt_epi16(_mm256_setzero_si256(), rest));
        }
        return _mm256_min_epu16(q, _mm256_set1_epi16(255));
    }

    TESSARA_AVX2 __m256i operator()(__m256i first, __m256i second) const
    {
        return RowStores::opaquePixelsAvx2(components(first), components(second));
    }

private:
    __m256i m_lowest16;
    __m256i m_add;
    __m256i m_multiplier;
    __m128i m_shift;
    __m256i m_divisor;
    bool m_multiply;
    bool m_shifts;
    bool m_corrected;
    bool m_belowZero;
};

template <typename Pixels>
TESSARA_AVX2 void convolveRow16Avx2(const RowTaps &taps, const quint32 *const *rows, int x0, int x1,
    const IntegerFilter &f, const Pixels &pixels, quint32 *out)
{
    __m256i weight[25];
    for (int k = 0; k < taps.count; ++k)
        weight[k] = _mm256_broadcastsi128_si256(taps.weight[k]);
    RowStores::writeAvx2(
        out, x0, x1,
        [&](int x) TESSARA_AVX2 {
            __m256i lo = _mm256_setzero_si256(), hi = _mm256_setzero_si256();
            for (int k = 0; k < taps.count; ++k) {
                lo = _mm256_add_epi16(lo, _mm256_mullo_epi16(widened(taps.at[k] + x), weight[k]));
                hi = _mm256_add_epi16(
                    hi, _mm256_mullo_epi16(widened(taps.at[k] + x + 4), weight[k]));
            }
            return pixels(lo, hi);
        },
        [&](int x) { return convolvedPixel(rows, x, f); });
}

template <typename Pixels>
TESSARA_AVX2 void convolveNarrowAvx2(
    ConstPixelRows src, PixelRows dst, const IntegerFilter &f, const Pixels &pixels)
{
    RowTaps taps;
    taps.count = int(f.taps.size());
    for (int k = 0; k < taps.count; ++k)
        taps.weight[k] = _mm_set1_epi16(short(f.taps[size_t(k)].weight));
    forEachRow(src, f.radius, [&](const quint32 *const *rows, int y) TESSARA_AVX2 {
        for (int k = 0; k < taps.count; ++k)
            taps.at[k] = rows[f.taps[size_t(k)].dy + 2] + f.taps[size_t(k)].dx;
        convolveRow16Avx2(taps, rows, f.radius, src.width - f.radius, f, pixels, dst.row(y));
    });
}

// Weights times rows of 16-bit components, four pixels a step, over the
// 2R + 1 places a kernel of radius R reads; with `Units` every weight is 1
// and the sum takes additions alone.
template <int R, bool Units> struct WeightedSum
{
    __m256i weight[2 * R + 1];

    TESSARA_AVX2 explicit WeightedSum(const std::array<int, 5> &weights)
    {
        for (int k = 0; k <= 2 * R; ++k)
            weight[k] = _mm256_set1_epi16(short(weights[size_t(k + 2 - R)]));
    }

    // `load(k)` gives the components at place k, 0 .. 2R.
    template <typename Load> TESSARA_AVX2 __m256i operator()(Load load) const
    {
        __m256i sum = _mm256_setzero_si256();
        for (int k = 0; k <= 2 * R; ++k) {
            if constexpr (Units)
                sum = _mm256_add_epi16(sum, load(k));
            else
                sum = _mm256_add_epi16(sum, _mm256_mullo_epi16(load(k), weight[k]));
        }
        return sum;
    }
};

// One row of a filter of rank one: the column sums (the column weights down
// the rows) into `column`, then the row weights along them. The 16-bit sums
// wrap as the one-pass sums do, and come to the same values modulo 2^16.
// Everything the loops read is a local here, which no store can change.
template <int R, bool UnitColumn, bool UnitRow, typename Pixels>
TESSARA_AVX2 void convolveFactoredRowAvx2(const quint32 *const *rows, int width,
    const WeightedSum<R, UnitColumn> down, const WeightedSum<R, UnitRow> along, const Pixels pixels,
    quint16 *column, quint32 *out, const IntegerFilter &f)
{
    const quint32 *in[2 * R + 1];
    for (int k = 0; k <= 2 * R; ++k)
        in[k] = rows[k + 2 - R];
    auto columnSums = [&](int x) TESSARA_AVX2 {
        const __m256i sum = down([&](int k) TESSARA_AVX2 { return widened(in[k] + x); });
        _mm256_storeu_si256(reinterpret_cast<__m256i *>(column + 4 * x), sum);
    };
    int x = 0;
    for (; x + 4 <= width; x += 4)
        columnSums(x);
    if (x < width)
        columnSums(width - 4);
    RowStores::writeAvx2(
        out, R, width - R,
        [&](int x) TESSARA_AVX2 {
            const quint16 *at = column + 4 * (x - R);
            auto load = [at](int offset) TESSARA_AVX2 {
                return _mm256_loadu_si256(reinterpret_cast<const __m256i *>(at + offset));
            };
            return pixels(along([&](int k) TESSARA_AVX2 { return load(4 * k); }),
                along([&](int k) TESSARA_AVX2 { return load(4 * k + 16); }));
        },
        [&](int x) { return convolvedPixel(rows, x, f); });
}

template <int R, bool UnitColumn, bool UnitRow, typename Pixels>
TESSARA_AVX2 void convolveFactoredAvx2(ConstPixelRows src, PixelRows dst, const IntegerFilter &f,
    const FilterFactors &factors, const Pixels &pixels)
{
    const WeightedSum<R, UnitColumn> down(factors.column);
    const WeightedSum<R, UnitRow> along(factors.row);
    std::vector<quint16> sums(4 * size_t(src.width));
    for (int y = R; y < src.height - R; ++y) {
        const quint32 *rows[5] = {};
        for (int dy = -R; dy <= R; ++dy)
            rows[dy + 2] = src.row(y + dy);
        convolveFactoredRowAvx2<R>(
            rows, src.width, down, along, pixels, sums.data(), dst.row(y), f);
    }
}

bool unitsOnly(const std::array<int, 5> &weights, int radius)
{
    for (int k = -radius; k <= radius; ++k) {
        const int w = weights[size_t(k + 2)];
        if (w != 1)
            return false;
    }
    return true;
}

template <int R, typename Pixels>
TESSARA_AVX2 void convolveFactoredAvx2(ConstPixelRows src, PixelRows dst, const IntegerFilter &f,
    const FilterFactors &factors, const Pixels &pixels)
{
    const bool unitColumn = unitsOnly(factors.column, R), unitRow = unitsOnly(factors.row, R);
    if (unitColumn && unitRow)
        convolveFactoredAvx2<R, true, true>(src, dst, f, factors, pixels);
    else if (unitColumn)
        convolveFactoredAvx2<R, true, false>(src, dst, f, factors, pixels);
    else if (unitRow)
        convolveFactoredAvx2<R, false, true>(src, dst, f, factors, pixels);
    else
        convolveFactoredAvx2<R, false, false>(src, dst, f, factors, pixels);
}

// The component of every sum a whole filter can make, by its exact integer rule.
std::vector<quint8> integerComponentTable(const IntegerFilter &f)
{
    std::vector<quint8> table(size_t(f.highestSum - f.lowestSum) + 1);
    for (int s = f.lowestSum; s <= f.highestSum; ++s)
        table[size_t(s - f.lowestSum)]
            = quint8(componentOf(qint64(s) + qint64(f.addend) * f.divisor, f.divisor));
    return table;
}

template <typename Pixels>
TESSARA_AVX2 void convolveNarrowWithAvx2(
    ConstPixelRows src, PixelRows dst, const IntegerFilter &f, const Pixels &pixels)
{
    std::array<std::array<int, 5>, 5> weights {};
    for (const Tap &t : f.taps)
        weights[size_t(t.dy + 2)][size_t(t.dx + 2)] = t.weight;
    const std::optional<FilterFactors> factors = factorsOf(weights, f.radius);
    if (factors && src.width >= 4 && f.radius == 1)
        convolveFactoredAvx2<1>(src, dst, f, *factors, pixels);
    else if (factors && src.width >= 4)
        convolveFactoredAvx2<2>(src, dst, f, *factors, pixels);
    else
        convolveNarrowAvx2(src, dst, f, pixels);
}

TESSARA_AVX2 void convolveNarrowAvx2(ConstPixelRows src, PixelRows dst, const IntegerFilter &f)
{
    const std::optional<ShortDivision> division = shortDivisionFor(
        integerComponentTable(f), qint64(f.lowestSum) + qint64(f.addend) * f.divisor, f.divisor);
    if (division)
        convolveNarrowWithAvx2(src, dst, f, ShortPixelsAvx2(f, *division));
    else
        convolveNarrowWithAvx2(src, dst, f, FloatPixelsAvx2(f));
}

#endif

// Narrow sums through the table: the vector sums, then a look-up per component.
void convolveTableSse2(
    ConstPixelRows src, PixelRows dst, const IntegerFilter &f, const std::vector<quint8> &table)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i lowest16 = _mm_set1_epi16(short(f.lowestSum));
    RowTaps taps;
    taps.count = int(f.taps.size());
    for (int k = 0; k < taps.count; ++k)
        taps.weight[k] = _mm_set1_epi16(short(f.taps[size_t(k)].weight));
    alignas(16) quint16 index[16];
    forEachRow(src, f.radius, [&](const quint32 *const *rows, int y) {
        for (int k = 0; k < taps.count; ++k)
            taps.at[k] = rows[f.taps[size_t(k)].dy + 2] + f.taps[size_t(k)].dx;
        quint32 *out = dst.row(y);
        int x = f.radius;
        for (; x + 4 <= src.width - f.radius; x += 4) {
            __m128i lo = zero, hi = zero;
            for (int k = 0; k < taps.count; ++k) {
                const __m128i v = load4(taps.at[k] + x);
                lo = _mm_add_epi16(lo, _mm_mullo_epi16(_mm_unpacklo_epi8(v, zero), taps.weight[k]));
                hi = _mm_add_epi16(hi, _mm_mullo_epi16(_mm_unpackhi_epi8(v, zero), taps.weight[k]));
            }
            _mm_store_si128(reinterpret_cast<__m128i *>(index), _mm_sub_epi16(lo, lowest16));
            _mm_store_si128(reinterpret_cast<__m128i *>(index + 8), _mm_sub_epi16(hi, lowest16));
            for (int p = 0; p < 4; ++p)
                out[x + p] = OpaqueAlpha | quint32(table[index[4 * p]])
                    | quint32(table[index[4 * p + 1]]) << 8
                    | quint32(table[index[4 * p + 2]]) << 16;
        }
        for (; x < src.width - f.radius; ++x) {
            int sums[3];
            sumsAt(rows, x, f, sums);
            out[x] = pixelFromTable(table, sums, f.lowestSum);
        }
    });
}

// Larger weights: 32-bit sums, two taps at a time by a multiply-add of
// interleaved 16-bit components.
void convolveRow32(const quint32 *const *rows, int x0, int x1, const IntegerFilter &f,
    const ComponentMapper &map, quint32 *out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bias = _mm_set1_epi32(f.addend * f.divisor);
    const size_t pairs = (f.taps.size() + 1) / 2;
    int x = x0;
    for (; x + 4 <= x1; x += 4) {
        __m128i sum[4] = { bias, bias, bias, bias };
        for (size_t i = 0; i < pairs; ++i) {
            const Tap &a = f.taps[2 * i];
            // An odd tap out pairs with itself at weight 0.
            const Tap &b = 2 * i + 1 < f.taps.size() ? f.taps[2 * i + 1] : a;
            const int wb = 2 * i + 1 < f.taps.size() ? b.weight : 0;
            const __m128i w
                = _mm_set1_epi32(int(quint32(quint16(a.weight)) | (quint32(quint16(wb)) << 16)));
            const __m128i va = load4(rows[a.dy + 2] + x + a.dx);
            const __m128i vb = load4(rows[b.dy + 2] + x + b.dx);
            const __m128i alo = _mm_unpacklo_epi8(va, zero), ahi = _mm_unpackhi_epi8(va, zero);
            const __m128i blo = _mm_unpacklo_epi8(vb, zero), bhi = _mm_unpackhi_epi8(vb, zero);
            sum[0] = _mm_add_epi32(sum[0], _mm_madd_epi16(_mm_unpacklo_epi16(alo, blo), w));
            sum[1] = _mm_add_epi32(sum[1], _mm_madd_epi16(_mm_unpackhi_epi16(alo, blo), w));
            sum[2] = _mm_add_epi32(sum[2], _mm_madd_epi16(_mm_unpacklo_epi16(ahi, bhi), w));
            sum[3] = _mm_add_epi32(sum[3], _mm_madd_epi16(_mm_unpackhi_epi16(ahi, bhi), w));
        }
        ComponentMapper::store(out + x, map(sum[0]), map(sum[1]), map(sum[2]), map(sum[3]));
    }
    for (; x < x1; ++x)
        out[x] = convolvedPixel(rows, x, f);
}

void convolveSse2(ConstPixelRows src, PixelRows dst, const IntegerFilter &f)
{
    const ComponentMapper map(f.divisor);
    const bool narrow = f.narrow();
#if TESSARA_AVX2_PATHS
    if (narrow && VectorUnits::avx2()) {
        convolveNarrowAvx2(src, dst, f);
        return;
    }
#endif
    const int x0 = f.radius;
    const int x1 = src.width - f.radius;
    RowTaps taps;
    taps.count = int(f.taps.size());
    for (int k = 0; k < taps.count; ++k)
        taps.weight[k] = _mm_set1_epi16(short(f.taps[size_t(k)].weight));
    forEachRow(src, f.radius, [&](const quint32 *const *rows, int y) {
        for (int k = 0; k < taps.count; ++k)
            taps.at[k] = rows[f.taps[size_t(k)].dy + 2] + f.taps[size_t(k)].dx;
        if (narrow)
            convolveRow16(taps, rows, x0, x1, f, map, dst.row(y));
        else
            convolveRow32(rows, x0, x1, f, map, dst.row(y));
    });
}

#endif

}

void convolveReference(ConstPixelRows src, PixelRows dst, const Convolution &filter)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    const int r = filter.radius;
    const double d = filter.divisor == 0 ? 1 : filter.divisor;
    auto component = [&](double s) {
        double v = std::abs(s / d + filter.addend);
        if (v > 255)
            v = 255;
        return int(roundHalfEven(v));
    };
    for (int y = r; y <= src.height - r - 1; ++y) {
        for (int x = r; x <= src.width - r - 1; ++x) {
            double red = 0, green = 0, blue = 0;
            for (int dy = -r; dy <= r; ++dy) {
                for (int dx = -r; dx <= r; ++dx) {
                    const QRgb c = src.row(y + dy)[x + dx];
                    const double k = filter.weight(dy, dx);
                    red += k * qRed(c);
                    green += k * qGreen(c);
                    blue += k * qBlue(c);
                }
            }
            dst.row(y)[x] = qRgb(component(red), component(green), component(blue));
        }
    }
}

// Whole filters go to `integer`, those with a fractional divisor or addend
// and narrow sums to `table`; the rest to the reference.
template <typename Integer, typename Table>
void convolveWith(
    ConstPixelRows src, PixelRows dst, const Convolution &filter, Integer integer, Table table)
{
    const std::optional<IntegerFilter> form = integerFormOf(filter);
    if (!form || (!form->wholeMapping && !form->narrow())) {
        convolveReference(src, dst, filter);
        return;
    }
    PixelRowsCopy::frame(src, dst, form->radius);
    if (form->wholeMapping)
        integer(src, dst, *form);
    else
        table(src, dst, *form, componentTable(filter, form->lowestSum, form->highestSum));
}

void convolvePortable(ConstPixelRows src, PixelRows dst, const Convolution &filter)
{
    convolveWith(src, dst, filter, convolveInteger, convolveTablePortable);
}

namespace {

// Nine ones over nine and nothing added: the mean of the neighbourhood, as
// the built-in soften makes it.
bool isSoften(const Convolution &filter)
{
    if (filter.radius != 1 || filter.divisor != 9 || filter.addend != 0)
        return false;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (filter.weight(dy, dx) != 1)
                return false;
    return true;
}

}

void convolve(ConstPixelRows src, PixelRows dst, const Convolution &filter)
{
    if (isSoften(filter)) {
        soften(src, dst);
        return;
    }
#ifdef __SSE2__
    convolveWith(src, dst, filter, convolveSse2, convolveTableSse2);
#else
    convolvePortable(src, dst, filter);
#endif
}
