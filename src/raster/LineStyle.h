#pragma once

#include <QPen>

#include <vector>

// How a DrawStyle and a DrawWidth become a pen for rasterising a figure.
namespace LineStyle {

enum DrawStyleCode : int {
    Solid = 0,
    Dash,
    Dot,
    DashDot,
    DashDotDot,
    Invisible,
    InsideSolid,
};

bool isDashed(int drawStyle);

// The on and off lengths of a dashed style in pixels at width 1, starting with on.
std::vector<qreal> dashLengths(int drawStyle);

// Which corners a wide outline gets: round for strokes, square for boxes.
enum class Joins { Round, Square };

// The pen for a stroke of `width` pixels. Dash lengths are the classic ones at
// width 1 (dash 18/6, dot 3/3, dash-dot 9/6/3/6, dash-dot-dot 9/3/3/3/3/3) and
// grow in proportion on wider pens; dashOffset (pixels) continues a pattern
// from an earlier segment of the same stroke.
QPen penFor(int drawStyle, int width, Joins joins, qreal dashOffset = 0);

}
