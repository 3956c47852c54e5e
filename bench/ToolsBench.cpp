// One pointer move during a drag on a 2402 x 2002 canvas: the tool's work and
// the repaint of what changed, as the canvas window does it (the picture's
// pixels under the changed region with the rubber band put on top, drawn
// into the window's backing image).
#include "support/FakeToolHost.h"
#include "tools/ToolCode.h"

#include <QPainter>
#include <benchmark/benchmark.h>

namespace {

constexpr int W = 2402;
constexpr int H = 2002;

class Repainter
{
public:
    explicit Repainter(FakeToolHost &host)
        : m_host(host)
        , m_window(W, H, QImage::Format_RGB32)
    {
        QObject::connect(
            &host.band, &RubberBand::changed, [this](const QRegion &r) { m_dirty += r; });
        QObject::connect(
            &host.surface, &PictureSurface::changed, [this](const QRect &r) { m_dirty += r; });
    }

    void repaint()
    {
        QPainter painter(&m_window);
        for (const QRect &r : m_dirty) {
            QImage pixels = m_host.surface.Image().copy(r);
            m_host.band.composeOnto(pixels, r.topLeft());
            painter.drawImage(r.topLeft(), pixels);
        }
        m_dirty = QRegion();
    }

private:
    FakeToolHost &m_host;
    QImage m_window;
    QRegion m_dirty;
};

void dragMoves(benchmark::State &state, int tool)
{
    FakeToolHost host(W, H);
    host.hTool = tool;
    host.surface.setFillStyle(1);
    CanvasTools tools(host);
    Pointer pointer(tools);
    Repainter view(host);
    pointer.press(5, 5);
    int i = 0;
    for (auto _ : state) {
        // Back and forth across the canvas, as a user sweeping the pointer.
        const int step = i++ % 200;
        const double x
            = tool == ToolCode::Freehand ? 100 + (step % 2) * 8 + (i % 2000) : 2300 - step * 3;
        const double y = tool == ToolCode::Freehand ? 100 + (i % 1800) : 1900 - step * 2;
        pointer.move(x, y);
        view.repaint();
    }
    pointer.release(100, 100);
}

void LineRubberBandMove(benchmark::State &state)
{
    dragMoves(state, ToolCode::Line);
}
void RectangleRubberBandMove(benchmark::State &state)
{
    dragMoves(state, ToolCode::Rectangle);
}
void EllipseRubberBandMove(benchmark::State &state)
{
    dragMoves(state, ToolCode::Ellipse);
}
void FreehandMove(benchmark::State &state)
{
    dragMoves(state, ToolCode::Freehand);
}

BENCHMARK(LineRubberBandMove)->Unit(benchmark::kMillisecond);
BENCHMARK(RectangleRubberBandMove)->Unit(benchmark::kMillisecond);
BENCHMARK(EllipseRubberBandMove)->Unit(benchmark::kMillisecond);
BENCHMARK(FreehandMove)->Unit(benchmark::kMillisecond);

}
