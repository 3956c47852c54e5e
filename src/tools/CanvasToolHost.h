#pragma once

#include "base/ColourValue.h"
#include "raster/GradientPlan.h"

#include <QString>

#include <optional>

class Document;
class PictureSurface;
class RadiusGuide;
class RubberBand;
struct FigureAnchors;

// What the canvas tools need of the document they draw on and of the shared
// settings: the canvas, its anchors and rubber band, the chosen tool, draw
// mode and drawing colour, the edit history, and the two read-outs a drag
// updates. The document and the module provide it; tests provide a fake.
class CanvasToolHost
{
public:
    virtual ~CanvasToolHost() = default;

    virtual PictureSurface &canvas() = 0;
    virtual FigureAnchors &anchors() = 0;
    virtual RubberBand &rubberBand() = 0;

    // The tool code (hTool), the user's draw mode (1..16) and the drawing
    // colour (the drawing/fill colour well).
    virtual int tool() const = 0;
    virtual int userDrawMode() const = 0;
    virtual ColourValue drawingColour() const = 0;

    // Saves the rectangle (twips) about to change as an undo step; the figure
    // bounding box starts over.
    virtual void TakeUndoSnapshot(double x, double y, double width, double height) = 0;
    virtual void TakeWholeCanvasSnapshot() = 0;
    virtual void setDataChanged() = 0;
    // The pointer position read-out ("120  45").
    virtual void showPointer(const QString &text) = 0;
    // The Edit menu pops up at this canvas point (twips).
    virtual void popUpEditMenu(double x, double y) = 0;

    // The document drawn on, for the tools that work on it whole (the region
    // and scale tools); none where only a canvas is given.
    virtual Document *document() { return nullptr; }
    // Puts the document's floating selection down with the paste mode (an
    // undo step); false without one.
    virtual bool commitSelection() { return false; }
    // The tool palette's line width box `Text1` gets this text.
    virtual void setLineWidthText(const QString &) { }
    // A message for the user (a box the window shows).
    virtual void tellUser(const QString &) { }
    // The palette's gradient settings, read when a gradient is painted: the
    // two colours, the kind and the band width box, and the angle box.
    virtual GradientRun gradientRun() const { return {}; }
    virtual double gradientAngle() const { return 0; }

    // The arc and sector tools: the radius and its guide lines, whether the
    // radius is fixed (hBanJingOk), the selected gradient option (0..3:
    // hOptionDanJing .. hOptionShuangZong), and the palette's angle read-out
    // (`LabelC` caption and tag, with `ShapeC`).
    virtual RadiusGuide &radiusGuide() = 0;
    virtual std::optional<bool> &hBanJingOk() = 0;
    virtual int gradientOption() const { return 0; }
    virtual void showAngle(const QString & /*caption*/, const QString & /*tag*/) { }
    virtual QString angleTag() const { return {}; }
    virtual void clearAngle() { }
};
