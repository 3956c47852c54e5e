#pragma once

#include "effects/PixelRows.h"

// Emboss: every pixel but those of row 0 and column 0 becomes the difference
// with its upper-left neighbour q raised by 128, p - q + 128 per component,
// clamped to 0..255. A flat area turns mid-grey. Row 0 and column 0 stay.
void emboss(ConstPixelRows src, PixelRows dst);
void embossPortable(ConstPixelRows src, PixelRows dst);
void embossReference(ConstPixelRows src, PixelRows dst);
