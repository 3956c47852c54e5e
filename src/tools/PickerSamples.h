#pragma once

#include "base/ColourValue.h"

class PictureSurface;

// The samples on the palette's style pickers, drawn on each picker's own
// surface: a line in its line style, a frame line, or a box, ellipse or pie
// slice in its fill style.
namespace PickerSamples {

enum class Family {
    Line, // Pictureline1..6: DrawStyle, in the drawing colour
    GradientLine, // Pictureline01..06: the same, higher up
    Frame, // frame pickers 9..14 of the three families: DrawStyle
    BoxFill, // Picturebox1..8: FillStyle
    EllipseFill, // Picturecircle1..8
    SectorFill, // Picturehu1..8
};

// The pickers' background: the palette window's grey.
inline constexpr ColourValue PaletteGrey = Colour::fromRgb(192, 192, 192);

// A colour the same grey as the pickers would vanish there: samples show white instead.
inline constexpr ColourValue visibleOnPalette(ColourValue c)
{
    return c == PaletteGrey ? Colour::fromRgb(255, 255, 255) : c;
}

// Redraws the sample of one picker showing `style` (a DrawStyle for lines and
// frames, a FillStyle for fills). pen and drawing are the colour wells.
void draw(PictureSurface &picker, Family family, int style, ColourValue pen, ColourValue drawing);

}
