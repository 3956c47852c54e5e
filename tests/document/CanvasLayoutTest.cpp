#include "document/CanvasLayout.h"

#include <gtest/gtest.h>

using namespace CanvasLayout;

TEST(CanvasLayout, HandleDragsStayWithinTheCanvasLimits)
{
    struct Case
    {
        Handle handle;
        double x;
        double y;
        QSizeF expected;
    };
    const QSizeF canvas(3000, 2000);
    const Case cases[] = {
        { Handle::Width, 150, 999, QSizeF(3150, 2000) },
        { Handle::Width, -3000, 0, QSizeF(1, 2000) },
        { Handle::Width, -9000, 0, QSizeF(1, 2000) },
        { Handle::Width, 40000, 0, QSizeF(36035, 2000) },
        { Handle::Height, 999, -15, QSizeF(3000, 1985) },
        { Handle::Height, 0, -2000, QSizeF(3000, 1) },
        { Handle::Height, 0, 40000, QSizeF(3000, 30035) },
        { Handle::Both, 30, 45, QSizeF(3030, 2045) },
        { Handle::Both, -5000, 90000, QSizeF(1, 30035) },
    };
    for (const Case &c : cases)
        EXPECT_EQ(dragged(c.handle, canvas, c.x, c.y), c.expected);
}

TEST(CanvasLayout, HandlesFollowTheCanvasEdges)
{
    const Handles h = handlesFor(QRectF(-300, -60, 1500, 900));
    EXPECT_EQ(h.width, QRectF(1200, -60, 25, 900));
    EXPECT_EQ(h.height, QRectF(-300, 840, 1500, 25));
    EXPECT_EQ(h.both, QRectF(1200, 840, 90, 90));
}

TEST(CanvasLayout, ScrollMaximaReachTheFarEdgeAndKeepTheOffset)
{
    // Inner 6000, bar 255, handle 25: 5720 twips are visible.
    EXPECT_EQ(scrollMaximum(0, 5720, 6000, 255, HandleStrip), 0); // fits exactly
    EXPECT_EQ(scrollMaximum(0, 1000, 6000, 255, HandleStrip), 0); // smaller: never negative
    EXPECT_EQ(scrollMaximum(0, 7720, 6000, 255, HandleStrip), 100);
    EXPECT_EQ(scrollMaximum(0, 5730, 6000, 255, HandleStrip), 0); // 0.5 step rounds to even
    EXPECT_EQ(scrollMaximum(0, 5750, 6000, 255, HandleStrip), 2); // 1.5 steps
    // Scrolled to the bottom, then the window grew: the offset stays reachable.
    EXPECT_EQ(scrollMaximum(-2000, 7720, 9000, 255, HandleStrip), 100);
    EXPECT_EQ(offsetFor(100), -2000);
}

TEST(CanvasLayout, ANewCanvasFillsTheVisibleArea)
{
    EXPECT_EQ(initialCanvas(QSizeF(9000, 6000), 255), QSizeF(8720, 5720));
    EXPECT_EQ(initialCanvas(QSizeF(100, 100), 255), QSizeF(1, 1));
    EXPECT_EQ(scrollBarLength(6000, 255), 5745);
    EXPECT_EQ(scrollBarLength(280, 255), 15);
}
