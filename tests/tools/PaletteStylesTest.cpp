// Style pickers: what each click chooses, where it lands and which picker is
// shown raised; the samples follow the colour wells.
#include "app/ModuleMain.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "raster/PictureSurface.h"
#include "tools/ToolPaletteModel.h"

#include <gtest/gtest.h>

namespace {

struct PickerRow
{
    StylePicker picker;
    int style;
    QString name;
    QString toolTip;
};

const PickerRow PickerRows[] = {
    { { PickerSet::BoxFill, 1 }, 0, "Picturebox1", "实心" },
    { { PickerSet::EllipseFill, 2 }, 1, "Picturecircle2", "空心" },
    { { PickerSet::SectorFill, 5 }, 4, "Picturehu5", "下斜线底纹" },
    { { PickerSet::BoxFill, 8 }, 7, "Picturebox8", "斜网格线底纹" },
    { { PickerSet::BoxFrame, 10 }, 1, "Picturebox10", "虚框线" },
    { { PickerSet::EllipseFrame, 13 }, 4, "Picturecircle13", "虚框线" },
    { { PickerSet::SectorFrame, 14 }, 6, "Picturehu14", "内实框线" },
    { { PickerSet::BoxFrame, 15 }, 5, "Picturebox15", "无框线" },
    { { PickerSet::SectorFrame, 15 }, 5, "Picturehu15", "隐线" },
    { { PickerSet::Line, 3 }, 2, "Pictureline3", "点线" },
    { { PickerSet::Line, 6 }, 6, "Pictureline6", "内实线" },
    { { PickerSet::GradientLine, 1 }, 0, "Pictureline01", "实线" },
    { { PickerSet::GradientLine, 5 }, 4, "Pictureline05", "点点划线" },
};

class APickerClick : public ::testing::TestWithParam<PickerRow>
{ };

struct Palette
{
    ModuleMain module;
    Palette()
    {
        module.startUp();
        module.NewPicture();
    }
    ToolPaletteModel &tools() { return module.tools(); }
    PictureSurface &canvas() { return module.ActiveEdit()->Picture1(); }
};

}

TEST_P(APickerClick, SetsTheSharedAndCanvasStyleAndRaisesOnlyItself)
{
    const PickerRow row = GetParam();
    EXPECT_EQ(row.picker.objectName(), row.name);
    EXPECT_EQ(row.picker.toolTip(), row.toolTip);
    Palette p;
    p.tools().styles().pickerClicked(row.picker);
    const bool fill = StylePickers::kindOf(row.picker.set) == StyleKind::Fill;
    EXPECT_EQ(fill ? p.module.hFillStyle : p.module.hDrawStyle, row.style);
    EXPECT_EQ(fill ? p.canvas().FillStyle() : p.canvas().DrawStyle(), row.style);
    EXPECT_FALSE((fill ? p.module.hDrawStyle : p.module.hFillStyle).has_value());
    for (int s = 0; s < StylePickers::SetCount; ++s) {
        const PickerSet set = PickerSet(s);
        EXPECT_EQ(
            p.tools().styles().highlighted(set), set == row.picker.set ? row.picker.number : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Families, APickerClick, ::testing::ValuesIn(PickerRows));

TEST(StylePickers, EveryFamilyHasItsPickers)
{
    EXPECT_EQ(StylePickers::all().size(), 6u + 6u + 3u * 15u);
    EXPECT_EQ(StylePickers::numberShowing(PickerSet::Line, 5), 0) << "no invisible line";
    EXPECT_EQ(StylePickers::numberShowing(PickerSet::EllipseFrame, 6), 14);
}

TEST(PaletteStyles, TheNoFrameLabelsActLikeTheLastFramePicker)
{
    Palette p;
    const PickerSet frames[]
        = { PickerSet::EllipseFrame, PickerSet::BoxFrame, PickerSet::SectorFrame };
    for (int label = 1; label <= 3; ++label) {
        p.canvas().setDrawStyle(0);
        p.tools().styles().labelClicked(label);
        EXPECT_EQ(p.canvas().DrawStyle(), 5);
        EXPECT_EQ(p.tools().styles().highlighted(frames[label - 1]), 15);
    }
}

TEST(PaletteStyles, ChoosingAToolResetsItsPickersToSolid)
{
    Palette p;
    p.tools().chooser().CommandGotFocus(4);
    p.tools().styles().pickerClicked({ PickerSet::BoxFill, 6 });
    p.tools().styles().pickerClicked({ PickerSet::BoxFrame, 11 });
    EXPECT_EQ(p.canvas().FillStyle(), 5);
    p.tools().chooser().CommandGotFocus(2);
    p.tools().chooser().CommandGotFocus(4);
    EXPECT_EQ(p.canvas().FillStyle(), 0);
    EXPECT_EQ(p.canvas().DrawStyle(), 0);
    EXPECT_EQ(p.tools().styles().highlighted(PickerSet::BoxFill), 1);
    EXPECT_EQ(p.tools().styles().highlighted(PickerSet::BoxFrame), 9);
}

TEST(PaletteStyles, GradientToolsAndTextLeaveTheCanvasFillTransparent)
{
    for (int button : { 7, 8, 11, 13, 15, 16 }) {
        Palette p;
        p.tools().chooser().CommandGotFocus(3);
        p.tools().styles().pickerClicked({ PickerSet::EllipseFill, 3 });
        p.tools().chooser().CommandGotFocus(button);
        EXPECT_EQ(p.canvas().FillStyle(), 1) << button;
        EXPECT_EQ(p.module.hFillStyle, 1) << button;
    }
}

TEST(PaletteStyles, SamplesFollowTheColourWellsAndShowGreyAsWhite)
{
    Palette p;
    const StylePicker frame { PickerSet::BoxFrame, 9 };
    const StylePicker line { PickerSet::Line, 1 };
    auto at = [&](const StylePicker &picker, int x, int y) {
        return Colour::fromPixel(p.tools().styles().sample(picker).Image().pixel(x, y));
    };
    p.module.colourTool().setPictureForecolor(Colour::fromRgb(255, 0, 0));
    p.module.colourTool().setPictureFillColor(Colour::fromRgb(0, 0, 255));
    EXPECT_EQ(at(frame, 20, 6), Colour::fromRgb(255, 0, 0));
    EXPECT_EQ(at(line, 20, 10), Colour::fromRgb(0, 0, 255));

    p.tools().styles().redrawSamples(Colour::fromRgb(192, 192, 192), Colour::fromRgb(0, 128, 0));
    EXPECT_EQ(at(frame, 20, 6), Colour::fromRgb(255, 255, 255));
    EXPECT_EQ(at(line, 20, 10), Colour::fromRgb(0, 128, 0));
}
