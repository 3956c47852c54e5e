// The region and scale tools on a real document, driven through the canvas
// input as the window drives it, with the Edit menu's selection commands.
#include "tools/SelectionTools.h"
#include "base/Twips.h"
#include "document/ColourToolModel.h"
#include "document/Document.h"
#include "document/FloatingSelection.h"
#include "document/PictureClipboard.h"
#include "document/Workspace.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"
#include "support/SurfaceTestUtil.h"
#include "tools/DocumentCanvasInput.h"
#include "tools/PaletteValues.h"
#include "tools/ToolCode.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

namespace {

constexpr double Px = Twips::PerPixel;

QImage solidImage(int width, int height, ColourValue colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Colour::toQColor(colour));
    return image;
}

class Desk : public Workspace
{
protected:
    std::unique_ptr<CanvasInput> makeInput(Document &document) override
    {
        return std::make_unique<DocumentCanvasInput>(*this, document);
    }
};

class FakeClipboard : public PictureClipboard
{
public:
    QImage image() const override { return held; }
    void setImage(const QImage &image) override { held = image; }
    QImage held;
};

class Selecting : public ::testing::Test
{
protected:
    void SetUp() override
    {
        doc = desk.NewPicture();
        doc->resizeCanvas(100 * Px + 30, 80 * Px + 30);
        doc->Picture1().setImage(noiseImage(100, 80, 7));
        original = doc->Picture1().Image().copy();
        desk.hTool = ToolCode::SelectRegion;
        doc->setDataChanged(false);
    }
    // Pointer positions in pixels.
    void press(double x, double y, Qt::MouseButton b = Qt::LeftButton)
    {
        held |= b;
        doc->input()->mouseDown({ x * Px, y * Px, b, held, {} });
    }
    void move(double x, double y) { doc->input()->mouseMove({ x * Px, y * Px, {}, held, {} }); }
    void release(double x, double y)
    {
        held &= ~Qt::MouseButtons(Qt::LeftButton);
        doc->input()->mouseUp({ x * Px, y * Px, Qt::LeftButton, held, {} });
    }
    void marquee(double x0, double y0, double x1, double y1)
    {
        press(x0, y0);
        move(x1, y1);
        release(x1, y1);
    }
    QImage canvas() const { return doc->Picture1().Image(); }
    QRectF selected() const { return doc->selection().rect(); }
    QRectF lastUndoRect() const
    {
        const UndoHistory &h = doc->history();
        return h.undoSlotRect(h.undoOrder(h.undoCount()));
    }

    Desk desk;
    Document *doc = nullptr;
    QImage original;
    Qt::MouseButtons held;
};

}

TEST_F(Selecting, AClickSelectsOneTwipAndTheNextClickCommitsItAsAnUndoStep)
{
    press(10, 10);
    release(10, 10);
    EXPECT_TRUE(doc->hBoolSelect);
    EXPECT_EQ(selected(), QRectF(150, 150, 1, 1));
    EXPECT_EQ(doc->selection().picture().Image().size(), QSize(1, 1));
    EXPECT_FALSE(doc->history().canUndo()) << "lifting is not a step";
    EXPECT_FALSE(doc->DataChanged());

    press(50, 40);
    EXPECT_FALSE(doc->hBoolSelect) << "the press committed";
    EXPECT_EQ(doc->history().undoCount(), 1);
    EXPECT_EQ(lastUndoRect(), QRectF(150, 150, 16, 16));
    EXPECT_TRUE(doc->DataChanged());
    EXPECT_EQ(canvas(), original) << "a selection put back where it came from changes nothing";
    release(50, 40);
    EXPECT_TRUE(doc->hBoolSelect) << "and the click started another";
}

TEST_F(Selecting, DraggedAndCommittedWithSrcCopyTheRegionIsDuplicatedAndUndoRestoresIt)
{
    marquee(10, 10, 30, 25);
    EXPECT_EQ(selected(), QRectF(150, 150, 300, 225));
    EXPECT_EQ(doc->selection().picture().Image(), original.copy(10, 10, 20, 15));

    // Grab the floating picture and drag it 40 right, 30 down.
    doc->grabSelection(15 * Px, 12 * Px);
    doc->dragSelection(35 * Px, 27 * Px);
    doc->dragSelection(55 * Px, 42 * Px);
    EXPECT_EQ(selected().topLeft(), QPointF(50 * Px, 40 * Px));
    EXPECT_EQ(doc->anchors.hStartx, 50 * Px) << "a drag moves the paste point";
    EXPECT_EQ(canvas(), original) << "the canvas holds nothing while the picture floats";

    const QImage beforeCommit = canvas().copy();
    press(90, 5);
    EXPECT_EQ(canvas().copy(50, 40, 20, 15), original.copy(10, 10, 20, 15));
    EXPECT_EQ(canvas().copy(10, 10, 20, 15), original.copy(10, 10, 20, 15))
        << "the lifted area is unchanged";
    EXPECT_EQ(lastUndoRect(), QRectF(50 * Px, 40 * Px, 300 + Px, 225 + Px));

    desk.undo();
    EXPECT_EQ(canvas(), beforeCommit) << "undo right after a commit restores every pixel";
    EXPECT_FALSE(doc->hBoolSelect) << "the marquee under way went with the undo";
}

