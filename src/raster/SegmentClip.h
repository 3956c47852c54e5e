#pragma once

#include <QLineF>
#include <QRectF>

#include <optional>

// Cuts a segment to the part inside `bounds` (Liang-Barsky), so that a figure
// with coordinates far outside the surface is rasterised only where it can be
// seen and its arithmetic stays small. Returns nothing when no part is inside.
std::optional<QLineF> clipSegment(const QLineF &segment, const QRectF &bounds);
