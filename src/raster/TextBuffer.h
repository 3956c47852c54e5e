#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// The off-screen buffer text is printed into before it reaches the canvas: it
// starts as a copy of the canvas under the box, the text is printed into it
// (at its top-left corner, each line starting at its left edge) and steps of a
// TextGradientPlan copy parts of it back.
//
// The buffer lies on the canvas pixel for pixel: a step's rectangle is turned
// into buffer pixels once and lands on the canvas pixels under them. (Rounding
// its canvas position separately could land it a pixel off at a tie and shift
// the picture between the glyphs.) So only glyph pixels ever change.
struct TextBuffer
{
    // The box's left and top and its size cut at the canvas's right and
    // bottom edges, in canvas twips. The left and top are not cut: the steps
    // count from the box's own edges, and what lies off the canvas is simply
    // not copied back.
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    QString text;
    QFont font;

    // The box at (left, top), `width` x `height` twips, on a canvas of
    // `canvasWidth` x `canvasHeight` twips.
    static TextBuffer forBox(double left, double top, double width, double height,
        double canvasWidth, double canvasHeight);

    // The canvas pixels the buffer covers (it may reach off the canvas).
    QRect pixelRect() const;
    // A rectangle of twips measured from the buffer's top-left corner, as
    // buffer pixels.
    static QRect pixelsOf(double x, double y, double width, double height);
};
