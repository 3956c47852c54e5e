#include "colour/ColourCommands.h"
#include "app/ModuleMain.h"
#include "colour/ColourPalette.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "raster/PictureSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using SizeBox = ColourCommands::SizeBox;

constexpr ColourValue Black = Colour::fromRgb(0, 0, 0);
constexpr ColourValue White = Colour::fromRgb(255, 255, 255);
constexpr ColourValue Red = Colour::fromRgb(255, 0, 0);
constexpr ColourValue Grey = Colour::fromRgb(192, 192, 192);
constexpr ColourValue Green = Colour::fromRgb(0, 255, 0);
constexpr int RedTop = 11; // column 6, top row

// A module with one 40 x 30 pixel picture holding a green dot at (5, 5),
// recording the samples the tool palette is asked to draw.
class ColourCommandsTest : public ::testing::Test
{
protected:
    ColourCommandsTest()
    {
        module.startUp();
        Document *d = module.NewPicture();
        d->resizeCanvas(40 * 15 + 30, 30 * 15 + 30);
        d->Picture1().PSet(5 * 15, 5 * 15, Green);
        d->setDataChanged(false);
        QObject::connect(&module, &ModuleMain::paletteSamplesNeedRedraw,
            [this](ColourValue pen, ColourValue drawing) {
                samples.push_back({ pen, drawing });
            });
        QObject::connect(
            &module, &ModuleMain::hwordColourChanged, [this](Document *document, ColourValue pen) {
                EXPECT_EQ(document, module.ActiveEdit());
                hwordColours.push_back(pen);
            });
    }

    ColourCommands &commands() { return module.colourCommands(); }
    ColourToolModel &wells() { return module.colourTool(); }
    Document &picture() { return *module.ActiveEdit(); }
    PictureSurface &canvas() { return picture().Picture1(); }
    ColourValue pixel(int x, int y) { return Colour::fromPixel(canvas().Image().pixel(x, y)); }

    struct Samples
    {
        ColourValue pen;
        ColourValue drawing;
    };

    ModuleMain module;
    std::vector<Samples> samples;
    std::vector<ColourValue> hwordColours;
};

std::vector<bool> visibleMarks(const ColourToolModel &wells)
{
    std::vector<bool> shown;
    for (int shape = 1; shape <= 6; ++shape)
        shown.push_back(wells.ShapeVisible(shape));
    return shown;
}

}

TEST_F(ColourCommandsTest, TheTargetStartsAtTheFillWellAndShowsOnePairOfMarks)
{
    EXPECT_EQ(wells().Frame1Tag(), "2");
    EXPECT_EQ(visibleMarks(wells()), std::vector<bool>({ false, false, true, true, false, false }));
    commands().SelectColourTarget(1);
    EXPECT_EQ(wells().Frame1Tag(), "1");
    EXPECT_EQ(visibleMarks(wells()), std::vector<bool>({ true, true, false, false, false, false }));
    commands().clickWell(3);
    EXPECT_EQ(wells().Frame1Tag(), "3");
    EXPECT_EQ(visibleMarks(wells()), std::vector<bool>({ false, false, false, false, true, true }));
}

TEST_F(ColourCommandsTest, APaletteClickFillsTheTargetWellAndTheCanvas)
{
    commands().clickWell(ColourCommands::Fill);
    commands().ApplyPaletteColour(RedTop);
    EXPECT_EQ(wells().PictureFillColor(), Red);
    EXPECT_EQ(canvas().FillColor(), Red);
    EXPECT_EQ(wells().PictureForecolor(), Black);
    EXPECT_EQ(canvas().ForeColor(), Black);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].drawing, Red);
    EXPECT_TRUE(hwordColours.empty());

    commands().clickWell(ColourCommands::Pen);
    commands().ApplyPaletteColour(48);
    EXPECT_EQ(wells().PictureForecolor(), Colour::fromRgb(192, 0, 192));
    EXPECT_EQ(canvas().ForeColor(), Colour::fromRgb(192, 0, 192));
    EXPECT_EQ(hwordColours, std::vector<ColourValue>({ Colour::fromRgb(192, 0, 192) }));
    EXPECT_EQ(wells().PictureFillColor(), Red);
    EXPECT_EQ(pixel(5, 5), Green) << "pen and fill colours leave the drawing alone";
    EXPECT_FALSE(picture().DataChanged());
    EXPECT_FALSE(module.commandContext().canUndo);
}