TEST_F(Selecting, EveryPasteModeCombinesWithTheCanvasAndSrcInvertInPlaceGivesBlack)
{
    desk.SetPasteMode(RasterOp::SRCINVERT);
    marquee(20, 20, 40, 30);
    EXPECT_TRUE(desk.commitSelection(*doc)) << "Enter";
    EXPECT_EQ(canvas().copy(20, 20, 20, 10), solidImage(20, 10, 0x000000));
    EXPECT_EQ(canvas().copy(0, 0, 20, 80), original.copy(0, 0, 20, 80));
    EXPECT_FALSE(desk.commitSelection(*doc)) << "nothing floats any more";

    desk.SetPasteMode(RasterOp::NOTSRCCOPY);
    marquee(0, 0, 10, 10);
    desk.commitSelection(*doc);
    QImage expected = original.copy(0, 0, 10, 10);
    expected.invertPixels();
    EXPECT_EQ(canvas().copy(0, 0, 10, 10), expected);
}

TEST_F(Selecting, AMarqueePastTheLeftEdgeLiftsFromOutsideAndItsUndoRectangleStartsAtZero)
{
    press(20, 10);
    move(-10, 30);
    EXPECT_EQ(doc->selection().outline(), QRectF(-150, 150, 450, 300));
    release(-10, 30);
    EXPECT_EQ(selected().left(), -150);
    EXPECT_EQ(doc->selection().picture().Image().copy(10, 0, 20, 20), original.copy(0, 10, 20, 20));
    press(60, 60);
    EXPECT_EQ(lastUndoRect(), QRectF(0, 150, 300 + Px, 300 + Px));
    EXPECT_EQ(canvas(), original);
}

TEST_F(Selecting, NudgesMoveByAPixelButLeaveTheStartPoint)
{
    EXPECT_FALSE(doc->nudgeSelection(Px, 0)) << "without a selection the keys do nothing";
    marquee(10, 10, 20, 20);
    doc->nudgeSelection(-Px, 0);
    doc->nudgeSelection(0, Px);
    doc->nudgeSelection(0, Px);
    EXPECT_EQ(selected().topLeft(), QPointF(9 * Px, 12 * Px));
    EXPECT_EQ(doc->anchors.hStartx, 10 * Px);
    EXPECT_EQ(doc->anchors.hStarty, 10 * Px);
}

TEST(SelectionFrame, LayoutPutsOutlinesAndHandlesAroundThePicture)
{
    const auto frame = SelectionFrame::layoutFor(QRectF(300, 450, 600, 300));
    EXPECT_EQ(frame.outline, QRectF(276, 426, 663, 363));
    using H = SelectionFrame::Handle;
    EXPECT_EQ(frame.handle(H::LeftUp), QRectF(220, 370, 80, 80));
    EXPECT_EQ(frame.handle(H::Up), QRectF(560, 370, 80, 80));
    EXPECT_EQ(frame.handle(H::RightUp), QRectF(900, 370, 80, 80));
    EXPECT_EQ(frame.handle(H::Left), QRectF(220, 560, 80, 80));
    EXPECT_EQ(frame.handle(H::Right), QRectF(900, 560, 80, 80));
    EXPECT_EQ(frame.handle(H::LeftDown), QRectF(220, 750, 80, 80));
    EXPECT_EQ(frame.handle(H::Down), QRectF(560, 750, 80, 80));
    EXPECT_EQ(frame.handle(H::RightDown), QRectF(900, 750, 80, 80));
}

