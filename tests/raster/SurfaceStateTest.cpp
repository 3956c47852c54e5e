// The surface as a persistent picture: background, Picture, size, text and
// the notifications views rely on.
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourValue Blue = 0xFF0000;
constexpr ColourValue Green = 0x00FF00;
constexpr ColourValue Black = 0;

QImage filled(int w, int h, ColourValue c)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Colour::toPixel(c));
    return image;
}

}

TEST(SurfaceState, BackColorErasesTheDrawingButKeepsPicture)
{
    PictureSurface s(20, 20);
    s.setPicture(filled(10, 10, Blue));
    s.Line(0, 0, px(19), px(19), Black);
    s.setBackColor(Green);
    EXPECT_TRUE(isColour(s, 5, 5, Blue)) << "the picture stays";
    EXPECT_TRUE(isColour(s, 15, 15, Green)) << "the drawing is gone";
    EXPECT_TRUE(isColour(s, 15, 5, Green));

    s.Line(0, 0, px(19), px(19), Black);
    s.setCurrentX(px(3));
    s.Cls();
    EXPECT_TRUE(isColour(s, 5, 5, Blue));
    EXPECT_TRUE(isColour(s, 15, 15, Green));
    EXPECT_EQ(s.CurrentX(), 0);
}

TEST(SurfaceState, PictureSizesAnAutoSizingSurfaceAndNotifies)
{
    PictureSurface s(20, 20);
    int pictureChanges = 0, resizes = 0;
    QObject::connect(&s, &PictureSurface::pictureChanged, [&] { ++pictureChanges; });
    QObject::connect(&s, &PictureSurface::resized, [&] { ++resizes; });
    s.setPicture(filled(7, 5, Blue));
    EXPECT_EQ(s.pixelWidth(), 20) << "without AutoSize the size stays";
    EXPECT_EQ(resizes, 0);
    s.setAutoSize(true);
    s.setPicture(filled(7, 5, Blue));
    EXPECT_EQ(s.pixelWidth(), 7);
    EXPECT_EQ(s.ScaleHeight(), px(5));
    EXPECT_EQ(pictureChanges, 2);
    EXPECT_EQ(resizes, 1);
}

TEST(SurfaceState, ResizingKeepsTheTopLeftAndGrowsWithTheBackground)
{
    PictureSurface s(10, 10);
    QRect lastChange;
    QObject::connect(&s, &PictureSurface::changed, [&](const QRect &r) { lastChange = r; });
    s.PSet(px(2), px(2), Black);
    EXPECT_TRUE(lastChange.contains(2, 2));
    EXPECT_LE(lastChange.width(), 8)
        << "a figure reports the pixels near it, not the whole surface";
    s.setBackColor(Green);
    s.PSet(px(2), px(2), Black);
    s.PSet(px(9), px(9), Black);
    EXPECT_TRUE(s.Move(0, 0, px(16), px(12)));
    EXPECT_TRUE(isColour(s, 2, 2, Black));
    EXPECT_TRUE(isColour(s, 9, 9, Black));
    EXPECT_TRUE(isColour(s, 15, 11, Green));
    EXPECT_TRUE(s.resizePixels(5, 5));
    EXPECT_TRUE(isColour(s, 2, 2, Black));
    EXPECT_TRUE(s.resizePixels(10, 10));
    EXPECT_TRUE(isColour(s, 9, 9, Green)) << "a shrink crops for good";
}

TEST(SurfaceState, PrintDrawsTextAtTheCurrentPointOverWhatIsThere)
{
    PictureSurface s(200, 100);
    s.setBackColor(Green);
    QFont font = s.Font();
    font.setPixelSize(20);
    s.setFont(font);
    s.setForeColor(Black);
    s.setCurrentX(px(50));
    s.setCurrentY(px(10));
    s.Print("Hi\nHi");
    const QImage &img = s.Image();
    auto inkIn
        = [&](const QRect &r) { return r.width() * r.height() - countColour(img, r, Green); };
    EXPECT_GT(countColour(img, QRect(50, 10, 40, 26), Black), 10) << "the first line in ForeColor";
    EXPECT_EQ(inkIn(QRect(0, 0, 200, 10)), 0) << "nothing above the current point";
    EXPECT_EQ(inkIn(QRect(0, 0, 48, 30)), 0) << "the first line starts at CurrentX";
    EXPECT_GT(inkIn(QRect(0, 32, 40, 30)), 10) << "the second line starts at the left edge";
    EXPECT_EQ(countColour(img, QRect(0, 0, 200, 100), 0xFFFFFF), 0) << "no background box";
    EXPECT_EQ(s.CurrentX(), 0);
    EXPECT_GT(s.CurrentY(), px(50));
}

TEST(SurfaceState, TextPrintedAgainAtTheSamePlaceChangesNothing)
{
    // A gradient prints its text at every step: the glyphs are aliased, each
    // pixel wholly ForeColor or untouched, so the edges never darken.
    PictureSurface s(240, 60);
    s.setBackColor(Green);
    QFont font = s.Font();
    font.setPixelSize(24);
    s.setFont(font);
    s.setForeColor(Blue);
    const auto printAt = [&s] {
        s.setCurrentX(px(4));
        s.setCurrentY(px(8));
        s.Print(QStringLiteral("Tessara \u6E10\u53D8"));
    };
    printAt();
    const QImage once = s.Image().copy();
    const int ink = countColour(once, once.rect(), Blue);
    EXPECT_GT(ink, 50);
    EXPECT_EQ(ink + countColour(once, once.rect(), Green), once.width() * once.height())
        << "no blended edge pixels";
    for (int k = 0; k < 4; ++k)
        printAt();
    EXPECT_EQ(s.Image(), once);
    EXPECT_EQ(s.Font().styleStrategy(), font.styleStrategy()) << "the font itself is kept";
}
