// The two-phase arc, sector and gradient arc tools: the angle table, the
// read-outs, the radius guide, and what the release paints.
#include "document/Document.h"
#include "document/RadiusGuide.h"
#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "support/FakeToolHost.h"
#include "support/SurfaceTestUtil.h"
#include "tools/GradientOptions.h"
#include "tools/PolarAngles.h"
#include "tools/ToolCode.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double Pi = 4 * std::atan(1.0);

struct ArcHost : FakeToolHost
{
    explicit ArcHost(int code)
        : FakeToolHost(200, 200)
    {
        hTool = code;
    }
};

// Radius from (cx, cy) to (rx, ry), then a sweep to (ex, ey); pixels.
// The first drag of every arc tool: from the centre out to the radius.
void dragRadius(Pointer &p, double cx, double cy, double rx, double ry)
{
    p.press(cx, cy);
    p.move(rx, ry);
    p.release(rx, ry);
}

void drawArc(Pointer &p, double cx, double cy, double rx, double ry, double ex, double ey)
{
    dragRadius(p, cx, cy, rx, ry);
    p.press(ex, ey);
    p.move(ex, ey);
    p.release(ex, ey);
}

}

TEST(PolarAngles, EveryRowOfTheTable)
{
    const struct
    {
        double dx, dy, angle;
    } rows[] = {
        { 0, 5, 3 * Pi / 2 }, // straight down
        { 0, -5, Pi / 2 }, // straight up
        { 3, 3, 2 * Pi - Pi / 4 }, // lower right
        { -3, -3, 3 * Pi / 4 }, // upper left
        { -3, 0, Pi }, // left
        { 3, -3, Pi / 4 }, // upper right
        { 3, 0, 0 }, // right
        { -3, 3, 5 * Pi / 4 }, // lower left
        { 0, 0, 0 }, // the centre
    };
    for (const auto &r : rows)
        EXPECT_NEAR(PolarAngles::polar(r.dx, r.dy), r.angle, 1e-12) << r.dx << "," << r.dy;
    EXPECT_EQ(PolarAngles::polar(0, 7), 3 * Pi / 2) << "no division by zero";
    EXPECT_EQ(PolarAngles::text(PolarAngles::degrees(PolarAngles::polar(0, -4))), "90");
    EXPECT_EQ(PolarAngles::text(PolarAngles::degrees(PolarAngles::polar(0, 4))), "270");
    EXPECT_EQ(PolarAngles::text(PolarAngles::degrees(PolarAngles::polar(3, -1))), "18.43");
}

TEST(ArcTools, SweepReadOutIsClockwiseFromTheRadius)
{
    struct Case
    {
        double rx, ry, ex, ey;
        QString shown;
    } cases[] = {
        { 100, 60, 140, 100, "90" }, // radius north, pointer east: a quarter
        { 140, 100, 100, 60, "270" }, // radius east, pointer north: three quarters
        { 140, 100, 150, 100, "360" }, // the same direction: a full turn
    };
    for (const Case &c : cases) {
        ArcHost host(ToolCode::Arc);
        CanvasTools tools(host);
        Pointer p(tools);
        dragRadius(p, 100, 100, c.rx, c.ry);
        p.press(c.ex, c.ey);
        p.move(c.ex, c.ey);
        EXPECT_EQ(host.labelC, c.shown);
        EXPECT_TRUE(host.shapeC);
        p.release(c.ex, c.ey);
        EXPECT_EQ(host.labelC, "") << "cleared when the figure is drawn";
        EXPECT_FALSE(host.shapeC);
    }
}

