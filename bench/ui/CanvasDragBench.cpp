// A pointer move during a drag on the canvas window, 2402 x 2002 pixels,
// offscreen: the event reaches the tools, the tools update the rubber band or
// the picture, and the window repaints the region that changed.
#include "app/ModuleMain.h"
#include "document/Document.h"
#include "document/ui/CanvasView.h"
#include "raster/PictureSurface.h"
#include "tools/ToolCode.h"

#include <QApplication>
#include <QMouseEvent>
#include <benchmark/benchmark.h>

namespace {

void send(
    QWidget &view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &e);
}

void drag(benchmark::State &state, int tool)
{
    ModuleMain module;
    module.startUp();
    Document *document = module.NewPicture();
    document->Picture1().resizePixels(2402, 2002);
    module.hTool = tool;
    CanvasView view(*document);
    view.resize(2404, 2004);
    view.show();
    QApplication::processEvents();
    send(view, QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        const int step = i++ % 200;
        const QPoint at = tool == ToolCode::Freehand ? QPoint(100 + (i % 2000), 100 + (i % 1800))
                                                     : QPoint(2300 - step * 3, 1900 - step * 2);
        send(view, QEvent::MouseMove, at, Qt::NoButton, Qt::LeftButton);
        QApplication::processEvents(); // the repaint of what changed
    }
    send(view, QEvent::MouseButtonRelease, QPoint(50, 50), Qt::LeftButton, Qt::NoButton);
}

void LineDragWindow(benchmark::State &state)
{
    drag(state, ToolCode::Line);
}
void RectangleDragWindow(benchmark::State &state)
{
    drag(state, ToolCode::Rectangle);
}
void EllipseDragWindow(benchmark::State &state)
{
    drag(state, ToolCode::Ellipse);
}
void FreehandDragWindow(benchmark::State &state)
{
    drag(state, ToolCode::Freehand);
}

BENCHMARK(LineDragWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(RectangleDragWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(EllipseDragWindow)->Unit(benchmark::kMillisecond);
BENCHMARK(FreehandDragWindow)->Unit(benchmark::kMillisecond);

}

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
