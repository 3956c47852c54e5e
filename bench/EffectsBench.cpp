// The effects on a 2402 x 2002 selection against one memcpy of it
// (BM_Memcpy, in SelectionBench.cpp) and Qt's own mirror.
#include "BenchPictures.h"

#include "effects/Convolution.h"
#include "effects/Emboss.h"
#include "effects/Flip.h"
#include "effects/Oil.h"
#include "effects/OilRandom.h"
#include "effects/Sharpen.h"
#include "effects/Soften.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int Width = 2402;
constexpr int Height = 2002;

template <typename Kernel> void runKernel(benchmark::State &state, Kernel kernel)
{
    const QImage source = photograph(Width, Height);
    QImage target(Width, Height, QImage::Format_RGB32);
    target.fill(0);
    const ConstPixelRows src = rowsOf(source);
    const PixelRows dst = rowsOf(target);
    for (auto _ : state) {
        kernel(src, dst);
        benchmark::DoNotOptimize(target.bits());
        benchmark::ClobberMemory();
    }
}

void BM_Soften(benchmark::State &state)
{
    runKernel(state, soften);
}

void BM_SoftenReference(benchmark::State &state)
{
    runKernel(state, softenReference);
}

void BM_Sharpen(benchmark::State &state)
{
    runKernel(state, sharpen);
}

void BM_Emboss(benchmark::State &state)
{
    runKernel(state, emboss);
}

void BM_Oil(benchmark::State &state)
{
    OilRandom random;
    runKernel(state, [&random](ConstPixelRows src, PixelRows dst) { oil(src, dst, random); });
}

void BM_Flip(benchmark::State &state, FlipKind kind)
{
    runKernel(state, [kind](ConstPixelRows src, PixelRows dst) { flip(src, dst, kind); });
}

void BM_FlipHorizontal(benchmark::State &state)
{
    BM_Flip(state, FlipKind::Horizontal);
}

void BM_FlipVertical(benchmark::State &state)
{
    BM_Flip(state, FlipKind::Vertical);
}

void BM_FlipDiagonal(benchmark::State &state)
{
    BM_Flip(state, FlipKind::Diagonal);
}

// QImage::mirrored makes a new image each time, as the flip commands do.
void BM_QtMirrored(benchmark::State &state, bool horizontal, bool vertical)
{
    const QImage source = photograph(Width, Height);
    for (auto _ : state) {
        QImage mirrored = source.mirrored(horizontal, vertical);
        benchmark::DoNotOptimize(mirrored.constBits());
    }
}

// A flip as the command runs it: into a new image.
void BM_FlipNewImage(benchmark::State &state, FlipKind kind)
{
    const QImage source = photograph(Width, Height);
    for (auto _ : state) {
        QImage target(source.size(), QImage::Format_RGB32);
        flip(rowsOf(source), rowsOf(target), kind);
        benchmark::DoNotOptimize(target.constBits());
    }
}

void BM_Custom3x3(benchmark::State &state)
{
    // The built-in soften as a custom filter: nine ones over 9.
    Convolution filter;
    filter.radius = 1;
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            filter.setWeight(dy, dx, 1);
    filter.divisor = 9;
    runKernel(state, [&](ConstPixelRows src, PixelRows dst) { convolve(src, dst, filter); });
}

// A Gaussian-like blur with every weight different from 1 and a divisor
// that is no power of two.
Convolution blur5x5(double addend)
{
    const int w[5] = { 1, 4, 6, 4, 1 };
    Convolution filter;
    filter.radius = 2;
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx)
            filter.setWeight(dy, dx, w[dy + 2] * w[dx + 2]);
    filter.divisor = 255;
    filter.addend = addend;
    return filter;
}

void BM_Custom5x5(benchmark::State &state)
{
    const Convolution filter = blur5x5(1);
    runKernel(state, [&](ConstPixelRows src, PixelRows dst) { convolve(src, dst, filter); });
}

// The same with a fractional addend: the components come from a table.
void BM_Custom5x5FractionalAddend(benchmark::State &state)
{
    const Convolution filter = blur5x5(0.5);
    runKernel(state, [&](ConstPixelRows src, PixelRows dst) { convolve(src, dst, filter); });
}

}

BENCHMARK(BM_Soften)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SoftenReference)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Sharpen)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Emboss)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Oil)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipHorizontal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipVertical)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FlipDiagonal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtMirrored, Horizontal, true, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtMirrored, Vertical, false, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_QtMirrored, Diagonal, true, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FlipNewImage, Horizontal, FlipKind::Horizontal)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FlipNewImage, Vertical, FlipKind::Vertical)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FlipNewImage, Diagonal, FlipKind::Diagonal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Custom3x3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Custom5x5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Custom5x5FractionalAddend)->Unit(benchmark::kMillisecond);