TEST(ArcTools, RadiusPhaseShowsTheBlinkingGuideAndItsAngle)
{
    ArcHost host(ToolCode::Sector);
    CanvasTools tools(host);
    Pointer p(tools);
    int canvasChanges = 0;
    QObject::connect(&host.surface, &PictureSurface::changed, [&] { ++canvasChanges; });
    p.press(100, 100);
    EXPECT_TRUE(host.guide.blinking()) << "Timer2 enabled";
    EXPECT_TRUE(host.guide.line1Visible());
    EXPECT_FALSE(host.guide.line2Visible());
    p.move(100, 150);
    EXPECT_EQ(host.labelC, "270");
    EXPECT_EQ(host.labelCTag, "270");
    p.release(100, 150);
    EXPECT_TRUE(host.radiusFixed.value_or(false));
    EXPECT_TRUE(host.guide.blinking()) << "the guide keeps blinking";

    // A tick swaps the lines and names only the line's pixels.
    std::vector<QRegion> repainted;
    QObject::connect(
        &host.guide, &RadiusGuide::changed, [&](const QRegion &r) { repainted.push_back(r); });
    host.guide.blink();
    EXPECT_FALSE(host.guide.line1Visible());
    EXPECT_TRUE(host.guide.line2Visible());
    ASSERT_EQ(repainted.size(), 1u);
    EXPECT_EQ(repainted[0], QRegion(100, 100, 1, 51)) << "only the line's pixels";
    EXPECT_EQ(canvasChanges, 0) << "the picture holds no guide";
    QImage shown = host.surface.Image().copy();
    host.guide.composeOnto(shown, QPoint());
    EXPECT_EQ(shown.pixel(100, 120), 0xFFFFFFFFu) << "Line2 is white";
    host.guide.blink();
    shown = host.surface.Image().copy();
    host.guide.composeOnto(shown, QPoint());
    EXPECT_EQ(shown.pixel(100, 120), 0xFF000000u) << "Line1 is black";

    // The sweep press hides the guide and stops the timer.
    p.press(150, 100);
    EXPECT_FALSE(host.guide.blinking());
    EXPECT_FALSE(host.guide.line1Visible() || host.guide.line2Visible());
    EXPECT_EQ(host.labelC, "270") << "the sector shows the sweep (south to east) on press";
}

TEST(ArcTools, ZeroRadiusIsNotAccepted)
{
    ArcHost host(ToolCode::Arc);
    CanvasTools tools(host);
    Pointer p(tools);
    p.press(80, 80);
    p.release(80, 80);
    EXPECT_FALSE(host.radiusFixed.value_or(false));
    EXPECT_FALSE(host.guide.blinking());
    EXPECT_FALSE(host.guide.line1Visible());
    p.press(50, 50);
    EXPECT_TRUE(host.guide.blinking()) << "the next press starts a new radius";
    EXPECT_EQ(host.guide.first(), QPointF(px(50), px(50)));
}

TEST(ArcTools, ReleasePaintsTheFigureAndTakesTheCircleForUndo)
{
    // Radius due east, pointer due north: three quarters, no radius lines.
    ArcHost arc(ToolCode::Arc);
    CanvasTools arcTools(arc);
    Pointer a(arcTools);
    drawArc(a, 100, 100, 140, 100, 100, 60);
    EXPECT_TRUE(isColour(arc.surface, 100, 140, arc.colour)) << "south is swept";
    EXPECT_TRUE(isColour(arc.surface, 60, 100, arc.colour)) << "west is swept";
    EXPECT_TRUE(isColour(arc.surface, 140, 100, arc.colour));
    EXPECT_TRUE(isColour(arc.surface, 128, 72, 0xFFFFFF)) << "the north-east quarter is not";
    EXPECT_TRUE(isColour(arc.surface, 120, 100, 0xFFFFFF)) << "no radius line on the arc";
    EXPECT_FALSE(arc.band.isVisible());
    ASSERT_EQ(arc.snapshots.size(), 1u);
    EXPECT_EQ(arc.snapshots[0], QRectF(px(59), px(59), px(83), px(83)));
    EXPECT_FALSE(arc.radiusFixed.value_or(false));
    EXPECT_TRUE(arc.dataChanged);

    // Radius due east (angle 0) for a sector: its start edge is drawn.
    ArcHost sector(ToolCode::Sector);
    sector.surface.setForeColor(0x000000);
    sector.surface.setFillStyle(0);
    sector.surface.setFillColor(0xFF0000);
    CanvasTools sectorTools(sector);
    Pointer s(sectorTools);
    drawArc(s, 100, 100, 140, 100, 100, 140);
    EXPECT_TRUE(isColour(sector.surface, 120, 100, 0x000000)) << "the radius due east";
    EXPECT_TRUE(isColour(sector.surface, 100, 120, 0x000000)) << "the radius due south";
    EXPECT_TRUE(isColour(sector.surface, 115, 115, 0xFF0000)) << "filled clockwise east to south";
    EXPECT_TRUE(isColour(sector.surface, 85, 85, 0xFFFFFF));

    // The same direction: a complete circle, not an empty arc.
    ArcHost full(ToolCode::Arc);
    CanvasTools fullTools(full);
    Pointer f(fullTools);
    drawArc(f, 100, 100, 100, 70, 100, 50);
    for (QPoint at : { QPoint(130, 100), QPoint(70, 100), QPoint(100, 130), QPoint(100, 70) })
        EXPECT_TRUE(isColour(full.surface, at.x(), at.y(), full.colour)) << at.x() << "," << at.y();
}

