#include "tools/ArcTools.h"

#include "document/RadiusGuide.h"
#include "document/RubberBand.h"
#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "tools/CanvasToolHost.h"
#include "tools/CanvasTools.h"
#include "tools/GradientOptions.h"
#include "tools/PolarAngles.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double OnePixel = 15;

double pi()
{
    return 4 * std::atan(1.0);
}

}

double TwoPhaseArcTool::radius(CanvasToolHost &host)
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF d = g.second() - g.first();
    return std::sqrt(d.x() * d.x() + d.y() * d.y());
}

double TwoPhaseArcTool::withRadiusLine(double angle)
{
    return angle == 0 ? -2 * pi() : -angle;
}

bool TwoPhaseArcTool::fullTurn(CanvasToolHost &host)
{
    return host.radiusGuide().hArcEndAngle == host.radiusGuide().hArcStartAngle;
}

void TwoPhaseArcTool::press(CanvasToolHost &host, double x, double y)
{
    RadiusGuide &g = host.radiusGuide();
    if (!host.hBanJingOk().value_or(false)) {
        g.start(QPointF(x, y));
        return;
    }
    g.hide();
    const QPointF c = g.first(), r = g.second();
    g.hArcStartAngle = PolarAngles::polar(r.x() - c.x(), r.y() - c.y());
    aimAt(host, x, y);
    if (showsSweepOnPress())
        showSweep(host, x, y);
}

void TwoPhaseArcTool::move(CanvasToolHost &host, double x, double y)
{
    if (!host.hBanJingOk().value_or(false)) {
        host.radiusGuide().setSecond(QPointF(x, y));
        showRadiusAngle(host);
        return;
    }
    aimAt(host, x, y);
    showSweep(host, x, y);
}

void TwoPhaseArcTool::release(CanvasToolHost &host, double, double)
{
    RadiusGuide &g = host.radiusGuide();
    if (!host.hBanJingOk().value_or(false)) {
        if (g.first() == g.second())
            g.hide();
        else
            host.hBanJingOk() = true;
        return;
    }
    // The figure goes where the last move aimed, not to the release point.
    host.rubberBand().clear();
    snapshotCircle(host);
    paint(host);
    host.hBanJingOk() = false;
    host.setDataChanged();
    host.clearAngle();
}

void TwoPhaseArcTool::aimAt(CanvasToolHost &host, double x, double y) const
{
    RadiusGuide &g = host.radiusGuide();
    g.hArcEndAngle = PolarAngles::polar(x - g.first().x(), y - g.first().y());
    host.rubberBand().show(preview(host));
}

PictureSurface::Figure TwoPhaseArcTool::preview(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF c = g.first();
    if (fullTurn(host))
        return host.canvas().circleFigure(c.x(), c.y(), radius(host), host.drawingColour());
    // The arc with the radius to its moving end.
    return host.canvas().circleFigure(c.x(), c.y(), radius(host), host.drawingColour(),
        ArcAngles { withRadiusLine(g.hArcEndAngle), g.hArcStartAngle });
}

void TwoPhaseArcTool::showRadiusAngle(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF d = g.second() - g.first();
    const QString shown = PolarAngles::text(PolarAngles::degrees(PolarAngles::polar(d.x(), d.y())));
    host.showAngle(shown, shown);
}

void TwoPhaseArcTool::showSweep(CanvasToolHost &host, double x, double y) const
{
    const QPointF c = host.radiusGuide().first();
    const double pointer = PolarAngles::degrees(PolarAngles::polar(x - c.x(), y - c.y()));
    const QString tag = host.angleTag();
    host.showAngle(PolarAngles::text(PolarAngles::sweep(tag.toDouble(), pointer)), tag);
}

void TwoPhaseArcTool::snapshotCircle(CanvasToolHost &host) const
{
    const QPointF c = host.radiusGuide().first();
    const PictureSurface &canvas = host.canvas();
    // The circle's square and a pixel more, and what a wide pen reaches past it.
    const double reach = radius(host) + OnePixel + (canvas.DrawWidth() / 2) * OnePixel;
    const double left = std::max(0.0, c.x() - reach);
    const double top = std::max(0.0, c.y() - reach);
    const double right = std::min(canvas.ScaleWidth(), c.x() + reach);
    const double bottom = std::min(canvas.ScaleHeight(), c.y() + reach);
    host.TakeUndoSnapshot(
        left, top, std::max(0.0, right - left) + OnePixel, std::max(0.0, bottom - top) + OnePixel);
}

void ArcTool::paint(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF c = g.first();
    if (fullTurn(host)) {
        host.canvas().Circle(c.x(), c.y(), radius(host), host.drawingColour());
        return;
    }
    host.canvas().Circle(c.x(), c.y(), radius(host), host.drawingColour(),
        ArcAngles { g.hArcEndAngle, g.hArcStartAngle });
}

PictureSurface::Figure SectorTool::preview(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF c = g.first();
    if (fullTurn(host))
        return host.canvas().circleFigure(c.x(), c.y(), radius(host));
    return host.canvas().circleFigure(c.x(), c.y(), radius(host), std::nullopt,
        ArcAngles { withRadiusLine(g.hArcEndAngle), withRadiusLine(g.hArcStartAngle) });
}

void SectorTool::paint(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    const QPointF c = g.first();
    if (fullTurn(host)) {
        host.canvas().Circle(c.x(), c.y(), radius(host));
        return;
    }
    host.canvas().Circle(c.x(), c.y(), radius(host), std::nullopt,
        ArcAngles { withRadiusLine(g.hArcEndAngle), withRadiusLine(g.hArcStartAngle) });
}

void GradientArcTool::paint(CanvasToolHost &host) const
{
    const RadiusGuide &g = host.radiusGuide();
    GradientRun run = host.gradientRun();
    const int option = host.gradientOption();
    run.form = (option == GradientOptions::DanJing || option == GradientOptions::DanZong)
        ? GradientForm::OneWay
        : GradientForm::TwoWay;
    const auto kind = (option == GradientOptions::DanZong || option == GradientOptions::ShuangZong)
        ? GradientPlan::ArcKind::AlongSweep
        : GradientPlan::ArcKind::Radial;
    GradientPainter::paint(host.canvas(),
        GradientPlan::arcBand(g.first().x(), g.first().y(), radius(host), g.hArcStartAngle,
            g.hArcEndAngle, run, kind));
}
