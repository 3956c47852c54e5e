#pragma once

#include "base/ColourValue.h"

#include <vector>

// Whether a gradient runs once from the start colour to the end colour, or
// there and back (start -> end -> start).
enum class GradientForm { OneWay, TwoWay };

// What a gradient figure is painted with. Lengths are in twips.
struct GradientRun
{
    ColourValue start = 0xEFEFEF;
    ColourValue end = 0x7F7F7F;
    GradientForm form = GradientForm::OneWay;
    // The band width; 0 (or one reaching the middle) fills the whole figure.
    double bandWidth = 0;
    // The radius of the innermost ring when the band fills the whole ellipse:
    // 1 for the drawing tools, 2 for the gradient fill dialog.
    double innermostRadius = 1;
};

// A normalised rectangle in twips: left <= right, top <= bottom.
struct GradientBox
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    double width() const { return right - left; }
    double height() const { return bottom - top; }
};

// A gradient as the sequence of outlines or lines it is drawn with, one per
// twip, each in its own colour, in drawing order. Drawing every step with the
// surface's own figures is the definition of the picture; GradientPainter
// gives the same pixels in one pass.
struct GradientPlan
{
    enum class Shape {
        // Circle at (cx, cy) with radius x1 and aspect `aspect`.
        Rings,
        // Line box form from (x1, y1) to (x2, y2).
        Boxes,
        // Line from (x1, y1) to (x2, y2).
        Segments,
    };
    struct Step
    {
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        ColourValue colour = 0;
    };

    Shape shape = Shape::Rings;
    double cx = 0;
    double cy = 0;
    double aspect = 1;
    std::vector<Step> steps;

    int count() const { return int(steps.size()); }

    // Concentric ellipses in the box, from the start colour inside to the end
    // colour on the outline.
    static GradientPlan ellipse(const GradientBox &box, const GradientRun &run);
    // Concentric rectangles, stepping along the longer side.
    static GradientPlan insideOutRectangle(const GradientBox &box, const GradientRun &run);
    // Parallel lines across the box, the colour changing along the direction
    // `degrees` (0 <= degrees < 180) counter-clockwise from east.
    static GradientPlan directionalRectangle(
        const GradientBox &box, const GradientRun &run, double degrees);
};
