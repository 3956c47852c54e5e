// The palette's picker samples: what each shows and in which colour.
#include "tools/PickerSamples.h"
#include "support/SurfaceTestUtil.h"

#include <gtest/gtest.h>

using PickerSamples::Family;

namespace {

constexpr ColourValue Red = 0x0000FF;
constexpr ColourValue Blue = 0xFF0000;

int count(const PictureSurface &s, ColourValue c)
{
    return countColour(s.Image(), s.pixelRect(), c);
}

}

TEST(PickerSamples, LinesShowTheirStyleInTheDrawingColour)
{
    PictureSurface solid(48, 14), dotted(48, 14);
    PickerSamples::draw(solid, Family::Line, 0, Blue, Red);
    PickerSamples::draw(dotted, Family::Line, 2, Blue, Red);
    EXPECT_EQ(count(solid, Red), 37) << "6..42 pixels";
    EXPECT_TRUE(isColour(solid, 6, 10, Red));
    EXPECT_EQ(count(dotted, Red), 19) << "3 on, 3 off";
    EXPECT_EQ(count(solid, PickerSamples::PaletteGrey), 48 * 14 - 37);

    PictureSurface gradient(48, 14);
    PickerSamples::draw(gradient, Family::GradientLine, 0, Blue, Red);
    EXPECT_TRUE(isColour(gradient, 20, 5, Red));
}

TEST(PickerSamples, FramesUseThePenAndFillsBothColours)
{
    PictureSurface frame(48, 14);
    PickerSamples::draw(frame, Family::Frame, 0, Blue, Red);
    EXPECT_TRUE(isColour(frame, 20, 6, Blue));

    for (Family f : { Family::BoxFill, Family::EllipseFill, Family::SectorFill }) {
        PictureSurface solid(48, 14), hollow(48, 14), hatched(48, 14);
        PickerSamples::draw(solid, f, 0, Blue, Red);
        PickerSamples::draw(hollow, f, 1, Blue, Red);
        PickerSamples::draw(hatched, f, 6, Blue, Red);
        EXPECT_GT(count(solid, Blue), 0);
        EXPECT_GT(count(solid, Red), 10);
        EXPECT_EQ(count(hollow, Red), 0);
        EXPECT_GT(count(hatched, Red), 0);
        EXPECT_LT(count(hatched, Red), count(solid, Red));
        EXPECT_EQ(count(solid, Blue), count(hollow, Blue)) << "the same outline";
    }
}

TEST(PickerSamples, ThePaletteGreyIsShownAsWhite)
{
    PictureSurface box(48, 14);
    PickerSamples::draw(
        box, Family::BoxFill, 0, PickerSamples::PaletteGrey, PickerSamples::PaletteGrey);
    EXPECT_GT(count(box, 0xFFFFFF), 100);
    EXPECT_EQ(PickerSamples::visibleOnPalette(Red), Red);
}
