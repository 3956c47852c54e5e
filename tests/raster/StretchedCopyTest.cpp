// The scale tool's whole-image stretch gives exactly the pixels of
// PaintPicture's stretch, up and down, for sizes that are and are not
// multiples of three.
#include "raster/StretchedCopy.h"
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
