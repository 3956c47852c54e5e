#include "app/ModuleMain.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/RadiusGuide.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "tools/ToolPaletteModel.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

// A module with `count` documents, each canvas 40 x 30 pixels.
struct Module
{
    ModuleMain module;

    explicit Module(int count = 1)
    {
        module.startUp();
        for (int i = 0; i < count; ++i) {
            Document *d = module.NewPicture();
            d->resizeCanvas(40 * 15 + 30, 30 * 15 + 30);
            d->setDataChanged(false);
        }
    }

    Document &active() { return *module.ActiveEdit(); }
};

QRgb pixel(Document &d, int x, int y)
{
    return d.Picture1().Image().pixel(x, y) & 0xFFFFFF;
}

// Action n paints pixel (n % 40, n / 40) with colour n, after a snapshot of it.
void act(ModuleMain &module, int n)
{
    const int x = n % 40;
    const int y = n / 40;
    module.TakeUndoSnapshot(x * 15, y * 15, 15, 15);
    module.ActiveEdit()->Picture1().PSet(x * 15, y * 15, ColourValue(n));
}

QRgb colourOfAction(int n)
{
    return qRgb(Colour::red(ColourValue(n)), Colour::green(ColourValue(n)),
               Colour::blue(ColourValue(n)))
        & 0xFFFFFF;
}

}

TEST(ModuleMain, StartsWithNoDocumentAndTheDefaults)
{
    ModuleMain module;
    module.startUp();
    EXPECT_EQ(module.ActiveEdit(), nullptr);
    EXPECT_EQ(module.hEditCount(), 0);
    EXPECT_EQ(module.hPictureCount(), 0);
    EXPECT_EQ(module.hArrange, 4);
    EXPECT_EQ(module.hTool, 1);
    EXPECT_FALSE(module.hFillStyle.has_value());
    EXPECT_EQ(module.hStartRed, 239);
    EXPECT_EQ(module.hEndBlue, 127);
    EXPECT_EQ(module.mnudrawmode().Tag(), "13");
    EXPECT_EQ(module.mnupastemode().Tag(), "13369376");
    EXPECT_EQ(module.tools().values().Text1(), "1");
    EXPECT_EQ(module.colourTool().Picturebackcolor(), 0xFFFFFFu);
    EXPECT_FALSE(module.commandContext().documentOpen);
}

TEST(ModuleMain, NumbersNewPicturesWithoutEverReusingANumber)
{
    Module m(2);
    EXPECT_EQ(m.module.hEditList(1)->Caption(), "New Picture 1");
    EXPECT_EQ(m.module.hEditList(2)->Caption(), "New Picture 2");
    EXPECT_EQ(m.module.ActiveEdit(), m.module.hEditList(2));
    m.module.unload(m.module.hEditList(2));
    m.module.unload(m.module.hEditList(1));
    Document *next = m.module.NewPicture();
    EXPECT_EQ(next->Caption(), "New Picture 3");
    EXPECT_EQ(next->Tag(), "1");
    EXPECT_FALSE(next->DataChanged());
    EXPECT_EQ(m.module.hPictureCount(), 3);
}

TEST(ModuleMain, UnloadingTheMiddleOfThreeRenumbersTheThird)
{
    Module m(3);
    Document *first = m.module.hEditList(1);
    Document *third = m.module.hEditList(3);
    m.module.unload(m.module.hEditList(2));
    EXPECT_EQ(m.module.hEditCount(), 2);
    EXPECT_EQ(m.module.hEditList(1), first);
    EXPECT_EQ(m.module.hEditList(2), third);
    EXPECT_EQ(first->Tag(), "1");
    EXPECT_EQ(third->Tag(), "2");
    EXPECT_EQ(m.module.hEditList(3), nullptr);
}

TEST(ModuleMain, UnloadingTheLastDocumentEmptiesTheReadOuts)
{
    Module m(1);
    m.module.colourTool().setText1(QStringLiteral("12 34"));
    m.module.unload(m.module.ActiveEdit());
    EXPECT_EQ(m.module.ActiveEdit(), nullptr);
    EXPECT_EQ(m.module.hEditCount(), 0);
    EXPECT_EQ(m.module.colourTool().TextX(), "0");
    EXPECT_EQ(m.module.colourTool().TextY(), "0");
    EXPECT_EQ(m.module.colourTool().Text1(), "");
    EXPECT_FALSE(m.module.commandContext().documentOpen);
    EXPECT_EQ(m.module.hPictureCount(), 1);
}

