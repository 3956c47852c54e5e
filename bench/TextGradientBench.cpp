// Gradient text in a 150-pixel-wide box, strips left to right: 2237 steps of
// printing the text and copying a strip. The one pass against the steps.
#include "raster/PictureSurface.h"
#include "raster/TextBuffer.h"
#include "raster/TextGradientPainter.h"
#include "raster/TextGradientPlan.h"
#include "raster/TextGradientReference.h"

#include <benchmark/benchmark.h>

namespace {

TextBuffer box()
{
    TextBuffer buffer;
    buffer.text = QStringLiteral("渐变文字 Text");
    buffer.font = QFont(QStringLiteral("WenQuanYi Micro Hei"));
    buffer.font.setPixelSize(20);
    buffer.left = 100 * 15;
    buffer.top = 100 * 15;
    buffer.width = 150 * 15;
    buffer.height = PictureSurface::TextSize(buffer.text, buffer.font).height() * 15 + 50;
    return buffer;
}

// The commit's work: the steps worked out, then painted.
template <typename Paint> void gradientText(benchmark::State &state, Paint paint)
{
    PictureSurface canvas(800, 600);
    const TextBuffer buffer = box();
    for (auto _ : state) {
        const TextGradientPlan plan = TextGradientPlan::gradient(buffer.width, buffer.height,
            GradientForm::OneWay, 0, Colour::fromRgb(255, 0, 0), Colour::fromRgb(0, 0, 255));
        paint(canvas, buffer, plan);
    }
    state.counters["steps"] = double(
        TextGradientPlan::gradient(buffer.width, buffer.height, GradientForm::OneWay, 0, 0, 0)
            .steps.size());
}

void BM_GradientText(benchmark::State &state)
{
    gradientText(state, TextGradientPainter::paint);
}

void BM_GradientTextReference(benchmark::State &state)
{
    gradientText(state, TextGradientReference::paint);
}

}

BENCHMARK(BM_GradientText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GradientTextReference)->Unit(benchmark::kMillisecond);
