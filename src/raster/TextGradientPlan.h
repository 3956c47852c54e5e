#pragma once

#include "base/ColourValue.h"
#include "raster/GradientPlan.h"

#include <vector>

// How text is painted from its buffer (TextBuffer): a sequence of steps, each
// printing the whole text in its colour into the buffer and then copying one
// strip or rectangle of the buffer back onto the canvas where it came from.
// Later steps overwrite earlier ones, so a glyph pixel ends up in the colour of
// the last step whose rectangle holds it.
struct TextGradientPlan
{
    struct Step
    {
        // The rectangle copied, in twips from the buffer's top-left corner.
        double x = 0;
        double y = 0;
        double width = 0;
        double height = 0;
        ColourValue colour = 0;
    };
    std::vector<Step> steps;

    // The text once in `colour`, the whole buffer copied.
    static TextGradientPlan plain(double width, double height, ColourValue colour);

    // A gradient over a buffer `width` x `height` twips, one step a twip.
    // Direction 0 runs strip by strip left to right, 90 top to bottom, and
    // any other value in concentric rectangles from the outline inwards. One
    // way goes from `start` to `end`; both ways from `start` to `end` in the
    // middle of the run and back to `start`. A run shorter than its first
    // step (a buffer under 14 twips across) has no steps.
    static TextGradientPlan gradient(double width, double height, GradientForm form,
        double direction, ColourValue start, ColourValue end);
};
