#pragma once

class PictureSurface;
struct TextBuffer;
struct TextGradientPlan;

// Paints text with exactly the pixels of TextGradientReference, and reports
// the change once. The text is aliased, so every print lights the same
// pixels: it is rasterised once into a mask, and each glyph pixel on the
// canvas takes the colour of the last step whose rectangle holds it. The steps
// are visited last first and each buffer pixel is claimed by the first one
// that reaches it, so every pixel is looked at once however many steps
// overlap it (a 150-pixel-wide box runs 2237 strips).
namespace TextGradientPainter {

void paint(PictureSurface &canvas, const TextBuffer &buffer, const TextGradientPlan &plan);

}
