// One byte budget for the histories of all documents: its size, and which
// steps go when the documents together pass it.
#include "history/HistoryBudget.h"
#include "HistoryTestImages.h"
#include "history/UndoHistory.h"

#include <gtest/gtest.h>

using namespace HistoryTestImages;

namespace {

QImage noise(unsigned seed)
{
    return randomImage(128, 128, 200 + seed);
}

// A document's canvas and history; each step is a whole-canvas snapshot of a
// new noise picture and costs one unit.
struct Picture
{
    explicit Picture(HistoryBudget &budget)
        : history(budget)
    { }

    void step(unsigned seed)
    {
        canvas.setImage(noise(seed));
        history.takeSnapshot(canvas, 0, 0, canvas.Width(), canvas.Height());
    }

    PictureSurface canvas { 128, 128 };
    UndoHistory history;
};

}

TEST(HistoryBudget, AQuarterOfPhysicalMemoryAtMostOneGiB)
{
    constexpr qint64 MiB = qint64(1) << 20;
    EXPECT_EQ(HistoryBudget::byteLimitFor(16384 * MiB), 1024 * MiB);
    EXPECT_EQ(HistoryBudget::byteLimitFor(4096 * MiB), 1024 * MiB);
    EXPECT_EQ(HistoryBudget::byteLimitFor(2048 * MiB), 512 * MiB);
    EXPECT_EQ(HistoryBudget::byteLimitFor(0), 256 * MiB) << "memory unknown";
    EXPECT_GT(HistoryBudget::defaultByteLimit(), 0);
    EXPECT_LE(HistoryBudget::defaultByteLimit(), HistoryBudget::MaxByteLimit);
    EXPECT_EQ(UndoHistory().budget().byteLimit(), HistoryBudget::defaultByteLimit());
}

TEST(HistoryBudget, InactiveDocumentsLoseTheirOldestStepsFirst)
{
    HistoryBudget budget;
    Picture a(budget), b(budget), c(budget);
    a.step(1);
    const qint64 unit = budget.storedBytes();
    budget.setByteLimit(unit * 7 / 2);
    budget.setActive(&b.history);
    b.step(2);
    c.step(3);
    b.step(4);
    EXPECT_EQ(a.history.undoCount(), 0) << "the oldest step of an inactive document";
    EXPECT_EQ(c.history.undoCount(), 1);
    EXPECT_EQ(b.history.undoCount(), 2);
    c.step(5);
    EXPECT_EQ(c.history.undoCount(), 1) << "c's own older step went, not the active one's";
    EXPECT_EQ(b.history.undoCount(), 2);
    b.step(6);
    b.step(7);
    EXPECT_EQ(c.history.undoCount(), 0);
    EXPECT_EQ(b.history.undoCount(), 3) << "then the active document's oldest";
    EXPECT_LE(budget.storedBytes(), budget.byteLimit());
    EXPECT_EQ(budget.storedBytes(),
        a.history.storedBytes() + b.history.storedBytes() + c.history.storedBytes());

    // A change that takes no snapshot: the redo step of the next undo is a
    // picture of its own, and it too must find room.
    b.canvas.setImage(noise(8));
    b.history.undo(b.canvas);
    EXPECT_TRUE(samePixels(b.canvas.Image(), noise(7)));
    EXPECT_EQ(b.history.undoCount(), 1);
    EXPECT_EQ(b.history.redoCount(), 1);
    EXPECT_LE(budget.storedBytes(), budget.byteLimit());
}

TEST(HistoryBudget, AHistoryLeavesItsBudgetWithItsDocument)
{
    HistoryBudget budget;
    Picture kept(budget);
    kept.step(1);
    const qint64 unit = budget.storedBytes();
    {
        Picture closing(budget);
        closing.step(2);
        budget.setActive(&closing.history);
        EXPECT_EQ(budget.storedBytes(), 2 * unit);
    }
    EXPECT_EQ(budget.storedBytes(), unit);
    EXPECT_EQ(budget.active(), nullptr);
    budget.setByteLimit(unit * 3 / 2);
    kept.step(3);
    EXPECT_EQ(kept.history.undoCount(), 1);
}
