#pragma once

// The tool codes kept in hTool. They are not the numbers of the palette buttons.
namespace ToolCode {
enum : int {
    SelectRegion = 1,
    Line = 2,
    Ellipse = 3,
    Rectangle = 4,
    Polyline = 5,
    Freehand = 6,
    StarPoints = 7,
    Arc = 8,
    Text = 9,
    Sector = 10,
    GradientEllipse = 11,
    GradientRectangleInsideOut = 12,
    GradientRectangle = 13,
    GradientArcSector = 14,
    ScaleImage = 15,
};

// The tools whose figure grows the bounding box from press to release.
inline bool usesFigureBox(int code)
{
    return code == Line || code == Ellipse || code == Rectangle || code == GradientEllipse
        || code == GradientRectangleInsideOut || code == GradientRectangle;
}
}