TEST(ModuleMain, UnloadingTheActiveDocumentLeavesAnOpenOneActive)
{
    Module m(2);
    m.module.unload(m.module.hEditList(2));
    EXPECT_EQ(m.module.ActiveEdit(), m.module.hEditList(1));
}

TEST(ModuleMain, ModesAndArrangementNeedADocument)
{
    ModuleMain module;
    module.startUp();
    module.SetDrawMode(7);
    module.SetPasteMode(6684742);
    EXPECT_FALSE(module.setArrangement(1));
    EXPECT_EQ(module.mnudrawmode().Tag(), "13");
    EXPECT_EQ(module.mnupastemode().Tag(), "13369376");
    EXPECT_EQ(module.hArrange, 4);
}

TEST(ModuleMain, SetDrawModeReachesTheCanvasAndTheTag)
{
    Module m;
    m.module.SetDrawMode(7);
    EXPECT_EQ(m.active().Picture1().DrawMode(), 7);
    EXPECT_EQ(m.module.mnudrawmode().checkedItem(), "mnudrawvbxorpen");
    m.module.SetPasteMode(6684742);
    EXPECT_EQ(m.module.mnupastemode().Tag(), "6684742");
    EXPECT_EQ(m.module.mnupastemode().checkedItem(), "mnuvbsrcinvert");
    EXPECT_TRUE(m.module.setArrangement(2));
    EXPECT_EQ(m.module.hArrange, 2);
    EXPECT_FALSE(m.module.setArrangement(5));
}

TEST(ModuleMain, ActivationShowsTheSizeAndAppliesTheSharedSettings)
{
    Module m(2);
    Document *first = m.module.hEditList(1);
    first->resizeCanvas(1000, 600); // 970 x 570 twips inside the border
    m.module.colourTool().setPictureForecolor(0x123456);
    m.module.colourTool().setPictureFillColor(0x654321);
    m.module.colourTool().setText1(QStringLiteral("5 5"));
    m.module.hFillStyle = 6;
    m.module.tools().values().setText1(QStringLiteral("4"));
    m.module.SetDrawMode(9);
    first->Picture1().PSet(15, 15, 0x00FF00);

    m.module.activate(first);
    EXPECT_EQ(m.module.ActiveEdit(), first);
    EXPECT_EQ(m.module.colourTool().TextX(), "65") << "whole pixels: 970 twips inside the border";
    EXPECT_EQ(m.module.colourTool().TextY(), "38");
    EXPECT_EQ(m.module.colourTool().Text1(), "");
    EXPECT_EQ(first->Picture1().ForeColor(), 0x123456u);
    EXPECT_EQ(first->Picture1().FillColor(), 0x654321u);
    EXPECT_EQ(first->Picture1().FillStyle(), 6);
    EXPECT_EQ(first->Picture1().DrawStyle(), 0);
    EXPECT_EQ(first->Picture1().DrawWidth(), 4);
    EXPECT_EQ(first->Picture1().DrawMode(), 9);
    EXPECT_EQ(pixel(*first, 1, 1), 0x00FF00u) << "activation keeps the drawing";
}

TEST(ModuleMain, ActivationGivesTheActivatedTextBoxThePenColour)
{
    Module m(2);
    std::vector<std::pair<Document *, ColourValue>> told;
    QObject::connect(&m.module, &ModuleMain::hwordColourChanged,
        [&](Document *document, ColourValue pen) { told.emplace_back(document, pen); });
    m.module.colourTool().setPictureForecolor(0x123456);
    m.module.activate(m.module.hEditList(1));
    ASSERT_EQ(told.size(), 1u);
    EXPECT_EQ(told[0].first, m.module.hEditList(1));
    EXPECT_EQ(told[0].second, 0x123456u);
}

TEST(ModuleMain, ArrangingNeedsADocumentAndAModeOfZeroToFour)
{
    ModuleMain module;
    module.startUp();
    for (int mode = -1; mode <= 5; ++mode)
        EXPECT_FALSE(module.mayArrange(mode)) << mode;
    module.NewPicture();
    for (int mode = 0; mode <= 4; ++mode)
        EXPECT_TRUE(module.mayArrange(mode)) << mode;
    EXPECT_FALSE(module.mayArrange(-1));
    EXPECT_FALSE(module.mayArrange(5));
}

