#pragma once

#include "base/ColourValue.h"

class Document;
class Workspace;

// How "确定" paints the text: once in the box's colour, or in gradient steps.
struct TextPaint
{
    enum class Kind { Plain, Single, Double };
    Kind kind = Kind::Plain;
    // The direction box: 0 runs left to right, 90 top to bottom, anything
    // else from the outline inwards.
    double direction = 0;
    ColourValue start = 0;
    ColourValue end = 0;
};

namespace TextCommit {

// Paints the document's text box into its canvas: the undo step of the part
// of the box on the canvas, the text printed over a copy of the canvas under
// the box and copied back (so only glyph pixels change, and nothing outside
// the canvas), the document marked changed and the box emptied. An empty box
// still takes the undo step and marks the change.
void commit(Workspace &module, Document &document, const TextPaint &paint);

}
