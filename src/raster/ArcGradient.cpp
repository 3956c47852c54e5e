// Arc bands in one pass.
//
// An arc draws the outline pixels of its ring that lie in its wedge of
// directions (ArcWedge). Within one piece of a plan every ring shares the
// wedge, so the piece is the concentric rings painted through that wedge.
// Across pieces whose rings all have one colour, a pixel is drawn by the
// steps of every piece whose wedge holds its direction, provided it lies on
// some ring at all; the rings of consecutive twips leave no gap between
// them (see RingGradient), so that is the band between the first ring's
// inside and the last ring's outer edge. The last of those pieces gives the
// colour. Pieces are found by direction through a table of angle buckets.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/ArcWedge.h"
#include "raster/EllipseRaster.h"
#include "raster/GradientPlan.h"
#include "raster/LineStyle.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

using EllipseRaster::Span;

quint32 pixelValue(int drawMode, ColourValue colour)
{
    return RasterOp::PenOperation::make(drawMode, colour).apply(0xFF000000u) | 0xFF000000u;
}

ArcWedge wedgeOf(const GradientPlan::ArcPiece &piece)
{
    return ArcWedge::of(ArcAngles { piece.start, piece.end });
}

// Rings [from, to) of piece p, each in its step's colour.
QRect onePiece(QImage &image, const GradientPlan &plan, int p, int from, int to,
    const PenStyle &pen, int drawMode)
{
    const int rings = int(plan.steps.size());
    std::vector<quint32> pixels;
    for (int j = from; j < to; ++j)
        pixels.push_back(pixelValue(drawMode, plan.colourOf(p * rings + j)));
    const ArcWedge wedge = wedgeOf(plan.pieces[size_t(p)]);
    return GradientPasses::rings(image, plan, from, to, pen, pixels, &wedge);
}

// For each direction, the pieces whose wedges may hold it, in drawing order.
class PieceTable
{
public:
    PieceTable(const GradientPlan &plan, int first, int last)
        : m_buckets(size_t(std::clamp(2 * (last - first), 64, 1 << 16)))
        , m_width(2 * std::numbers::pi / double(m_buckets.size()))
    {
        const int count = int(m_buckets.size());
        for (int p = first; p < last; ++p) {
            const ArcWedge w = wedgeOf(plan.pieces[size_t(p)]);
            m_wedges.push_back(w);
            const int from = w.full ? 0 : int(std::floor(w.start / m_width)) - 1;
            const int to = w.full ? count - 1 : int(std::floor((w.start + w.sweep) / m_width)) + 1;
            for (int b = from; b <= std::min(to, from + count - 1); ++b)
                m_buckets[size_t((b % count + count) % count)].push_back(p - first);
        }
    }

    // The last piece (counted from `first`) whose wedge holds `direction`; -1 for none.
    int lastHolding(double direction) const
    {
        const int count = int(m_buckets.size());
        const int b = std::min(count - 1, int(direction / m_width));
        const std::vector<int> &candidates = m_buckets[size_t(b)];
        for (auto it = candidates.rbegin(); it != candidates.rend(); ++it) {
            if (m_wedges[size_t(*it)].contains(direction))
                return *it;
        }
        return -1;
    }

private:
    std::vector<std::vector<int>> m_buckets;
    double m_width;
    std::vector<ArcWedge> m_wedges;
};

// Whole pieces [first, last), each coloured alike at every ring.
QRect sweptPieces(
    QImage &image, const GradientPlan &plan, int first, int last, const PenStyle &pen, int drawMode)
{
    // The rings that draw anything: the first one's inside is left alone,
    // everything out to the last one's outer edge is on some ring.
    const QPointF centre(Twips::toPixelsReal(plan.cx), Twips::toPixelsReal(plan.cy));
    const double half = (std::max(1, pen.drawWidth) - 1) / 2.0;
    auto radiusOf = [&](const GradientPlan::Step &s) {
        double r = std::fabs(Twips::toPixelsReal(s.x1));
        if (pen.drawStyle == LineStyle::InsideSolid)
            r = std::max(0.0, r - (pen.drawWidth - 1) / 2.0);
        return r;
    };
    double inner = -1, outer = -1;
    for (const GradientPlan::Step &s : plan.steps) {
        const double r = radiusOf(s);
        if (!(r >= 0.5))
            continue;
        if (inner < 0)
            inner = r;
        outer = r;
    }
    if (outer < 0)
        return {};
    inner -= half;
    outer += half;

    const PieceTable table(plan, first, last);
    std::vector<quint32> values;
    for (int p = first; p < last; ++p)
        values.push_back(pixelValue(drawMode, plan.pieces[size_t(p)].colour));

    const int top = std::max(0, int(std::floor(centre.y() - outer - 1)));
    const int bottom = std::min(image.height() - 1, int(std::ceil(centre.y() + outer + 1)));
    const int width = image.width();
    QRect touched;
    for (int y = top; y <= bottom; ++y) {
        const Span o = EllipseRaster::rowOf(centre, outer, outer, y);
        const Span hole = EllipseRaster::insideOf(EllipseRaster::rowOf(centre, inner, inner, y - 1),
            EllipseRaster::rowOf(centre, inner, inner, y),
            EllipseRaster::rowOf(centre, inner, inner, y + 1));
        const int from = std::max(o.left, 0), to = std::min(o.right, width - 1);
        if (from > to)
            continue;
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = from; x <= to; ++x) {
            if (x >= hole.left && x <= hole.right)
                continue;
            const int p = table.lastHolding(ArcWedge::directionOf(centre, x, y));
            if (p >= 0)
                row[x] = values[size_t(p)];
        }
        touched |= QRect(QPoint(from, y), QPoint(to, y));
    }
    return touched;
}

}

namespace GradientPasses {

QRect arcs(
    QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen, int drawMode)
{
    const int rings = int(plan.steps.size());
    if (rings == 0 || begin >= end)
        return {};
    QRect touched;
    // A piece begun or ended part-way, then the whole pieces, in drawing order.
    const int firstWhole = (begin + rings - 1) / rings;
    const int lastWhole = end / rings;
    if (firstWhole > lastWhole) {
        return onePiece(image, plan, begin / rings, begin % rings, end - (begin / rings) * rings,
            pen, drawMode);
    }
    if (begin % rings != 0)
        touched |= onePiece(image, plan, begin / rings, begin % rings, rings, pen, drawMode);
    if (plan.coloursByPiece && lastWhole - firstWhole > 1) {
        touched |= sweptPieces(image, plan, firstWhole, lastWhole, pen, drawMode);
    } else {
        for (int p = firstWhole; p < lastWhole; ++p)
            touched |= onePiece(image, plan, p, 0, rings, pen, drawMode);
    }
    if (end % rings != 0)
        touched |= onePiece(image, plan, lastWhole, 0, end % rings, pen, drawMode);
    return touched;
}

}
