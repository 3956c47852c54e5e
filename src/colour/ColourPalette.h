#pragma once

#include "base/ColourValue.h"

// The colour window's fixed palette `PictureColor(1)`..`PictureColor(48)`: two
// rows of 24 columns, light shades on top and dark ones below. Column c holds
// index 2c - 1 in the top row and 2c in the bottom row.
namespace ColourPalette {

inline constexpr int Count = 48;
inline constexpr int Columns = 24;
inline constexpr int Rows = 2;

// The colour of palette cell `index` (1..48); black outside that range.
ColourValue PictureColor(int index);

// Where cell `index` sits: column 1..24 from the left, row 0 (top) or 1 (bottom).
inline constexpr int column(int index)
{
    return (index + 1) / 2;
}
inline constexpr int row(int index)
{
    return (index + 1) % 2;
}

}