TEST(SelectionFrame, EachHandleMovesItsEdgesKeepsItsMinimumAndNeverCrosses)
{
    using H = SelectionFrame::Handle;
    const QRectF r(300, 450, 600, 300);
    struct Row
    {
        H handle;
        double x, y;
        QRectF expected;
    };
    const Row rows[] = {
        { H::RightDown, 30, -20, QRectF(300, 450, 630, 280) },
        { H::RightDown, -1000, -1000, QRectF(300, 450, 15, 15) },
        { H::Right, -1000, 0, QRectF(300, 450, 1, 300) },
        { H::Down, 0, -1000, QRectF(300, 450, 600, 1) },
        { H::Left, 100, 0, QRectF(400, 450, 500, 300) },
        { H::Left, 700, 0, QRectF(300, 450, 1, 300) },
        { H::Up, 0, -50, QRectF(300, 400, 600, 350) },
        { H::Up, 0, 300, QRectF(300, 450, 600, 1) },
        { H::LeftUp, 599, 1000, QRectF(899, 450, 1, 1) },
        { H::RightUp, -1000, 100, QRectF(300, 550, 1, 200) },
        { H::LeftDown, -30, -1000, QRectF(270, 450, 630, 1) },
    };
    for (const Row &row : rows)
        EXPECT_EQ(SelectionFrame::resized(r, row.handle, row.x, row.y), row.expected)
            << int(row.handle) << " by " << row.x << ", " << row.y;
}

TEST_F(Selecting, AHandleSelectsTheCanvasUnderTheNewRectangle)
{
    marquee(10, 10, 30, 30);
    const QRectF handle = doc->selection().frame().handle(SelectionFrame::Handle::LeftUp);
    // The pointer 5 pixels right and down of the handle's corner.
    doc->resizeSelection(
        SelectionFrame::Handle::LeftUp, handle.left() + 5 * Px, handle.top() + 5 * Px);
    EXPECT_EQ(selected(), QRectF(15 * Px, 15 * Px, 15 * Px, 15 * Px));
    EXPECT_EQ(doc->selection().picture().Image(), original.copy(15, 15, 15, 15))
        << "the handles change what is selected, they do not stretch it";
    EXPECT_EQ(doc->anchors.hStartx, 15 * Px);
}

TEST_F(Selecting, CopyAndPasteGoThroughTheClipboardToTheLastRightClick)
{
    FakeClipboard clipboard;
    desk.EditCopy(clipboard);
    EXPECT_TRUE(clipboard.held.isNull()) << "copy needs a selection";
    EXPECT_EQ(desk.EditPaste(clipboard), Workspace::PasteOutcome::Nothing)
        << "no picture: nothing happens, nothing is said";
    EXPECT_FALSE(doc->hBoolSelect);

    marquee(10, 10, 20, 15);
    desk.EditCopy(clipboard);
    EXPECT_EQ(clipboard.held, original.copy(10, 10, 10, 5));
    desk.commitSelection(*doc);

    doc->input()->mouseDown({ 300, 450, Qt::RightButton, Qt::RightButton, {} });
    EXPECT_EQ(desk.EditPaste(clipboard), Workspace::PasteOutcome::Pasted);
    EXPECT_TRUE(doc->hBoolSelect);
    EXPECT_EQ(selected(), QRectF(300, 450, 150, 75));
    desk.commitSelection(*doc);
    EXPECT_EQ(canvas().copy(20, 30, 10, 5), original.copy(10, 10, 10, 5));

    clipboard.held = QImage(PictureSurface::MaxSide + 1, 1, QImage::Format_RGB32);
    EXPECT_EQ(desk.EditPaste(clipboard), Workspace::PasteOutcome::TooLarge);
    EXPECT_FALSE(doc->hBoolSelect);
}

TEST_F(Selecting, SelectAllThenClearThenCommitGivesASolidBlockInTheDrawingColour)
{
    desk.colourTool().setPictureFillColor(0x3366CC);
    desk.EditSelectAll();
    EXPECT_TRUE(doc->hBoolSelect);
    EXPECT_EQ(selected(), QRectF(0, 0, 100 * Px, 80 * Px));
    desk.EditClear();
    EXPECT_EQ(canvas(), original) << "clear works on the floating picture";
    desk.commitSelection(*doc);
    EXPECT_EQ(canvas(), solidImage(100, 80, 0x3366CC));
    EXPECT_EQ(lastUndoRect(), QRectF(0, 0, 100 * Px + Px, 80 * Px + Px));

    // A whole-canvas step keeps the old image until the program is idle.
    EXPECT_TRUE(doc->history().holdsHeldSnapshots());
    QCoreApplication::processEvents();
    EXPECT_FALSE(doc->history().holdsHeldSnapshots());
    desk.undo();
    EXPECT_EQ(canvas(), original);
    desk.redo();
    EXPECT_EQ(canvas(), solidImage(100, 80, 0x3366CC));
}

