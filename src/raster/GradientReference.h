#pragma once

class PictureSurface;
struct GradientPlan;

// Draws steps [begin, end) of a gradient one by one with the surface's own
// figures, in the surface's pen, draw mode and fill settings. This is the
// picture a gradient is defined to give; the program paints it with
// GradientPainter, and tests and benchmarks hold that to this.
namespace GradientReference {

void paint(PictureSurface &surface, const GradientPlan &plan, int begin, int end);

}
