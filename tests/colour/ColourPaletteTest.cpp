#include "colour/ColourPalette.h"

#include <gtest/gtest.h>

namespace {

struct Cell
{
    int index;
    int column;
    int row;
    int red, green, blue;
};

}

TEST(ColourPalette, CellsHoldTheirColoursColumnByColumn)
{
    const Cell cells[] = {
        { 1, 1, 0, 255, 255, 255 },
        { 2, 1, 1, 0, 0, 0 },
        { 5, 3, 0, 192, 192, 192 },
        { 11, 6, 0, 255, 0, 0 },
        { 12, 6, 1, 192, 0, 0 },
        { 14, 7, 1, 128, 64, 64 },
        { 17, 9, 0, 255, 128, 0 },
        { 26, 13, 1, 0, 64, 0 },
        { 35, 18, 0, 0, 255, 255 },
        { 40, 20, 1, 0, 0, 128 },
        { 43, 22, 0, 255, 192, 255 },
        { 47, 24, 0, 255, 0, 255 },
        { 48, 24, 1, 192, 0, 192 },
    };
    for (const Cell &c : cells) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(ColourPalette::column(c.index), c.column);
        EXPECT_EQ(ColourPalette::row(c.index), c.row);
        EXPECT_EQ(ColourPalette::PictureColor(c.index), Colour::fromRgb(c.red, c.green, c.blue));
    }
}

TEST(ColourPalette, AllFortyEightCellsHoldTheirColours)
{
    // Column by column: the top cell, then the bottom one.
    const int rgb[ColourPalette::Columns][2][3] = {
        { { 255, 255, 255 }, { 0, 0, 0 } },
        { { 224, 224, 224 }, { 64, 64, 64 } },
        { { 192, 192, 192 }, { 128, 128, 128 } },
        { { 255, 192, 192 }, { 64, 0, 0 } },
        { { 255, 128, 128 }, { 128, 0, 0 } },
        { { 255, 0, 0 }, { 192, 0, 0 } },
        { { 255, 224, 192 }, { 128, 64, 64 } },
        { { 255, 192, 128 }, { 128, 64, 0 } },
        { { 255, 128, 0 }, { 192, 64, 0 } },
        { { 255, 255, 192 }, { 64, 64, 0 } },
        { { 255, 255, 128 }, { 128, 128, 0 } },
        { { 255, 255, 0 }, { 192, 192, 0 } },
        { { 192, 255, 192 }, { 0, 64, 0 } },
        { { 128, 255, 128 }, { 0, 128, 0 } },
        { { 0, 255, 0 }, { 0, 192, 0 } },
        { { 192, 255, 255 }, { 0, 64, 64 } },
        { { 128, 255, 255 }, { 0, 128, 128 } },
        { { 0, 255, 255 }, { 0, 192, 192 } },
        { { 192, 192, 255 }, { 0, 0, 64 } },
        { { 128, 128, 255 }, { 0, 0, 128 } },
        { { 0, 0, 255 }, { 0, 0, 192 } },
        { { 255, 192, 255 }, { 64, 0, 64 } },
        { { 255, 128, 255 }, { 128, 0, 128 } },
        { { 255, 0, 255 }, { 192, 0, 192 } },
    };
    for (int index = 1; index <= ColourPalette::Count; ++index) {
        SCOPED_TRACE(index);
        const int column = ColourPalette::column(index);
        const int row = ColourPalette::row(index);
        ASSERT_GE(column, 1);
        ASSERT_LE(column, ColourPalette::Columns);
        const int *c = rgb[column - 1][row];
        EXPECT_EQ(ColourPalette::PictureColor(index), Colour::fromRgb(c[0], c[1], c[2]));
    }
    EXPECT_EQ(ColourPalette::PictureColor(0), Colour::fromRgb(0, 0, 0));
    EXPECT_EQ(ColourPalette::PictureColor(49), Colour::fromRgb(0, 0, 0));
}
