// Arc bands: the plans' pieces and colours, the arc figure they are drawn
// with, and the one-pass painter against drawing every arc, pixel for pixel.
#include "raster/ArcWedge.h"
#include "raster/GradientPainter.h"
#include "raster/GradientPlan.h"
#include "raster/GradientReference.h"
#include "raster/LineStyle.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <QRandomGenerator>

#include <numbers>

namespace {

constexpr double Pi = std::numbers::pi;
using Kind = GradientPlan::ArcKind;

GradientRun grey(GradientForm form = GradientForm::OneWay, double band = 0)
{
    GradientRun run;
    run.start = 0x000000;
    run.end = 0xFAFAFA;
    run.form = form;
    run.bandWidth = band;
    return run;
}

int channelStep(ColourValue a, ColourValue b)
{
    return std::abs(Colour::red(a) - Colour::red(b));
}

}

TEST(ArcFigure, ArcsThatMeetCoverTheArcAcrossBoth)
{
    // An arc is the outline within its wedge: two arcs meeting at an angle
    // give the pixels of the one arc over both, and a full turn gives the
    // whole ellipse.
    for (double a : { 0.0, 0.7, 2.9, 5.1 }) {
        for (double sweep : { 0.3, 1.9, 4.0 }) {
            const double b = std::fmod(a + sweep / 2, 2 * Pi), c = std::fmod(a + sweep, 2 * Pi);
            PictureSurface two(120, 100), one(120, 100);
            two.setDrawMode(RasterOp::R2_MERGEPEN);
            two.Circle(px(60), px(50) + 4, px(37) + 7, 0x000010, ArcAngles { a, b });
            two.Circle(px(60), px(50) + 4, px(37) + 7, 0x000010, ArcAngles { b, c });
            one.setDrawMode(RasterOp::R2_MERGEPEN);
            one.Circle(px(60), px(50) + 4, px(37) + 7, 0x000010, ArcAngles { a, c });
            EXPECT_EQ(two.Image(), one.Image()) << a << " " << sweep;
        }
    }
    PictureSurface arc(120, 100), ellipse(120, 100);
    arc.Circle(px(60), px(50), px(30), 0, ArcAngles { 1.0, 1.0 }, 0.6);
    ellipse.Circle(px(60), px(50), px(30), 0, std::nullopt, 0.6);
    EXPECT_EQ(arc.Image(), ellipse.Image()) << "equal angles draw the whole outline";
}

TEST(ArcBandPlan, RadialRingsRunTheWholeSweepOutwards)
{
    const GradientPlan plan
        = GradientPlan::arcBand(px(50), px(50), 300, 1.0, 4.0, grey(), Kind::Radial);
    ASSERT_EQ(plan.pieces.size(), 1u);
    EXPECT_EQ(plan.pieces[0].start, 4.0) << "drawn counter-clockwise from the end";
    EXPECT_EQ(plan.pieces[0].end, 1.0);
    EXPECT_EQ(plan.steps.front().x1, 1) << "no band width reaches radius 1";
    EXPECT_EQ(plan.steps.back().x1, 300);
    EXPECT_EQ(plan.colourOf(0), 0x000000u) << "start colour inside";
    EXPECT_EQ(plan.colourOf(plan.count() - 1), 0xFAFAFAu) << "end colour on the radius";

    const GradientPlan band
        = GradientPlan::arcBand(0, 0, 300, 1.0, 4.0, grey(GradientForm::TwoWay, 100), Kind::Radial);
    EXPECT_EQ(band.steps.front().x1, 200);
    EXPECT_EQ(band.steps[50].x1, 250);
    EXPECT_EQ(band.steps[50].colour, 0xFAFAFAu) << "the middle ring has the end colour";
    EXPECT_EQ(band.steps.back().colour, 0x000000u);
}

TEST(ArcBandPlan, AlongTheSweepPiecesAreOneTwipOnTheRadius)
{
    // E = S sweeps a full turn from the fixed radius and back to it.
    const double s = 1.0;
    const GradientPlan full = GradientPlan::arcBand(0, 0, 150, s, s, grey(), Kind::AlongSweep);
    EXPECT_EQ(full.pieces.size(), size_t(std::floor(2 * Pi * 150)) - 1);
    EXPECT_DOUBLE_EQ(full.pieces.front().end, s);
    EXPECT_NEAR(full.pieces.back().start, s, 2.0 / 150);
    EXPECT_EQ(full.pieces.front().colour, 0x000000u);
    EXPECT_GE(Colour::red(full.pieces.back().colour), 0xF0);

    // A sweep across east: no jump in colour where the angle wraps to 2 pi.
    const GradientPlan wrap = GradientPlan::arcBand(0, 0, 90, 0.5, 5.5, grey(), Kind::AlongSweep);
    int widest = 0, acrossEast = -1;
    for (size_t i = 1; i < wrap.pieces.size(); ++i) {
        const int step = channelStep(wrap.pieces[i - 1].colour, wrap.pieces[i].colour);
        if (wrap.pieces[i].end > wrap.pieces[i - 1].end) {
            acrossEast = step;
            EXPECT_EQ(wrap.pieces[i].end, 2 * Pi);
            EXPECT_GE(wrap.pieces[i - 1].start, 0);
            EXPECT_LT(wrap.pieces[i - 1].start, 1.0 / 90);
        } else {
            widest = std::max(widest, step);
        }
    }
    EXPECT_GE(acrossEast, 0) << "the sweep passes east";
    EXPECT_LE(acrossEast, widest);
    EXPECT_GE(wrap.pieces.back().start, 5.5);

    // Two ways: the colour turns at the sweep's middle.
    const GradientPlan twoWay
        = GradientPlan::arcBand(0, 0, 90, 3.0, 1.0, grey(GradientForm::TwoWay), Kind::AlongSweep);
    int darkest = 0;
    for (size_t i = 0; i < twoWay.pieces.size(); ++i)
        if (twoWay.pieces[i].colour > twoWay.pieces[size_t(darkest)].colour)
            darkest = int(i);
    EXPECT_NEAR(twoWay.pieces[size_t(darkest)].end, 2.0, 2.0 / 90);
    EXPECT_GE(Colour::red(twoWay.pieces[size_t(darkest)].colour), 0xF8);

    EXPECT_TRUE(GradientPlan::arcBand(0, 0, 90, 1.0, 1.0 - 0.5 / 90, grey(), Kind::AlongSweep)
                    .pieces.empty())
        << "a sweep shorter than one piece paints nothing";
}

