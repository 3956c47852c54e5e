// The tool palette's rules without its window: choosing tools, styles,
// number boxes, gradient wells and what happens with no document open.
#include "tools/ToolPaletteModel.h"
#include "app/ModuleMain.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "raster/PictureSurface.h"
#include "tools/ToolButton.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace {

struct Palette
{
    ModuleMain module;
    int textBoxResets = 0;

    explicit Palette(bool withDocument = true)
    {
        module.startUp();
        QObject::connect(&module, &ModuleMain::textBoxReset, [this] { ++textBoxResets; });
        if (withDocument)
            module.NewPicture();
        tools().load();
    }

    ToolPaletteModel &tools() { return module.tools(); }
    Document &doc() { return *module.ActiveEdit(); }
    PictureSurface &canvas() { return doc().Picture1(); }
    void choose(int button) { tools().chooser().CommandGotFocus(button); }
};

struct ToolRow
{
    int button;
    int code;
    QPoint marker;
    int group;
    bool picture2;
    bool text1;
    bool gradientLines;
    bool keepsRadius;
    bool keepsSelection;
    bool resetsTextBox;
};

const ToolRow ToolRows[] = {
    { 1, 1, { 300, 250 }, 0, false, false, false, false, true, true },
    { 2, 2, { 750, 250 }, 3, false, true, false, false, false, true },
    { 3, 3, { 300, 560 }, 1, false, true, false, false, false, true },
    { 4, 4, { 750, 560 }, 4, false, true, false, false, false, true },
    { 5, 5, { 300, 880 }, 3, false, true, false, false, false, true },
    { 6, 6, { 750, 880 }, 3, false, true, false, false, false, true },
    { 7, 11, { 300, 1210 }, 2, false, true, true, false, false, true },
    { 8, 12, { 750, 1210 }, 2, false, true, true, false, false, true },
    { 9, 7, { 300, 1540 }, 3, false, true, false, false, false, true },
    { 10, 8, { 750, 1540 }, 3, true, true, false, true, false, true },
    { 11, 13, { 300, 1870 }, 2, false, true, true, false, false, true },
    { 12, 15, { 750, 2540 }, 0, false, false, false, false, false, true },
    { 13, 9, { 300, 2540 }, 2, false, false, false, false, false, false },
    { 14, 10, { 750, 1870 }, 5, true, true, false, true, false, true },
    { 15, 14, { 300, 2200 }, 2, true, true, true, true, false, true },
    { 16, 14, { 750, 2200 }, 2, true, true, true, true, false, true },
};

class ChoosingATool : public ::testing::TestWithParam<ToolRow>
{ };

}

TEST_P(ChoosingATool, SetsCodeMarkerControlsRadiusSelectionAndTextBox)
{
    const ToolRow row = GetParam();
    Palette p;
    p.choose(row.button == 2 ? 3 : 2); // start from another tool
    p.doc().hBanJingOk = true;
    p.doc().hBoolSelect = true;
    p.textBoxResets = 0;

    p.choose(row.button);
    EXPECT_EQ(p.module.hTool, row.code);
    EXPECT_EQ(p.tools().chooser().markerTwips(), row.marker);
    EXPECT_EQ(p.tools().chooser().markedButton(), row.button);
    EXPECT_EQ(p.tools().chooser().visibleGroup(), row.group);
    EXPECT_EQ(p.tools().chooser().Picture2Visible(), row.picture2);
    EXPECT_FALSE(p.tools().chooser().ShapeCVisible());
    EXPECT_EQ(p.tools().chooser().text1Visible(), row.text1);
    EXPECT_EQ(p.tools().chooser().gradientLinesVisible(), row.gradientLines);
    EXPECT_EQ(p.doc().hBanJingOk.value_or(false), row.keepsRadius);
    EXPECT_EQ(p.doc().hBoolSelect, row.keepsSelection);
    EXPECT_EQ(p.textBoxResets, row.resetsTextBox ? 1 : 0);
    EXPECT_EQ(ToolButtons::button(row.button).code, row.code);
}

INSTANTIATE_TEST_SUITE_P(EveryButton, ChoosingATool, ::testing::ValuesIn(ToolRows));

TEST(ToolButtons, FillTwoColumnsOfEightWithTheirTooltips)
{
    std::set<std::pair<int, int>> cells;
    for (const ToolButton &b : ToolButtons::all()) {
        cells.insert({ ToolButtons::column(b), ToolButtons::row(b) });
        EXPECT_LT(ToolButtons::row(b), 8) << b.number;
        EXPECT_FALSE(b.toolTip.isEmpty());
    }
    EXPECT_EQ(cells.size(), 16u) << "every button has a cell of its own";
    EXPECT_EQ(ToolButtons::button(3).toolTip, "(椭)圆形(框)");
    EXPECT_EQ(
        ToolButtons::button(13).toolTip, "文字(输入文字后，点击鼠标右键菜单的“确定”命令即可)");
    EXPECT_EQ(ToolButtons::button(16).objectName(), "Command16");
}

