// "确定" of the text tool: the text lands once in the box's colour over the
// picture, clipped to the canvas, as one undo step; Esc leaves everything.
#include "tools/TextCommit.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "document/Workspace.h"
#include "history/UndoHistory.h"
#include "raster/PictureSurface.h"

#include <gtest/gtest.h>

namespace {

constexpr ColourValue Red = Colour::fromRgb(255, 0, 0);
constexpr QRgb White = 0xFFFFFFFF;

class TextCommitTest : public ::testing::Test
{
protected:
    TextCommitTest()
        : document(*module.NewPicture())
    {
        QImage picture(120, 80, QImage::Format_RGB32);
        picture.fill(White);
        // A stripe of another colour, which must show between the glyphs.
        for (int y = 0; y < 80; ++y)
            picture.setPixel(60, y, 0xFF00FF00);
        canvas().setPicture(picture);
        document.setDataChanged(false);
        QFont font(QStringLiteral("WenQuanYi Micro Hei"));
        font.setPixelSize(16);
        box().setFont(font);
        box().setForeColor(Red);
    }

    PictureSurface &canvas() { return document.Picture1(); }
    TextBox &box() { return document.hword(); }

    // The picture with the text printed straight onto it at the box's place,
    // every line starting at the box's left edge.
    QImage printedDirectly(const QString &text)
    {
        PictureSurface reference(canvas().pixelWidth(), canvas().pixelHeight());
        reference.setImage(canvas().Image());
        reference.setFont(box().Font());
        reference.setForeColor(Red);
        reference.setCurrentY(box().Top());
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            reference.setCurrentX(box().Left());
            reference.Print(line);
        }
        return reference.Image();
    }

    void commit(const TextPaint &paint = TextPaint())
    {
        TextCommit::commit(module, document, paint);
    }

    QRectF lastStep() const
    {
        const UndoHistory &history = document.history();
        return history.undoSlotRect(history.ringPosition());
    }

    Workspace module;
    Document &document;
};

}

TEST_F(TextCommitTest, PlainTextIsPrintedOnceInTheBoxColourOverThePicture)
{
    box().place(40 * 15, 20 * 15);
    box().setText(QStringLiteral("Hi 你好\nsecond"));
    const QImage before = canvas().Image();
    const QImage expected = printedDirectly(box().Text());
    commit();
    EXPECT_EQ(canvas().Image(), expected);
    EXPECT_NE(canvas().Image().pixel(60, 30), White) << "the stripe under the text stays";
    // Undone, the picture is as before.
    EXPECT_TRUE(document.DataChanged());
    EXPECT_TRUE(box().Visible());
    EXPECT_TRUE(box().Text().isEmpty());
    document.history().undo(canvas());
    EXPECT_EQ(canvas().Image(), before);
}

TEST_F(TextCommitTest, TheUndoStepCoversTheBoxAsItWasBeforeEmptying)
{
    box().place(40 * 15, 20 * 15);
    box().setText(QStringLiteral("Hi"));
    const QRectF before(box().Left(), box().Top(), box().Width() + 1, box().Height() + 1);
    commit();
    EXPECT_EQ(lastStep(), before);
}

TEST_F(TextCommitTest, ABoxPartlyOutsideTheCanvasDrawsAndSavesOnlyTheVisiblePart)
{
    box().place(110 * 15, 70 * 15);
    box().setText(QStringLiteral("WWWW\nWWWW"));
    ASSERT_GT(box().Left() + box().Width(), canvas().ScaleWidth());
    const QImage expected = printedDirectly(box().Text());
    commit();
    EXPECT_EQ(canvas().Image(), expected);
    EXPECT_EQ(lastStep(),
        QRectF(110 * 15, 70 * 15, canvas().ScaleWidth() - 110 * 15 + 1,
            canvas().ScaleHeight() - 70 * 15 + 1));
}

TEST_F(TextCommitTest, AnEmptyBoxStillTakesAStepAndMarksTheChange)
{
    box().place(15, 15);
    const QImage before = canvas().Image();
    commit();
    EXPECT_EQ(canvas().Image(), before);
    EXPECT_TRUE(document.history().canUndo());
    EXPECT_TRUE(document.DataChanged());
}

TEST_F(TextCommitTest, EscapeLeavesThePictureAndTheHistory)
{
    const QImage before = canvas().Image();
    box().place(15, 15);
    box().setText(QStringLiteral("abc"));
    box().discard();
    EXPECT_EQ(canvas().Image(), before);
    EXPECT_FALSE(document.history().canUndo());
    EXPECT_FALSE(document.DataChanged());
}

TEST_F(TextCommitTest, GradientTextChangesOnlyTheGlyphsAndIsOneUndoStep)
{
    box().place(10 * 15, 20 * 15);
    box().setText(QStringLiteral("WWWWWWWW"));
    const QImage before = canvas().Image();
    // The plain print shows which pixels are glyphs.
    const QImage glyphs = printedDirectly(box().Text());
    TextPaint paint;
    paint.kind = TextPaint::Kind::Single;
    paint.start = Colour::fromRgb(0, 0, 255);
    paint.end = Colour::fromRgb(0, 200, 0);
    QRect reported;
    QObject::connect(&canvas(), &PictureSurface::changed, [&](const QRect &r) { reported |= r; });
    commit(paint);
    const QImage after = canvas().Image();
    int leftmost = after.width(), rightmost = -1;
    QRgb first = 0, last = 0;
    for (int y = 0; y < after.height(); ++y) {
        for (int x = 0; x < after.width(); ++x) {
            const bool glyph = glyphs.pixel(x, y) != before.pixel(x, y);
            ASSERT_EQ(after.pixel(x, y) != before.pixel(x, y), glyph) << x << "," << y;
            if (glyph && x < leftmost)
                leftmost = x, first = after.pixel(x, y);
            if (glyph && x > rightmost)
                rightmost = x, last = after.pixel(x, y);
        }
    }
    EXPECT_TRUE(reported.contains(QRect(QPoint(leftmost, 20), QPoint(rightmost, 30))))
        << "the window repaints the glyphs";
    // Left to right from the start colour to the end colour.
    EXPECT_GT(qBlue(first), 200);
    EXPECT_LT(qBlue(last), 50);
    EXPECT_GT(qGreen(last), 150);
    EXPECT_TRUE(document.DataChanged());
    document.history().undo(canvas());
    EXPECT_EQ(canvas().Image(), before);
}

TEST_F(TextCommitTest, EveryLineStartsAtTheBoxEdgeEvenOffTheCanvas)
{
    box().place(-8 * 15, 20 * 15);
    box().setText(QStringLiteral("WWWW\nWWWW"));
    const QImage expected = printedDirectly(box().Text());
    commit();
    EXPECT_EQ(canvas().Image(), expected);
}
