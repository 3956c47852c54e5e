// Polyline, freehand and star points through the canvas handlers.
#include "support/FakeToolHost.h"
#include "support/SurfaceTestUtil.h"
#include "tools/ToolCode.h"

#include <gtest/gtest.h>

TEST(Polyline, SegmentsJoinAndAreUndoneTogether)
{
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    const QImage blank = host.surface.Image().copy();
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 80, 40); // A to B
    p.press(120, 90); // C, without moving
    p.release(120, 90);
    EXPECT_EQ(host.snapshots.size(), 1u) << "one snapshot for the whole polyline";
    EXPECT_TRUE(isColour(host.surface, 10, 10, host.colour));
    EXPECT_TRUE(isColour(host.surface, 80, 40, host.colour));
    EXPECT_TRUE(isColour(host.surface, 100, 65, host.colour)) << "B to C";
    EXPECT_TRUE(isColour(host.surface, 120, 90, host.colour));
    host.history.undo(host.surface);
    EXPECT_EQ(host.surface.Image(), blank);
}

TEST(Polyline, DoubleClickEndsItAndTheNextPressStartsAnew)
{
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 50, 10);
    p.press(50, 40);
    p.release(50, 40);
    p.doubleClick(50, 40);
    p.release(50, 40);
    EXPECT_FALSE(host.figure.hPolylineStarted);
    EXPECT_FALSE(host.band.isVisible());
    EXPECT_TRUE(isColour(host.surface, 50, 40, host.colour))
        << "the last segment ends at the double click";
    p.drag(150, 100, 180, 100);
    EXPECT_EQ(host.snapshots.size(), 2u);
    EXPECT_TRUE(isColour(host.surface, 150, 100, host.colour));
    EXPECT_TRUE(isColour(host.surface, 100, 70, 0xFFFFFF)) << "no segment from the old end";
}

TEST(Polyline, XorCornersAreDrawnOnce)
{
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    host.drawMode = RasterOp::R2_XORPEN;
    host.surface.setBackColor(0);
    host.colour = 0xFFFFFF;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 60, 10);
    p.press(60, 60);
    p.release(60, 60);
    p.doubleClick(60, 60);
    p.release(60, 60);
    EXPECT_TRUE(isColour(host.surface, 60, 10, 0xFFFFFF)) << "the corner is not XORed away";
    EXPECT_TRUE(isColour(host.surface, 60, 60, 0xFFFFFF)) << "nor the end";
}

TEST(Polyline, AnotherToolMovesTheAnchor)
{
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 40, 10);
    host.hTool = ToolCode::Line;
    p.drag(100, 20, 100, 120); // P to Q
    host.hTool = ToolCode::Polyline;
    p.press(180, 20); // R
    ASSERT_TRUE(host.band.isVisible());
    const QRect band = host.band.region().boundingRect();
    EXPECT_TRUE(band.contains(QPoint(100, 20))) << "the rubber band runs from the line's anchor P";
    EXPECT_FALSE(band.contains(QPoint(100, 120)));
    EXPECT_TRUE(band.contains(QPoint(180, 20)));
    EXPECT_FALSE(band.contains(QPoint(40, 10)));
}

TEST(Freehand, AStrokeIsAChainOfSegmentsAndOneUndoStep)
{
    FakeToolHost host;
    host.hTool = ToolCode::Freehand;
    host.drawMode = RasterOp::R2_XORPEN;
    host.surface.setBackColor(0);
    host.colour = 0xFFFFFF;
    const QImage blank = host.surface.Image().copy();
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(10, 10);
    EXPECT_EQ(host.snapshots.size(), 1u);
    EXPECT_EQ(host.surface.Image(), blank) << "a press draws nothing";
    p.move(60, 10);
    p.move(60, 60);
    p.move(10, 10);
    p.release(10, 10);
    EXPECT_TRUE(host.dataChanged);
    EXPECT_TRUE(isColour(host.surface, 35, 10, 0xFFFFFF));
    EXPECT_TRUE(isColour(host.surface, 60, 35, 0xFFFFFF));
    EXPECT_TRUE(isColour(host.surface, 60, 10, 0xFFFFFF)) << "joints are drawn once, even in XOR";
    EXPECT_TRUE(isColour(host.surface, 10, 10, 0xFFFFFF));
    host.history.undo(host.surface);
    EXPECT_EQ(host.surface.Image(), blank);
}

TEST(Freehand, APressWithoutMovingStillCounts)
{
    FakeToolHost host;
    host.hTool = ToolCode::Freehand;
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(10, 10);
    p.release(10, 10);
    EXPECT_EQ(host.snapshots.size(), 1u);
    EXPECT_TRUE(host.dataChanged);
    EXPECT_EQ(countColour(host.surface.Image(), host.surface.pixelRect(), 0xFFFFFF), 200 * 150);
}

TEST(StarPoints, WideDotsAtTheMovePointsOnly)
{
    FakeToolHost host;
    host.hTool = ToolCode::StarPoints;
    host.surface.setDrawWidth(5);
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(10, 10);
    p.move(30, 10);
    p.move(60, 10);
    p.release(90, 10);
    EXPECT_EQ(countColour(host.surface.Image(), host.surface.pixelRect(), host.colour), 2 * 21);
    EXPECT_TRUE(isColour(host.surface, 30, 12, host.colour));
    EXPECT_TRUE(isColour(host.surface, 45, 10, 0xFFFFFF)) << "separate dots, not a line";
    EXPECT_TRUE(isColour(host.surface, 10, 10, 0xFFFFFF)) << "no dot at the press";
    EXPECT_TRUE(isColour(host.surface, 90, 10, 0xFFFFFF)) << "nor at the release";
    EXPECT_EQ(host.snapshots.size(), 1u);
}
