#pragma once

class PictureSurface;
struct GradientPlan;

// Paints a gradient in one pass with exactly the pixels that drawing its
// steps one by one gives (GradientReference), and reports the change once.
// Drawing every step repaints each pixel up to fifteen times a pixel of
// radius and takes seconds on a large picture.
namespace GradientPainter {

// Whether the one pass applies to this surface's pen: a draw mode whose
// result does not depend on what lies below (black, white, the pen or its
// inverse) and a solid or invisible line style, no fill; thin lines for the
// directional kind. Otherwise paint() draws the steps one by one.
bool paintsInOnePass(const PictureSurface &surface, const GradientPlan &plan);

// Steps [begin, end) of the plan, over what the surface holds.
void paint(PictureSurface &surface, const GradientPlan &plan, int begin, int end);
void paint(PictureSurface &surface, const GradientPlan &plan);

}
