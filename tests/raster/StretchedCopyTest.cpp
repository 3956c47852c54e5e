// The scale tool's whole-image stretch gives exactly the pixels of
// PaintPicture's stretch, up and down, for sizes that are and are not
// multiples of three.
#include "raster/StretchedCopy.h"
#include "raster/LargeImageMemory.h"
#include "raster/PictureSurface.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

TEST(StretchedCopy, MatchesPaintPicturesStretchForEverySize)
{
    const QSize sizes[][2] = {
        { { 7, 5 }, { 21, 15 } },
        { { 21, 15 }, { 7, 5 } },
        { { 10, 11 }, { 3, 3 } },
        { { 4, 9 }, { 13, 2 } },
        { { 1, 1 }, { 3, 3 } },
        // Tripled rows of every length around the four-pixel blocks, on
        // rows that start at every alignment; doubled and uneven repeats.
        { { 13, 4 }, { 39, 12 } },
        { { 33, 5 }, { 99, 15 } },
        { { 34, 3 }, { 102, 9 } },
        { { 6, 3 }, { 12, 9 } },
        { { 30, 3 }, { 90, 7 } },
    };
    for (const auto &pair : sizes) {
        const QImage source = noiseImage(pair[0].width(), pair[0].height(), 17);
        PictureSurface reference(pair[1].width(), pair[1].height());
        reference.PaintPicture(source, 0, 0, pair[1].width() * 15.0, pair[1].height() * 15.0, 0, 0,
            pair[0].width() * 15.0, pair[0].height() * 15.0);
        EXPECT_EQ(stretchedCopy(source, pair[1].width(), pair[1].height()), reference.Image())
            << pair[0].width() << "x" << pair[0].height() << " to " << pair[1].width() << "x"
            << pair[1].height();
    }
}

TEST(StretchedCopy, ALargeImageInItsOwnBufferIsRightAndStaysDrawable)
{
    const QImage source = noiseImage(1500, 500, 23);
    const QImage enlarged = stretchedCopy(source, 4500, 1500);
    for (int y : { 0, 1, 2, 3, 700, 1499 })
        for (int x : { 0, 1, 2, 3, 2222, 4499 })
            ASSERT_EQ(enlarged.pixel(x, y), source.pixel(x / 3, y / 3)) << x << "," << y;
    PictureSurface canvas(1, 1);
    canvas.setImage(enlarged);
    canvas.setDrawWidth(3);
    canvas.Line(0, 0, 4499 * 15.0, 1499 * 15.0, 0x0000FF);
    EXPECT_TRUE(isColour(canvas, 2000, 2000 / 3, 0x0000FF));
    EXPECT_EQ(stretchedCopy(canvas.Image(), 1500, 500).size(), QSize(1500, 500));
    EXPECT_EQ(enlarged.pixel(0, 0), source.pixel(0, 0)) << "the copy kept its own pixels";
}

// An enlarged canvas let go leaves its memory as the spare; the next one of
// about its size is written into it and is right all the same.
TEST(StretchedCopy, TheNextLargeImageReusesTheSpareMemory)
{
    LargeImageMemory::releaseSpares();
    const QImage first = noiseImage(700, 500, 24);
    const QImage second = noiseImage(700, 500, 25);
    const uchar *memory = nullptr;
    {
        const QImage enlarged = stretchedCopy(first, 2100, 1500);
        memory = enlarged.constBits();
    }
    EXPECT_GE(LargeImageMemory::spareBytes(), size_t(2100) * 1500 * 4);
    const QImage enlarged = stretchedCopy(second, 2100, 1500);
    EXPECT_EQ(enlarged.constBits(), memory);
    EXPECT_EQ(LargeImageMemory::spareBytes(), 0u);
    EXPECT_EQ(stretchedCopy(enlarged, 700, 500), second);
    LargeImageMemory::releaseSpares();
}
