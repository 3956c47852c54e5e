// The gradient figures on a 2402 x 2002 canvas: the one pass against drawing
// every step with the surface's figures, and against one memcpy of the canvas.
#include "MemcpyFloor.h"

#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "raster/GradientReference.h"
#include "raster/PictureSurface.h"

namespace {

constexpr int Width = 2402, Height = 2002;
const GradientBox Canvas { 0, 0, Width * 15.0, Height * 15.0 };

enum class Kind { Ellipse, InsideOut, Angle };

GradientPlan planOf(Kind kind, double degrees)
{
    const GradientRun run;
    switch (kind) {
    case Kind::Ellipse:
        return GradientPlan::ellipse(Canvas, run);
    case Kind::InsideOut:
        return GradientPlan::insideOutRectangle(Canvas, run);
    case Kind::Angle:
        break;
    }
    return GradientPlan::directionalRectangle(Canvas, run, degrees);
}

void BM_Memcpy(benchmark::State &state)
{
    memcpyCanvas(state);
}

// The whole tool's work: the steps worked out, then painted.
void onePass(benchmark::State &state, Kind kind)
{
    PictureSurface surface(Width, Height);
    surface.setFillStyle(1);
    for (auto _ : state)
        GradientPainter::paint(surface, planOf(kind, double(state.range(0))));
}

void stepByStep(benchmark::State &state, Kind kind)
{
    PictureSurface surface(Width, Height);
    surface.setFillStyle(1);
    for (auto _ : state) {
        const GradientPlan plan = planOf(kind, double(state.range(0)));
        GradientReference::paint(surface, plan, 0, plan.count());
    }
}

void BM_GradientEllipse(benchmark::State &state)
{
    onePass(state, Kind::Ellipse);
}
void BM_GradientEllipseReference(benchmark::State &state)
{
    stepByStep(state, Kind::Ellipse);
}
void BM_GradientRectInOut(benchmark::State &state)
{
    onePass(state, Kind::InsideOut);
}
void BM_GradientRectInOutReference(benchmark::State &state)
{
    stepByStep(state, Kind::InsideOut);
}
void BM_GradientRectAngle(benchmark::State &state)
{
    onePass(state, Kind::Angle);
}
void BM_GradientRectAngleReference(benchmark::State &state)
{
    stepByStep(state, Kind::Angle);
}

}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientEllipse)
    ->Name("BM_GradientEllipse/full")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientEllipseReference)
    ->Name("BM_GradientEllipseReference/full")
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientRectInOut)
    ->Name("BM_GradientRectInOut/full")
    ->Arg(0)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientRectInOutReference)
    ->Name("BM_GradientRectInOutReference/full")
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientRectAngle)->Arg(0)->Arg(45)->Arg(135)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientRectAngleReference)
    ->Arg(0)
    ->Arg(45)
    ->Arg(135)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);
