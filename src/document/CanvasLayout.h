#pragma once

#include <QRectF>
#include <QSizeF>

// The rules that place a document's canvas in its window: the canvas box with
// its one-pixel border, the three size handles, the scroll bars and their
// maxima. Everything is in twips.
namespace CanvasLayout {

inline constexpr double ScrollStep = 20; // twips per scroll-bar step
inline constexpr double BorderTwips = 30; // the single-line border, both sides together
inline constexpr double MinWidth = 1;
inline constexpr double MaxWidth = 36035;
inline constexpr double MinHeight = 1;
inline constexpr double MaxHeight = 30035;
inline constexpr double HandleStrip = 25; // width of the right handle, height of the bottom one
inline constexpr double HandleCorner = 90; // the corner handle is square
// The largest drawing, in pixels: the size boxes make it; the handles stop a
// little short of it (MaxWidth, MaxHeight).
inline constexpr int MaxDrawingWidth = 2402;
inline constexpr int MaxDrawingHeight = 2002;

enum class Handle { Width, Height, Both };

// A size the canvas may take: 0 or less gives the minimum, beyond the maximum
// gives the maximum.
double clampWidth(double width);
double clampHeight(double height);

// The canvas size after the pointer moved to (x, y) inside `handle`.
QSizeF dragged(Handle handle, const QSizeF &canvas, double x, double y);

struct Handles
{
    QRectF width;
    QRectF height;
    QRectF both;
};
Handles handlesFor(const QRectF &canvas);

// The first canvas of a window with the given inner size fills what the scroll
// bars and handles leave visible.
QSizeF initialCanvas(const QSizeF &inner, double scrollBarExtent);

// The length of a scroll bar along an inner extent from which the other bar
// takes `otherBar`; never less than one pixel.
double scrollBarLength(double inner, double otherBar);

// The scroll-bar maximum along one axis: enough steps to bring the far edge of
// the canvas into view, and never less than the current offset so an already
// scrolled canvas stays reachable.
int scrollMaximum(
    double canvasOffset, double canvasExtent, double inner, double otherBar, double handleExtent);

// The canvas offset for a scroll value (the canvas moves up or left).
double offsetFor(int scrollValue);

}
