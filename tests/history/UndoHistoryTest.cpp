// The counters, the ring of undo slots, UndoOrder, undo and redo.
#include "history/UndoHistory.h"
#include "HistoryTestImages.h"

#include <gtest/gtest.h>

#include <map>

using namespace HistoryTestImages;

namespace {

constexpr int CanvasWidth = 100;
constexpr int CanvasHeight = 60;

// Each step changes its own rectangle; the rectangles overlap, so pixels come
// back right only when steps are undone in the right order.
QRect stepRect(int step)
{
    return QRect((step * 7) % 80, (step * 5) % 45, 10 + step % 7, 8 + step % 5);
}

// A canvas and its history, and the canvas as it was after each step.
struct Session
{
    Session() { after[0] = canvas.Image().copy(); }

    // One action as the tools do it: a snapshot of the rectangle, then a
    // filled box inside it in a colour of the step's own.
    void act(int step)
    {
        const QRect r = stepRect(step);
        history.takeSnapshot(canvas, Twips::fromPixels(r.x()), Twips::fromPixels(r.y()),
            Twips::fromPixels(r.width()), Twips::fromPixels(r.height()));
        const ColourValue colour = Colour::fromRgb(step * 5, 255 - step * 3, step * 11);
        canvas.Line(Twips::fromPixels(r.left() + 1), Twips::fromPixels(r.top() + 1),
            Twips::fromPixels(r.right() - 1), Twips::fromPixels(r.bottom() - 1), colour,
            LineShape::FilledBox);
        after[step] = canvas.Image().copy();
    }

    void actSteps(int first, int last)
    {
        for (int step = first; step <= last; ++step)
            act(step);
    }

    PictureSurface canvas { CanvasWidth, CanvasHeight };
    UndoHistory history;
    std::map<int, QImage> after; // 0: before any step
};

class History : public ::testing::Test, protected Session
{ };

}

TEST_F(History, FiftyFirstActionOverwritesTheOldestSlot)
{
    actSteps(1, 51);
    EXPECT_EQ(history.undoCount(), 50);
    EXPECT_EQ(history.ringPosition(), 1);
    EXPECT_EQ(history.undoSlotRect(1),
        twips(stepRect(51).x(), stepRect(51).y(), stepRect(51).width(), stepRect(51).height()));
    EXPECT_EQ(history.undoOrder(1), 2) << "the oldest step left is step 2, in slot 2";
    EXPECT_EQ(history.undoOrder(50), 1);

    for (int step = 51; step >= 2; --step) {
        ASSERT_TRUE(history.canUndo()) << "before undoing step " << step;
        history.undo(canvas);
        ASSERT_TRUE(samePixels(canvas.Image(), after[step - 1])) << "undoing step " << step;
    }
    EXPECT_FALSE(history.canUndo()) << "step 1 is gone";
    EXPECT_EQ(history.redoCount(), 50);
}

TEST_F(History, NewActionAfterUndosDropsTheRedoSteps)
{
    actSteps(1, 50);
    for (int i = 0; i < 5; ++i)
        history.undo(canvas);
    EXPECT_EQ(history.undoCount(), 45);
    EXPECT_EQ(history.redoCount(), 5);

    const QImage beforeNew = canvas.Image().copy();
    act(99);
    EXPECT_EQ(history.redoCount(), 0);
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(history.undoCount(), 46);
    const QRect r = stepRect(99);
    EXPECT_EQ(
        history.undoSlotRect(history.undoOrder(46)), twips(r.x(), r.y(), r.width(), r.height()));

    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), beforeNew));
    EXPECT_TRUE(samePixels(canvas.Image(), after[45]));
    history.undo(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), after[44])) << "step 45 undone next";
}

