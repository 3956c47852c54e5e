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
