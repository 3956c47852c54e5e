// Where figures land: line styles, box extents, ellipse axes and arc angles,
// hatches, and figures cut by the surface's edges.
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

#include <cfenv>
#include <functional>
#include <numbers>
#include <string>

namespace {

constexpr double pi = std::numbers::pi;
constexpr ColourValue White = 0xFFFFFF;
constexpr ColourValue Black = 0;
constexpr ColourValue Red = 0x0000FF;

// Lengths of the alternating on/off runs along row y, from the first lit pixel.
std::vector<int> runsAlongRow(const PictureSurface &s, int y, int from, int to)
{
    std::vector<int> runs;
    bool on = true;
    int length = 0;
    for (int x = from; x <= to; ++x) {
        const bool lit = isColour(s, x, y, Black);
        if (lit == on) {
            ++length;
        } else {
            runs.push_back(length);
            on = lit;
            length = 1;
        }
    }
    runs.push_back(length);
    return runs;
}

}

struct DashCase
{
    int drawStyle;
    std::vector<int> period;
};

class LineStyles : public ::testing::TestWithParam<DashCase>
{ };

TEST_P(LineStyles, DashesHaveTheClassicLengthsAtWidthOne)
{
    PictureSurface s(200, 10);
    s.setDrawStyle(GetParam().drawStyle);
    s.Line(px(0), px(5), px(199), px(5), Black);
    const auto runs = runsAlongRow(s, 5, 0, 199);
    const auto &period = GetParam().period;
    ASSERT_GE(runs.size(), period.size() * 2);
    for (size_t i = 0; i + 1 < runs.size(); ++i)
        EXPECT_EQ(runs[i], period[i % period.size()]) << "run " << i;
}

INSTANTIATE_TEST_SUITE_P(Surface, LineStyles,
    ::testing::Values(DashCase { 1, { 18, 6 } }, DashCase { 2, { 3, 3 } },
        DashCase { 3, { 9, 6, 3, 6 } }, DashCase { 4, { 9, 3, 3, 3, 3, 3 } }));

TEST(SurfaceLines, SolidInvisibleAndWide)
{
    PictureSurface s(60, 30);
    s.Line(px(10), px(5), px(20), px(5), Black);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 11) << "both ends are drawn";

    s.Cls();
    s.setDrawStyle(5);
    s.Line(px(10), px(5), px(50), px(25), Black);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 0);
    EXPECT_EQ(s.CurrentX(), px(50)) << "an invisible line still moves the pen";

    s.Cls();
    s.setDrawStyle(0);
    s.setDrawWidth(3);
    s.Line(px(10), px(10), px(40), px(10), Black);
    for (int y : { 9, 10, 11 })
        EXPECT_TRUE(isColour(s, 25, y, Black)) << y;
    EXPECT_TRUE(isColour(s, 25, 8, White));
    EXPECT_TRUE(isColour(s, 25, 12, White));
    EXPECT_TRUE(isColour(s, 9, 10, Black)) << "round ends reach past the end points";
    EXPECT_TRUE(isColour(s, 41, 10, Black));
}

TEST(SurfaceLines, WideDashesGrowWithTheWidth)
{
    PictureSurface s(300, 20);
    s.setDrawWidth(3);
    s.setDrawStyle(1);
    s.Line(px(0), px(10), px(299), px(10), Black);
    const auto runs = runsAlongRow(s, 10, 0, 299);
    ASSERT_GE(runs.size(), 4u);
    EXPECT_EQ(runs[0], 54);
    EXPECT_EQ(runs[1], 18);
    EXPECT_EQ(runs[2], 54);
}

TEST(SurfaceLines, PenStrokeContinuesTheDashPattern)
{
    // Two segments of one stroke dash exactly like one segment of their length.
    PictureSurface joined(200, 10), whole(200, 10);
    joined.setDrawStyle(3);
    whole.setDrawStyle(3);
    joined.Line(px(0), px(5), px(77), px(5), Black);
    joined.LineTo(px(199), px(5), Black);
    whole.Line(px(0), px(5), px(199), px(5), Black);
    EXPECT_EQ(joined.Image(), whole.Image());
}

