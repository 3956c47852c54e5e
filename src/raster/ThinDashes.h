#pragma once

#include <QPainterPath>

#include <vector>

// Dashes of one-pixel lines, cut out of the path by its length before any
// clipping. (Qt's own one-pixel dasher restarts the pattern where the surface
// clips a line, so a figure crossing an edge would dash differently from the
// same figure drawn whole.) Each dash is returned as an open subpath to be
// stroked solid, one pixel wide, both end pixels included.
namespace ThinDashes {

struct Dashes
{
    QPainterPath pieces;
    // Dashes that begin exactly where a subpath ends: their first pixel.
    std::vector<QPoint> dots;
};

// pattern: alternating on and off lengths in pixels, starting with on;
// offset: how far into the pattern the path starts.
Dashes cut(const QPainterPath &path, const std::vector<qreal> &pattern, qreal offset);

}
