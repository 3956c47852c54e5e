#pragma once

// Where the figure being drawn on a canvas stands, in canvas twips: the
// rubber-band anchor, the last pointer position handled during the drag, the
// figure bounding box (-1 while unset, grown by press and release points and
// used as the undo rectangle) and whether a polyline is under way. Every tool
// of one document shares these, so one tool can leave the anchor to another.
struct FigureAnchors
{
    double hStartx = 0;
    double hStarty = 0;
    double hLastX = 0;
    double hLastY = 0;
    double hMinX = -1;
    double hMinY = -1;
    double hMaxX = -1;
    double hMaxY = -1;
    bool hPolylineStarted = false;

    void resetFigureBox() { hMinX = hMinY = hMaxX = hMaxY = -1; }

    // Grows the figure bounding box by a point.
    void growFigureBox(double x, double y);
};