TEST(SurfaceLines, AStrokeGoesOnOnlyWithTheSamePen)
{
    // After a pen change LineTo draws what Line draws: a stroke of its own,
    // which in XOR draws the shared corner again.
    struct Change
    {
        const char *name;
        std::function<void(PictureSurface &)> apply;
        ColourValue colour;
    };
    const Change changes[] = {
        { "none", [](PictureSurface &) {}, White },
        { "colour", [](PictureSurface &) {}, Red },
        { "width", [](PictureSurface &s) { s.setDrawWidth(3); }, White },
        { "style", [](PictureSurface &s) { s.setDrawStyle(2); }, White },
        { "draw mode", [](PictureSurface &s) { s.setDrawMode(RasterOp::R2_NOT); }, White },
    };
    for (const Change &c : changes) {
        PictureSurface joined(100, 60), apart(100, 60);
        for (PictureSurface *s : { &joined, &apart }) {
            s->setBackColor(Black);
            s->setDrawMode(RasterOp::R2_XORPEN);
            s->Line(px(10), px(10), px(60), px(10), White);
            c.apply(*s);
        }
        joined.LineTo(px(60), px(50), c.colour);
        apart.Line(px(60), px(10), px(60), px(50), c.colour);
        if (std::string(c.name) == "none")
            EXPECT_NE(joined.Image(), apart.Image()) << "one stroke skips its corner";
        else
            EXPECT_EQ(joined.Image(), apart.Image()) << c.name;
    }
}

TEST(SurfaceBoxes, OutlineExtentsAndInsideSolid)
{
    PictureSurface s(80, 80);
    s.Line(px(50), px(40), px(10), px(20), Black, LineShape::Box);
    EXPECT_TRUE(isColour(s, 10, 20, Black));
    EXPECT_TRUE(isColour(s, 50, 40, Black));
    EXPECT_TRUE(isColour(s, 11, 21, White)) << "transparent inside";
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 2 * 41 + 2 * 19);

    s.Cls();
    s.setDrawWidth(5);
    s.Line(px(10), px(20), px(50), px(40), Black, LineShape::Box);
    EXPECT_TRUE(isColour(s, 8, 18, Black)) << "a centred wide pen reaches outside";
    EXPECT_TRUE(isColour(s, 52, 42, Black));
    EXPECT_TRUE(isColour(s, 53, 43, White));

    s.Cls();
    s.setDrawStyle(6);
    s.Line(px(10), px(20), px(50), px(40), Black, LineShape::Box);
    EXPECT_TRUE(isColour(s, 10, 20, Black));
    EXPECT_TRUE(isColour(s, 14, 24, Black));
    EXPECT_TRUE(isColour(s, 15, 25, White));
    EXPECT_TRUE(isColour(s, 9, 20, White)) << "inside solid stays within the box";
    EXPECT_EQ(countColour(s.Image(), QRect(0, 0, 80, 80), Black),
        countColour(s.Image(), QRect(10, 20, 41, 21), Black));
}

TEST(SurfaceBoxes, FilledBoxUsesTheLineColourAndFillUsesFillColor)
{
    PictureSurface s(60, 60);
    s.setFillColor(Red);
    s.setFillStyle(0);
    s.Line(px(10), px(10), px(20), px(20), Black, LineShape::FilledBox);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 121);

    s.Cls();
    s.Line(px(10), px(10), px(20), px(20), Black, LineShape::Box);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 40);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Red), 81);

    s.Cls();
    s.setDrawStyle(5);
    s.Line(px(10), px(10), px(20), px(20), Black, LineShape::Box);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Red), 121)
        << "no frame: the fill covers the box";
}

struct HatchCase
{
    int fillStyle;
    bool (*paints)(int x, int y);
};

class Hatches : public ::testing::TestWithParam<HatchCase>
{ };