TEST_F(ColourCommandsTest, ABackgroundFromThePaletteClearsTheCanvasAndCanBeUndone)
{
    commands().clickWell(ColourCommands::Background);
    commands().ApplyPaletteColour(RedTop);
    EXPECT_EQ(wells().Picturebackcolor(), Red);
    EXPECT_EQ(canvas().BackColor(), Red);
    EXPECT_EQ(pixel(5, 5), Red);
    EXPECT_EQ(pixel(39, 29), Red);
    EXPECT_TRUE(picture().DataChanged());
    ASSERT_TRUE(module.commandContext().canUndo);

    module.undo();
    EXPECT_EQ(pixel(5, 5), Green);
    EXPECT_EQ(pixel(39, 29), White);
}

TEST_F(ColourCommandsTest, ABackgroundFromTheDialogClearsTheCanvasWithoutAnUndoStep)
{
    commands().ChooseColour(ColourCommands::Background, Red);
    EXPECT_EQ(wells().Picturebackcolor(), Red);
    EXPECT_EQ(pixel(5, 5), Red);
    EXPECT_TRUE(picture().DataChanged());
    EXPECT_FALSE(module.commandContext().canUndo);
    EXPECT_EQ(wells().Frame1Tag(), "3");
}

TEST_F(ColourCommandsTest, TheDialogsColourGoesIntoItsWellAndMakesItTheTarget)
{
    commands().ChooseColour(ColourCommands::Pen, Red);
    EXPECT_EQ(wells().PictureForecolor(), Red);
    EXPECT_EQ(canvas().ForeColor(), Red);
    EXPECT_EQ(wells().Frame1Tag(), "1");
    commands().ChooseColour(ColourCommands::Fill, Green);
    EXPECT_EQ(canvas().FillColor(), Green);
    EXPECT_EQ(wells().Frame1Tag(), "2");
    EXPECT_EQ(samples.size(), 2u);
    EXPECT_EQ(ColourCommands::colourDialogTitle(1), "前景色");
    EXPECT_EQ(ColourCommands::colourDialogTitle(2), "绘图色与填充色...");
    EXPECT_EQ(ColourCommands::colourDialogTitle(3), "背景色");
}

// The samples turn the palette's grey white themselves (PickerSamples); the
// wells and the request carry the true colour.
TEST_F(ColourCommandsTest, ThePalettesGreyIsKeptInTheWellsAndSentToTheSamples)
{
    commands().ChooseColour(ColourCommands::Pen, Grey);
    EXPECT_EQ(wells().PictureForecolor(), Grey);
    EXPECT_EQ(canvas().ForeColor(), Grey);
    ASSERT_EQ(samples.size(), 1u);
    EXPECT_EQ(samples[0].pen, Grey);
    EXPECT_EQ(samples[0].drawing, Black);

    commands().SelectColourTarget(ColourCommands::Fill);
    commands().ApplyPaletteColour(5); // the same grey, column 3 top
    EXPECT_EQ(wells().PictureFillColor(), Grey);
    EXPECT_EQ(canvas().FillColor(), Grey);
    ASSERT_EQ(samples.size(), 2u);
    EXPECT_EQ(samples[1].pen, Grey);
    EXPECT_EQ(samples[1].drawing, Grey);
}

TEST_F(ColourCommandsTest, LeavingASizeBoxResizesTheCanvasWithoutAnEditStep)
{
    struct Case
    {
        SizeBox box;
        const char *typed;
        const char *shown;
        int width;
        int height;
    };
    const Case cases[] = {
        { SizeBox::TextX, "", "925", 925, 30 },
        { SizeBox::TextX, "", "925", 925, 30 },
        { SizeBox::TextY, "", "925", 925, 925 },
        { SizeBox::TextY, "2500", "2002", 925, 2002 },
    };
    wells().setTextX(QStringLiteral("40"));
    wells().setTextY(QStringLiteral("30"));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.typed);
        const bool width = c.box == SizeBox::TextX;
        const QString typed = QString::fromLatin1(c.typed);
        width ? wells().setTextX(typed) : wells().setTextY(typed);
        commands().ApplyCanvasSize(c.box);
        EXPECT_EQ(width ? wells().TextX() : wells().TextY(), c.shown);
        EXPECT_EQ(picture().canvasRect().size(), QSizeF(c.width * 15 + 30, c.height * 15 + 30));
        EXPECT_EQ(canvas().pixelWidth(), c.width);
        EXPECT_EQ(canvas().pixelHeight(), c.height);
        EXPECT_FALSE(picture().DataChanged()) << "a canvas that only grows is not changed";
    }
    EXPECT_EQ(pixel(5, 5), Green) << "the drawing keeps its top-left pixels";
    EXPECT_FALSE(module.commandContext().canUndo);

    picture().setDataChanged(true);
    wells().setTextX(QStringLiteral("950"));
    commands().ApplyCanvasSize(SizeBox::TextX);
    EXPECT_TRUE(picture().DataChanged()) << "an earlier change is not forgotten";
}

