#include "tools/PointerTools.h"

#include "document/FigureAnchors.h"
#include "document/RubberBand.h"
#include "raster/PictureSurface.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"

namespace {

void showSegmentBand(CanvasToolHost &host, double x, double y)
{
    const FigureAnchors &a = host.anchors();
    host.rubberBand().show(
        host.canvas().lineFigure(a.hStartx, a.hStarty, x, y, host.drawingColour()));
}

}

void PolylineTool::press(CanvasToolHost &host, double x, double y)
{
    FigureAnchors &a = host.anchors();
    if (!a.hPolylineStarted) {
        CanvasTools::BeginRubberBand(host, x, y);
        a.hPolylineStarted = true;
    } else {
        a.hLastX = x;
        a.hLastY = y;
        host.canvas().setDrawMode(RasterOp::R2_XORPEN);
    }
    showSegmentBand(host, a.hLastX, a.hLastY);
}

void PolylineTool::move(CanvasToolHost &host, double x, double y)
{
    showSegmentBand(host, x, y);
}

void PolylineTool::release(CanvasToolHost &host, double x, double y)
{
    FigureAnchors &a = host.anchors();
    host.rubberBand().clear();
    // The segment continues the stroke of the previous one (unless the press
    // began a new polyline or the pen changed), so the shared corner pixel is
    // not drawn twice.
    PictureSurface &canvas = host.canvas();
    canvas.setCurrentX(a.hStartx);
    canvas.setCurrentY(a.hStarty);
    canvas.LineTo(x, y, host.drawingColour());
    a.hStartx = x;
    a.hStarty = y;
    host.setDataChanged();
}

void PolylineTool::doubleClick(CanvasToolHost &host)
{
    host.rubberBand().clear();
    host.anchors().hPolylineStarted = false;
    CanvasTools::ApplyUserDrawMode(host);
}

void FreehandTool::press(CanvasToolHost &host, double x, double y)
{
    host.anchors().hLastX = x;
    host.anchors().hLastY = y;
}

void FreehandTool::move(CanvasToolHost &host, double x, double y)
{
    PictureSurface &canvas = host.canvas();
    const FigureAnchors &a = host.anchors();
    CanvasTools::ApplyUserDrawMode(host);
    // One stroke from press to release (the press started it afresh): its
    // segments join without drawing their shared pixels twice.
    canvas.setCurrentX(a.hLastX);
    canvas.setCurrentY(a.hLastY);
    canvas.LineTo(x, y, host.drawingColour());
}

void FreehandTool::release(CanvasToolHost &host, double, double)
{
    host.setDataChanged();
}

void StarPointsTool::move(CanvasToolHost &host, double x, double y)
{
    CanvasTools::ApplyUserDrawMode(host);
    host.canvas().PSet(x, y, host.drawingColour());
}

void StarPointsTool::release(CanvasToolHost &host, double, double)
{
    host.setDataChanged();
}
