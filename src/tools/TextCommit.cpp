#include "tools/TextCommit.h"

#include "document/Document.h"
#include "document/TextBox.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"
#include "raster/TextBuffer.h"
#include "raster/TextGradientPainter.h"
#include "raster/TextGradientPlan.h"

#include <algorithm>

namespace TextCommit {

namespace {

// Where the box lands on the canvas: its twips rectangle cut at the canvas's
// right and bottom edges (and, should it lie there, the left and top).
struct Landing
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

Landing landingOf(const TextBox &box, const PictureSurface &canvas)
{
    Landing at;
    at.left = std::max(box.Left(), 0.0);
    at.top = std::max(box.Top(), 0.0);
    at.right = std::min(box.Left() + box.Width(), canvas.ScaleWidth());
    at.bottom = std::min(box.Top() + box.Height(), canvas.ScaleHeight());
    return at;
}

TextGradientPlan planOf(const TextPaint &paint, const TextBuffer &buffer, ColourValue boxColour)
{
    switch (paint.kind) {
    case TextPaint::Kind::Single:
        return TextGradientPlan::gradient(buffer.width, buffer.height, GradientForm::OneWay,
            paint.direction, paint.start, paint.end);
    case TextPaint::Kind::Double:
        return TextGradientPlan::gradient(buffer.width, buffer.height, GradientForm::TwoWay,
            paint.direction, paint.start, paint.end);
    case TextPaint::Kind::Plain:
        break;
    }
    return TextGradientPlan::plain(buffer.width, buffer.height, boxColour);
}

}

void commit(Workspace &module, Document &document, const TextPaint &paint)
{
    TextBox &box = document.hword();
    PictureSurface &canvas = document.Picture1();
    const Landing at = landingOf(box, canvas);
    module.TakeUndoSnapshot(document, at.left, at.top, std::max(0.0, at.right - at.left) + 1,
        std::max(0.0, at.bottom - at.top) + 1);
    TextBuffer buffer = TextBuffer::forBox(box.Left(), box.Top(), box.Width(), box.Height(),
        canvas.ScaleWidth(), canvas.ScaleHeight());
    buffer.text = box.Text();
    buffer.font = box.Font();
    TextGradientPainter::paint(canvas, buffer, planOf(paint, buffer, box.ForeColor()));
    box.clear();
    canvas.setCurrentX(0);
    canvas.setCurrentY(0);
    document.setDataChanged(true);
}

}