TEST_F(ColourCommandsTest, ASizeThatCropsThePictureMarksItChanged)
{
    for (SizeBox box : { SizeBox::TextX, SizeBox::TextY }) {
        SCOPED_TRACE(box == SizeBox::TextX ? "width" : "height");
        picture().setDataChanged(false);
        wells().setTextX(QStringLiteral("40"));
        wells().setTextY(QStringLiteral("30"));
        (box == SizeBox::TextX ? wells().setTextX(QStringLiteral("4"))
                               : wells().setTextY(QStringLiteral("4")));
        commands().ApplyCanvasSize(box);
        EXPECT_EQ(
            canvas().pixelWidth() * canvas().pixelHeight(), 4 * (box == SizeBox::TextX ? 30 : 40));
        EXPECT_TRUE(picture().DataChanged()) << "closing must ask about the pixels cut off";
        // Growing back does not make the crop unchanged again.
        wells().setTextX(QStringLiteral("40"));
        wells().setTextY(QStringLiteral("30"));
        commands().ApplyCanvasSize(box);
        EXPECT_TRUE(picture().DataChanged());
    }
}

TEST_F(ColourCommandsTest, LeavingASizeBoxForAMenuKeepsTheTypedSizeUntilLater)
{
    wells().setTextX(QStringLiteral("64"));
    commands().leaveSizeBox(SizeBox::TextX, Qt::PopupFocusReason);
    commands().leaveSizeBox(SizeBox::TextX, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(canvas().pixelWidth(), 40);
    commands().leaveSizeBox(SizeBox::TextX, Qt::TabFocusReason);
    EXPECT_EQ(canvas().pixelWidth(), 64);
}

TEST_F(ColourCommandsTest, ASizeAboveTheLimitIsCutToTheLimit)
{
    wells().setTextX(QStringLiteral("3000"));
    commands().ApplyCanvasSize(SizeBox::TextX);
    wells().setTextY(QStringLiteral("2500"));
    commands().ApplyCanvasSize(SizeBox::TextY);
    EXPECT_EQ(wells().TextX(), "2402");
    EXPECT_EQ(wells().TextY(), "2002");
    EXPECT_EQ(canvas().pixelWidth(), 2402);
    EXPECT_EQ(canvas().pixelHeight(), 2002);
}

TEST(ColourCommandsWithoutPicture, NothingHappensToTheWellsOrTheTarget)
{
    ModuleMain module;
    module.startUp();
    ColourCommands &commands = module.colourCommands();
    int redraws = 0;
    QObject::connect(&module, &ModuleMain::paletteSamplesNeedRedraw, [&] { ++redraws; });
    EXPECT_FALSE(commands.canChooseColour());
    commands.clickWell(ColourCommands::Pen);
    commands.ApplyPaletteColour(RedTop);
    commands.ChooseColour(ColourCommands::Background, Red);
    EXPECT_EQ(module.colourTool().Frame1Tag(), "2");
    EXPECT_EQ(module.colourTool().PictureFillColor(), Black);
    EXPECT_EQ(module.colourTool().Picturebackcolor(), White);
    EXPECT_EQ(redraws, 0);

    // An emptied size box still shows the default; a too large one is left as typed.
    module.colourTool().setTextX(QString());
    commands.ApplyCanvasSize(SizeBox::TextX);
    EXPECT_EQ(module.colourTool().TextX(), "925");
    module.colourTool().setTextY(QStringLiteral("5000"));
    commands.ApplyCanvasSize(SizeBox::TextY);
    EXPECT_EQ(module.colourTool().TextY(), "5000");
}
