#include "tools/TextCommit.h"

#include "base/Twips.h"
#include "document/Document.h"
#include "document/TextBox.h"
#include "document/Workspace.h"
#include "raster/PictureSurface.h"

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

void printPlain(const TextBox &box, PictureSurface &canvas)
{
    const QRect whole
        = Twips::toPixelRect(QRectF(box.Left(), box.Top(), box.Width(), box.Height()));
    const QRect visible = whole & canvas.pixelRect();
    if (visible.isEmpty() || box.Text().isEmpty())
        return;
    // The buffer starts as the canvas under the box, so glyphs land over the
    // picture and every pixel between them is copied back unchanged.
    PictureSurface buffer(visible.width(), visible.height());
    buffer.setImage(canvas.Image().copy(visible));
    buffer.setFont(box.Font());
    buffer.setForeColor(box.ForeColor());
    buffer.setCurrentX(Twips::fromPixels(whole.left() - visible.left()));
    buffer.setCurrentY(Twips::fromPixels(whole.top() - visible.top()));
    buffer.Print(box.Text());
    canvas.PaintPicture(
        buffer.Image(), Twips::fromPixels(visible.left()), Twips::fromPixels(visible.top()));
}

}

void commit(Workspace &module, Document &document, const TextPaint &paint)
{
    TextBox &box = document.hword();
    PictureSurface &canvas = document.Picture1();
    const Landing at = landingOf(box, canvas);
    module.TakeUndoSnapshot(document, at.left, at.top, std::max(0.0, at.right - at.left) + 1,
        std::max(0.0, at.bottom - at.top) + 1);
    switch (paint.kind) {
    case TextPaint::Kind::Plain:
    case TextPaint::Kind::Single:
    case TextPaint::Kind::Double:
        printPlain(box, canvas);
        break;
    }
    box.clear();
    canvas.setCurrentX(0);
    canvas.setCurrentY(0);
    document.setDataChanged(true);
}

}
