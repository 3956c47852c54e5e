// One pointer move of a floating selection on the canvas window, 2402 x 2002
// pixels, offscreen: the model moves it and the window repaints what changed.
#include "../MemcpyFloor.h"

#include "app/ModuleMain.h"
#include "document/Document.h"
#include "document/ui/CanvasView.h"
#include "raster/PictureSurface.h"
#include "tools/ToolCode.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

void send(
    QWidget &view, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent e(type, at, view.mapToGlobal(at), button, held, Qt::NoModifier);
    QApplication::sendEvent(&view, &e);
}

void BM_Memcpy(benchmark::State &state)
{
    memcpyCanvas(state);
}

// state.range(0): the selection's side in pixels, 0 for the whole canvas.
void BM_SelectionDrag(benchmark::State &state)
{
    ModuleMain module;
    module.startUp();
    Document *document = module.NewPicture();
    document->Picture1().resizePixels(2402, 2002);
    module.hTool = ToolCode::SelectRegion;
    CanvasView view(*document);
    view.resize(2404, 2004);
    view.show();
    QApplication::processEvents();
    const int side = int(state.range(0));
    if (side == 0) {
        module.EditSelectAll();
    } else {
        send(view, QEvent::MouseButtonPress, QPoint(101, 101), Qt::LeftButton, Qt::LeftButton);
        send(view, QEvent::MouseMove, QPoint(101 + side, 101 + side), Qt::NoButton, Qt::LeftButton);
        send(view, QEvent::MouseButtonRelease, QPoint(101 + side, 101 + side), Qt::LeftButton,
            Qt::NoButton);
    }
    QApplication::processEvents();
    const QPoint grab(side == 0 ? 500 : 150, side == 0 ? 500 : 150);
    send(view, QEvent::MouseButtonPress, grab, Qt::LeftButton, Qt::LeftButton);
    int i = 0;
    for (auto _ : state) {
        const int step = i++ % 100;
        send(view, QEvent::MouseMove, grab + QPoint(step * 3, step * 2), Qt::NoButton,
            Qt::LeftButton);
        QApplication::processEvents(); // the repaint of what changed
    }
    send(view, QEvent::MouseButtonRelease, grab, Qt::LeftButton, Qt::NoButton);
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SelectionDrag)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

}
