// PaintPicture: same-size, stretched, shrunk, mirrored and clipped copies.
#include "support/SurfaceTestUtil.h"

#include "raster/LargeImageMemory.h"

#include <gtest/gtest.h>

namespace {

QImage numbered(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | quint32(y * 256 + x + 1));
    return image;
}

quint32 at(const PictureSurface &s, int x, int y)
{
    return s.Image().pixel(x, y);
}

}

TEST(PaintPicture, SameSizeCopyAndOffset)
{
    const QImage src = numbered(5, 4);
    PictureSurface s(20, 20);
    s.PaintPicture(src, px(3), px(2), px(5), px(4), 0, 0, px(5), px(4));
    EXPECT_EQ(s.Image().copy(3, 2, 5, 4), src);
    EXPECT_EQ(at(s, 2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(at(s, 8, 2), 0xFFFFFFFFu);
}

TEST(PaintPicture, StretchRepeatsAndShrinkSamplesCentres)
{
    const QImage src = numbered(4, 3);
    PictureSurface big(8, 6);
    big.PaintPicture(src, 0, 0, px(8), px(6), 0, 0, px(4), px(3));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(at(big, x, y), src.pixel(x / 2, y / 2)) << x << "," << y;

    const QImage wide = numbered(8, 2);
    PictureSurface small(4, 2);
    small.PaintPicture(wide, 0, 0, px(4), px(2), 0, 0, px(8), px(2));
    for (int x = 0; x < 4; ++x)
        EXPECT_EQ(at(small, x, 0), wide.pixel(2 * x + 1, 0));
}

TEST(PaintPicture, NegativeExtentsMirror)
{
    const QImage src = numbered(4, 3);
    PictureSurface h(4, 3), v(4, 3), both(4, 3);
    h.PaintPicture(src, 0, 0, px(4), px(3), px(4), 0, px(-4), px(3));
    v.PaintPicture(src, 0, 0, px(4), px(3), 0, px(3), px(4), px(-3));
    both.PaintPicture(src, px(4), px(3), px(-4), px(-3), 0, 0, px(4), px(3));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            EXPECT_EQ(at(h, x, y), src.pixel(3 - x, y));
            EXPECT_EQ(at(v, x, y), src.pixel(x, 2 - y));
            EXPECT_EQ(at(both, x, y), src.pixel(3 - x, 2 - y));
        }
}

TEST(PaintPicture, ClippedAtTheSurfaceAndTheSource)
{
    const QImage src = numbered(6, 6);
    PictureSurface s(10, 10);
    s.PaintPicture(src, px(-2), px(7), px(6), px(6), 0, 0, px(6), px(6));
    EXPECT_EQ(at(s, 0, 7), src.pixel(2, 0));
    EXPECT_EQ(at(s, 3, 9), src.pixel(5, 2));

    PictureSurface t(10, 10);
    t.PaintPicture(src, 0, 0, px(6), px(6), px(3), px(3), px(6), px(6));
    EXPECT_EQ(at(t, 0, 0), src.pixel(3, 3));
    EXPECT_EQ(at(t, 2, 2), src.pixel(5, 5));
    EXPECT_EQ(at(t, 3, 3), 0xFFFFFFFFu) << "beyond the source nothing is painted";
}

TEST(PaintPicture, FromItselfReadsThePixelsAsTheyWere)
{
    PictureSurface s(8, 1);
    s.setImage(numbered(8, 1));
    const QImage before = s.Image().copy();
    s.PaintPicture(s.Image(), px(1), 0, px(7), px(1), 0, 0, px(7), px(1));
    for (int x = 1; x < 8; ++x)
        EXPECT_EQ(at(s, x, 0), before.pixel(x - 1, 0));
}

TEST(PaintPicture, OperationsCombineWithTheDestination)
{
    const QImage src = noiseImage(16, 16, 1);
    const QImage dst = noiseImage(16, 16, 2);
    PictureSurface s(16, 16);
    s.setImage(dst);
    s.PaintPicture(src, 0, 0, RasterOp::SRCINVERT);
    s.PaintPicture(src, 0, 0, RasterOp::SRCINVERT);
    EXPECT_EQ(s.Image(), dst) << "SRCINVERT twice restores";

    s.PaintPicture(s.Image(), 0, 0, RasterOp::SRCINVERT);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), 0), 256)
        << "equal source and destination give black";

    s.setFillColor(0x00FF00);
    s.PaintPicture(src, 0, 0, RasterOp::PATCOPY);
    EXPECT_EQ(countColour(s.Image(), s.pixelRect(), 0x00FF00), 256) << "the pattern is FillColor";
}

// A surface whose pixels are shared (an undo step or a selection holds them)
// paints into a fresh image row by row: the result equals painting in place,
// and the other holder keeps the pixels it had. A canvas-sized surface gets
// its fresh image from reused memory, left dirty here, so every pixel of it
// must be written.
TEST(PaintPicture, SharedPixelsPaintLikeUnsharedOnes)
{
    const QImage src = noiseImage(23, 17, 3);
    struct Case
    {
        const char *name;
        double x, y, w, h;
        quint32 op;
    };
    const Case cases[] = {
        { "copy", px(5), px(3), px(23), px(17), RasterOp::SRCCOPY },
        { "invert", px(5), px(3), px(23), px(17), RasterOp::SRCINVERT },
        { "merge paint past the edges", px(-4), px(20), px(23), px(17), RasterOp::MERGEPAINT },
        { "stretched", px(1), px(2), px(37), px(9), RasterOp::SRCAND },
        { "mirrored", px(30), px(25), px(-20), px(-15), RasterOp::SRCCOPY },
    };
    for (const QSize size : { QSize(40, 30), QSize(1600, 1400) }) {
        const QImage dst = noiseImage(size.width(), size.height(), 4);
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " on " + std::to_string(size.width()));
            LargeImageMemory::freshImage(size.width(), size.height()).fill(0x12345678);
            PictureSurface inPlace(size.width(), size.height());
            inPlace.setImage(dst);
            inPlace.setImage(inPlace.Image().copy()); // held by nobody else
            PictureSurface shared(size.width(), size.height());
            shared.setImage(dst);
            const QImage holder = shared.Image();
            for (PictureSurface *s : { &inPlace, &shared })
                s->PaintPicture(src, c.x, c.y, c.w, c.h, 0, 0, px(23), px(17), c.op);
            EXPECT_EQ(shared.Image(), inPlace.Image());
            EXPECT_EQ(holder, dst);
        }
    }
}

// A picture copied over the whole surface is taken as it is; drawing on the
// surface afterwards must leave the picture alone, and a picture of another
// resolution must not change ours.
TEST(PaintPicture, AWholeSurfaceCopySharesThePictureSafely)
{
    QImage picture = noiseImage(40, 30, 5);
    picture.setDotsPerMeterX(1000);
    const QImage original = picture.copy();
    PictureSurface surface(40, 30);
    const int dpm = surface.Image().dotsPerMeterX();
    surface.PaintPicture(picture, 0, 0, RasterOp::SRCCOPY);
    EXPECT_EQ(surface.Image(), original);
    EXPECT_EQ(surface.Image().dotsPerMeterX(), dpm);
    surface.PSet(px(3), px(4));
    EXPECT_EQ(picture, original);
    EXPECT_NE(surface.Image(), original);
}
