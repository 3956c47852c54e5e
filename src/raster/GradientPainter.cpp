#include "raster/GradientPainter.h"

#include "base/Twips.h"
#include "raster/FillPattern.h"
#include "raster/GradientPasses.h"
#include "raster/GradientPlan.h"
#include "raster/GradientReference.h"
#include "raster/LineStyle.h"
#include "raster/PictureSurface.h"

#include <algorithm>

namespace {

bool lastPenWins(int drawMode)
{
    return drawMode == RasterOp::R2_BLACK || drawMode == RasterOp::R2_NOTCOPYPEN
        || drawMode == RasterOp::R2_COPYPEN || drawMode == RasterOp::R2_WHITE;
}

// The pixel a step's pen leaves whatever was under it (the draw modes taken
// in one pass do not depend on the destination).
quint32 penPixel(int drawMode, ColourValue colour)
{
    return RasterOp::PenOperation::make(drawMode, colour).apply(0xFF000000u) | 0xFF000000u;
}

bool solid(int drawStyle)
{
    return drawStyle == LineStyle::Solid || drawStyle == LineStyle::InsideSolid;
}

// The rasteriser cuts lines reaching far beyond the surface before drawing
// them; the one pass draws them whole, so it keeps to lines near the surface.
// Only the steps to be painted are looked at: a run painted in chunks asks
// once per chunk.
bool nearSurface(const PictureSurface &surface, const GradientPlan &plan, int begin, int end)
{
    const QRect near = surface.pixelRect().adjusted(-4000, -4000, 4000, 4000);
    const auto first = plan.steps.begin() + begin, last = plan.steps.begin() + end;
    return std::all_of(first, last, [&](const GradientPlan::Step &s) {
        return near.contains(Twips::toPixels(s.x1), Twips::toPixels(s.y1))
            && near.contains(Twips::toPixels(s.x2), Twips::toPixels(s.y2));
    });
}

bool onePassFor(const PictureSurface &surface, const GradientPlan &plan, int begin, int end)
{
    const PenStyle pen = surface.penStyle();
    if (surface.DrawMode() == RasterOp::R2_NOP)
        return true;
    if (pen.drawStyle == LineStyle::Invisible)
        return pen.fillStyle == FillPattern::Transparent
            || plan.shape == GradientPlan::Shape::Segments
            || plan.shape == GradientPlan::Shape::Arcs;
    if (!lastPenWins(surface.DrawMode()) || !solid(pen.drawStyle))
        return false;
    switch (plan.shape) {
    case GradientPlan::Shape::Arcs:
        // An arc without radius lines is never filled.
        return true;
    case GradientPlan::Shape::Rings:
    case GradientPlan::Shape::Boxes:
        return pen.fillStyle == FillPattern::Transparent;
    case GradientPlan::Shape::Segments:
        return pen.drawWidth <= 1 && nearSurface(surface, plan, begin, end);
    }
    return false;
}

}

namespace GradientPainter {

bool paintsInOnePass(const PictureSurface &surface, const GradientPlan &plan)
{
    return onePassFor(surface, plan, 0, plan.count());
}

void paint(PictureSurface &surface, const GradientPlan &plan)
{
    paint(surface, plan, 0, plan.count());
}

void paint(PictureSurface &surface, const GradientPlan &plan, int begin, int end)
{
    begin = std::max(begin, 0);
    end = std::min(end, plan.count());
    if (begin >= end)
        return;
    if (!onePassFor(surface, plan, begin, end)) {
        GradientReference::paint(surface, plan, begin, end);
        return;
    }
    if (surface.DrawMode() == RasterOp::R2_NOP || surface.DrawStyle() == LineStyle::Invisible)
        return;
    if (plan.shape == GradientPlan::Shape::Arcs) {
        // Arc plans run to millions of steps: their colours are worked out
        // piece by piece, not listed.
        surface.pixelsWritten(GradientPasses::arcs(
            surface.pixelsForWriting(), plan, begin, end, surface.penStyle(), surface.DrawMode()));
        return;
    }
    // Neighbouring steps mostly share their colour: its pixel is worked out once.
    std::vector<quint32> pixels(size_t(end - begin));
    ColourValue lastColour = plan.steps[size_t(begin)].colour;
    quint32 lastPixel = penPixel(surface.DrawMode(), lastColour);
    for (int i = begin; i < end; ++i) {
        const ColourValue colour = plan.steps[size_t(i)].colour;
        if (colour != lastColour) {
            lastColour = colour;
            lastPixel = penPixel(surface.DrawMode(), colour);
        }
        pixels[size_t(i - begin)] = lastPixel;
    }
    QImage &image = surface.pixelsForWriting();
    QRect touched;
    switch (plan.shape) {
    case GradientPlan::Shape::Rings:
        touched = GradientPasses::rings(image, plan, begin, end, surface.penStyle(), pixels);
        break;
    case GradientPlan::Shape::Boxes:
        touched = GradientPasses::boxes(image, plan, begin, end, surface.penStyle(), pixels);
        break;
    case GradientPlan::Shape::Segments:
        touched = GradientPasses::segments(image, plan, begin, end, surface.penStyle(), pixels);
        break;
    case GradientPlan::Shape::Arcs:
        break;
    }
    surface.pixelsWritten(touched);
}

}
