// Line, rectangle and ellipse driven through the canvas handlers: what lands
// on the canvas, in the history and in the rubber band.
#include "support/FakeToolHost.h"
#include "support/SurfaceTestUtil.h"
#include "tools/ToolCode.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourValue White = 0xFFFFFF;

// The picture after drawing `figure` directly, for comparison.
template <typename Draw> QImage expected(const FakeToolHost &host, Draw draw)
{
    PictureSurface s(host.surface.pixelWidth(), host.surface.pixelHeight());
    s.setImage(host.surface.Image());
    s.setDrawMode(host.drawMode);
    draw(s);
    return s.Image();
}

}

TEST(FigureTools, RectangleUndoRestoresTheBoxWidenedByOnePixel)
{
    FakeToolHost host;
    host.hTool = ToolCode::Rectangle;
    const QImage noise = noiseImage(200, 150, 4);
    host.surface.setImage(noise);
    CanvasTools tools(host);
    Pointer(tools).drag(60, 50, 20, 30);
    ASSERT_EQ(host.snapshots.size(), 1u);
    EXPECT_EQ(host.snapshots[0], QRectF(px(19), px(29), px(43), px(23)));
    EXPECT_TRUE(host.dataChanged);
    EXPECT_NE(host.surface.Image(), noise);
    host.history.undo(host.surface);
    EXPECT_EQ(host.surface.Image(), noise);
    EXPECT_EQ(host.figure.hMinX, -1) << "the snapshot starts a new figure box";
}

TEST(FigureTools, WidePensAreUndoneWhole)
{
    FakeToolHost host;
    host.hTool = ToolCode::Rectangle;
    host.surface.setDrawWidth(9);
    const QImage noise = noiseImage(200, 150, 5);
    host.surface.setImage(noise);
    CanvasTools tools(host);
    Pointer(tools).drag(20, 20, 90, 70);
    host.history.undo(host.surface);
    EXPECT_EQ(host.surface.Image(), noise);
}

TEST(FigureTools, TheReleasePointDecidesAndNoRubberBandIsLeft)
{
    FakeToolHost host;
    host.hTool = ToolCode::Line;
    CanvasTools tools(host);
    Pointer p(tools);
    const QImage want = expected(
        host, [&](PictureSurface &s) { s.Line(px(10), px(10), px(150), px(20), host.colour); });
    p.press(10, 10);
    p.move(80, 120);
    p.move(40, 90);
    EXPECT_TRUE(host.band.isVisible());
    EXPECT_EQ(countColour(host.surface.Image(), host.surface.pixelRect(), White), 200 * 150)
        << "dragging leaves the picture alone";
    p.release(150, 20);
    EXPECT_FALSE(host.band.isVisible());
    EXPECT_EQ(host.surface.Image(), want);
}

TEST(FigureTools, TheRubberBandLooksLikeTheXorFigure)
{
    FakeToolHost host;
    host.hTool = ToolCode::Rectangle;
    host.surface.setFillStyle(6);
    host.surface.setFillColor(0x00FF00);
    host.surface.setDrawWidth(3);
    host.surface.setImage(noiseImage(200, 150, 8));
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(30, 20);
    p.move(120, 100);
    QImage shown = host.surface.Image().copy();
    host.band.composeOnto(shown, QPoint(0, 0));
    const QImage xored = expected(host, [](PictureSurface &s) {
        s.setDrawMode(RasterOp::R2_XORPEN);
        s.setFillStyle(6);
        s.setFillColor(0x00FF00);
        s.setDrawWidth(3);
        s.Line(px(30), px(20), px(120), px(100), std::nullopt, LineShape::Box);
    });
    EXPECT_EQ(shown, xored);
    EXPECT_TRUE(
        host.band.region().boundingRect().contains(QRect(QPoint(29, 19), QPoint(121, 101))));
}

TEST(FigureTools, RightPressOnlyMovesTheAnchorAndOpensTheMenu)
{
    for (int code : { 1, 2, 3, 4, 5, 6, 7 }) {
        FakeToolHost host;
        host.hTool = code;
        CanvasTools tools(host);
        Pointer p(tools);
        const QImage before = host.surface.Image().copy();
        p.press(33, 44, Qt::RightButton);
        p.release(33, 44, Qt::RightButton);
        EXPECT_EQ(host.figure.hStartx, px(33)) << code;
        EXPECT_EQ(host.figure.hStarty, px(44)) << code;
        ASSERT_EQ(host.menuAt.size(), 1u) << code;
        EXPECT_TRUE(host.snapshots.empty()) << code;
        EXPECT_FALSE(host.band.isVisible()) << code;
        EXPECT_FALSE(host.dataChanged) << code;
        EXPECT_EQ(host.surface.Image(), before) << code;
    }
}

