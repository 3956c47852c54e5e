#pragma once

#include <QRectF>

#include <array>

// The frame around a floating selection: the two blinking outlines and the
// eight size handles, placed from the selection's rectangle (twips), and the
// rule by which each handle moves the edges it sits on.
namespace SelectionFrame {

// Numbered as the handles are laid out, clockwise would hide which edges
// each one moves; the names say it.
enum class Handle { LeftUp, Up, RightUp, Left, Right, LeftDown, Down, RightDown };
inline constexpr int HandleCount = 8;

// A handle is a square of 80 twips.
inline constexpr double HandleSize = 80;
// The outlines stand a little outside the picture so they never cover it.
inline constexpr double OutlineInset = 24;
inline constexpr double OutlineGrowth = 63;

struct Layout
{
    QRectF outline;
    std::array<QRectF, HandleCount> handles;
    QRectF handle(Handle h) const { return handles[int(h)]; }
};

// LayoutSelectionFrame's geometry for a selection at `picture` (L, T, W, H).
Layout layoutFor(const QRectF &picture);

// The selection's rectangle after dragging `handle` by (x, y), the pointer's
// offset from the handle's top-left. The bottom-right handle keeps at least a
// pixel (15 twips) each way, every other handle at least one twip; a left or
// top edge that would pass the opposite edge stays where it was.
QRectF resized(const QRectF &picture, Handle handle, double x, double y);

}
