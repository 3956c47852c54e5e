// A gradient sector along the sweep (radius 1500 twips, half a turn, band to
// the centre) on a 2402 x 2002 canvas: the one pass against drawing every
// short arc with the surface's Circle.
#include <benchmark/benchmark.h>

#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "raster/GradientReference.h"
#include "raster/PictureSurface.h"

#include <cmath>

namespace {

constexpr int Width = 2402, Height = 2002;

GradientPlan halfTurn()
{
    const double pi = 4 * std::atan(1.0);
    return GradientPlan::arcBand(
        Width * 7.5, Height * 7.5, 1500, pi, 0, GradientRun {}, GradientPlan::ArcKind::AlongSweep);
}

void BM_GradientSector(benchmark::State &state)
{
    PictureSurface surface(Width, Height);
    for (auto _ : state) {
        GradientPainter::paint(surface, halfTurn());
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}

void BM_GradientSectorReference(benchmark::State &state)
{
    PictureSurface surface(Width, Height);
    const GradientPlan plan = halfTurn();
    for (auto _ : state) {
        GradientReference::paint(surface, plan, 0, plan.count());
        benchmark::DoNotOptimize(surface.Image().constBits());
    }
}

}

BENCHMARK(BM_GradientSector)->Name("BM_GradientSector/alongSweep")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientSectorReference)
    ->Name("BM_GradientSectorReference/alongSweep")
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
