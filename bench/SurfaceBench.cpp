// Picture surface figures on a 2402 x 2002 canvas: the largest the size boxes allow.
#include "base/Twips.h"
#include "raster/PictureSurface.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int CanvasWidth = 2402;
constexpr int CanvasHeight = 2002;
constexpr double W = CanvasWidth * Twips::PerPixel;
constexpr double H = CanvasHeight * Twips::PerPixel;

PictureSurface &xorCanvas()
{
    static PictureSurface surface(CanvasWidth, CanvasHeight);
    surface.setDrawMode(RasterOp::R2_XORPEN);
    surface.setDrawWidth(1);
    surface.setDrawStyle(0);
    surface.setFillStyle(1);
    return surface;
}

void XorLineAcross(benchmark::State &state)
{
    auto &s = xorCanvas();
    for (auto _ : state)
        s.Line(0, 0, W - 15, H - 15, 0xFFFFFF);
}
BENCHMARK(XorLineAcross)->Unit(benchmark::kMillisecond);

void XorBoxAcross(benchmark::State &state)
{
    auto &s = xorCanvas();
    for (auto _ : state)
        s.Line(0, 0, W - 15, H - 15, 0xFFFFFF, LineShape::Box);
}
BENCHMARK(XorBoxAcross)->Unit(benchmark::kMillisecond);

void XorEllipseAcross(benchmark::State &state)
{
    auto &s = xorCanvas();
    for (auto _ : state)
        s.Circle(W / 2, H / 2, W / 2, 0xFFFFFF, {}, H / W);
}
BENCHMARK(XorEllipseAcross)->Unit(benchmark::kMillisecond);

void PaintPictureWhole(benchmark::State &state)
{
    auto &s = xorCanvas();
    const QImage source = s.Image().copy();
    const auto op = quint32(state.range(0));
    for (auto _ : state)
        s.PaintPicture(source, 0, 0, W, H, 0, 0, W, H, op);
}
BENCHMARK(PaintPictureWhole)
    ->Arg(RasterOp::SRCCOPY)
    ->Arg(RasterOp::SRCINVERT)
    ->Unit(benchmark::kMillisecond);

void ClsWhole(benchmark::State &state)
{
    auto &s = xorCanvas();
    for (auto _ : state)
        s.Cls();
}
BENCHMARK(ClsWhole)->Unit(benchmark::kMillisecond);

}