// Undoing everything, redoing everything and undoing it again shows the same
// pictures each time, before and after the ring wraps; so does going back and
// forth by one step from the middle.
TEST(HistorySteps, UndoRedoUndoShowsTheSamePixels)
{
    for (const int steps : { 1, 3, 50, 51, 77 }) {
        SCOPED_TRACE(steps);
        Session session;
        auto &[canvas, history, after] = session;
        session.actSteps(1, steps);
        const int reachable = std::min(steps, 50);
        const int ring = history.ringPosition();
        for (int round = 0; round < 2; ++round) {
            for (int k = 0; k < reachable; ++k) {
                history.undo(canvas);
                ASSERT_TRUE(samePixels(canvas.Image(), after[steps - k - 1]));
            }
            EXPECT_EQ(history.undoCount(), 0);
            EXPECT_EQ(history.redoCount(), reachable);
            for (int k = reachable - 1; k >= 0; --k) {
                history.redo(canvas);
                ASSERT_TRUE(samePixels(canvas.Image(), after[steps - k]));
            }
            EXPECT_EQ(history.undoCount(), reachable);
            EXPECT_EQ(history.redoCount(), 0);
            EXPECT_EQ(history.ringPosition(), ring);
        }
        // Back and forth by one step at a time, from the middle.
        for (int k = 0; k < reachable / 2; ++k)
            history.undo(canvas);
        const QImage middle = canvas.Image().copy();
        history.undo(canvas);
        const QImage earlier = canvas.Image().copy();
        history.redo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), middle));
        history.undo(canvas);
        EXPECT_TRUE(samePixels(canvas.Image(), earlier));
    }
}

TEST_F(History, RingPositionWrapsAfterSlotFifty)
{
    actSteps(1, 3);
    EXPECT_EQ(history.ringPosition(), 3);
    history.undo(canvas);
    history.undo(canvas);
    history.undo(canvas);
    EXPECT_EQ(history.ringPosition(), 0) << "an unwrapped history undone to the start";
    history.redo(canvas);
    EXPECT_EQ(history.ringPosition(), 1);
    EXPECT_EQ(history.undoOrder(1), 1);

    actSteps(4, 53); // the ring passes slot 50: step 53 lands in slot 1
    EXPECT_EQ(history.undoCount(), 50);
    EXPECT_EQ(history.ringPosition(), 1);
    history.undo(canvas);
    EXPECT_EQ(history.ringPosition(), 50) << "after slot 1 the ring goes back to 50";
    history.redo(canvas);
    EXPECT_EQ(history.ringPosition(), 1);
}

TEST(HistoryDocuments, TwoHistoriesAreIndependent)
{
    PictureSurface first(80, 50);
    PictureSurface second(80, 50);
    UndoHistory firstHistory;
    UndoHistory secondHistory;
    first.setImage(randomImage(80, 50, 1));
    second.setImage(randomImage(80, 50, 2));
    const QImage firstBefore = first.Image().copy();
    const QImage secondBefore = second.Image().copy();

    firstHistory.takeSnapshot(first, 0, 0, first.Width(), first.Height());
    first.Cls();
    const QImage firstAfter = first.Image().copy();
    secondHistory.takeSnapshot(second, 0, 0, second.Width(), second.Height());
    second.Cls();
    secondHistory.takeSnapshot(second, 0, 0, second.Width(), second.Height());

    secondHistory.undo(second);
    secondHistory.undo(second);
    EXPECT_TRUE(samePixels(second.Image(), secondBefore));
    EXPECT_TRUE(samePixels(first.Image(), firstAfter));
    EXPECT_EQ(firstHistory.undoCount(), 1);
    EXPECT_EQ(firstHistory.redoCount(), 0);
    firstHistory.undo(first);
    EXPECT_TRUE(samePixels(first.Image(), firstBefore));
    EXPECT_EQ(secondHistory.redoCount(), 2);
}

TEST(HistorySteps, AFractionalRectangleKeepsTheColumnOfItsFarEdge)
{
    // From 7 twips (pixel 0) to 7 + 22 = 29 twips (pixel 2, exclusive): a
    // figure's box at fractional pointer positions must undo pixels 0 and 1.
    PictureSurface canvas(10, 10);
    canvas.setImage(randomImage(10, 10, 3));
    const QImage before = canvas.Image().copy();
    UndoHistory history;
    history.takeSnapshot(canvas, 7, 7, 22, 22);
    canvas.Line(0, 0, Twips::fromPixels(5), Twips::fromPixels(5), 0, LineShape::FilledBox);
    history.undo(canvas);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            const bool inside = x < 2 && y < 2;
            EXPECT_EQ(canvas.Image().pixel(x, y) == before.pixel(x, y), inside) << x << ", " << y;
        }
    }
}
