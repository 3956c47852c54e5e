#pragma once

class PictureSurface;
struct TextBuffer;
struct TextGradientPlan;

// Paints text step by step: the buffer filled from the canvas, then for every
// step the whole text printed into it in the step's colour and the step's
// rectangle copied back. This is the picture painted text is defined to give;
// the program paints it with TextGradientPainter, and tests and benchmarks
// hold that to this.
namespace TextGradientReference {

void paint(PictureSurface &canvas, const TextBuffer &buffer, const TextGradientPlan &plan);

}
