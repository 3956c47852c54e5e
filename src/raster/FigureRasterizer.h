#pragma once

#include "raster/CoverageMask.h"

#include <QLineF>
#include <QPoint>
#include <QRect>

#include <optional>

// The start and end of an arc in radians, counter-clockwise from east. A
// negative angle also draws that radius to the centre; both negative close a sector.
struct ArcAngles
{
    double start = 0;
    double end = 0;
};

// The pen a figure is rasterised with.
struct PenStyle
{
    int drawWidth = 1;
    int drawStyle = 0;
    int fillStyle = 1;
};

// Turns figures given in pixels into the coverage masks of the pixels they
// touch on a surface: outline and, for closed figures, interior. Nothing is
// drawn here; the surface combines a mask with its pixels, a rubber band
// shows one over them.
struct ArcWedge;

class FigureRasterizer
{
public:
    FigureRasterizer(const QRect &surface, const PenStyle &pen);

    CoverageMask dot(const QPoint &at) const;
    // dashOffset: how far into the dash pattern the segment starts (pixels).
    CoverageMask segment(const QPoint &from, const QPoint &to, qreal dashOffset = 0) const;
    CoverageMask box(const QPoint &a, const QPoint &b) const;
    CoverageMask filledBox(const QPoint &a, const QPoint &b) const;
    // rx, ry: the semi-axes in pixels; an ellipse, or an arc or sector of one.
    CoverageMask ellipse(
        const QPointF &centre, double rx, double ry, const std::optional<ArcAngles> &angles) const;

private:
    QRect reachOf(const QRectF &figure) const;
    void markDot(CoverageMask &mask, const QPoint &at) const;
    void markSegment(CoverageMask &mask, QLineF segment, qreal dashOffset) const;
    // Solid and invisible pens: the outline pixels within the arc's wedge,
    // the inside too for a filled sector, and the radius lines.
    void markArc(CoverageMask &mask, const QRectF &bounds, const ArcAngles &angles) const;
    // Dashed pens: the arc as a path, so the dashes run along it.
    void strokeArcPath(CoverageMask &mask, const QRectF &bounds, const ArcAngles &angles) const;
    static QPointF pointAt(const QRectF &bounds, double angle);
    // The pixels an arc of the ellipse with these semi-axes may touch.
    static QRect wedgeReach(const QPointF &centre, double rx, double ry, const ArcWedge &wedge);
    void strokePath(CoverageMask &mask, const QPainterPath &path) const;

    QRect m_surface;
    PenStyle m_pen;
};
