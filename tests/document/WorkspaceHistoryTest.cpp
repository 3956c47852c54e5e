// The documents' histories share the workspace's byte budget, which knows the
// active document.
#include "document/Document.h"
#include "document/Workspace.h"
#include "history/HistoryBudget.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

// A whole-canvas step of a picture no other step holds.
void step(Workspace &w, Document &d, quint32 seed)
{
    d.Picture1().setImage(noiseImage(Document::DefaultWidth, Document::DefaultHeight, seed));
    w.TakeWholeCanvasSnapshot(d);
}

}

TEST(WorkspaceHistory, DocumentsShareOneBudgetThatFollowsTheActiveOne)
{
    Workspace w;
    HistoryBudget &budget = w.historyBudget();
    Document *first = w.NewPicture();
    Document *second = w.NewPicture();
    EXPECT_EQ(&first->history().budget(), &budget);
    EXPECT_EQ(&second->history().budget(), &budget);
    EXPECT_EQ(budget.active(), &second->history()) << "a new picture is active";
    w.activate(first);
    EXPECT_EQ(budget.active(), &first->history());

    step(w, *second, 1);
    const qint64 unit = budget.storedBytes();
    budget.setByteLimit(unit * 5 / 2);
    step(w, *first, 2);
    step(w, *first, 3);
    EXPECT_FALSE(second->history().canUndo()) << "the picture not shown gave way";
    EXPECT_EQ(first->history().undoCount(), 2);

    w.unload(first);
    EXPECT_EQ(budget.active(), &second->history());
    EXPECT_EQ(budget.storedBytes(), 0);
    w.unload(second);
    EXPECT_EQ(budget.active(), nullptr);
}
