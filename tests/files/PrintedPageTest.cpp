#include "files/PrintedPage.h"
#include "files/ViewerLayout.h"

#include <gtest/gtest.h>

TEST(PrintedPage, APictureKeepsItsScreenSizeAtThePrintersResolutionCentred)
{
    // 96 pixels are one inch: 600 dots at 600 dpi.
    const QRectF r = PrintedPage::placement({ 96, 48 }, { 4800, 6600 }, 600);
    EXPECT_DOUBLE_EQ(r.width(), 600);
    EXPECT_DOUBLE_EQ(r.height(), 300);
    EXPECT_DOUBLE_EQ(r.left(), 2100);
    EXPECT_DOUBLE_EQ(r.top(), 3150);
}

TEST(PrintedPage, ALargerPictureShrinksToFitWholeAndKeepsItsShape)
{
    const QRectF wide = PrintedPage::placement({ 2000, 500 }, { 4800, 6600 }, 600);
    EXPECT_DOUBLE_EQ(wide.width(), 4800);
    EXPECT_DOUBLE_EQ(wide.height(), 1200);
    EXPECT_DOUBLE_EQ(wide.left(), 0);
    EXPECT_DOUBLE_EQ(wide.top(), 2700);
    EXPECT_TRUE(PrintedPage::placement({ 0, 10 }, { 4800, 6600 }, 600).isEmpty());
}

TEST(ViewerLayout, TheWholePictureIsCentredOrPinnedPerAxis)
{
    EXPECT_EQ(ViewerLayout::pictureOrigin({ 400, 300 }, { 100, 100 }), QPoint(150, 100));
    // Wider but shorter: pinned left, centred vertically.
    EXPECT_EQ(ViewerLayout::pictureOrigin({ 400, 300 }, { 900, 100 }), QPoint(0, 100));
    EXPECT_EQ(ViewerLayout::pictureOrigin({ 400, 300 }, { 100, 900 }), QPoint(150, 0));
}

TEST(ViewerLayout, TheHelpWindowStandsAtTheRightEdgeWithItsMargins)
{
    // 1920 × 1080 pixels are 28800 × 16200 twips.
    EXPECT_EQ(ViewerLayout::helpPlacement({ 28800, 16200 }), QRect(23445, 30, 5325, 15450));
    EXPECT_EQ(ViewerLayout::helpMinimum(), QSize(1845, 1125));
    EXPECT_EQ(ViewerLayout::helpTextBox({ 5000, 6000 }), QRect(120, 150, 4760, 5700));
    EXPECT_TRUE(ViewerLayout::helpTextBox({ 270, 6000 }).isEmpty());
    EXPECT_TRUE(ViewerLayout::helpTextBox({ 5000, 330 }).isEmpty());
}
