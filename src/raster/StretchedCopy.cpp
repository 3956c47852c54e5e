#include "raster/StretchedCopy.h"

#include "raster/LargeImageMemory.h"
#include "raster/StretchMap.h"

#include <algorithm>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Writes count pixels dst[x] = src[from[x]]. The destination is far larger
// than the caches and is not read back, so on x86-64 the stores go straight
// to memory (non-temporal), sparing the read of each line before it is
// written; call finishStreaming() after the last row.
void gatherRow(quint32 *__restrict dst, const quint32 *__restrict src, const int *__restrict from,
    int count, const quint32 *next)
{
    int x = 0;
#if defined(__SSE2__) && defined(__x86_64__)
    if (reinterpret_cast<quintptr>(dst) % 8 != 0 && count > 0) {
        _mm_stream_si32(reinterpret_cast<int *>(dst), int(src[from[0]]));
        x = 1;
    }
    for (; x + 1 < count; x += 2) {
        // The next row to gather is fetched alongside this one: a reduction
        // reads one row in three, which the hardware does not foresee.
        if (x % 16 < 2) {
            const auto *line = reinterpret_cast<const char *>(next + from[x]);
            _mm_prefetch(line, _MM_HINT_T0);
            _mm_prefetch(line + 64, _MM_HINT_T0);
            _mm_prefetch(line + 128, _MM_HINT_T0);
        }
        const quint64 pair = quint64(src[from[x]]) | (quint64(src[from[x + 1]]) << 32);
        _mm_stream_si64(reinterpret_cast<long long *>(dst + x), qint64(pair));
    }
    if (x < count)
        _mm_stream_si32(reinterpret_cast<int *>(dst + x), int(src[from[x]]));
#else
    Q_UNUSED(next);
    for (; x < count; ++x)
        dst[x] = src[from[x]];
#endif
}

// Copies a row that sits in the cache out to memory with 16-byte streaming
// stores, the widest SSE2 has: the enlarged canvas is written at the speed
// the memory takes it.
void streamRow(quint32 *__restrict dst, const quint32 *__restrict row, int count)
{
    int x = 0;
#if defined(__SSE2__) && defined(__x86_64__)
    for (; x < count && reinterpret_cast<quintptr>(dst + x) % 16 != 0; ++x)
        _mm_stream_si32(reinterpret_cast<int *>(dst + x), int(row[x]));
    for (; x + 4 <= count; x += 4)
        _mm_stream_si128(reinterpret_cast<__m128i *>(dst + x),
            _mm_loadu_si128(reinterpret_cast<const __m128i *>(row + x)));
    for (; x < count; ++x)
        _mm_stream_si32(reinterpret_cast<int *>(dst + x), int(row[x]));
#else
    for (; x < count; ++x)
        dst[x] = row[x];
#endif
}

// Whether destination column x takes source column x / 3 throughout: the
// scale tool's enlargement.
bool triples(const StretchMap &columns)
{
    for (int x = 0; x < columns.count(); ++x) {
        if (columns.source(x) != x / 3)
            return false;
    }
    return true;
}

// Builds a destination row in `row` (in the cache) from the source row.
void gatherIntoCache(
    quint32 *__restrict row, const quint32 *__restrict src, const StretchMap &columns, bool tripled)
{
    const int count = columns.count();
    int x = 0;
#if defined(__SSE2__)
    if (tripled) {
        // Four source pixels a, b, c, d make aaab bbcc cddd.
        for (; x + 12 <= count; x += 12) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(src + x / 3));
            auto *out = reinterpret_cast<__m128i *>(row + x);
            _mm_storeu_si128(out, _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 0, 0)));
            _mm_storeu_si128(out + 1, _mm_shuffle_epi32(v, _MM_SHUFFLE(2, 2, 1, 1)));
            _mm_storeu_si128(out + 2, _mm_shuffle_epi32(v, _MM_SHUFFLE(3, 3, 3, 2)));
        }
    }
#else
    Q_UNUSED(tripled);
#endif
    const int *from = columns.sources();
    for (; x < count; ++x)
        row[x] = src[from[x]];
}

void finishStreaming()
{
#if defined(__SSE2__) && defined(__x86_64__)
    _mm_sfence();
#endif
}

}

QImage stretchedCopy(const QImage &source, int width, int height)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out = LargeImageMemory::freshImage(width, height);
    if (out.isNull() || src.isNull())
        return out;
    out.setDotsPerMeterX(src.dotsPerMeterX());
    out.setDotsPerMeterY(src.dotsPerMeterY());
    const StretchMap columns = StretchMap::make(0, width, 0, src.width(), 0, width, src.width());
    const StretchMap rows = StretchMap::make(0, height, 0, src.height(), 0, height, src.height());
    // A whole-image stretch maps every destination pixel inside the source.
    Q_ASSERT(columns.count() == width && rows.count() == height);
    // A source row that several destination rows repeat is built once in the
    // cache and streamed out to each; a row taken once is gathered straight
    // into the picture.
    const bool tripled = triples(columns);
    std::vector<quint32> built(static_cast<size_t>(width));
    int builtFrom = -1;
    for (int y = 0; y < height; ++y) {
        const int from = rows.source(y);
        const int next = rows.source(std::min(y + 1, height - 1));
        auto *dst = reinterpret_cast<quint32 *>(out.scanLine(y));
        const auto *srcRow = reinterpret_cast<const quint32 *>(src.constScanLine(from));
        if (from == builtFrom || (y + 1 < height && next == from)) {
            if (from != builtFrom) {
                gatherIntoCache(built.data(), srcRow, columns, tripled);
                builtFrom = from;
            }
            streamRow(dst, built.data(), width);
            continue;
        }
        gatherRow(dst, srcRow, columns.sources(), width,
            reinterpret_cast<const quint32 *>(src.constScanLine(next)));
    }
    finishStreaming();
    return out;
}
