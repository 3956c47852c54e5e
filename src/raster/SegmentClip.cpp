#include "raster/SegmentClip.h"

std::optional<QLineF> clipSegment(const QLineF &segment, const QRectF &bounds)
{
    const double dx = segment.dx();
    const double dy = segment.dy();
    double t0 = 0.0;
    double t1 = 1.0;
    // Each edge as p * t <= q.
    const double p[4] = { -dx, dx, -dy, dy };
    const double q[4] = { segment.x1() - bounds.left(), bounds.right() - segment.x1(),
        segment.y1() - bounds.top(), bounds.bottom() - segment.y1() };
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0)
                return std::nullopt;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1)
            return std::nullopt;
    }
    return QLineF(segment.pointAt(t0), segment.pointAt(t1));
}
