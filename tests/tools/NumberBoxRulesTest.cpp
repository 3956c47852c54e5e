// The palette's number boxes: the keys they take, the text each change leaves
// and what the palette does with it.
#include "tools/NumberBoxRules.h"
#include "app/ModuleMain.h"
#include "document/Document.h"
#include "raster/PictureSurface.h"
#include "tools/GradientOptions.h"
#include "tools/ToolPaletteModel.h"

#include <gtest/gtest.h>

namespace {

struct Repair
{
    QString (*rule)(const QString &);
    QString typed;
    QString shown;
};

class NumberBoxRepair : public ::testing::TestWithParam<Repair>
{ };

}

TEST_P(NumberBoxRepair, LeavesTheExpectedText)
{
    const Repair r = GetParam();
    EXPECT_EQ(r.rule(r.typed), r.shown) << r.typed.toStdString();
    EXPECT_EQ(r.rule(r.rule(r.typed)), r.shown) << "a second pass changes nothing";
}

INSTANTIATE_TEST_SUITE_P(LineWidth, NumberBoxRepair,
    ::testing::Values(Repair { NumberBoxRules::lineWidth, "2.5", "25" },
        Repair { NumberBoxRules::lineWidth, "", "1" },
        Repair { NumberBoxRules::lineWidth, "0", "1" },
        Repair { NumberBoxRules::lineWidth, "00", "1" },
        Repair { NumberBoxRules::lineWidth, "500", "500" },
        Repair { NumberBoxRules::lineWidth, "501", "500" },
        Repair { NumberBoxRules::lineWidth, "99999999999999999999", "500" },
        Repair { NumberBoxRules::lineWidth, "1a2a3", "123" }));

INSTANTIATE_TEST_SUITE_P(FrameWidth, NumberBoxRepair,
    ::testing::Values(Repair { NumberBoxRules::frameWidth, "", "0" },
        Repair { NumberBoxRules::frameWidth, "0", "0" },
        Repair { NumberBoxRules::frameWidth, "4.", "4" }));

INSTANTIATE_TEST_SUITE_P(GradientAngle, NumberBoxRepair,
    ::testing::Values(Repair { NumberBoxRules::gradientAngle, "180", "0" },
        Repair { NumberBoxRules::gradientAngle, "179", "179" },
        Repair { NumberBoxRules::gradientAngle, "", "0" },
        Repair { NumberBoxRules::gradientAngle, "9000", "0" },
        Repair { NumberBoxRules::gradientAngle, "4-5", "45" }));

TEST(NumberBoxRules, BoxesDriveTheCanvasWidthAndTheGradientAngle)
{
    ModuleMain module;
    module.startUp();
    PaletteValues &tools = module.tools().values();
    tools.setText1(QStringLiteral("7")); // no document: only the text changes
    EXPECT_EQ(tools.Text1(), "7");

    PictureSurface &canvas = module.NewPicture()->Picture1();
    tools.setText1(QStringLiteral("2.5"));
    EXPECT_EQ(tools.Text1(), "25");
    EXPECT_EQ(canvas.DrawWidth(), 25);
    tools.setText1(QString());
    EXPECT_EQ(tools.Text1(), "1");
    EXPECT_EQ(canvas.DrawWidth(), 1);
    tools.setText1(QStringLiteral("750"));
    EXPECT_EQ(canvas.DrawWidth(), 500);

    tools.sethlinecornerText(QStringLiteral("179"));
    EXPECT_EQ(module.hGradientAngle, 179);
    tools.sethlinecornerText(QStringLiteral("180"));
    EXPECT_EQ(tools.hlinecornerText(), "0");
    EXPECT_EQ(module.hGradientAngle, 0);
    tools.sethlinewidthText(QString());
    EXPECT_EQ(tools.hlinewidthText(), "0");
}

namespace {

struct KindRow
{
    GradientOptions::Kind kind;
    bool angleBox;
    bool widthBox;
    int danJingTop, shuangJingTop;
    QString danJing, danJingTip, shuangJing, shuangJingTip;
    bool danZong, shuangZong;
    bool text1;
    int selected;
};

const KindRow KindRows[] = {
    { GradientOptions::Kind::Plain, false, true, 1290, 1635, "单向", "单向渐变", "双向", "双向渐变",
        false, false, true, GradientOptions::DanJing },
    { GradientOptions::Kind::Zhu, true, false, 1290, 1635, "单向", "单向渐变", "双向", "双向渐变",
        false, false, true, GradientOptions::DanJing },
    { GradientOptions::Kind::Hu, false, true, 1170, 1605, "单径", "单向径向渐变", "双径",
        "双向径向渐变", true, true, true, GradientOptions::DanJing },
    { GradientOptions::Kind::Word, true, false, 1170, 1605, "单向", "单向渐变", "双向", "双向渐变",
        true, false, false, GradientOptions::NoOption },
};

class ShowingGradientOptions : public ::testing::TestWithParam<KindRow>
{ };

}

TEST_P(ShowingGradientOptions, ConfiguresTheGroupForTheKind)
{
    const KindRow r = GetParam();
    GradientOptions options;
    options.select(GradientOptions::ShuangZong);
    options.show(r.kind);
    EXPECT_TRUE(options.wellsVisible());
    EXPECT_EQ(options.angleBoxVisible(), r.angleBox);
    EXPECT_EQ(options.widthBoxVisible(), r.widthBox);
    const auto &dan = options.option(GradientOptions::DanJing);
    const auto &shuang = options.option(GradientOptions::ShuangJing);
    EXPECT_EQ(dan.top, r.danJingTop);
    EXPECT_EQ(shuang.top, r.shuangJingTop);
    EXPECT_EQ(dan.caption, r.danJing);
    EXPECT_EQ(dan.toolTip, r.danJingTip);
    EXPECT_EQ(shuang.caption, r.shuangJing);
    EXPECT_EQ(shuang.toolTip, r.shuangJingTip);
    EXPECT_TRUE(dan.visible && shuang.visible);
    EXPECT_EQ(options.option(GradientOptions::DanZong).visible, r.danZong);
    EXPECT_EQ(options.option(GradientOptions::ShuangZong).visible, r.shuangZong);
    EXPECT_EQ(options.text1Visible(), r.text1);
    EXPECT_EQ(options.selected(), r.selected);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ShowingGradientOptions, ::testing::ValuesIn(KindRows));

TEST(GradientOptions, TheLengthwiseOptionKeepsItsCaptionWhileHidden)
{
    GradientOptions options;
    options.show(GradientOptions::Kind::Word);
    options.show(GradientOptions::Kind::Zhu);
    EXPECT_EQ(options.option(GradientOptions::DanZong).caption, "不变");
    options.show(GradientOptions::Kind::Hu);
    EXPECT_EQ(options.option(GradientOptions::DanZong).caption, "单纵");
    EXPECT_EQ(options.option(GradientOptions::DanZong).toolTip, "单向纵向渐变");
    options.hide();
    EXPECT_FALSE(options.wellsVisible() || options.text1Visible() || options.angleBoxVisible()
        || options.widthBoxVisible() || options.option(GradientOptions::DanJing).visible);
    EXPECT_EQ(GradientOptions::kindFromText("hu"), GradientOptions::Kind::Hu);
    EXPECT_EQ(GradientOptions::kindFromText(""), GradientOptions::Kind::Plain);
}
