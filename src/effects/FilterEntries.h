#pragma once

#include "base/NumberKeys.h"

// The filter dialog's entry boxes by number: the cells 1..25 (`Text1`), then
// the divisor (`hdivideText`) and the addend (`hbiasText`); and which keys
// reach each, and where Enter goes from each.
namespace FilterEntries {

inline constexpr int Divisor = 26;
inline constexpr int Addend = 27;

inline bool isCell(int entry)
{
    return entry >= 1 && entry <= 25;
}

// Cells take digits, "-" and "." (the change validation removes the "."
// again); the divisor digits and "."; the addend digits, "-" and ".". All take
// Backspace. Enter is not typed into any of them: it moves the focus.
// Keys that type nothing printable and shortcuts pass, as in every number box.
bool accepts(int entry, const TypedKey &key);
bool isEnter(const TypedKey &key);

// The entry Enter moves the focus to: the next cell, skipping the outer ring
// in 3 x 3 (9 -> 12, 14 -> 17, 19 -> divisor), 25 -> divisor, divisor ->
// addend, addend -> the first cell in use.
int nextOnEnter(int entry, int kernelRadius);

}
