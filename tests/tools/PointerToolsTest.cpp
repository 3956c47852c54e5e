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

TEST(Polyline, ANewPolylineFromTheOldEndStartsItsOwnStroke)
{
    // The second polyline begins on the pixel where the first one ended: its
    // dashes start afresh there, as a line of its own would.
    FakeToolHost host(200, 10);
    host.hTool = ToolCode::Polyline;
    host.surface.setDrawStyle(1);
    PictureSurface want(200, 10);
    want.setDrawStyle(1);
    want.Line(px(0), px(5), px(77), px(5), host.colour);
    want.Line(px(77), px(5), px(199), px(5), host.colour);
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(0, 5, 77, 5);
    p.doubleClick(77, 5);
    p.release(77, 5);
    p.drag(77, 5, 199, 5);
    EXPECT_EQ(host.surface.Image(), want.Image());
}

TEST(Polyline, APenChangeBetweenSegmentsStartsANewStroke)
{
    // In XOR the corner shows it: a segment of the same stroke skips the
    // corner pixel; a segment in another colour draws it again.
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    host.drawMode = RasterOp::R2_XORPEN;
    host.surface.setBackColor(0);
    host.colour = 0x0000FF;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 60, 10);
    host.colour = 0x00FF00;
    p.press(60, 60);
    p.release(60, 60);
    EXPECT_TRUE(isColour(host.surface, 60, 10, 0x00FFFF));
    EXPECT_TRUE(isColour(host.surface, 60, 30, 0x00FF00));
}

TEST(Polyline, AnotherToolsStrokeIsNotContinued)
{
    // A freehand stroke ends where the polyline's anchor is; the polyline's
    // next segment is still a stroke of its own.
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    host.drawMode = RasterOp::R2_XORPEN;
    host.surface.setBackColor(0);
    host.colour = 0xFFFFFF;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 60, 10);
    host.hTool = ToolCode::Freehand;
    p.press(60, 100);
    p.move(60, 10);
    p.release(60, 10);
    host.hTool = ToolCode::Polyline;
    p.press(110, 10);
    p.release(110, 10);
    EXPECT_TRUE(isColour(host.surface, 60, 10, 0xFFFFFF)) << "three strokes XOR the corner";
    EXPECT_TRUE(isColour(host.surface, 85, 10, 0xFFFFFF));
}

TEST(Polyline, OnlyALeftDoubleClickEndsIt)
{
    FakeToolHost host;
    host.hTool = ToolCode::Polyline;
    CanvasTools tools(host);
    Pointer p(tools);
    p.drag(10, 10, 50, 10);
    p.press(50, 40, Qt::RightButton);
    p.release(50, 40, Qt::RightButton);
    p.doubleClick(50, 40, Qt::RightButton);
    p.release(50, 40, Qt::RightButton);
    EXPECT_TRUE(host.figure.hPolylineStarted) << "a right double click is two right presses";
    EXPECT_EQ(host.menuAt.size(), 2u) << "each opens the Edit menu";
    p.doubleClick(50, 40, Qt::MiddleButton);
    p.release(50, 40, Qt::MiddleButton);
    EXPECT_TRUE(host.figure.hPolylineStarted);
    p.doubleClick(50, 40);
    p.release(50, 40);
    EXPECT_FALSE(host.figure.hPolylineStarted);
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