TEST(ArcTools, PreviewShowsTheMovingRadius)
{
    ArcHost host(ToolCode::Arc);
    CanvasTools tools(host);
    Pointer p(tools);
    dragRadius(p, 100, 100, 100, 60);
    p.press(140, 100);
    p.move(140, 100);
    ASSERT_TRUE(host.band.isVisible());
    QImage shown = host.surface.Image().copy();
    host.band.composeOnto(shown, QPoint());
    EXPECT_NE(shown.pixel(120, 100), 0xFFFFFFFFu) << "the moving end's radius";
    EXPECT_EQ(shown.pixel(100, 80), 0xFFFFFFFFu) << "not the fixed one";
    EXPECT_EQ(host.surface.Image().pixel(120, 100), 0xFFFFFFFFu) << "the preview is an overlay";
}

TEST(ArcTools, GradientArcPaintsTheSelectedKind)
{
    const struct
    {
        int option;
        GradientPlan::ArcKind kind;
        GradientForm form;
    } kinds[] = {
        { GradientOptions::DanJing, GradientPlan::ArcKind::Radial, GradientForm::OneWay },
        { GradientOptions::ShuangJing, GradientPlan::ArcKind::Radial, GradientForm::TwoWay },
        { GradientOptions::DanZong, GradientPlan::ArcKind::AlongSweep, GradientForm::OneWay },
        { GradientOptions::ShuangZong, GradientPlan::ArcKind::AlongSweep, GradientForm::TwoWay },
    };
    for (const auto &k : kinds) {
        ArcHost host(ToolCode::GradientArcSector);
        host.option = k.option;
        host.run.start = 0x102030;
        host.run.end = 0xF0E0D0;
        host.run.bandWidth = 60;
        CanvasTools tools(host);
        Pointer p(tools);
        drawArc(p, 100, 100, 100, 80, 80, 100);

        PictureSurface expected(200, 200);
        GradientRun run = host.run;
        run.form = k.form;
        GradientPainter::paint(
            expected, GradientPlan::arcBand(px(100), px(100), px(20), Pi / 2, Pi, run, k.kind));
        EXPECT_EQ(host.surface.Image(), expected.Image()) << k.option;
    }
}

TEST(ArcTools, SwitchingAmongTheArcToolsKeepsTheRadius)
{
    ArcHost host(ToolCode::Arc);
    CanvasTools tools(host);
    Pointer p(tools);
    dragRadius(p, 100, 100, 100, 60);
    host.hTool = ToolCode::Sector;
    p.press(140, 100);
    p.move(140, 100);
    p.release(140, 100);
    EXPECT_TRUE(isColour(host.surface, 100, 80, 0)) << "a sector from the arc's radius";
}

TEST(RadiusCancel, DocumentHidesTheGuideAndStopsBlinking)
{
    Document d;
    std::vector<bool> blinking;
    QObject::connect(
        &d.radiusGuide(), &RadiusGuide::blinkingChanged, [&](bool on) { blinking.push_back(on); });
    d.radiusGuide().start(QPointF(30, 30));
    d.radiusGuide().setSecond(QPointF(300, 30));
    d.hBanJingOk = true;
    EXPECT_TRUE(d.cancelRadius());
    EXPECT_FALSE(d.radiusGuide().blinking());
    EXPECT_FALSE(d.radiusGuide().line1Visible() || d.radiusGuide().line2Visible());
    EXPECT_EQ(blinking, (std::vector<bool> { true, false }));
    EXPECT_FALSE(d.cancelRadius()) << "nothing fixed, nothing to do";
}
