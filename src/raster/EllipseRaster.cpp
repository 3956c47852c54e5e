#include "raster/EllipseRaster.h"

#include "raster/CoverageMask.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace EllipseRaster {

namespace {

struct Span
{
    int left = 1;
    int right = 0; // empty while right < left
    bool isEmpty() const { return right < left; }
};

// The pixels of row y whose centres lie in the ellipse grown by half a pixel,
// so that the pixels at centre +- radius on each axis belong to it.
Span rowOf(const QPointF &c, double rx, double ry, int y)
{
    const double a = rx + 0.5, b = ry + 0.5;
    if (rx < 0 || ry < 0)
        return {};
    const double v = (y - c.y()) / b;
    const double q = 1.0 - v * v;
    if (q < 0)
        return {};
    const double half = a * std::sqrt(q);
    const double left = std::ceil(c.x() - half - 1e-9);
    const double right = std::floor(c.x() + half + 1e-9);
    if (right < left)
        return {};
    constexpr double limit = 1 << 24;
    return { int(std::max(left, -limit)), int(std::min(right, limit)) };
}

// The part of row y whose pixels and vertical neighbours are all inside: what
// is left of the shape once its one-pixel rim is taken away.
Span insideOf(const Span &above, const Span &here, const Span &below)
{
    if (above.isEmpty() || here.isEmpty() || below.isEmpty())
        return {};
    return { std::max({ here.left + 1, above.left, below.left }),
        std::min({ here.right - 1, above.right, below.right }) };
}

void markRow(CoverageMask &mask, int y, const Span &span, CoverageMask::Mark mark)
{
    if (!span.isEmpty())
        mask.fillRect(QRect(QPoint(span.left, y), QPoint(span.right, y)), mark);
}

}

void mark(CoverageMask &mask, const QPointF &centre, double rx, double ry, int width, bool filled)
{
    const QRect area = mask.bounds();
    if (area.isEmpty())
        return;
    const double half = (std::max(1, width) - 1) / 2.0;
    const double outerX = rx + half, outerY = ry + half;
    const double innerX = rx - half, innerY = ry - half;
    const int top = std::max(area.top(), int(std::floor(centre.y() - outerY - 1)));
    const int bottom = std::min(area.bottom(), int(std::ceil(centre.y() + outerY + 1)));
    for (int y = top; y <= bottom; ++y) {
        const Span outer = rowOf(centre, outerX, outerY, y);
        if (outer.isEmpty())
            continue;
        const Span inside = insideOf(rowOf(centre, innerX, innerY, y - 1),
            rowOf(centre, innerX, innerY, y), rowOf(centre, innerX, innerY, y + 1));
        markRow(mask, y, outer, CoverageMask::Outline);
        markRow(mask, y, inside, filled ? CoverageMask::Interior : CoverageMask::None);
    }
}

}
