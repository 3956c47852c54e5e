#pragma once

#include "raster/FillPattern.h"
#include "raster/RasterOp.h"

#include <QImage>
#include <QRect>
#include <QRegion>

class QPainterPath;
class QPen;

// The set of surface pixels one figure touches, each marked as outline or
// interior. A figure is first rasterised here and then combined with the
// surface once per marked pixel, so no pixel of one figure is combined twice
// and a figure drawn twice with an XOR pen always restores what was under it.
//
// Geometry is given in pixel-index space: pixel (x, y) is the point (x, y).
class CoverageMask
{
public:
    enum Mark : uchar { None = 0, Interior = 0x80, Outline = 0xFF };

    // bounds: the part of the surface the figure may touch, already clipped.
    explicit CoverageMask(const QRect &bounds);

    const QRect &bounds() const { return m_bounds; }
    bool isEmpty() const { return m_bounds.isEmpty(); }

    void fillRect(const QRect &pixels, Mark mark);
    // A one-pixel-wide stroke of `path` (width 1, any dash pattern in `pen`).
    void strokeThin(const QPainterPath &path, const QPen &pen, Mark mark);
    // The pixels whose centres lie inside `path` (also used for wide strokes,
    // after turning the stroke into its outline path).
    void fillPath(const QPainterPath &path, Mark mark);
    void strokeWide(const QPainterPath &path, const QPen &pen, Mark mark);

    void relabel(Mark from, Mark to);
    // Unmarks every pixel `other` marks (as anything).
    void subtract(const CoverageMask &other);
    // Marks as `mark` every pixel `other` marks (as anything).
    void unite(const CoverageMask &other, Mark mark);

    const uchar *row(int y) const { return m_bits.constScanLine(y - m_bounds.top()); }

    // Combines the pen with every pixel marked `mark` that the pattern paints.
    // target is a Format_RGB32 image of surface pixels whose top-left pixel is
    // the surface pixel `targetOrigin`; pixels outside it are left out.
    void apply(QImage &target, Mark mark, const RasterOp::PenOperation &op,
        const FillPattern &pattern = FillPattern::solid(), const QPoint &targetOrigin = {}) const;

    // The marked pixels as a few rectangles: each band of `bandHeight` rows
    // gives one rectangle from its leftmost to its rightmost marked pixel.
    QRegion footprint(int bandHeight = 16) const;

private:
    QRect m_bounds;
    QImage m_bits; // Format_Alpha8, one byte a pixel, top-left at m_bounds.topLeft()
};
