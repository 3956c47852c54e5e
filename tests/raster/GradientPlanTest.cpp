// The gradient figures' loops and colours: where each run starts and ends,
// how halves round, and the corners of the directional kind.
#include "raster/GradientPlan.h"
#include "raster/GradientColour.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const ColourValue Light = Colour::fromRgb(239, 239, 239);
const ColourValue Dark = Colour::fromRgb(127, 127, 127);

GradientRun run(GradientForm form = GradientForm::OneWay, double band = 0)
{
    return GradientRun { Light, Dark, form, band, 1 };
}

}

TEST(GradientPlanTest, ChannelsRoundHalvesToEven)
{
    EXPECT_EQ(GradientColour::mix(Colour::fromRgb(180, 181, 0), Colour::fromRgb(185, 186, 1), 0.5),
        Colour::fromRgb(182, 184, 0));
    EXPECT_EQ(GradientColour::mix(Light, Dark, 749.0 / 1499), Colour::fromRgb(183, 183, 183));
}

TEST(GradientPlanTest, EllipseRingsRunFromTheInnermostToTheOutline)
{
    const GradientPlan plan = GradientPlan::ellipse({ 0, 0, 3000, 1000 }, run());
    ASSERT_EQ(plan.count(), 1500);
    EXPECT_EQ(plan.steps.front().x1, 1);
    EXPECT_EQ(plan.steps.front().colour, Light);
    EXPECT_EQ(plan.steps[749].x1, 750);
    EXPECT_EQ(plan.steps[749].colour, Colour::fromRgb(183, 183, 183));
    EXPECT_EQ(plan.steps.back().x1, 1500);
    EXPECT_EQ(plan.steps.back().colour, Dark);
    EXPECT_DOUBLE_EQ(plan.aspect, 1.0 / 3);

    // A band starts at R - w; one as wide as the radius fills the whole shape.
    EXPECT_EQ(GradientPlan::ellipse({ 0, 0, 3000, 1000 }, run(GradientForm::OneWay, 300))
                  .steps.front()
                  .x1,
        1200);
    EXPECT_EQ(GradientPlan::ellipse({ 0, 0, 3000, 1000 }, run(GradientForm::OneWay, 1500))
                  .steps.front()
                  .x1,
        1);
}

TEST(GradientPlanTest, TwoWayFormsTurnAtTheEndColour)
{
    const GradientPlan rings = GradientPlan::ellipse({ 0, 0, 201, 201 }, run(GradientForm::TwoWay));
    // f = 1, R = 100.5, M = 50.75: the first loop stops at 50, the second
    // starts at 50.75 and its last ring, 99.75, falls short of R.
    EXPECT_EQ(rings.steps.front().colour, Light);
    EXPECT_EQ(rings.steps.back().x1, 99.75);
    const auto turn = std::find_if(rings.steps.begin(), rings.steps.end(),
        [](const GradientPlan::Step &s) { return s.x1 == 50.75; });
    ASSERT_NE(turn, rings.steps.end());
    EXPECT_EQ(turn->colour, Dark);
    EXPECT_EQ((turn - 1)->x1, 50);

    // A whole middle is drawn by both loops.
    const GradientPlan even = GradientPlan::ellipse({ 0, 0, 202, 202 }, run(GradientForm::TwoWay));
    EXPECT_EQ(std::count_if(even.steps.begin(), even.steps.end(),
                  [](const GradientPlan::Step &s) { return s.x1 == 51; }),
        2);
    EXPECT_EQ(even.steps.back().x1, 101);
    EXPECT_EQ(even.steps.back().colour, Light);

    const GradientPlan boxes
        = GradientPlan::insideOutRectangle({ 0, 0, 400, 200 }, run(GradientForm::TwoWay));
    EXPECT_EQ(boxes.steps.front().colour, Light);
    EXPECT_EQ(boxes.steps.back().colour, Light);
    EXPECT_EQ(boxes.steps[100].x1, 100); // the middle of the band
    EXPECT_EQ(boxes.steps[100].colour, Dark);

    const GradientPlan lines
        = GradientPlan::directionalRectangle({ 0, 0, 300, 300 }, run(GradientForm::TwoWay), 45);
    const auto middle = std::find_if(lines.steps.begin(), lines.steps.end(),
        [](const GradientPlan::Step &s) { return s.colour == Dark; });
    EXPECT_NE(middle, lines.steps.end());
    EXPECT_EQ(lines.steps.front().colour, Light);
    EXPECT_EQ(lines.steps.back().colour, Light);
}

