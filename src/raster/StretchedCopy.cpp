#include "raster/StretchedCopy.h"

#include "raster/LargeImageMemory.h"
#include "raster/StretchMap.h"

#include <algorithm>

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
    // Each row is gathered from its source row even when the row above took
    // the same one: the source row is in cache, the row above is not.
    for (int y = 0; y < height; ++y) {
        const int next = rows.source(std::min(y + 1, height - 1));
        gatherRow(reinterpret_cast<quint32 *>(out.scanLine(y)),
            reinterpret_cast<const quint32 *>(src.constScanLine(rows.source(y))), columns.sources(),
            width, reinterpret_cast<const quint32 *>(src.constScanLine(next)));
    }
    finishStreaming();
    return out;
}
