// Every figure, in every width, style and fill, touches each pixel at most
// once, so drawing it twice with the XOR pen restores the picture exactly.
#include "support/SurfaceTestUtil.h"

#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <functional>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;

struct Figure
{
    const char *name;
    std::function<void(PictureSurface &, ColourValue)> draw;
};

std::vector<Figure> figures()
{
    return {
        { "dot", [](PictureSurface &s, ColourValue c) { s.PSet(px(40), px(30), c); } },
        { "horizontal",
            [](PictureSurface &s, ColourValue c) { s.Line(px(5), px(20), px(90), px(20), c); } },
        { "steep",
            [](PictureSurface &s, ColourValue c) { s.Line(px(30), px(2), px(41), px(77), c); } },
        { "shallow",
            [](PictureSurface &s, ColourValue c) { s.Line(px(95), px(70), px(3), px(50), c); } },
        { "past the edge",
            [](PictureSurface &s, ColourValue c) { s.Line(px(-20), px(10), px(130), px(95), c); } },
        { "zero length",
            [](PictureSurface &s, ColourValue c) { s.Line(px(9), px(9), px(9), px(9), c); } },
        { "box",
            [](PictureSurface &s, ColourValue c) {
                s.Line(px(10), px(12), px(70), px(60), c, LineShape::Box);
            } },
        { "thin box",
            [](PictureSurface &s, ColourValue c) {
                s.Line(px(10), px(12), px(12), px(60), c, LineShape::Box);
            } },
        { "box across the edge",
            [](PictureSurface &s, ColourValue c) {
                s.Line(px(60), px(-5), px(140), px(50), c, LineShape::Box);
            } },
        { "filled box",
            [](PictureSurface &s, ColourValue c) {
                s.Line(px(70), px(60), px(20), px(15), c, LineShape::FilledBox);
            } },
        { "circle", [](PictureSurface &s, ColourValue c) { s.Circle(px(50), px(40), px(25), c); } },
        { "flat ellipse",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(50), px(40), px(40), c, {}, 0.3);
            } },
        { "tall ellipse",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(50), px(40), px(35), c, {}, 3.0);
            } },
        { "arc",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(50), px(40), px(30), c, ArcAngles { 0.3, 2.5 });
            } },
        { "sector",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(50), px(40), px(30), c, ArcAngles { -0.5, -4.0 });
            } },
        { "half-open sector",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(50), px(40), px(30), c, ArcAngles { -pi / 2, pi }, 0.6);
            } },
        { "wide sector",
            [](PictureSurface &s, ColourValue c) {
                s.Circle(px(45), px(45), px(60), c, ArcAngles { -5.5, -1.0 });
            } },
        { "polyline crossing itself",
            [](PictureSurface &s, ColourValue c) {
                s.Line(px(10), px(10), px(80), px(60), c);
                s.LineTo(px(80), px(10), c);
                s.LineTo(px(10), px(60), c);
                s.LineTo(px(10), px(60), c);
                s.LineTo(px(45), px(5), c);
            } },
    };
}

struct Pen
{
    int width;
    int drawStyle;
    int fillStyle;
};

std::vector<Pen> pens()
{
    std::vector<Pen> all;
    for (int width : { 1, 2, 3, 6 })
        for (int drawStyle = 0; drawStyle <= 6; ++drawStyle)
            for (int fillStyle = 0; fillStyle <= 7; ++fillStyle)
                all.push_back({ width, drawStyle, fillStyle });
    return all;
}

void setPen(PictureSurface &s, const Pen &pen, int drawMode, ColourValue fill)
{
    s.setDrawWidth(pen.width);
    s.setDrawStyle(pen.drawStyle);
    s.setFillStyle(pen.fillStyle);
    s.setFillColor(fill);
    s.setDrawMode(drawMode);
}

std::string describe(const Figure &f, const Pen &p)
{
    return std::string(f.name) + " width " + std::to_string(p.width) + " DrawStyle "
        + std::to_string(p.drawStyle) + " FillStyle " + std::to_string(p.fillStyle);
}

}

TEST(SurfaceXor, EveryFigureDrawnTwiceRestoresThePicture)
{
    const QImage before = noiseImage(100, 80, 42);
    QRandomGenerator rng(5);
    for (const Figure &figure : figures()) {
        for (const Pen &pen : pens()) {
            PictureSurface s(100, 80);
            s.setImage(before);
            setPen(s, pen, RasterOp::R2_XORPEN, rng.generate() & 0xFFFFFF);
            const ColourValue colour = rng.generate() & 0xFFFFFF;
            figure.draw(s, colour);
            figure.draw(s, colour);
            ASSERT_EQ(s.Image(), before) << describe(figure, pen);
        }
    }
}

TEST(SurfaceXor, NoFigureTouchesAPixelTwice)
{
    // On black, a white XOR pen shows a pixel touched twice as a black hole;
    // the copy pen shows the figure's pixels however often they are touched.
    for (const Figure &figure : figures()) {
        for (const Pen &pen : pens()) {
            PictureSurface xored(100, 80), copied(100, 80);
            for (auto *s : { &xored, &copied }) {
                s->setBackColor(0);
                setPen(*s, pen, s == &xored ? RasterOp::R2_XORPEN : RasterOp::R2_COPYPEN, 0xFFFFFF);
                figure.draw(*s, 0xFFFFFF);
            }
            ASSERT_EQ(xored.Image(), copied.Image()) << describe(figure, pen);
        }
    }
}
