#include "document/Document.h"
#include "raster/PictureSurface.h"

#include <gtest/gtest.h>

namespace {

QRgb pixel(const Document &d, int x, int y)
{
    return d.Picture1().Image().pixel(x, y) & 0xFFFFFF;
}

}

TEST(Document, ResizingKeepsTheTopLeftAndGrowsInTheBackgroundColour)
{
    Document d;
    d.resizeCanvas(10 * 15 + 30, 10 * 15 + 30);
    d.Picture1().setBackColor(0x0000FF); // red in the stored order
    d.Picture1().PSet(0, 0, 0x00FF00);
    d.Picture1().PSet(9 * 15, 9 * 15, 0x00FF00);
    d.setDataChanged(false);

    d.resizeCanvas(20 * 15 + 30, 12 * 15 + 30);
    EXPECT_TRUE(d.DataChanged());
    EXPECT_EQ(d.Picture1().pixelWidth(), 20);
    EXPECT_EQ(d.Picture1().pixelHeight(), 12);
    EXPECT_EQ(pixel(d, 0, 0), 0x00FF00u);
    EXPECT_EQ(pixel(d, 9, 9), 0x00FF00u);
    EXPECT_EQ(pixel(d, 19, 11), 0xFF0000u);

    d.resizeCanvas(5 * 15 + 30, 5 * 15 + 30);
    d.resizeCanvas(20 * 15 + 30, 12 * 15 + 30);
    EXPECT_EQ(pixel(d, 9, 9), 0xFF0000u) << "shrinking crops";
}

TEST(Document, TheBoxIsClampedAndTheDrawingLosesTheBorder)
{
    Document d;
    d.dragHandle(CanvasLayout::Handle::Both, -1e6, 1e6);
    EXPECT_EQ(d.canvasRect().size(), QSizeF(1, 30035));
    EXPECT_EQ(d.Picture1().pixelWidth(), 1) << "a drawing keeps one pixel";
    EXPECT_EQ(d.ScaleWidth(), 15) << "the drawing is whole pixels";
    EXPECT_EQ(d.Picture1().pixelHeight(), 2000); // (30035 - 30) / 15 = 2000.33
}

TEST(Document, ReplacingThePictureIsAChange)
{
    Document d;
    d.setDataChanged(false);
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    d.Picture1().setPicture(picture);
    EXPECT_TRUE(d.DataChanged());
}

TEST(Document, CancellingWithoutASelectionOrRadiusDoesNothing)
{
    Document d;
    EXPECT_FALSE(d.cancelSelection());
    EXPECT_FALSE(d.cancelRadius());
    d.hBoolSelect = true;
    d.hBanJingOk = true;
    EXPECT_TRUE(d.cancelSelection());
    EXPECT_TRUE(d.cancelRadius());
    EXPECT_FALSE(d.hBoolSelect);
    EXPECT_FALSE(d.hBanJingOk.value_or(false));
}
