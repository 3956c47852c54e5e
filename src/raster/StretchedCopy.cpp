#include "raster/StretchedCopy.h"

#include "raster/StretchMap.h"

#include <cstring>

QImage stretchedCopy(const QImage &source, int width, int height)
{
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    QImage out(width, height, QImage::Format_RGB32);
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
