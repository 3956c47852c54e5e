#pragma once

#include "effects/PixelRows.h"

// The three mirrors of a selection. Diagonal is horizontal then vertical, a
// half turn, not a transposition: the size stays.
enum class FlipKind { Horizontal, Vertical, Diagonal };

// Pixel (x, y) of a w x h picture goes to (w - 1 - x, y), (x, h - 1 - y) or
// (w - 1 - x, h - 1 - y). `dst` must not overlap `src`.
void flip(ConstPixelRows src, PixelRows dst, FlipKind kind);
void flipPortable(ConstPixelRows src, PixelRows dst, FlipKind kind);
// The mirrors as block copies of the whole picture and then of its first
// column (or row) onto the last, with a work picture between the steps.
void flipReference(ConstPixelRows src, PixelRows dst, FlipKind kind);