TEST(GradientPlanTest, InsideOutRectangleStepsAlongTheLongerSide)
{
    // W = H steps along x, from the centre out to the left edge.
    const GradientPlan square = GradientPlan::insideOutRectangle({ 0, 0, 300, 300 }, run());
    ASSERT_EQ(square.count(), 151);
    EXPECT_EQ(square.steps.front().x1, 150);
    EXPECT_EQ(square.steps[1].x1, 149);
    EXPECT_EQ(square.steps.back().x1, 0);
    EXPECT_EQ(square.steps.back().y1, 300);
    EXPECT_EQ(square.steps.back().x2, 300);
    EXPECT_EQ(square.steps.back().y2, 0);

    // Taller than wide: along y, the band starting w below the top.
    const GradientPlan tall
        = GradientPlan::insideOutRectangle({ 0, 0, 100, 400 }, run(GradientForm::OneWay, 50));
    EXPECT_EQ(tall.steps.front().y1, 50);
    EXPECT_EQ(tall.steps.front().x1, 100 - 12.5);
    EXPECT_EQ(tall.steps.front().y2, 350);
    EXPECT_EQ(tall.steps.back().y1, 0);
}

TEST(GradientPlanTest, DirectionalCornersFollowTheAngle)
{
    const GradientBox box { 75, 75, 525, 375 };
    struct Corners
    {
        double degrees;
        QPointF startCorner, endCorner;
    };
    const Corners cases[] = {
        { 135, { 75, 75 }, { 525, 375 } },
        { 45, { 75, 375 }, { 525, 75 } },
        { 0, { 75, 75 }, { 525, 75 } },
        { 90, { 75, 75 }, { 75, 375 } },
    };
    for (const Corners &c : cases) {
        const GradientPlan plan = GradientPlan::directionalRectangle(box, run(), c.degrees);
        EXPECT_EQ(QPointF(plan.steps.front().x1, plan.steps.front().y1), c.startCorner)
            << c.degrees;
        EXPECT_EQ(plan.steps.front().colour, Light) << c.degrees;
        EXPECT_EQ(plan.steps.back().colour, Dark) << c.degrees;
        const auto &last = plan.steps.back();
        const bool endsAtCorner
            = QPointF(last.x1, last.y1) == c.endCorner || QPointF(last.x2, last.y2) == c.endCorner;
        EXPECT_TRUE(endsAtCorner) << c.degrees;
    }
    // Every segment at 135 degrees runs up and to the right at 45 degrees.
    for (const auto &s : GradientPlan::directionalRectangle(box, run(), 135).steps)
        EXPECT_NEAR(s.x2 - s.x1, s.y1 - s.y2, 1e-9);
}

TEST(GradientPlanTest, DialogEllipseStartsAtRadiusTwo)
{
    // The fill dialog's working rectangle on a 1500 x 900 twip selection.
    GradientRun dialog = run();
    dialog.innermostRadius = 2;
    const GradientPlan plan = GradientPlan::ellipse({ 2, 2, 1500, 900 }, dialog);
    EXPECT_EQ(plan.cx, 751);
    EXPECT_EQ(plan.cy, 451);
    EXPECT_DOUBLE_EQ(plan.aspect, 898.0 / 1498);
    EXPECT_EQ(plan.steps.front().x1, 2);
    EXPECT_EQ(plan.steps.front().colour, Light);
    EXPECT_EQ(plan.steps.back().x1, 749);
    EXPECT_EQ(plan.steps.back().colour, Dark);
}
