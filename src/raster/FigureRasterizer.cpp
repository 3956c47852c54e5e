#include "raster/FigureRasterizer.h"

#include "raster/ArcWedge.h"
#include "raster/EllipseRaster.h"
#include "raster/LineStyle.h"
#include "raster/SegmentClip.h"

#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace {

// Qt rasterises only where its fixed-point arithmetic holds; a segment that
// reaches further than this beyond the surface is cut to the surface first.
constexpr int FarOutside = 4096;

// The pixels from one corner to the other, both included, in any order.
// (QRect::normalized() reads a reversed rectangle as exclusive of its corners.)
QRect spanning(const QPoint &a, const QPoint &b)
{
    return QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
        QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
}

// Where an arc's geometric angle (the direction from the centre) meets the
// ellipse, as the ellipse's parametric angle in degrees.
qreal parametricDegrees(double polar, double rx, double ry)
{
    return qRadiansToDegrees(std::atan2(rx * std::sin(polar), ry * std::cos(polar)));
}

double normalisedAngle(double radians)
{
    constexpr double fullTurn = 2 * std::numbers::pi;
    const double a = std::fmod(std::fabs(radians), fullTurn);
    return std::isfinite(a) ? a : 0.0;
}

}

FigureRasterizer::FigureRasterizer(const QRect &surface, const PenStyle &pen)
    : m_surface(surface)
    , m_pen(pen)
{
    m_pen.drawWidth = std::max(1, m_pen.drawWidth);
}

QRect FigureRasterizer::reachOf(const QRectF &figure) const
{
    const int margin = m_pen.drawWidth + 2;
    const QRectF reach = figure.normalized().adjusted(-margin, -margin, margin + 1, margin + 1);
    return reach.intersected(QRectF(m_surface)).toAlignedRect() & m_surface;
}

void FigureRasterizer::strokePath(CoverageMask &mask, const QPainterPath &path) const
{
    const QPen pen = LineStyle::penFor(m_pen.drawStyle, m_pen.drawWidth, LineStyle::Joins::Round);
    if (m_pen.drawWidth <= 1)
        mask.strokeThin(path, pen, CoverageMask::Outline);
    else
        mask.strokeWide(path, pen, CoverageMask::Outline);
}

CoverageMask FigureRasterizer::dot(const QPoint &at) const
{
    CoverageMask mask(reachOf(QRectF(at, at)));
    markDot(mask, at);
    return mask;
}

void FigureRasterizer::markDot(CoverageMask &mask, const QPoint &at) const
{
    if (m_pen.drawWidth <= 1) {
        mask.fillRect(QRect(at, at), CoverageMask::Outline);
        return;
    }
    const qreal radius = m_pen.drawWidth / 2.0;
    QPainterPath disc;
    disc.addEllipse(QPointF(at), radius, radius);
    mask.fillPath(disc, CoverageMask::Outline);
}

CoverageMask FigureRasterizer::segment(const QPoint &from, const QPoint &to, qreal dashOffset) const
{
    CoverageMask mask(reachOf(QRectF(from, to)));
    if (m_pen.drawStyle == LineStyle::Invisible || mask.isEmpty())
        return CoverageMask(QRect());
    if (from == to)
        markDot(mask, from);
    else
        markSegment(mask, QLineF(from, to), dashOffset);
    return mask;
}

void FigureRasterizer::markSegment(CoverageMask &mask, QLineF segment, qreal dashOffset) const
{
    const int w = m_pen.drawWidth;
    const QRectF near
        = QRectF(m_surface).adjusted(-FarOutside, -FarOutside, FarOutside, FarOutside);
    if (!near.contains(segment.p1()) || !near.contains(segment.p2())) {
        const int margin = w + 16;
        const auto clipped
            = clipSegment(segment, QRectF(m_surface).adjusted(-margin, -margin, margin, margin));
        if (!clipped)
            return;
        dashOffset += QLineF(segment.p1(), clipped->p1()).length();
        segment = *clipped;
    }
    const qreal length = segment.length();
    // Cutting can leave a single point, where the line grazes a corner of the
    // cut; that lies beyond the pen's reach of the surface, and it has no
    // direction to dash along.
    if (length == 0)
        return;
    if (w > 1 && LineStyle::isDashed(m_pen.drawStyle)) {
        // Flat-capped dashes end at their points; reaching half a pixel past
        // each end point covers the end pixels as a thin line does.
        const QPointF half = (segment.p2() - segment.p1()) / length * 0.5;
        segment = QLineF(segment.p1() - half, segment.p2() + half);
    }
    QPainterPath path(segment.p1());
    path.lineTo(segment.p2());
    const QPen pen = LineStyle::penFor(m_pen.drawStyle, w, LineStyle::Joins::Round, dashOffset);
    if (w <= 1)
        mask.strokeThin(path, pen, CoverageMask::Outline);
    else
        mask.strokeWide(path, pen, CoverageMask::Outline);
}

