#pragma once

#include <QPointF>

class CoverageMask;

// Whole ellipses are rasterised here, row by row, rather than by Qt: the
// outline is the rim of the filled shape, so it is symmetric, reaches exactly
// the corner pixels of the box it spans, does not change where the surface
// cuts it, and never overlaps the fill.
namespace EllipseRaster {

// The pixels of one row of a filled ellipse: left..right, empty while right < left.
struct Span
{
    int left = 1;
    int right = 0;
    bool isEmpty() const { return right < left; }
};

// The pixels of row y whose centres lie in the ellipse grown by half a pixel,
// so that the pixels at centre +- radius on each axis belong to it.
Span rowOf(const QPointF &centre, double rx, double ry, int y);

// The part of a row whose pixels and vertical neighbours are all inside: what
// is left of the shape once its one-pixel rim is taken away.
Span insideOf(const Span &above, const Span &here, const Span &below);

// centre and semi-axes in pixels (pixel n at n); the outline is `width`
// pixels wide, centred on the curve; `filled` marks the inside as Interior.
void mark(CoverageMask &mask, const QPointF &centre, double rx, double ry, int width, bool filled);

}