TEST(ModuleMain, NewSetsUpOnlyTheNewPicture)
{
    Module m;
    Document *first = &m.active();
    first->Picture1().PSet(15, 15, 0x00FF00);
    m.module.colourTool().setPicturebackcolor(0x0000FF);
    m.module.hDrawStyle = 2;
    Document *created = m.module.FileNew();
    ASSERT_NE(created, nullptr);
    EXPECT_EQ(m.module.ActiveEdit(), created);
    EXPECT_EQ(pixel(*created, 1, 1), 0xFF0000u) << "the new canvas has the background colour";
    EXPECT_EQ(created->Picture1().DrawStyle(), 2);
    EXPECT_EQ(pixel(*first, 1, 1), 0x00FF00u);
}

TEST(ModuleMain, NewWithAFullWindowListLeavesTheActivePictureAlone)
{
    Module m(2);
    m.module.setEditLimit(2);
    Document *active = &m.active();
    active->Picture1().PSet(15, 15, 0x00FF00);
    m.module.colourTool().setPicturebackcolor(0x0000FF);
    EXPECT_EQ(m.module.FileNew(), nullptr);
    EXPECT_EQ(m.module.hEditCount(), 2);
    EXPECT_EQ(m.module.hPictureCount(), 2);
    EXPECT_EQ(m.module.ActiveEdit(), active);
    EXPECT_EQ(pixel(*active, 1, 1), 0x00FF00u) << "the drawing was not cleared";
    EXPECT_FALSE(active->DataChanged());
}

TEST(ModuleMain, TheLineWidthBoxAlwaysHoldsAUsableWidth)
{
    Module m;
    m.module.tools().values().setText1(QStringLiteral("3"));
    m.module.activate(&m.active());
    EXPECT_EQ(m.active().Picture1().DrawWidth(), 3);
    m.module.tools().values().setText1(QString());
    EXPECT_EQ(m.module.tools().values().Text1(), "1");
    m.module.tools().values().setText1(QStringLiteral("99999"));
    EXPECT_EQ(m.module.tools().values().Text1(), "500");
    m.module.activate(&m.active());
    EXPECT_EQ(m.active().Picture1().DrawWidth(), 500);
}

TEST(ModuleMain, ApplyCanvasSettingsClearsToTheBackgroundAndSetsStyles)
{
    Module m;
    m.active().Picture1().PSet(15, 15, 0x00FF00);
    m.module.colourTool().setPicturebackcolor(0x0000FF);
    m.module.hDrawStyle = 2;
    m.module.hFillStyle = 4;
    m.module.ApplyCanvasSettings();
    EXPECT_EQ(pixel(m.active(), 1, 1), 0xFF0000u);
    EXPECT_EQ(m.active().Picture1().DrawStyle(), 2);
    EXPECT_EQ(m.active().Picture1().FillStyle(), 4);
}

TEST(ModuleMain, ResizingTheCanvasShowsItsNewSize)
{
    Module m;
    m.active().resizeCanvas(100 * 15 + 30, 50 * 15 + 30);
    EXPECT_EQ(m.module.colourTool().TextX(), "100");
    EXPECT_EQ(m.module.colourTool().TextY(), "50");
}

TEST(ModuleMainUndo, ASnapshotResetsTheFigureBoxAndEnablesUndo)
{
    Module m;
    m.active().anchors.hMinX = 10;
    m.active().anchors.hMaxY = 20;
    EXPECT_FALSE(m.module.commandContext().canUndo);
    m.module.TakeUndoSnapshot(0, 0, 150, 150);
    EXPECT_EQ(m.active().anchors.hMinX, -1);
    EXPECT_EQ(m.active().anchors.hMaxY, -1.0);
    EXPECT_TRUE(m.module.commandContext().canUndo);
    EXPECT_FALSE(m.module.commandContext().canRedo);
}

TEST(ModuleMainUndo, FiftyOneActionsKeepTheNewestFifty)
{
    Module m;
    for (int n = 1; n <= 51; ++n)
        act(m.module, n);
    EXPECT_EQ(m.active().history().undoCount(), 50);
    for (int n = 51; n >= 2; --n) {
        ASSERT_TRUE(m.module.commandContext().canUndo) << n;
        m.module.undo();
        EXPECT_EQ(pixel(m.active(), n % 40, n / 40), 0xFFFFFFu) << n;
    }
    EXPECT_FALSE(m.module.commandContext().canUndo);
    EXPECT_EQ(pixel(m.active(), 1, 0), colourOfAction(1)) << "step 1 is gone";
    EXPECT_EQ(m.active().history().redoCount(), 50);
}