CoverageMask FigureRasterizer::filledBox(const QPoint &a, const QPoint &b) const
{
    const QRect box = spanning(a, b);
    CoverageMask mask(box & m_surface);
    mask.fillRect(box, CoverageMask::Outline);
    return mask;
}

CoverageMask FigureRasterizer::box(const QPoint &a, const QPoint &b) const
{
    const QRect box = spanning(a, b);
    const int w = m_pen.drawWidth;
    const bool invisible = m_pen.drawStyle == LineStyle::Invisible;
    const bool inside = m_pen.drawStyle == LineStyle::InsideSolid;
    // A centred pen puts the wider half outside on even widths; the inside
    // style keeps the whole pen within the box.
    const int outside = w / 2;
    const QRect outer = (inside || invisible)
        ? box
        : box.adjusted(-outside, -outside, w - 1 - outside, w - 1 - outside);
    const QRect within = invisible ? outer : outer.adjusted(w, w, -w, -w);
    const bool filled = m_pen.fillStyle != FillPattern::Transparent;

    CoverageMask mask(outer & m_surface);
    if (mask.isEmpty())
        return mask;
    if (invisible) {
        if (filled)
            mask.fillRect(within, CoverageMask::Interior);
    } else if (LineStyle::isDashed(m_pen.drawStyle)) {
        if (filled && within.isValid())
            mask.fillRect(within, CoverageMask::Interior);
        QPainterPath path;
        path.addRect(QRectF(box.topLeft(), box.bottomRight()));
        const QPen pen = LineStyle::penFor(m_pen.drawStyle, w, LineStyle::Joins::Square);
        if (w <= 1)
            mask.strokeThin(path, pen, CoverageMask::Outline);
        else
            mask.strokeWide(path, pen, CoverageMask::Outline);
    } else if (!within.isValid()) {
        mask.fillRect(outer, CoverageMask::Outline);
    } else {
        // The four sides, then the inside: every pixel written once.
        mask.fillRect(QRect(outer.left(), outer.top(), outer.width(), w), CoverageMask::Outline);
        mask.fillRect(
            QRect(outer.left(), within.bottom() + 1, outer.width(), w), CoverageMask::Outline);
        mask.fillRect(QRect(outer.left(), within.top(), w, within.height()), CoverageMask::Outline);
        mask.fillRect(
            QRect(within.right() + 1, within.top(), w, within.height()), CoverageMask::Outline);
        if (filled)
            mask.fillRect(within, CoverageMask::Interior);
    }
    return mask;
}

CoverageMask FigureRasterizer::ellipse(
    const QPointF &centre, double rx, double ry, const std::optional<ArcAngles> &angles) const
{
    if (m_pen.drawStyle == LineStyle::InsideSolid) {
        rx = std::max(0.0, rx - (m_pen.drawWidth - 1) / 2.0);
        ry = std::max(0.0, ry - (m_pen.drawWidth - 1) / 2.0);
    }
    if (!(rx >= 0.5 || ry >= 0.5)) // also refuses NaN
        return CoverageMask(QRect());
    const QRectF bounds(centre.x() - rx, centre.y() - ry, 2 * rx, 2 * ry);
    CoverageMask mask(reachOf(bounds));
    if (mask.isEmpty())
        return mask;
    if (angles) {
        markArc(mask, bounds, *angles);
        return mask;
    }
    const bool dashed = LineStyle::isDashed(m_pen.drawStyle);
    const bool invisible = m_pen.drawStyle == LineStyle::Invisible;
    if (!dashed && !invisible) {
        EllipseRaster::mark(
            mask, centre, rx, ry, m_pen.drawWidth, m_pen.fillStyle != FillPattern::Transparent);
        return mask;
    }
    if (m_pen.fillStyle != FillPattern::Transparent) {
        EllipseRaster::mark(mask, centre, rx, ry, 1, true);
        mask.relabel(CoverageMask::Outline, CoverageMask::Interior);
    }
    if (dashed) {
        QPainterPath path;
        path.addEllipse(bounds);
        strokePath(mask, path);
    }
    return mask;
}

