// Concentric ellipses in one pass.
//
// A ring's outline is the rim of its filled shape S_j: the pixels of S_j that
// are not "inside" (the pixel and its four neighbours in the pen's inner
// shape). Both shapes only grow from step to step, so a pixel is drawn by the
// steps from the one that first holds it up to the one before it first lies
// inside, and the last of them sets its colour. Only the colour matters, so
// the steps are taken in runs of one colour: a pixel gets run b's colour when
// it is still outside the inside of run b's first step and inside that of run
// b + 1's. A pixel inside at the first step is never drawn. A pixel that lies
// inside at step j already lay in the outer shape of step j - 1 (the shapes
// grow by a fifteenth of a pixel a step, the inside is a pixel deep), so no
// pixel of a run's band is left out.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/ArcWedge.h"
#include "raster/EllipseRaster.h"
#include "raster/GradientPlan.h"
#include "raster/LineStyle.h"

#include <algorithm>
#include <cmath>

namespace {

using EllipseRaster::Span;

struct Axes
{
    double rx;
    double ry;
};

// The semi-axes the surface's Circle rasterises a ring of `radius` twips with.
Axes axesOf(double radius, double aspect, const PenStyle &pen)
{
    const double r = std::fabs(Twips::toPixelsReal(radius));
    double rx = aspect <= 1.0 ? r : r / aspect;
    double ry = aspect <= 1.0 ? r * aspect : r;
    if (pen.drawStyle == LineStyle::InsideSolid) {
        rx = std::max(0.0, rx - (pen.drawWidth - 1) / 2.0);
        ry = std::max(0.0, ry - (pen.drawWidth - 1) / 2.0);
    }
    return { rx, ry };
}

Span clipped(Span s, int width)
{
    s.left = std::max(s.left, 0);
    s.right = std::min(s.right, width - 1);
    return s;
}

void fill(quint32 *row, int from, int to, quint32 value)
{
    if (from <= to)
        std::fill(row + from, row + to + 1, value);
}

// Paints `outer` less `hole` (a span inside it, or empty) in `value`.
template <typename Fill>
void fillRing(
    quint32 *row, int width, const Span &outer, const Span &hole, quint32 value, Fill fill)
{
    const Span o = clipped(outer, width);
    if (o.isEmpty())
        return;
    if (hole.isEmpty()) {
        fill(row, o.left, o.right, value);
        return;
    }
    fill(row, o.left, std::min(o.right, hole.left - 1), value);
    fill(row, std::max(o.left, hole.right + 1), o.right, value);
}

}

namespace GradientPasses {

QRect rings(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen,
    const std::vector<quint32> &pixels, const ArcWedge *wedge)
{
    const double aspect = std::isfinite(plan.aspect) ? std::fabs(plan.aspect) : 1.0;
    const QPointF centre(Twips::toPixelsReal(plan.cx), Twips::toPixelsReal(plan.cy));
    const double half = (std::max(1, pen.drawWidth) - 1) / 2.0;

    // The steps that draw anything, and where each colour run starts.
    std::vector<Axes> axes;
    std::vector<quint32> runColour;
    std::vector<Axes> runInner;
    for (int i = begin; i < end; ++i) {
        const Axes a = axesOf(plan.steps[size_t(i)].x1, aspect, pen);
        if (!(a.rx >= 0.5 || a.ry >= 0.5))
            continue;
        const quint32 value = pixels[size_t(i - begin)];
        if (axes.empty() || runColour.back() != value) {
            runColour.push_back(value);
            runInner.push_back({ a.rx - half, a.ry - half });
        }
        axes.push_back(a);
    }
    if (axes.empty())
        return {};
    const Axes last { axes.back().rx + half, axes.back().ry + half };
    const int top = std::max(0, int(std::floor(centre.y() - last.ry - 1)));
    const int bottom = std::min(image.height() - 1, int(std::ceil(centre.y() + last.ry + 1)));
    if (top > bottom)
        return {};

    // Inner-shape spans of each run's first step, for rows top - 1 .. bottom + 1.
    const int runs = int(runColour.size());
    const int rows = bottom - top + 3;
    std::vector<Span> inner(size_t(runs) * size_t(rows));
    for (int b = 0; b < runs; ++b)
        for (int r = 0; r < rows; ++r)
            inner[size_t(b) * rows + r] = EllipseRaster::rowOf(
                centre, runInner[size_t(b)].rx, runInner[size_t(b)].ry, top - 1 + r);

    const int width = image.width();
    std::vector<Span> inside(size_t(runs) + 1);
    QRect touched;
    for (int y = top; y <= bottom; ++y) {
        const Span outer = EllipseRaster::rowOf(centre, last.rx, last.ry, y);
        if (clipped(outer, width).isEmpty())
            continue;
        const int r = y - top + 1;
        for (int b = 0; b < runs; ++b) {
            const Span *spans = &inner[size_t(b) * rows];
            inside[size_t(b)] = EllipseRaster::insideOf(spans[r - 1], spans[r], spans[r + 1]);
        }
        inside[size_t(runs)] = outer;
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        // Arcs draw only the pixels in their wedge.
        auto fillWedge = [&](quint32 *pixels, int from, int to, quint32 value) {
            for (int x = from; x <= to; ++x) {
                if (wedge->contains(ArcWedge::directionOf(centre, x, y)))
                    pixels[x] = value;
            }
        };
        for (int b = 0; b < runs; ++b) {
            if (wedge && !wedge->full)
                fillRing(row, width, inside[size_t(b) + 1], inside[size_t(b)], runColour[size_t(b)],
                    fillWedge);
            else
                fillRing(row, width, inside[size_t(b) + 1], inside[size_t(b)], runColour[size_t(b)],
                    fill);
        }
        const Span c = clipped(outer, width);
        touched |= QRect(QPoint(c.left, y), QPoint(c.right, y));
    }
    return touched;
}

}
