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
        // Arcs at (cx, cy): step i is ring i % rings of piece i / rings, an
        // arc of radius x1 from the piece's start to its end angle.
        Arcs,
    };
    struct Step
    {
        double x1 = 0;
        double y1 = 0;
        double x2 = 0;
        double y2 = 0;
        ColourValue colour = 0;
    };

    // Part of a turn drawn at every ring of an arc plan, counter-clockwise
    // from `start` to `end` (radians).
    struct ArcPiece
    {
        double start = 0;
        double end = 0;
        ColourValue colour = 0;
    };
    // How an arc band changes colour: ring by ring outwards, or piece by
    // piece along the sweep.
    enum class ArcKind { Radial, AlongSweep };

    Shape shape = Shape::Rings;
    double cx = 0;
    double cy = 0;
    double aspect = 1;
    // The rings of an arc plan, and the steps of the others.
    std::vector<Step> steps;
    std::vector<ArcPiece> pieces;
    // An arc step has its piece's colour rather than its ring's.
    bool coloursByPiece = false;

    // Steps of an arc plan beyond the largest int are not counted.
    int count() const;
    ColourValue colourOf(int step) const;

    // Concentric ellipses in the box, from the start colour inside to the end
    // colour on the outline.
    static GradientPlan ellipse(const GradientBox &box, const GradientRun &run);
    // Concentric rectangles, stepping along the longer side.
    static GradientPlan insideOutRectangle(const GradientBox &box, const GradientRun &run);
    // Parallel lines across the box, the colour changing along the direction
    // `degrees` (0 <= degrees < 180) counter-clockwise from east.
    static GradientPlan directionalRectangle(
        const GradientBox &box, const GradientRun &run, double degrees);
    // The band of a circle from radius - bandWidth (or 1) out to `radius`,
    // running clockwise from the polar angle `start` to `end` (radians in
    // [0, 2 pi); equal angles make a full turn).
    static GradientPlan arcBand(double cx, double cy, double radius, double start, double end,
        const GradientRun &run, ArcKind kind);
};
