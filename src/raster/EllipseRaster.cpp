#include "raster/EllipseRaster.h"

#include "raster/CoverageMask.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace EllipseRaster {

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

Span insideOf(const Span &above, const Span &here, const Span &below)
{
    if (above.isEmpty() || here.isEmpty() || below.isEmpty())
        return {};
    return { std::max({ here.left + 1, above.left, below.left }),
        std::min({ here.right - 1, above.right, below.right }) };
}

namespace {

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
