// How the history keeps its pixels: exactly, shared between steps, and within
// its byte budget.
#include "HistoryTestImages.h"
#include "history/HistoryBudget.h"
#include "history/UndoHistory.h"
#include "raster/RasterOp.h"

#include <gtest/gtest.h>

using namespace HistoryTestImages;

namespace {

void snapshot(UndoHistory &history, const PictureSurface &canvas, const QRect &pixels)
{
    const QRectF r = twips(pixels.x(), pixels.y(), pixels.width(), pixels.height());
    history.takeSnapshot(canvas, r.x(), r.y(), r.width(), r.height());
}

void snapshotWhole(UndoHistory &history, const PictureSurface &canvas)
{
    history.takeSnapshot(canvas, 0, 0, canvas.Width(), canvas.Height());
}

// `base` with `area` taken from `over`, as far as both reach.
QImage pasted(const QImage &base, const QImage &over, const QRect &area)
{
    QImage result = base.copy();
    const QRect clipped = area & base.rect() & over.rect();
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        std::memcpy(result.scanLine(y) + 4 * clipped.left(),
            over.constScanLine(y) + 4 * clipped.left(), size_t(clipped.width()) * 4);
    return result;
}

struct RestoreCase
{
    const char *name;
    QImage picture;
    QRect area; // pixels; may reach past the canvas
};

}

// Whatever the pixels and wherever the rectangle lies on the tile grid, undo
// puts back exactly what was there, only inside the rectangle and the canvas,
// and redo exactly what undo replaced.
TEST(HistoryStorage, RestoresBitExactPixels)
{
    const RestoreCase cases[] = {
        { "noise, whole canvas", randomImage(203, 131, 1), QRect(0, 0, 203, 131) },
        { "noise, off the grid", randomImage(203, 131, 2), QRect(37, 5, 150, 111) },
        { "flat", flatImage(203, 131, 0xFF123456), QRect(0, 0, 203, 131) },
        { "few colours", randomImage(203, 131, 3, 3), QRect(63, 63, 66, 2) },
        { "mixed", mixedImage(203, 131, 4), QRect(1, 1, 201, 129) },
        { "one pixel", mixedImage(203, 131, 5), QRect(64, 64, 1, 1) },
        { "past the top left", randomImage(203, 131, 6), QRect(-10, -20, 90, 60) },
        { "past the bottom right", mixedImage(203, 131, 7), QRect(150, 100, 100, 100) },
    };
    for (const RestoreCase &c : cases) {
        SCOPED_TRACE(c.name);
        PictureSurface canvas(c.picture.width(), c.picture.height());
        UndoHistory history;
        canvas.setImage(c.picture);
        snapshot(history, canvas, c.area);
        EXPECT_EQ(history.undoSlotRect(1),
            twips(c.area.x(), c.area.y(), c.area.width(), c.area.height()));
        const QImage changed = c.picture.convertToFormat(QImage::Format_RGB32).mirrored(true, true);
        canvas.setImage(changed);

        history.undo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), pasted(changed, c.picture, c.area)));
        history.redo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), changed));
        history.undo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), pasted(changed, c.picture, c.area)));
    }
}

// Snapshots keep canvas coordinates: after the canvas shrinks, undo paints the
// rectangle back where it was and what lies off the canvas is cut; after it
// grows, pixels the snapshot never held are left as they are.
TEST(HistoryStorage, CanvasResizedAfterTheSnapshot)
{
    const QImage original = randomImage(100, 60, 8);
    for (const QSize size : { QSize(50, 30), QSize(150, 90), QSize(130, 40) }) {
        SCOPED_TRACE(size.width());
        PictureSurface canvas(100, 60);
        UndoHistory history;
        canvas.setImage(original);
        snapshot(history, canvas, QRect(20, 10, 120, 70)); // past the canvas as it is now
        canvas.Cls();
        canvas.resizePixels(size.width(), size.height());
        canvas.Line(0, 0, canvas.Width(), canvas.Height(), 0x0000FF, LineShape::FilledBox);
        const QImage beforeUndo = canvas.Image().copy();

        const QImage restored = pasted(beforeUndo, original, QRect(20, 10, 120, 70));
        history.undo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), restored));
        history.redo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), beforeUndo));
    }
}

