// Putting a floating selection down and the scale tool, on a 2402 x 2002
// canvas, against one memcpy of the canvas.
#include "MemcpyFloor.h"

#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/Workspace.h"
#include "history/UndoHistory.h"
#include "raster/LargeImageMemory.h"
#include "raster/PictureSurface.h"
#include "raster/RasterOp.h"
#include "support/SurfaceTestUtil.h"

namespace {

void BM_Memcpy(benchmark::State &state)
{
    memcpyCanvas(state);
}

// A new document of `workspace` with a 2402 x 2002 canvas of noise, pasting
// with `op`.
Document *noiseDocument(Workspace &workspace, quint32 op)
{
    Document *document = workspace.NewPicture();
    document->Picture1().resizePixels(2402, 2002);
    document->Picture1().setImage(noiseImage(2402, 2002, 3));
    workspace.SetPasteMode(op);
    return document;
}

// Select all, then the commit: the undo snapshot of the whole canvas and the
// paint with the paste mode.
void BM_CommitSelection(benchmark::State &state, quint32 op)
{
    Workspace workspace;
    Document *document = noiseDocument(workspace, op);
    for (auto _ : state) {
        state.PauseTiming();
        document->history().packHeldSnapshots();
        workspace.EditSelectAll();
        state.ResumeTiming();
        workspace.commitSelection(*document);
    }
}

// The same with no spare memory to reuse, as for the first commits of a
// session: nothing is packed, so each step the history holds is a whole
// canvas, and 50 commits fill its 50 steps without letting one go.
void BM_CommitSelectionColdMemory(benchmark::State &state)
{
    Workspace workspace;
    Document *document = noiseDocument(workspace, RasterOp::SRCINVERT);
    for (auto _ : state) {
        state.PauseTiming();
        LargeImageMemory::releaseSpares();
        workspace.EditSelectAll();
        state.ResumeTiming();
        workspace.commitSelection(*document);
    }
}

// The paint alone, without the undo snapshot: a floating picture of the
// whole canvas put down over a canvas that holds its own pixels.
void BM_StampSelection(benchmark::State &state, quint32 op)
{
    Document document;
    document.Picture1().resizePixels(2402, 2002);
    document.Picture1().setImage(noiseImage(2402, 2002, 3));
    document.selectAll();
    document.selection().picture().PSet(0, 0); // its own pixels, not shared with the canvas
    for (auto _ : state)
        document.stampSelection(op);
}

// What the commit leaves for idle time: cutting the held whole-canvas step
// into tiles.
void BM_PackHeldStep(benchmark::State &state)
{
    Workspace workspace;
    Document *document = noiseDocument(workspace, RasterOp::SRCINVERT);
    for (auto _ : state) {
        state.PauseTiming();
        workspace.EditSelectAll();
        workspace.commitSelection(*document);
        state.ResumeTiming();
        document->history().packHeldSnapshots();
    }
}

// The canvas of a document with a 2402 x 2002 picture.
void fillCanvas(Document &document)
{
    document.Picture1().resizePixels(2402, 2002);
    document.Picture1().setImage(noiseImage(2402, 2002, 5));
}

// The scale tool enlarging (timed) and reducing (untimed), or the other way
// round. With `coldMemory` no spare memory is left to reuse, so the kernel
// faults in and clears every page of the enlarged canvas first, as for the
// first enlargement.
void scaleBoth(benchmark::State &state, bool timeEnlarging, bool coldMemory)
{
    Document document;
    fillCanvas(document);
    for (auto _ : state) {
        if (!timeEnlarging)
            state.PauseTiming();
        document.scalePicture();
        timeEnlarging ? state.PauseTiming() : state.ResumeTiming();
        document.scalePicture();
        if (coldMemory)
            LargeImageMemory::releaseSpares();
        if (timeEnlarging)
            state.ResumeTiming();
    }
}

void BM_ScaleUp(benchmark::State &state)
{
    scaleBoth(state, true, false);
}

void BM_ScaleUpColdMemory(benchmark::State &state)
{
    scaleBoth(state, true, true);
}

void BM_ScaleDown(benchmark::State &state)
{
    scaleBoth(state, false, false);
}

// Reducing after something was drawn on the enlargement: every ninth pixel
// read back out of the enlarged canvas, one row in three of it.
void BM_ScaleDownAfterDrawing(benchmark::State &state)
{
    Document document;
    fillCanvas(document);
    for (auto _ : state) {
        state.PauseTiming();
        document.scalePicture();
        document.Picture1().PSet(0, 0);
        state.ResumeTiming();
        document.scalePicture();
    }
}

BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
// A fixed count: the copy commits in microseconds, and the untimed Select
// all before each would otherwise run for minutes.
BENCHMARK_CAPTURE(BM_CommitSelection, SRCCOPY, RasterOp::SRCCOPY)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CommitSelection, SRCINVERT, RasterOp::SRCINVERT)
    ->Iterations(300)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CommitSelectionColdMemory)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StampSelection, SRCCOPY, RasterOp::SRCCOPY)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_StampSelection, SRCINVERT, RasterOp::SRCINVERT)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PackHeldStep)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleUp)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleUpColdMemory)->Unit(benchmark::kMillisecond);
// Fixed counts: the untimed enlargement before each reduction takes far
// longer than the reduction.
BENCHMARK(BM_ScaleDown)->Iterations(50)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ScaleDownAfterDrawing)->Iterations(50)->Unit(benchmark::kMillisecond);

}