TEST(ToolPalette, TheGradientSectorIsTheGradientArcWithTheLengthwiseKind)
{
    Palette p;
    p.choose(16);
    EXPECT_EQ(p.module.hTool, 14);
    EXPECT_EQ(p.tools().chooser().markerTwips(), QPoint(750, 2200));
    EXPECT_EQ(p.tools().chooser().gradientOptions().selected(), GradientOptions::DanZong);
    EXPECT_EQ(p.tools().chooser().hlinewidthTextToolTip(), "扇形宽度");
    p.choose(15);
    EXPECT_EQ(p.tools().chooser().gradientOptions().selected(), GradientOptions::DanJing);
    EXPECT_EQ(p.tools().chooser().hlinewidthTextToolTip(), "弧宽度");
    EXPECT_EQ(p.tools().chooser().markerTwips(), QPoint(300, 2200));
}

TEST(ToolPalette, FrameWidthTooltipFollowsTheGradientTool)
{
    Palette p;
    p.choose(7);
    EXPECT_EQ(p.tools().chooser().hlinewidthTextToolTip(), "圆框宽度");
    p.choose(8);
    EXPECT_EQ(p.tools().chooser().hlinewidthTextToolTip(), "方框宽度");
    p.choose(11);
    EXPECT_EQ(p.tools().chooser().hlinewidthTextToolTip(), "方框宽度")
        << "the gradient rectangle keeps it";
}

TEST(ToolPalette, ArcsAndSectorsShareAFixedRadiusOtherToolsDropIt)
{
    Palette p;
    p.choose(10);
    p.doc().hBanJingOk = true;
    p.choose(14);
    EXPECT_TRUE(p.doc().hBanJingOk.value_or(false));
    p.choose(16);
    EXPECT_TRUE(p.doc().hBanJingOk.value_or(false));
    p.choose(2);
    EXPECT_FALSE(p.doc().hBanJingOk.value_or(false));
}

TEST(ToolPalette, WithNoDocumentNothingResponds)
{
    Palette p(false);
    const QPoint marker = p.tools().chooser().markerTwips();
    int changes = 0;
    QObject::connect(&p.tools(), &ToolPaletteModel::changed, [&] { ++changes; });
    for (int button = 1; button <= 16; ++button)
        p.choose(button);
    p.tools().styles().pickerClicked({ PickerSet::BoxFill, 3 });
    p.tools().styles().labelClicked(2);
    EXPECT_EQ(p.module.hTool, 1);
    EXPECT_EQ(p.tools().chooser().markerTwips(), marker);
    EXPECT_EQ(p.tools().chooser().visibleGroup(), 0);
    EXPECT_EQ(p.tools().styles().highlighted(PickerSet::BoxFill), 0);
    EXPECT_FALSE(p.module.hFillStyle.has_value());
    EXPECT_FALSE(p.module.hDrawStyle.has_value());
    EXPECT_FALSE(p.tools().values().chooseStartColour(0x123456));
    EXPECT_EQ(p.module.hStartRed, 239);
    EXPECT_EQ(changes, 0);
}

TEST(ToolPalette, LoadingSetsTheGradientDefaultsButKeepsTheWellsDesignColours)
{
    Palette p;
    p.module.hStartRed = 1;
    p.module.hEndBlue = 2;
    p.module.hGradientAngle = 45;
    p.tools().load();
    EXPECT_EQ(p.module.hStartRed, 239);
    EXPECT_EQ(p.module.hEndBlue, 127);
    EXPECT_EQ(p.module.hGradientAngle, 0);
    EXPECT_EQ(p.tools().values().hstartcolorPicture(), Colour::fromRgb(224, 224, 224));
    EXPECT_EQ(p.tools().values().hendcolorPicture(), Colour::fromRgb(128, 128, 128));
}

TEST(ToolPalette, GradientWellsStoreTheChosenColourSplitIntoComponents)
{
    Palette p;
    ASSERT_TRUE(p.tools().values().chooseStartColour(Colour::fromRgb(10, 20, 30)));
    ASSERT_TRUE(p.tools().values().chooseEndColour(Colour::fromRgb(200, 100, 0)));
    EXPECT_EQ(p.tools().values().hstartcolorPicture(), Colour::fromRgb(10, 20, 30));
    EXPECT_EQ((std::array { p.module.hStartRed, p.module.hStartGreen, p.module.hStartBlue }),
        (std::array { 10, 20, 30 }));
    EXPECT_EQ((std::array { p.module.hEndRed, p.module.hEndGreen, p.module.hEndBlue }),
        (std::array { 200, 100, 0 }));
}
