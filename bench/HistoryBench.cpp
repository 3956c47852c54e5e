// The edit history on a 2402 x 2002 canvas (the largest the size boxes allow)
// with a drawing on it: whole-canvas snapshots as freehand strokes take them.
#include "BenchPictures.h"
#include "base/Twips.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int CanvasWidth = 2402;
constexpr int CanvasHeight = 2002;
constexpr double W = CanvasWidth * Twips::PerPixel;
constexpr double H = CanvasHeight * Twips::PerPixel;

double px(int pixels)
{
    return Twips::fromPixels(pixels);
}

// Boxes in solid and hatched fills, ellipses, wide and dashed lines, text and
// a pasted photograph over a white page.
void drawPicture(PictureSurface &s)
{
    s.Cls();
    for (int i = 0; i < 12; ++i) {
        s.setFillStyle(i % 8);
        s.setFillColor(Colour::fromRgb(40 * i, 255 - 20 * i, 90));
        s.setForeColor(Colour::fromRgb(0, 0, 20 * i));
        s.setDrawWidth(1 + i % 4);
        const int x = 60 + (i % 4) * 560;
        const int y = 60 + (i / 4) * 480;
        s.Line(px(x), px(y), px(x + 420), px(y + 300), {}, LineShape::Box);
        s.Circle(px(x + 300), px(y + 330), px(120 + 10 * i), {}, {}, 0.6);
    }
    s.setDrawStyle(2);
    s.setDrawWidth(1);
    for (int i = 0; i < 40; ++i)
        s.Line(px(0), px(50 * i), px(CanvasWidth - 1), px(1500 - 30 * i),
            Colour::fromRgb(i * 6, 0, 0));
    s.setDrawStyle(0);
    s.setDrawWidth(5);
    for (int i = 0; i < 20; ++i)
        s.Line(px(100 + 100 * i), px(1500), px(200 + 90 * i), px(1950),
            Colour::fromRgb(0, 120, i * 12));
    s.setCurrentX(px(1600));
    s.setCurrentY(px(1500));
    s.Print(QStringLiteral("Tessara 3.0\nA history of strokes"));
    s.PaintPicture(photograph(520, 380), px(1820), px(1560));
    s.setFillStyle(1);
    s.setDrawWidth(3);
}

// A short freehand stroke, somewhere else each time.
void stroke(PictureSurface &s, int i)
{
    const int x = 100 + (i * 337) % (CanvasWidth - 300);
    const int y = 100 + (i * 211) % (CanvasHeight - 300);
    s.setCurrentX(px(x));
    s.setCurrentY(px(y));
    for (int k = 1; k <= 8; ++k)
        s.LineTo(px(x + 20 * k), px(y + ((k % 2) ? 25 : 0) + 5 * k), Colour::fromRgb(200, 30, i));
}

PictureSurface &drawnCanvas()
{
    static PictureSurface surface(CanvasWidth, CanvasHeight);
    static bool drawn = false;
    if (!drawn) {
        drawPicture(surface);
        drawn = true;
    }
    return surface;
}

// The first whole-canvas snapshot of a document: every tile is new.
void HistoryFirstSnapshot(benchmark::State &state)
{
    auto &canvas = drawnCanvas();
    for (auto _ : state) {
        state.PauseTiming();
        auto history = std::make_unique<UndoHistory>();
        state.ResumeTiming();
        history->takeSnapshot(canvas, 0, 0, W, H);
        state.PauseTiming();
        history.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(HistoryFirstSnapshot)->Unit(benchmark::kMillisecond);

// A snapshot per stroke, as freehand drawing takes them, in a full history.
void HistorySnapshot(benchmark::State &state)
{
    auto &canvas = drawnCanvas();
    UndoHistory history;
    for (int i = 0; i < UndoHistory::Slots; ++i) {
        history.takeSnapshot(canvas, 0, 0, W, H);
        stroke(canvas, i);
    }
    int i = 0;
    for (auto _ : state) {
        history.takeSnapshot(canvas, 0, 0, W, H);
        state.PauseTiming();
        stroke(canvas, i++);
        state.ResumeTiming();
    }
}
BENCHMARK(HistorySnapshot)->Unit(benchmark::kMillisecond);

void HistoryUndo(benchmark::State &state)
{
    auto &canvas = drawnCanvas();
    UndoHistory history;
    history.takeSnapshot(canvas, 0, 0, W, H);
    stroke(canvas, 7);
    for (auto _ : state) {
        history.undo(canvas);
        state.PauseTiming();
        history.redo(canvas);
        state.ResumeTiming();
    }
}
BENCHMARK(HistoryUndo)->Unit(benchmark::kMillisecond);

void HistoryRedo(benchmark::State &state)
{
    auto &canvas = drawnCanvas();
    UndoHistory history;
    history.takeSnapshot(canvas, 0, 0, W, H);
    stroke(canvas, 8);
    for (auto _ : state) {
        state.PauseTiming();
        history.undo(canvas);
        state.ResumeTiming();
        history.redo(canvas);
    }
}
BENCHMARK(HistoryRedo)->Unit(benchmark::kMillisecond);

// 100 strokes, each after its whole-canvas snapshot, on a freshly drawn
// canvas: the memory the history holds afterwards (its newest 50 steps) and
// the time for all 100, strokes included.
void HistoryHundredStrokes(benchmark::State &state)
{
    PictureSurface canvas(CanvasWidth, CanvasHeight);
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        drawPicture(canvas);
        auto history = std::make_unique<UndoHistory>();
        state.ResumeTiming();
        for (int i = 0; i < 100; ++i) {
            history->takeSnapshot(canvas, 0, 0, W, H);
            stroke(canvas, i);
        }
        state.PauseTiming();
        bytes = history->storedBytes();
        history.reset();
        state.ResumeTiming();
    }
    state.counters["stored_MiB"] = double(bytes) / (1 << 20);
    state.counters["one_canvas_MiB"] = double(CanvasWidth) * CanvasHeight * 4 / (1 << 20);
}
BENCHMARK(HistoryHundredStrokes)->Unit(benchmark::kMillisecond);

}
