// The one-pass gradient painter against drawing every step with the
// surface's own figures, pixel for pixel, on random boxes, pens and colours.
#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "raster/GradientReference.h"
#include "raster/LineStyle.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <functional>

namespace {

constexpr int Side = 300;

struct Case
{
    GradientBox box;
    GradientRun run;
    double degrees = 0;
    int drawWidth = 1;
    int drawStyle = LineStyle::Solid;
    int drawMode = RasterOp::R2_COPYPEN;
};

// Sizes from 1 to 400 pixels, mostly small (the reference is slow), with
// the corners anywhere in twips and now and then off the surface.
double randomExtent(QRandomGenerator &rng)
{
    switch (rng.bounded(6)) {
    case 0:
        return 1 + rng.bounded(30); // a few twips: less than a pixel
    case 1:
        return px(1);
    case 2:
        return px(1 + rng.bounded(400));
    default:
        return 1 + rng.bounded(px(60));
    }
}

ColourValue randomColour(QRandomGenerator &rng)
{
    // Channels an odd distance apart give halves to round.
    return rng.bounded(3) == 0 ? Colour::fromRgb(rng.bounded(2) ? 182 : 183, 10, 250)
                               : ColourValue(rng.generate() & 0xFFFFFF);
}

Case randomCase(QRandomGenerator &rng, bool thinOnly)
{
    Case c;
    const double w = randomExtent(rng);
    const double h = rng.bounded(5) == 0 ? w : randomExtent(rng);
    const double left = double(rng.bounded(px(Side))) - px(40);
    const double top = double(rng.bounded(px(Side))) - px(40);
    c.box = { left, top, left + w, top + h };
    c.run.start = randomColour(rng);
    c.run.end = randomColour(rng);
    c.run.form = rng.bounded(2) ? GradientForm::TwoWay : GradientForm::OneWay;
    c.run.bandWidth = rng.bounded(3) == 0 ? 0 : double(rng.bounded(px(50)));
    c.run.innermostRadius = rng.bounded(2) ? 1 : 2;
    static const double angles[] = { 0, 90, 45, 135, 30, 150, 89.5, 90.5, 0.25, 179.75 };
    c.degrees = rng.bounded(3) == 0 ? rng.bounded(180.0) : angles[rng.bounded(10)];
    if (!thinOnly) {
        c.drawWidth = rng.bounded(3) == 0 ? 1 + rng.bounded(5) : 1;
        c.drawStyle = rng.bounded(3) == 0 ? LineStyle::InsideSolid : LineStyle::Solid;
    }
    static const int modes[]
        = { RasterOp::R2_COPYPEN, RasterOp::R2_NOTCOPYPEN, RasterOp::R2_BLACK, RasterOp::R2_WHITE };
    c.drawMode = rng.bounded(4) == 0 ? modes[rng.bounded(4)] : RasterOp::R2_COPYPEN;
    return c;
}

void preparePen(PictureSurface &surface, const Case &c)
{
    surface.setDrawWidth(c.drawWidth);
    surface.setDrawStyle(c.drawStyle);
    surface.setDrawMode(c.drawMode);
    surface.setFillStyle(1);
}

using PlanOf = std::function<GradientPlan(const Case &)>;

void expectOnePassMatches(quint32 seed, bool thinOnly, const PlanOf &planOf)
{
    QRandomGenerator rng(seed);
    const QImage background = noiseImage(Side, Side, seed);
    for (int n = 0; n < 200; ++n) {
        const Case c = randomCase(rng, thinOnly);
        const GradientPlan plan = planOf(c);
        PictureSurface reference(Side, Side), fast(Side, Side);
        reference.setImage(background);
        fast.setImage(background);
        preparePen(reference, c);
        preparePen(fast, c);
        ASSERT_TRUE(GradientPainter::paintsInOnePass(fast, plan));
        GradientReference::paint(reference, plan, 0, plan.count());
        GradientPainter::paint(fast, plan);
        ASSERT_EQ(fast.Image(), reference.Image())
            << "case " << n << " box " << c.box.left << "," << c.box.top << " " << c.box.width()
            << "x" << c.box.height() << " band " << c.run.bandWidth << " two-way "
            << (c.run.form == GradientForm::TwoWay) << " degrees " << c.degrees << " width "
            << c.drawWidth << " style " << c.drawStyle << " mode " << c.drawMode;
    }
}

}

TEST(GradientPainterTest, EllipseEqualsStepByStep)
{
    expectOnePassMatches(
        11, false, [](const Case &c) { return GradientPlan::ellipse(c.box, c.run); });
}

TEST(GradientPainterTest, InsideOutRectangleEqualsStepByStep)
{
    expectOnePassMatches(
        12, false, [](const Case &c) { return GradientPlan::insideOutRectangle(c.box, c.run); });
}

TEST(GradientPainterTest, DirectionalRectangleEqualsStepByStep)
{
    expectOnePassMatches(13, true,
        [](const Case &c) { return GradientPlan::directionalRectangle(c.box, c.run, c.degrees); });
}
