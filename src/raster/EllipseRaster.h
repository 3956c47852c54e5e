#pragma once

#include <QPointF>

class CoverageMask;

// Whole ellipses are rasterised here, row by row, rather than by Qt: the
// outline is the rim of the filled shape, so it is symmetric, reaches exactly
// the corner pixels of the box it spans, does not change where the surface
// cuts it, and never overlaps the fill.
namespace EllipseRaster {

// centre and semi-axes in pixels (pixel n at n); the outline is `width`
// pixels wide, centred on the curve; `filled` marks the inside as Interior.
void mark(CoverageMask &mask, const QPointF &centre, double rx, double ry, int width, bool filled);

}