TEST(FigureTools, BothButtonsHeldIgnoreTheMoves)
{
    FakeToolHost host;
    host.hTool = ToolCode::Line;
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(10, 10);
    p.move(50, 50);
    const QRegion band = host.band.region();
    p.press(50, 50, Qt::RightButton);
    p.move(90, 20);
    EXPECT_EQ(host.figure.hLastX, px(50));
    EXPECT_EQ(host.band.region(), band);
    EXPECT_EQ(host.pointer, "90  20") << "the read-out follows any pointer";
    p.release(90, 20, Qt::RightButton);
    p.move(70, 30);
    EXPECT_EQ(host.figure.hLastX, px(70)) << "the left button alone draws again";
}

TEST(FigureTools, ReleaseOutsideTheCanvasIsClippedAndClamped)
{
    FakeToolHost host;
    host.hTool = ToolCode::Line;
    CanvasTools tools(host);
    Pointer(tools).drag(150, 100, 250, 200);
    ASSERT_EQ(host.snapshots.size(), 1u);
    EXPECT_EQ(host.snapshots[0], QRectF(px(149), px(99), px(200 - 149 + 1), px(150 - 99 + 1)));
    EXPECT_TRUE(isColour(host.surface, 199, 149, host.colour));
}

TEST(FigureTools, ADegenerateEllipseDrawsNothingButMarksTheChange)
{
    FakeToolHost host;
    host.hTool = ToolCode::Ellipse;
    CanvasTools tools(host);
    Pointer(tools).drag(40, 40, 90, 40);
    EXPECT_TRUE(host.dataChanged);
    EXPECT_EQ(host.snapshots.size(), 1u);
    EXPECT_EQ(countColour(host.surface.Image(), host.surface.pixelRect(), White), 200 * 150);

    Pointer(tools).drag(40, 40, 90, 70);
    EXPECT_TRUE(isColour(host.surface, 40, 55, 0))
        << "the ellipse fills the box: ForeColor outline";
    EXPECT_TRUE(isColour(host.surface, 90, 55, 0));
    EXPECT_TRUE(isColour(host.surface, 65, 40, 0));
}

TEST(FigureTools, TheUserDrawModeAppliesAtRelease)
{
    FakeToolHost host;
    host.hTool = ToolCode::Line;
    host.drawMode = RasterOp::R2_XORPEN;
    const QImage noise = noiseImage(200, 150, 6);
    host.surface.setImage(noise);
    CanvasTools tools(host);
    Pointer(tools).drag(5, 5, 100, 100);
    EXPECT_EQ(host.surface.DrawMode(), RasterOp::R2_XORPEN);
    Pointer(tools).drag(5, 5, 100, 100);
    EXPECT_EQ(host.surface.Image(), noise) << "the same line XORed twice";
}

TEST(FigureTools, PointerReadOutInPixels)
{
    EXPECT_EQ(CanvasTools::pointerText(1800, 675), "120  45");
    EXPECT_EQ(CanvasTools::pointerText(-15, 0), "-1  0");
    EXPECT_EQ(CanvasTools::pointerText(1807.5, 7.5), "120.5  0.5");
}

// Every draw mode, and for boxes and ellipses every width, style and fill:
// the tool draws what the surface draws for the same figure, and undo takes
// it all away.
TEST(FigureTools, EveryModeStyleFillAndWidthDrawsAndUndoes)
{
    const QImage noise = noiseImage(120, 90, 12);
    struct Case
    {
        int tool, mode, width, drawStyle, fillStyle;
    };
    std::vector<Case> cases;
    for (int mode = 1; mode <= 16; ++mode)
        cases.push_back({ ToolCode::Line, mode, 1, 0, 1 });
    for (int tool : { ToolCode::Rectangle, ToolCode::Ellipse })
        for (int width : { 1, 4 })
            for (int drawStyle = 0; drawStyle <= 6; ++drawStyle)
                for (int fillStyle : { 0, 1, 5 })
                    cases.push_back({ tool, 7, width, drawStyle, fillStyle });
    for (const Case &c : cases) {
        FakeToolHost host(120, 90);
        host.hTool = c.tool;
        host.drawMode = c.mode;
        host.surface.setImage(noise);
        host.surface.setDrawWidth(c.width);
        host.surface.setDrawStyle(c.drawStyle);
        host.surface.setFillStyle(c.fillStyle);
        host.surface.setFillColor(0x3366CC);
        host.surface.setForeColor(0x00AA00);
        const QImage want = expected(host, [&](PictureSurface &s) {
            s.setDrawWidth(c.width);
            s.setDrawStyle(c.drawStyle);
            s.setFillStyle(c.fillStyle);
            s.setFillColor(0x3366CC);
            s.setForeColor(0x00AA00);
            if (c.tool == ToolCode::Line)
                s.Line(px(10), px(80), px(100), px(15), host.colour);
            else if (c.tool == ToolCode::Rectangle)
                s.Line(px(10), px(80), px(100), px(15), std::nullopt, LineShape::Box);
            else
                s.Circle(px(55), px(47.5), px(45), std::nullopt, std::nullopt, 65.0 / 90.0);
        });
        CanvasTools tools(host);
        Pointer(tools).drag(10, 80, 100, 15);
        const std::string what = "tool " + std::to_string(c.tool) + " mode "
            + std::to_string(c.mode) + " width " + std::to_string(c.width) + " style "
            + std::to_string(c.drawStyle) + " fill " + std::to_string(c.fillStyle);
        ASSERT_EQ(host.surface.Image(), want) << what;
        host.history.undo(host.surface);
        ASSERT_EQ(host.surface.Image(), noise) << what;
    }
}