TEST(ModuleMainUndo, ANewActionAfterUndosDropsTheRedoSteps)
{
    Module m;
    for (int n = 1; n <= 50; ++n)
        act(m.module, n);
    for (int i = 0; i < 5; ++i)
        m.module.undo();
    EXPECT_TRUE(m.module.commandContext().canRedo);
    act(m.module, 60);
    EXPECT_FALSE(m.module.commandContext().canRedo);
    EXPECT_EQ(m.active().history().undoCount(), 46);
    m.module.undo();
    EXPECT_EQ(pixel(m.active(), 20, 1), 0xFFFFFFu) << "the new action is undone first";
    EXPECT_EQ(pixel(m.active(), 5, 1), colourOfAction(45));
    m.module.undo();
    EXPECT_EQ(pixel(m.active(), 5, 1), 0xFFFFFFu) << "then the step made before the undone ones";
}

TEST(ModuleMainUndo, UndoRedoUndoRestoresTheSamePixels)
{
    Module m;
    act(m.module, 3);
    m.module.undo();
    EXPECT_EQ(pixel(m.active(), 3, 0), 0xFFFFFFu);
    m.module.redo();
    EXPECT_EQ(pixel(m.active(), 3, 0), colourOfAction(3));
    m.module.undo();
    EXPECT_EQ(pixel(m.active(), 3, 0), 0xFFFFFFu);
    EXPECT_FALSE(m.active().DataChanged()) << "undo and redo leave the changed flag alone";
}

TEST(ModuleMainUndo, UndoDropsAFloatingSelectionAndAFixedRadiusFirst)
{
    Module m;
    act(m.module, 1);
    m.active().hBoolSelect = true;
    m.active().hBanJingOk = true;
    m.module.undo();
    EXPECT_FALSE(m.active().hBoolSelect);
    EXPECT_FALSE(m.active().hBanJingOk.value_or(false));
    EXPECT_EQ(pixel(m.active(), 1, 0), 0xFFFFFFu);
}

TEST(ModuleMainUndo, UndoAndRedoBothCancelARadiusAndItsGuide)
{
    Module m;
    act(m.module, 1);
    for (bool redo : { false, true }) {
        m.active().radiusGuide().start(QPointF(15, 15));
        m.active().radiusGuide().setSecond(QPointF(60, 15));
        m.active().hBanJingOk = true;
        redo ? m.module.redo() : m.module.undo();
        EXPECT_FALSE(m.active().hBanJingOk.value_or(false)) << redo;
        EXPECT_FALSE(m.active().radiusGuide().blinking()) << redo;
        EXPECT_FALSE(m.active().radiusGuide().line1Visible()) << redo;
    }
}

TEST(ModuleMainUndo, RedoKeepsTheSelection)
{
    Module m;
    act(m.module, 1);
    m.module.undo();
    m.active().hBoolSelect = true;
    m.module.redo();
    EXPECT_TRUE(m.active().hBoolSelect);
}

TEST(ModuleMainUndo, TwoDocumentsKeepTheirOwnHistories)
{
    Module m(2);
    Document *first = m.module.hEditList(1);
    Document *second = m.module.hEditList(2);
    m.module.activate(first);
    act(m.module, 1);
    act(m.module, 2);
    m.module.activate(second);
    EXPECT_FALSE(m.module.commandContext().canUndo);
    act(m.module, 5);
    m.module.undo();
    EXPECT_EQ(pixel(*first, 2, 0), colourOfAction(2));
    EXPECT_EQ(first->history().undoCount(), 2);
    m.module.activate(first);
    EXPECT_TRUE(m.module.commandContext().canUndo);
    EXPECT_FALSE(m.module.commandContext().canRedo);
    m.module.undo();
    EXPECT_EQ(pixel(*first, 2, 0), 0xFFFFFFu);
    EXPECT_EQ(second->history().redoCount(), 1);
}

TEST(ModuleMainUndo, WithoutADocumentTheProceduresDoNothing)
{
    ModuleMain module;
    module.TakeUndoSnapshot(0, 0, 15, 15);
    module.undo();
    module.redo();
    module.CancelSelection();
    module.CancelRadius();
    module.ApplyCanvasSettings();
    EXPECT_FALSE(module.commandContext().canUndo);
}
