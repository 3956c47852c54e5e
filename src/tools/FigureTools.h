#pragma once

#include "raster/PictureSurface.h"
#include "tools/CanvasTool.h"

#include <optional>

// A figure dragged out from the press point: the rubber band follows the
// pointer; the release takes the undo snapshot of the figure's box and draws
// the figure in the user's draw mode.
class DraggedFigureTool : public CanvasTool
{
public:
    void press(CanvasToolHost &host, double x, double y) override;
    void move(CanvasToolHost &host, double x, double y) override;
    void release(CanvasToolHost &host, double x, double y) override;

protected:
    // The figure from the anchor to (x, y) with the canvas's current pen, or
    // nothing where the figure is degenerate and not drawn.
    virtual std::optional<PictureSurface::Figure> figureTo(
        CanvasToolHost &host, double x, double y) const = 0;
    virtual void drawTo(CanvasToolHost &host, double x, double y) const = 0;

private:
    void showBand(CanvasToolHost &host, double x, double y) const;
};

// Tool 2: a straight line in the drawing colour.
class LineTool : public DraggedFigureTool
{
protected:
    std::optional<PictureSurface::Figure> figureTo(
        CanvasToolHost &host, double x, double y) const override;
    void drawTo(CanvasToolHost &host, double x, double y) const override;
};

// Tool 4: a box, outline in the canvas ForeColor, inside by FillStyle and FillColor.
class RectangleTool : public DraggedFigureTool
{
protected:
    std::optional<PictureSurface::Figure> figureTo(
        CanvasToolHost &host, double x, double y) const override;
    void drawTo(CanvasToolHost &host, double x, double y) const override;
};

// Tool 3: the ellipse filling the box between the anchor and the pointer;
// not drawn while the box has no width or no height.
class EllipseTool : public DraggedFigureTool
{
protected:
    std::optional<PictureSurface::Figure> figureTo(
        CanvasToolHost &host, double x, double y) const override;
    void drawTo(CanvasToolHost &host, double x, double y) const override;
};
