// The gradient fill dialog's run over a full-canvas selection (2402 x 2002),
// chunk by chunk as the event loop drives it, for each of the six kinds;
// against BM_Memcpy of the canvas. Kinds 5 and 6 run at 135 degrees.
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "effects/GradientFillRun.h"
#include "effects/GradientFillSettings.h"
#include "raster/PictureSurface.h"

#include <benchmark/benchmark.h>

namespace {

void BM_FillDialog(benchmark::State &state)
{
    Workspace workspace;
    Document *document = workspace.NewPicture();
    document->Picture1().resizePixels(2402, 2002);
    document->selectAll();
    GradientFillSettings settings;
    settings.SetGradientKind(int(state.range(0)));
    settings.setAngleText(QStringLiteral("135"));
    GradientFillRun run(workspace);
    int chunks = 0;
    for (auto _ : state) {
        run.CommandRun(settings, 1);
        while (run.runChunk())
            ++chunks;
        ++chunks;
    }
    state.counters["chunks"]
        = benchmark::Counter(double(chunks), benchmark::Counter::kAvgIterations);
}

}

BENCHMARK(BM_FillDialog)->DenseRange(1, 6)->Unit(benchmark::kMillisecond);
