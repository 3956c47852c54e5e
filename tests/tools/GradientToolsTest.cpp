// The gradient tools' drag: what the release paints, from which box, and the
// fill style they leave behind.
#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "support/FakeToolHost.h"
#include "support/SurfaceTestUtil.h"
#include "tools/ToolCode.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class GradientHost : public FakeToolHost
{
public:
    GradientRun gradientRun() const override { return run; }
    double gradientAngle() const override { return degrees; }
    GradientRun run;
    double degrees = 0;
};

}

TEST(GradientToolsTest, ReleasePaintsTheGradientOfTheLastDraggedBox)
{
    struct Tool
    {
        int code;
        std::function<GradientPlan(const GradientBox &, const GradientRun &)> plan;
    };
    const Tool tools[] = {
        { ToolCode::GradientEllipse, &GradientPlan::ellipse },
        { ToolCode::GradientRectangleInsideOut, &GradientPlan::insideOutRectangle },
        { ToolCode::GradientRectangle,
            [](const GradientBox &b, const GradientRun &r) {
                return GradientPlan::directionalRectangle(b, r, 45);
            } },
    };
    for (const Tool &t : tools) {
        GradientHost host;
        host.hTool = t.code;
        host.degrees = 45;
        host.run.form = GradientForm::TwoWay;
        CanvasTools canvasTools(host);
        Pointer pointer(canvasTools);
        // Dragged from the lower right up to the left; released elsewhere.
        pointer.press(120, 90);
        pointer.move(20, 10);
        pointer.release(25, 12);

        PictureSurface expected(200, 150);
        expected.setFillStyle(1);
        GradientPainter::paint(expected, t.plan({ px(20), px(10), px(120), px(90) }, host.run));
        EXPECT_EQ(host.surface.Image(), expected.Image()) << t.code;
        EXPECT_EQ(host.surface.FillStyle(), 0) << t.code;
        EXPECT_EQ(host.surface.DrawMode(), 13) << t.code;
        EXPECT_TRUE(host.dataChanged);
        EXPECT_EQ(host.snapshots.size(), 1u);
        EXPECT_FALSE(host.band.isVisible());
    }
}

TEST(GradientToolsTest, ReleaseInLineWithTheAnchorPaintsNothing)
{
    GradientHost host;
    host.hTool = ToolCode::GradientRectangleInsideOut;
    CanvasTools canvasTools(host);
    Pointer pointer(canvasTools);
    const QImage before = host.surface.Image();
    pointer.press(20, 20);
    pointer.move(60, 50);
    pointer.release(60, 20);
    EXPECT_EQ(host.surface.Image(), before);
    EXPECT_TRUE(host.snapshots.empty());
    EXPECT_FALSE(host.dataChanged);
}