TEST(FigureTools, ADoubleClickDragIsUndoneWhole)
{
    // The second press of a fast double click arrives as the double click
    // alone: the figure's box must still reach back to the anchor.
    for (int code : { ToolCode::Line, ToolCode::Rectangle, ToolCode::Ellipse }) {
        FakeToolHost host;
        host.hTool = code;
        const QImage noise = noiseImage(200, 150, 13);
        host.surface.setImage(noise);
        CanvasTools tools(host);
        Pointer p(tools);
        p.press(20, 20);
        p.release(20, 20);
        p.doubleClick(20, 20);
        p.move(60, 50);
        p.move(120, 90);
        p.release(120, 90);
        ASSERT_EQ(host.snapshots.size(), 2u) << code;
        EXPECT_TRUE(host.snapshots[1].contains(QRectF(px(20), px(20), px(100), px(70)))) << code;
        EXPECT_NE(host.surface.Image(), noise) << code;
        host.history.undo(host.surface);
        host.history.undo(host.surface);
        EXPECT_EQ(host.surface.Image(), noise) << code;
    }
}

// A right press during a drag pops the Edit menu up, which takes the pointer
// until it closes; the figure under way survives it.
TEST(FigureTools, AReleaseTheMenuSwallowedFinishesTheFigureAtItsLastPoint)
{
    FakeToolHost host;
    host.hTool = ToolCode::Rectangle;
    const QImage before = host.surface.Image().copy();
    const QImage want = expected(host, [](PictureSurface &s) {
        s.Line(px(20), px(20), px(60), px(50), std::nullopt, LineShape::Box);
    });
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(20, 20);
    p.move(60, 50);
    p.press(70, 40, Qt::RightButton);
    ASSERT_EQ(host.menuAt.size(), 1u);
    EXPECT_EQ(host.figure.hStartx, px(70)) << "Paste from the menu goes where it popped up";
    p.move(90, 90);
    p.releaseIntoMenu(Qt::RightButton);
    p.releaseIntoMenu(Qt::LeftButton);
    p.menuCloses();
    EXPECT_EQ(host.surface.Image(), want) << "the box from its own anchor to the last move";
    EXPECT_FALSE(host.band.isVisible());
    EXPECT_TRUE(host.dataChanged);
    ASSERT_EQ(host.snapshots.size(), 1u);
    host.history.undo(host.surface);
    EXPECT_EQ(host.surface.Image(), before);
}

TEST(FigureTools, TheDragGoesOnWhenTheMenuClosesWithTheLeftButtonHeld)
{
    FakeToolHost host;
    host.hTool = ToolCode::Rectangle;
    const QImage want = expected(host, [](PictureSurface &s) {
        s.Line(px(20), px(20), px(90), px(70), std::nullopt, LineShape::Box);
    });
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(20, 20);
    p.move(60, 50);
    p.press(70, 40, Qt::RightButton);
    p.releaseIntoMenu(Qt::RightButton);
    p.menuCloses();
    EXPECT_TRUE(host.band.isVisible());
    EXPECT_TRUE(host.snapshots.empty()) << "nothing is drawn yet";
    p.move(90, 70);
    p.release(90, 70);
    EXPECT_EQ(host.surface.Image(), want);

    // A release lost after the menu closed (outside the canvas): the next
    // press first finishes the figure where it was last seen.
    p.press(10, 10);
    p.move(40, 30);
    p.press(40, 30, Qt::RightButton);
    p.releaseIntoMenu(Qt::RightButton);
    p.menuCloses();
    p.releaseIntoMenu(Qt::LeftButton);
    p.press(150, 100);
    EXPECT_EQ(host.snapshots.size(), 2u);
    EXPECT_TRUE(isColour(host.surface, 40, 20, 0)) << "the box to (40, 30) is drawn";
    EXPECT_EQ(host.figure.hStartx, px(150)) << "and the new figure begins";
}
