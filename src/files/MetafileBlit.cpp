#include "files/MetafileBlit.h"

#include "raster/RasterOp.h"

#include <cmath>

namespace {

// The source pixel under a position, within the source however far off the
// file's source rectangle lies (a NaN lands on the first pixel).
int sample(qreal position, int size)
{
    const qreal pixel = std::floor(position);
    return pixel >= 0 ? int(std::min<qreal>(pixel, size - 1)) : 0;
}

}

namespace MetafileBlit {

void combinePenLayer(QImage &target, const QImage &layer, const QRect &area, int rop2)
{
    const QRect rect = area.intersected(target.rect()).intersected(layer.rect());
    QRgb lastColour = 0;
    RasterOp::PenOperation op = RasterOp::PenOperation::make(rop2, 0);
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(layer.constScanLine(y));
        auto *to = reinterpret_cast<quint32 *>(target.scanLine(y));
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qAlpha(from[x]) == 0)
                continue;
            const QRgb colour = qUnpremultiply(from[x]) & 0xFFFFFF;
            if (colour != lastColour) {
                lastColour = colour;
                op = RasterOp::PenOperation::make(rop2, Colour::fromPixel(colour));
            }
            to[x] = op.apply(to[x]) | RasterOp::OpaqueAlpha;
        }
    }
}

QImage blit(const QImage &target, const QRect &area, const QRectF &destination,
    const QImage &source, const QRectF &sourceRect, quint32 rop, quint32 patternPixel)
{
    QImage result = target.copy(area);
    if (result.isNull() || destination.width() == 0 || destination.height() == 0)
        return result;
    const QImage src = source.isNull() ? source : source.convertToFormat(QImage::Format_RGB32);
    const auto op = RasterOp::BlitOperation::make(rop, Colour::fromPixel(patternPixel));
    const bool copy = rop == RasterOp::SRCCOPY && !src.isNull();
    for (int y = 0; y < result.height(); ++y) {
        const qreal v = (area.top() + y + 0.5 - destination.top()) / destination.height();
        if (!(v >= 0 && v < 1))
            continue;
        int sy = 0;
        if (!src.isNull())
            sy = sample(sourceRect.top() + v * sourceRect.height(), src.height());
        const auto *from
            = src.isNull() ? nullptr : reinterpret_cast<const quint32 *>(src.constScanLine(sy));
        auto *to = reinterpret_cast<quint32 *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            const qreal u = (area.left() + x + 0.5 - destination.left()) / destination.width();
            if (!(u >= 0 && u < 1))
                continue;
            quint32 s = 0;
            if (from) {
                s = from[sample(sourceRect.left() + u * sourceRect.width(), src.width())];
            }
            to[x] = copy ? (s | RasterOp::OpaqueAlpha) : op.apply(s, to[x]);
        }
    }
    return result;
}

}