TEST_P(Hatches, PaintOnlyTheirLinesAndLeaveTheRestUntouched)
{
    const QImage before = noiseImage(64, 64, 9);
    PictureSurface s(64, 64);
    s.setImage(before);
    s.setDrawStyle(5); // no outline: the whole box is inside
    s.setFillStyle(GetParam().fillStyle);
    s.setFillColor(Red);
    s.Line(px(8), px(8), px(47), px(47), Black, LineShape::Box);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const bool inside = x >= 8 && x <= 47 && y >= 8 && y <= 47;
            const quint32 want
                = inside && GetParam().paints(x, y) ? Colour::toPixel(Red) : before.pixel(x, y);
            ASSERT_EQ(s.Image().pixel(x, y), want) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(Surface, Hatches,
    ::testing::Values(HatchCase { 2, [](int, int y) { return y % 8 == 0; } },
        HatchCase { 3, [](int x, int) { return x % 8 == 0; } },
        HatchCase { 4, [](int x, int y) { return (x + y) % 8 == 7; } },
        HatchCase { 5, [](int x, int y) { return (x - y) % 8 == 0; } },
        HatchCase { 6, [](int x, int y) { return x % 8 == 0 || y % 8 == 0; } },
        HatchCase { 7, [](int x, int y) { return (x + y) % 8 == 7 || (x - y) % 8 == 0; } },
        HatchCase { 1, [](int, int) { return false; } }));

TEST(SurfaceEllipses, AspectSetsTheShorterAxis)
{
    struct Case
    {
        double aspect;
        int rx, ry;
    };
    for (const Case &c : { Case { 1.0, 20, 20 }, Case { 0.5, 20, 10 }, Case { 2.0, 10, 20 } }) {
        PictureSurface s(100, 100);
        s.Circle(px(50), px(50), px(20), Black, {}, c.aspect);
        EXPECT_TRUE(isColour(s, 50 + c.rx, 50, Black)) << c.aspect;
        EXPECT_TRUE(isColour(s, 50 - c.rx, 50, Black)) << c.aspect;
        EXPECT_TRUE(isColour(s, 50, 50 - c.ry, Black)) << c.aspect;
        EXPECT_TRUE(isColour(s, 50, 50 + c.ry, Black)) << c.aspect;
        EXPECT_TRUE(isColour(s, 51 + c.rx, 50, White)) << c.aspect;
        EXPECT_TRUE(isColour(s, 50, 49 - c.ry, White)) << c.aspect;
        EXPECT_TRUE(isColour(s, 50, 50, White)) << c.aspect;
    }
}

TEST(SurfaceEllipses, ArcsRunCounterClockwiseFromEast)
{
    auto compass = [](double start, double end) {
        PictureSurface s(100, 100);
        s.Circle(px(50), px(50), px(20), Black, ArcAngles { start, end });
        return std::array<bool, 4> { isColour(s, 70, 50, Black), isColour(s, 50, 30, Black),
            isColour(s, 30, 50, Black), isColour(s, 50, 70, Black) };
    };
    using C = std::array<bool, 4>; // east, north, west, south
    EXPECT_EQ(compass(0.1, pi / 2 + 0.1), (C { false, true, false, false }));
    EXPECT_EQ(compass(pi - 0.1, 3 * pi / 2 + 0.1), (C { false, false, true, true }));
    EXPECT_EQ(compass(3 * pi / 2 + 0.1, pi / 2 + 0.1), (C { true, true, false, false }))
        << "an end below the start wraps through east";
    EXPECT_EQ(compass(-0.1 + 2 * pi, 0.1), (C { true, false, false, false }));
}

TEST(SurfaceEllipses, NegativeAnglesDrawRadiiAndCloseASector)
{
    PictureSurface s(100, 100);
    s.setFillStyle(0);
    s.setFillColor(Red);
    s.Circle(px(50), px(50), px(20), Black, ArcAngles { -pi / 2, -pi });
    EXPECT_TRUE(isColour(s, 50, 40, Black)) << "radius to the north";
    EXPECT_TRUE(isColour(s, 40, 50, Black)) << "radius to the west";
    EXPECT_TRUE(isColour(s, 42, 42, Red)) << "the sector is filled";
    EXPECT_TRUE(isColour(s, 58, 58, White));

    PictureSurface open(100, 100);
    open.setFillStyle(0);
    open.setFillColor(Red);
    open.Circle(px(50), px(50), px(20), Black, ArcAngles { -pi / 2, pi });
    EXPECT_TRUE(isColour(open, 50, 40, Black));
    EXPECT_TRUE(isColour(open, 40, 50, White)) << "no radius at the positive end";
    EXPECT_EQ(countColour(open.Image(), open.pixelRect(), Red), 0)
        << "an open figure is not filled";
}

TEST(SurfaceEllipses, EllipseFillAndInsideSolid)
{
    PictureSurface s(100, 100);
    s.setFillStyle(0);
    s.setFillColor(Red);
    s.setDrawWidth(5);
    s.setDrawStyle(6);
    s.Circle(px(50), px(50), px(20), Black);
    EXPECT_TRUE(isColour(s, 70, 50, Black));
    EXPECT_TRUE(isColour(s, 71, 50, White)) << "the wide pen stays inside the radius";
    EXPECT_TRUE(isColour(s, 50, 50, Red));
}

TEST(SurfaceEllipses, TooSmallDrawsNothing)
{
    PictureSurface s(20, 20);
    s.Circle(px(10), px(10), 0, Black);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 0);
}

TEST(SurfaceDots, WideDotsAreRound)
{
    PictureSurface s(30, 30);
    s.setDrawWidth(5);
    s.PSet(px(10), px(10), Black);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), Black), 21);
    EXPECT_TRUE(isColour(s, 12, 10, Black));
    EXPECT_TRUE(isColour(s, 12, 12, White));
    s.setDrawWidth(1);
    s.PSet(px(20), px(20), Red);
    EXPECT_EQ(s.Point(px(20), px(20)), Red);
    EXPECT_EQ(s.Point(px(-1), px(0)), std::nullopt);
    EXPECT_EQ(s.Point(px(30), px(0)), std::nullopt);
}

