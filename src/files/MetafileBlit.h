#pragma once

#include <QImage>
#include <QRect>

// The pixel work of a playback that Qt's painter cannot do: a figure drawn
// with a pen mode other than copy, and a bitmap copied with a ternary raster
// operation. Both use the surface's own raster operations, so a metafile's
// SETROP2 or BitBlt code does exactly what the same code does on the canvas.
namespace MetafileBlit {

// Combines the painted pixels of `layer` (premultiplied ARGB, transparent
// where the figure is not) into `target` with pen mode `rop2`, over `area`.
void combinePenLayer(QImage &target, const QImage &layer, const QRect &area, int rop2);

// The pixels of `area` after copying `sourceRect` of `source` onto
// `destination` (picture pixels; a negative width or height mirrors) with
// the ternary operation `rop` and the pattern colour `patternPixel`. The
// source is sampled at pixel centres. A null source gives a pattern-only
// operation. Pixels of `area` outside the destination keep their colour.
QImage blit(const QImage &target, const QRect &area, const QRectF &destination,
    const QImage &source, const QRectF &sourceRect, quint32 rop, quint32 patternPixel);

}
