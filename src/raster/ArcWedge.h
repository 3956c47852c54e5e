#pragma once

#include "raster/FigureRasterizer.h"

#include <QPointF>

#include <cmath>
#include <numbers>

// The directions an arc covers, seen from its centre. An arc's pixels are the
// pixels of its ellipse's outline whose centres lie in these directions, so
// the arc of a full turn is the whole outline, arcs that meet share no pixel
// left out, and a painter that paints many arcs at once can tell from a
// pixel's direction alone which arcs draw it. The rasteriser and the gradient
// painters both decide with `contains`, which keeps them pixel-identical.
struct ArcWedge
{
    double start = 0;
    double sweep = 0;
    bool full = true;

    // The wedge of an arc drawn counter-clockwise from `angles.start` to
    // `angles.end` (radians; the sign only asks for radius lines). Equal
    // angles make a full turn.
    static ArcWedge of(const ArcAngles &angles)
    {
        constexpr double turn = 2 * std::numbers::pi;
        ArcWedge w;
        w.start = normalised(angles.start);
        w.sweep = normalised(angles.end) - w.start;
        if (w.sweep <= 0)
            w.sweep += turn;
        w.full = w.sweep >= turn;
        return w;
    }

    // |radians| folded into [0, 2 pi); not a number counts as 0.
    static double normalised(double radians)
    {
        const double a = std::fmod(std::fabs(radians), 2 * std::numbers::pi);
        return std::isfinite(a) ? a : 0.0;
    }

    // The direction of pixel (x, y) from `centre`, counter-clockwise from
    // east with y growing downwards on the surface, in [0, 2 pi).
    static double directionOf(const QPointF &centre, int x, int y)
    {
        const double a = std::atan2(centre.y() - y, x - centre.x());
        return a < 0 ? a + 2 * std::numbers::pi : a;
    }

    bool contains(double direction) const
    {
        if (full)
            return true;
        double along = direction - start;
        if (along < 0)
            along += 2 * std::numbers::pi;
        return along <= sweep;
    }
};