TEST_F(Selecting, UndoDropsTheSelectionButRedoKeepsIt)
{
    marquee(10, 10, 20, 20);
    press(50, 50);
    release(60, 60);
    ASSERT_TRUE(doc->hBoolSelect);
    desk.undo();
    EXPECT_FALSE(doc->hBoolSelect);
    EXPECT_TRUE(doc->selection().shownPixels().isEmpty()) << "nothing of it is shown";
    marquee(10, 10, 20, 20);
    desk.redo();
    EXPECT_TRUE(doc->hBoolSelect);
}

TEST_F(Selecting, TheBlinkRepaintsOnlyTheOutline)
{
    marquee(10, 10, 40, 30);
    QRegion repainted;
    QObject::connect(
        &doc->selection(), &FloatingSelection::changed, [&](const QRegion &r) { repainted += r; });
    const bool first = doc->selection().shape1Visible();
    doc->selection().blink();
    EXPECT_NE(doc->selection().shape1Visible(), first);
    EXPECT_NE(doc->selection().shape1Visible(), doc->selection().shape2Visible());
    const QRect outline = Twips::toPixelRect(*doc->selection().outline());
    qint64 pixels = 0;
    for (const QRect &r : repainted)
        pixels += qint64(r.width()) * r.height();
    EXPECT_EQ(pixels, 2 * (outline.width() + outline.height()) - 4);
}

TEST_F(Selecting, TheScaleToolEnlargesThreeTimesAndReducesBackExactly)
{
    desk.hTool = ToolCode::ScaleImage;
    press(5, 5);
    EXPECT_TRUE(doc->hZoomed);
    ASSERT_EQ(canvas().size(), QSize(300, 240));
    for (int y : { 0, 1, 2, 100, 239 })
        for (int x : { 0, 2, 3, 150, 299 })
            EXPECT_EQ(canvas().pixel(x, y), original.pixel(x / 3, y / 3)) << x << "," << y;
    EXPECT_EQ(doc->Picture1().DrawWidth(), 3);
    EXPECT_TRUE(doc->DataChanged()) << "a mended fault: scaling is a change";
    doc->setDataChanged(false);

    press(5, 5);
    EXPECT_FALSE(doc->hZoomed);
    EXPECT_EQ(canvas(), original);
    EXPECT_EQ(doc->Picture1().DrawWidth(), 1);
    EXPECT_TRUE(doc->DataChanged());
    EXPECT_FALSE(doc->history().canUndo()) << "scaling takes no undo step";
}

// Reducing an enlargement nothing was drawn on hands back the picture it came
// from without reading the enlarged canvas; anything drawn in between must be
// sampled like any other enlarged picture.
TEST_F(Selecting, ReducingSamplesWhatWasDrawnOnTheEnlargement)
{
    desk.hTool = ToolCode::ScaleImage;
    const QImage before = canvas();
    press(5, 5);
    press(5, 5);
    EXPECT_EQ(canvas().constBits(), before.constBits()) << "the kept picture, not a copy";

    press(5, 5);
    doc->Picture1().setDrawWidth(1);
    doc->Picture1().PSet(Twips::fromPixels(4), Twips::fromPixels(7), 0x00FF00);
    doc->Picture1().PSet(Twips::fromPixels(3), Twips::fromPixels(3), 0x00FF00);
    press(5, 5);
    QImage expected = original;
    expected.setPixel(1, 2, qRgb(0, 0xFF, 0));
    EXPECT_EQ(canvas(), expected) << "the middle of each 3 x 3 block is sampled";
}

TEST(ScaleTool, APictureThatWouldPassTheSurfaceLimitIsNotEnlarged)
{
    Desk desk;
    Document *doc = desk.NewPicture();
    QString told;
    QObject::connect(doc, &Document::userNotice, [&](const QString &text) { told = text; });
    doc->Picture1().setAutoSize(true);
    doc->Picture1().setPicture(solidImage(11000, 10, 0x123456));
    desk.hTool = ToolCode::ScaleImage;
    doc->input()->mouseDown({ 0, 0, Qt::LeftButton, Qt::LeftButton, {} });
    EXPECT_EQ(told, ScaleTool::tooLargeMessage());
    EXPECT_FALSE(doc->hZoomed);
    EXPECT_EQ(doc->Picture1().Image().size(), QSize(11000, 10));
}
