#include "tools/FigureTools.h"

#include "document/FigureAnchors.h"
#include "document/RubberBand.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"

#include <cmath>

void DraggedFigureTool::showBand(CanvasToolHost &host, double x, double y) const
{
    if (auto figure = figureTo(host, x, y))
        host.rubberBand().show(std::move(*figure));
    else
        host.rubberBand().clear();
}

void DraggedFigureTool::press(CanvasToolHost &host, double x, double y)
{
    CanvasTools::BeginRubberBand(host, x, y);
    showBand(host, x, y);
}

void DraggedFigureTool::move(CanvasToolHost &host, double x, double y)
{
    showBand(host, x, y);
}

void DraggedFigureTool::release(CanvasToolHost &host, double x, double y)
{
    host.rubberBand().clear();
    CanvasTools::SnapshotFigureArea(host, x, y);
    drawTo(host, x, y);
    host.setDataChanged();
}

std::optional<PictureSurface::Figure> LineTool::figureTo(
    CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    return host.canvas().lineFigure(a.hStartx, a.hStarty, x, y, host.drawingColour());
}

void LineTool::drawTo(CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    host.canvas().Line(a.hStartx, a.hStarty, x, y, host.drawingColour());
}

std::optional<PictureSurface::Figure> RectangleTool::figureTo(
    CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    return host.canvas().lineFigure(a.hStartx, a.hStarty, x, y, std::nullopt, LineShape::Box);
}

void RectangleTool::drawTo(CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    host.canvas().Line(a.hStartx, a.hStarty, x, y, std::nullopt, LineShape::Box);
}

namespace {

// The ellipse filling the box of two corners: centre, longer semi-axis as the
// radius, and the aspect height / width.
struct EllipseInBox
{
    double cx, cy, radius, aspect;
};

std::optional<EllipseInBox> ellipseInBox(double x0, double y0, double x1, double y1)
{
    if (x1 == x0 || y1 == y0)
        return std::nullopt;
    const double dx = x1 - x0, dy = y1 - y0;
    const double radius = std::fabs(dx) >= std::fabs(dy) ? std::fabs(dx) / 2 : std::fabs(dy) / 2;
    return EllipseInBox { (x0 + x1) / 2, (y0 + y1) / 2, radius, std::fabs(dy / dx) };
}

}

std::optional<PictureSurface::Figure> EllipseTool::figureTo(
    CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    const auto e = ellipseInBox(a.hStartx, a.hStarty, x, y);
    if (!e)
        return std::nullopt;
    return host.canvas().circleFigure(
        e->cx, e->cy, e->radius, std::nullopt, std::nullopt, e->aspect);
}

void EllipseTool::drawTo(CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    if (const auto e = ellipseInBox(a.hStartx, a.hStarty, x, y))
        host.canvas().Circle(e->cx, e->cy, e->radius, std::nullopt, std::nullopt, e->aspect);
}
