#include "raster/StretchedCopy.h"

#include "raster/StretchMap.h"

#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

namespace {

// The enlarged canvas is hundreds of megabytes written once from end to end:
// in 2 MiB pages the kernel takes one fault where it would take 512.
constexpr size_t HugePage = size_t(2) << 20;

QImage freshImage(int width, int height)
{
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < 4 * HugePage)
        return QImage(width, height, QImage::Format_RGB32);
    const size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    void *memory = std::aligned_alloc(HugePage, rounded);
    if (!memory)
        return QImage(width, height, QImage::Format_RGB32);
#ifdef MADV_HUGEPAGE
    madvise(memory, rounded, MADV_HUGEPAGE);
#endif
    return QImage(
        static_cast<uchar *>(memory), width, height, bytesPerLine, QImage::Format_RGB32,
        [](void *p) { std::free(p); }, memory);
}

}

QImage stretchedCopy(const QImage &source, int width, int height)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out = freshImage(width, height);
    if (out.isNull() || src.isNull())
        return out;
    out.setDotsPerMeterX(src.dotsPerMeterX());
    out.setDotsPerMeterY(src.dotsPerMeterY());
    const StretchMap columns = StretchMap::make(0, width, 0, src.width(), 0, width, src.width());
    const StretchMap rows = StretchMap::make(0, height, 0, src.height(), 0, height, src.height());
    // A whole-image stretch maps every destination pixel inside the source.
    Q_ASSERT(columns.count() == width && rows.count() == height);
    const int *from = columns.sources();
    const size_t rowBytes = size_t(width) * 4;
    for (int y = 0; y < height; ++y) {
        auto *dst = reinterpret_cast<quint32 *>(out.scanLine(y));
        if (y > 0 && rows.source(y) == rows.source(y - 1)) {
            std::memcpy(dst, out.constScanLine(y - 1), rowBytes);
            continue;
        }
        const auto *s = reinterpret_cast<const quint32 *>(src.constScanLine(rows.source(y)));
        for (int x = 0; x < width; ++x)
            dst[x] = s[from[x]];
    }
    return out;
}