// A figure cut by an edge matches the same figure drawn on a larger surface.
TEST(SurfaceClipping, FiguresAtEveryEdgeMatchAnUnclippedDrawing)
{
    const int off = 96; // a whole number of hatch cells, so hatches line up
    struct Edge
    {
        const char *name;
        double x, y;
    };
    for (const Edge &e : { Edge { "left", -10, 30 }, Edge { "top", 40, -12 },
             Edge { "right", 75, 30 }, Edge { "bottom", 40, 55 }, Edge { "corner", -8, -8 } }) {
        for (int width : { 1, 4 }) {
            PictureSurface small(80, 60), large(80 + 2 * off, 60 + 2 * off);
            for (auto *s : { &small, &large }) {
                const double o = s == &large ? off : 0;
                s->setDrawWidth(width);
                s->setFillStyle(6);
                s->setFillColor(Red);
                s->setDrawStyle(width == 1 ? 4 : 0);
                s->Line(px(e.x - 20 + o), px(e.y - 15 + o), px(e.x + 20 + o), px(e.y + 15 + o),
                    Black, LineShape::Box);
                s->Circle(px(e.x + o), px(e.y + o), px(14), Black);
                s->Line(
                    px(e.x - 30 + o), px(e.y + 20 + o), px(e.x + 30 + o), px(e.y - 20 + o), Black);
                s->PSet(px(e.x + o), px(e.y + o), Black);
            }
            EXPECT_EQ(small.Image(), large.Image().copy(off, off, 80, 60))
                << e.name << " width " << width;
        }
    }
}

TEST(SurfaceClipping, WildCoordinatesNeverCrash)
{
    PictureSurface s(50, 40);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    s.setDrawWidth(32767);
    s.PSet(1e300, -1e300, Black);
    s.setDrawWidth(3);
    s.Line(-1e12, -1e12, 1e12, 1e12, Black);
    EXPECT_TRUE(isColour(s, 20, 20, Black)) << "a far-reaching line still crosses the surface";
    s.Line(nan, 0, inf, -inf, Black, LineShape::Box);
    s.Line(-1e9, -1e9, 1e9, 1e9, Black, LineShape::FilledBox);
    s.Circle(0, 0, 1e15, Black, ArcAngles { -inf, nan }, nan);
    s.Circle(px(25), px(20), 1e9, Black, {}, 1e-300);
    s.PaintPicture(noiseImage(4, 4, 1), -1e15, 1e15, 1e15, -1e15, -1e15, 0, 1e15, nan);
    s.LineTo(1e300, 1e300);
    EXPECT_FALSE(s.resizePixels(100000, 100000));
    EXPECT_FALSE(s.resizePixels(-1, 10));
    EXPECT_EQ(s.pixelWidth(), 50);

    PictureSurface empty(0, 0);
    empty.Line(0, 0, px(10), px(10), Black, LineShape::Box);
    empty.Circle(0, 0, px(5));
    empty.Print("x");
    empty.PaintPicture(noiseImage(4, 4, 1), 0, 0);
    EXPECT_EQ(empty.Point(0, 0), std::nullopt);
}

TEST(SurfaceClipping, AWideDashedLineGrazingTheCutCornerDrawsNothing)
{
    // A far-reaching line is first cut to the surface widened by the pen; this
    // one only touches that rectangle's corner (x + y = -38 at width 3), so
    // what is left of it has no length and no direction to dash along. Its
    // drawing must not divide by that length (0 / 0 raises FE_INVALID).
    for (int style : { 1, 2, 3, 4 }) {
        PictureSurface s(100, 100);
        const QImage blank = s.Image().copy();
        s.setDrawWidth(3);
        s.setDrawStyle(style);
        std::feclearexcept(FE_ALL_EXCEPT);
        s.Line(px(-5019), px(4981), px(4981), px(-5019), Black);
        EXPECT_FALSE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO)) << "style " << style;
        EXPECT_EQ(s.Image(), blank) << style;
    }
}

TEST(SurfaceEllipses, AnEllipseBetweenTwoCornersFillsTheirBox)
{
    for (const QRect &box : { QRect(QPoint(3, 4), QPoint(10, 9)),
             QRect(QPoint(3, 4), QPoint(11, 20)), QRect(QPoint(0, 0), QPoint(39, 29)) }) {
        PictureSurface s(50, 50);
        const QPointF c = QRectF(box.topLeft(), box.bottomRight()).center();
        const double w = box.width() - 1, h = box.height() - 1;
        s.Circle(px(c.x()), px(c.y()), px(std::max(w, h) / 2), Black, {}, h / w);
        QRect drawn;
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < 50; ++x)
                if (isColour(s, x, y, Black))
                    drawn |= QRect(x, y, 1, 1);
        EXPECT_EQ(drawn, box);
    }
}