namespace {

struct ArcCase
{
    double cx, cy, radius, start, end;
    GradientRun run;
    Kind kind;
    int drawWidth, drawStyle, drawMode;
    int begin = 0, end_ = -1;
};

double randomAngle(QRandomGenerator &rng)
{
    switch (rng.bounded(6)) {
    case 0:
        return 0;
    case 1:
        return Pi / 2 * rng.bounded(4);
    default:
        return rng.generateDouble() * 2 * Pi;
    }
}

ArcCase randomArcCase(QRandomGenerator &rng, Kind kind)
{
    ArcCase c {};
    c.kind = kind;
    // Along the sweep the reference draws (2 pi r) x r arcs: small radii.
    const double largest = kind == Kind::Radial ? px(150) : px(7);
    c.radius = 1 + rng.bounded(int(largest));
    c.cx = rng.bounded(px(120)) - px(10);
    c.cy = rng.bounded(px(100)) - px(10);
    c.start = randomAngle(rng);
    c.end = rng.bounded(6) == 0 ? c.start : randomAngle(rng);
    c.run.start = rng.bounded(3) == 0 ? Colour::fromRgb(183, 0, 7) : (rng.generate() & 0xFFFFFF);
    c.run.end = rng.generate() & 0xFFFFFF;
    c.run.form = rng.bounded(2) ? GradientForm::OneWay : GradientForm::TwoWay;
    c.run.bandWidth = rng.bounded(3) == 0 ? 0 : rng.bounded(int(c.radius) + 20);
    c.drawWidth = rng.bounded(4) == 0 ? 1 + rng.bounded(4) : 1;
    c.drawStyle = rng.bounded(4) == 0 ? LineStyle::InsideSolid : LineStyle::Solid;
    const int modes[] = { RasterOp::R2_COPYPEN, RasterOp::R2_NOTCOPYPEN, RasterOp::R2_BLACK };
    c.drawMode = modes[rng.bounded(3)];
    return c;
}

void expectSamePixels(const ArcCase &c, int index)
{
    const GradientPlan plan
        = GradientPlan::arcBand(c.cx, c.cy, c.radius, c.start, c.end, c.run, c.kind);
    PictureSurface fast(120, 100), reference(120, 100);
    const QImage noise = noiseImage(120, 100, quint32(index));
    for (PictureSurface *s : { &fast, &reference }) {
        s->setImage(noise);
        s->setDrawWidth(c.drawWidth);
        s->setDrawStyle(c.drawStyle);
        s->setDrawMode(c.drawMode);
    }
    // Every fifth case paints a block of steps that starts and ends inside pieces.
    int begin = 0, end = plan.count();
    if (index % 5 == 0 && end > 2) {
        begin = int(QRandomGenerator(quint32(index)).bounded(end / 2));
        end = begin + 1 + int(QRandomGenerator(quint32(index + 1)).bounded(end - begin - 1));
    }
    GradientPainter::paint(fast, plan, begin, end);
    GradientReference::paint(reference, plan, begin, end);
    ASSERT_EQ(fast.Image(), reference.Image())
        << "case " << index << ": centre " << c.cx << "," << c.cy << " r " << c.radius << " from "
        << c.start << " to " << c.end << " band " << c.run.bandWidth << " width " << c.drawWidth
        << " style " << c.drawStyle << " steps " << begin << ".." << end;
}

}

TEST(ArcGradientPainter, RadialEqualsArcByArc)
{
    QRandomGenerator rng(11);
    for (int i = 0; i < 200; ++i)
        expectSamePixels(randomArcCase(rng, Kind::Radial), i);
}

TEST(ArcGradientPainter, AlongTheSweepEqualsArcByArc)
{
    QRandomGenerator rng(14);
    for (int i = 0; i < 200; ++i)
        expectSamePixels(randomArcCase(rng, Kind::AlongSweep), i);
}