// Two whole-canvas snapshots that differ in one small place cost little more
// than one, however incompressible the picture; a flat picture costs little.
TEST(HistoryStorage, ConsecutiveSnapshotsShareTheirTiles)
{
    PictureSurface canvas(640, 480);
    UndoHistory history;
    canvas.setImage(randomImage(640, 480, 9));
    const qint64 raw = 640 * 480 * 4;
    snapshotWhole(history, canvas);
    const qint64 one = history.storedBytes();
    EXPECT_GT(one, raw) << "noise is stored raw";
    EXPECT_LT(one, raw + raw / 50);

    canvas.Line(Twips::fromPixels(100), Twips::fromPixels(100), Twips::fromPixels(120),
        Twips::fromPixels(110), 0);
    snapshotWhole(history, canvas);
    EXPECT_LT(history.storedBytes() - one, one / 50);

    // Undo's redo step is the canvas as it stands: shared with the snapshot
    // above, it costs only its tile references.
    const qint64 two = history.storedBytes();
    history.undo(canvas);
    EXPECT_LT(history.storedBytes() - two, 1024);

    PictureSurface flat(640, 480);
    UndoHistory flatHistory;
    snapshotWhole(flatHistory, flat);
    EXPECT_LT(flatHistory.storedBytes(), raw / 100);
}

// The bytes held are what undo and redo can still reach: after everything is
// undone and a new action is taken, only its own snapshot remains.
TEST(HistoryStorage, ReleasesStepsThatCanNoLongerBeReached)
{
    PictureSurface canvas(128, 128);
    UndoHistory history;
    canvas.setImage(randomImage(128, 128, 10));
    snapshotWhole(history, canvas);
    const qint64 one = history.storedBytes();
    for (unsigned k = 11; k < 16; ++k) {
        canvas.setImage(randomImage(128, 128, k));
        snapshotWhole(history, canvas);
    }
    canvas.setImage(randomImage(128, 128, 16));
    while (history.canUndo())
        history.undo(canvas);
    EXPECT_GT(history.storedBytes(), 6 * one);
    snapshotWhole(history, canvas);
    EXPECT_EQ(history.storedBytes(), one);
    EXPECT_EQ(history.undoCount(), 1);
}

class HistoryLimit : public ::testing::Test
{
protected:
    // Whole-canvas snapshots of noise: each distinct picture costs one unit.
    void SetUp() override
    {
        UndoHistory probe;
        canvas.setImage(noise(0));
        snapshotWhole(probe, canvas);
        unit = probe.storedBytes();
    }

    static QImage noise(unsigned seed) { return randomImage(128, 128, 100 + seed); }

    PictureSurface canvas { 128, 128 };
    UndoHistory history;
    qint64 unit = 0;
};

TEST_F(HistoryLimit, DropsTheOldestUndoStepsFirst)
{
    history.budget().setByteLimit(unit * 7 / 2);
    for (unsigned k = 1; k <= 10; ++k) {
        canvas.setImage(noise(k));
        snapshotWhole(history, canvas);
        EXPECT_LE(history.storedBytes(), history.budget().byteLimit());
    }
    canvas.setImage(noise(11));
    EXPECT_EQ(history.undoCount(), 3);
    EXPECT_EQ(history.ringPosition(), 10);
    EXPECT_EQ(history.undoOrder(1), 8);
    EXPECT_EQ(history.undoOrder(2), 9);
    EXPECT_EQ(history.undoOrder(3), 10);

    // Undo stores the canvas (a fourth picture) as a redo step, which drops
    // the oldest undo step.
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(10)));
    EXPECT_EQ(history.undoCount(), 1);
    EXPECT_EQ(history.redoCount(), 1);
    EXPECT_LE(history.storedBytes(), history.budget().byteLimit());
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(9)));
    EXPECT_FALSE(history.canUndo());
    history.redo(canvas);
    history.redo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(11)));

    // The dropped slots are written again as the ring goes on.
    snapshotWhole(history, canvas);
    EXPECT_EQ(history.ringPosition(), 11);
    EXPECT_EQ(history.undoOrder(history.undoCount()), 11);
}

