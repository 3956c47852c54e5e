#include "tools/GradientTools.h"

#include "document/FigureAnchors.h"
#include "document/RubberBand.h"
#include "raster/GradientPainter.h"
#include "raster/PictureSurface.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Solid = 0;
constexpr int Transparent = 1;

}

void GradientFigureTool::showPreview(CanvasToolHost &host, double x, double y) const
{
    const FigureAnchors &a = host.anchors();
    PictureSurface &canvas = host.canvas();
    canvas.setFillStyle(Solid);
    if (previewsBox()) {
        host.rubberBand().show(
            canvas.lineFigure(a.hStartx, a.hStarty, x, y, std::nullopt, LineShape::Box));
        return;
    }
    const double dx = x - a.hStartx, dy = y - a.hStarty;
    if (dx == 0 || dy == 0) {
        host.rubberBand().clear();
        return;
    }
    const double radius = std::fabs(dx) > std::fabs(dy) ? std::fabs(dx) / 2 : std::fabs(dy) / 2;
    host.rubberBand().show(canvas.circleFigure((a.hStartx + x) / 2, (a.hStarty + y) / 2, radius,
        std::nullopt, std::nullopt, std::fabs(dy / dx)));
}

void GradientFigureTool::press(CanvasToolHost &host, double x, double y)
{
    host.canvas().setFillStyle(Solid);
    CanvasTools::BeginRubberBand(host, x, y);
    showPreview(host, x, y);
}

void GradientFigureTool::move(CanvasToolHost &host, double x, double y)
{
    showPreview(host, x, y);
}

void GradientFigureTool::release(CanvasToolHost &host, double x, double y)
{
    host.rubberBand().clear();
    FigureAnchors &a = host.anchors();
    if (x == a.hStartx || y == a.hStarty)
        return;
    CanvasTools::SnapshotFigureArea(host, x, y);
    PictureSurface &canvas = host.canvas();
    canvas.setFillStyle(Transparent);
    // The box reaches the last point dragged to, not the release point.
    const GradientBox box { std::min(a.hStartx, a.hLastX), std::min(a.hStarty, a.hLastY),
        std::max(a.hStartx, a.hLastX), std::max(a.hStarty, a.hLastY) };
    a.hStartx = box.left;
    a.hLastX = box.right;
    a.hStarty = box.top;
    a.hLastY = box.bottom;
    GradientPainter::paint(canvas, planFor(box, host));
    host.setDataChanged();
    canvas.setFillStyle(Solid);
}

GradientPlan GradientEllipseTool::planFor(const GradientBox &box, const CanvasToolHost &host) const
{
    return GradientPlan::ellipse(box, host.gradientRun());
}

GradientPlan GradientInsideOutTool::planFor(
    const GradientBox &box, const CanvasToolHost &host) const
{
    return GradientPlan::insideOutRectangle(box, host.gradientRun());
}

GradientPlan GradientAngleTool::planFor(const GradientBox &box, const CanvasToolHost &host) const
{
    return GradientPlan::directionalRectangle(box, host.gradientRun(), host.gradientAngle());
}