void FigureRasterizer::markArc(
    CoverageMask &mask, const QRectF &bounds, const ArcAngles &angles) const
{
    if (LineStyle::isDashed(m_pen.drawStyle)) {
        strokeArcPath(mask, bounds, angles);
        return;
    }
    const QPointF centre = bounds.center();
    const double rx = bounds.width() / 2, ry = bounds.height() / 2;
    const ArcWedge wedge = ArcWedge::of(angles);
    const bool closed = angles.start < 0 && angles.end < 0;
    const bool filled = closed && m_pen.fillStyle != FillPattern::Transparent;
    const bool outlined = m_pen.drawStyle != LineStyle::Invisible;
    const double half = (m_pen.drawWidth - 1) / 2.0;
    const QRect area = mask.bounds() & wedgeReach(centre, rx + half, ry + half, wedge);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const EllipseRaster::Span outer = EllipseRaster::rowOf(centre, rx + half, ry + half, y);
        const EllipseRaster::Span inside
            = EllipseRaster::insideOf(EllipseRaster::rowOf(centre, rx - half, ry - half, y - 1),
                EllipseRaster::rowOf(centre, rx - half, ry - half, y),
                EllipseRaster::rowOf(centre, rx - half, ry - half, y + 1));
        const int from = std::max(outer.left, area.left());
        const int to = std::min(outer.right, area.right());
        for (int x = from; x <= to; ++x) {
            const bool interior = x >= inside.left && x <= inside.right;
            if ((interior ? !filled : !outlined)
                || !wedge.contains(ArcWedge::directionOf(centre, x, y)))
                continue;
            mask.fillRect(
                QRect(x, y, 1, 1), interior ? CoverageMask::Interior : CoverageMask::Outline);
        }
    }
    if (!outlined)
        return;
    if (angles.start < 0)
        markSegment(mask, QLineF(centre, pointAt(bounds, angles.start)), 0);
    if (angles.end < 0)
        markSegment(mask, QLineF(centre, pointAt(bounds, angles.end)), 0);
}

QPointF FigureRasterizer::pointAt(const QRectF &bounds, double angle)
{
    QPainterPath probe;
    probe.arcMoveTo(bounds,
        parametricDegrees(ArcWedge::normalised(angle), bounds.width() / 2, bounds.height() / 2));
    return probe.currentPosition();
}

QRect FigureRasterizer::wedgeReach(
    const QPointF &centre, double rx, double ry, const ArcWedge &wedge)
{
    const double a = rx + 1.5, b = ry + 1.5;
    if (wedge.full)
        return QRectF(centre.x() - a, centre.y() - b, 2 * a, 2 * b).toAlignedRect();
    // The part of the ellipse within the wedge reaches furthest at its two
    // ends and where it crosses an axis; the centre is within the reach
    // because the inside of a wide rim or a sector reaches it.
    double left = centre.x(), right = centre.x(), top = centre.y(), bottom = centre.y();
    auto take = [&](double angle) {
        const double c = std::cos(angle), s = std::sin(angle);
        const double t = 1.0 / std::sqrt(c * c / (a * a) + s * s / (b * b));
        left = std::min(left, centre.x() + t * c);
        right = std::max(right, centre.x() + t * c);
        top = std::min(top, centre.y() - t * s);
        bottom = std::max(bottom, centre.y() - t * s);
    };
    take(wedge.start);
    take(wedge.start + wedge.sweep);
    for (int quarter = 0; quarter < 4; ++quarter) {
        const double axis = quarter * std::numbers::pi / 2;
        if (wedge.contains(axis))
            take(axis);
    }
    return QRectF(QPointF(left - 2, top - 2), QPointF(right + 2, bottom + 2)).toAlignedRect();
}

void FigureRasterizer::strokeArcPath(
    CoverageMask &mask, const QRectF &bounds, const ArcAngles &angles) const
{
    const QPointF centre = bounds.center();
    const double rx = bounds.width() / 2, ry = bounds.height() / 2;
    const bool startRadius = angles.start < 0;
    const bool endRadius = angles.end < 0;
    const double start = normalisedAngle(angles.start);
    const double end = normalisedAngle(angles.end);
    double sweep = end - start;
    if (sweep <= 0)
        sweep += 2 * std::numbers::pi;
    const qreal from = parametricDegrees(start, rx, ry);
    qreal span = parametricDegrees(end, rx, ry) - from;
    while (span <= 0)
        span += 360;
    if (sweep >= 2 * std::numbers::pi)
        span = 360;

    QPainterPath path;
    if (startRadius) {
        path.moveTo(centre);
        QPainterPath probe;
        probe.arcMoveTo(bounds, from);
        path.lineTo(probe.currentPosition());
    } else {
        path.arcMoveTo(bounds, from);
    }
    path.arcTo(bounds, from, span);
    if (endRadius)
        path.lineTo(centre);
    const bool closed = startRadius && endRadius;
    if (closed) {
        path.closeSubpath();
        if (m_pen.fillStyle != FillPattern::Transparent)
            mask.fillPath(path, CoverageMask::Interior);
    }
    strokePath(mask, path);
}