TEST_F(HistoryLimit, DropsTheOldestRedoStepsWhenNoUndoStepIsLeft)
{
    history.budget().setByteLimit(unit * 7 / 2);
    canvas.setImage(noise(1));
    snapshotWhole(history, canvas);
    canvas.setImage(noise(2));
    snapshotWhole(history, canvas);
    canvas.setImage(noise(3));
    history.undo(canvas);
    EXPECT_EQ(history.redoCount(), 1);
    // A change that takes no snapshot (as opening a file into the window):
    // the next undo's redo step is a picture of its own.
    canvas.setImage(noise(4));
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(1)));
    EXPECT_EQ(history.redoCount(), 1) << "the older redo step is gone";
    EXPECT_LE(history.storedBytes(), history.budget().byteLimit());
    history.redo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(4)));
    EXPECT_FALSE(history.canRedo());
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(1)));
}

TEST_F(HistoryLimit, AStepLargerThanTheBudgetIsNotKept)
{
    history.budget().setByteLimit(unit / 2);
    canvas.setImage(noise(1));
    snapshot(history, canvas, QRect(0, 0, 16, 16));
    EXPECT_EQ(history.undoCount(), 1) << "a small step fits";
    canvas.setImage(noise(2));
    snapshotWhole(history, canvas);
    EXPECT_FALSE(history.canUndo()) << "the older step went first, then the new one";
    EXPECT_LE(history.storedBytes(), history.budget().byteLimit());

    // The redo step an undo stores is held to the budget just the same.
    history.budget().setByteLimit(unit * 3 / 2);
    snapshotWhole(history, canvas);
    canvas.setImage(noise(3));
    history.budget().setByteLimit(unit / 2);
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(2))) << "the undo itself happens";
    EXPECT_FALSE(history.canRedo());
    EXPECT_FALSE(history.canUndo());
    EXPECT_LE(history.storedBytes(), history.budget().byteLimit());
    // A new step goes into a fresh slot and undoes as usual.
    history.budget().setByteLimit(unit * 3 / 2);
    snapshotWhole(history, canvas);
    canvas.setImage(noise(4));
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), noise(2)));
}

// A held step keeps the canvas image itself until it is packed. Painting over
// the canvas then writes a fresh image, so the step still shows the picture
// as it was, whether undone before or after packing, and once packed it
// stores and shares tiles exactly as a step taken at once.
TEST(HistoryStorage, HeldStepsRestoreAndPackLikeTakenOnes)
{
    const QImage before = mixedImage(203, 131, 8);
    const QImage over = randomImage(150, 100, 9);
    const QRect area(20, 10, 150, 100);
    const QRectF step = twips(area.x(), area.y(), area.width(), area.height());
    for (const bool packFirst : { false, true }) {
        SCOPED_TRACE(packFirst ? "packed" : "held");
        PictureSurface canvas(before.width(), before.height());
        canvas.setImage(before);
        UndoHistory held;
        snapshotWhole(held, canvas);
        held.holdSnapshot(canvas, step.x(), step.y(), step.width(), step.height());
        EXPECT_TRUE(held.holdsHeldSnapshots());
        canvas.PaintPicture(over, step.x(), step.y(), RasterOp::SRCINVERT);
        const QImage after = canvas.Image().copy();

        PictureSurface reference(before.width(), before.height());
        reference.setImage(before);
        UndoHistory taken;
        snapshotWhole(taken, reference);
        taken.takeSnapshot(reference, step.x(), step.y(), step.width(), step.height());
        reference.PaintPicture(over, step.x(), step.y(), RasterOp::SRCINVERT);
        EXPECT_TRUE(samePixels(after, reference.Image()));

        if (packFirst) {
            held.packHeldSnapshots();
            EXPECT_FALSE(held.holdsHeldSnapshots());
            EXPECT_EQ(held.storedBytes(), taken.storedBytes());
        }
        held.undo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), before));
        held.redo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), after));
        held.undo(canvas);
        held.packHeldSnapshots();
        held.undo(canvas);
        held.redo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), before));
    }
}
