#include "raster/TextGradientReference.h"

#include "base/Twips.h"
#include "raster/PictureSurface.h"
#include "raster/TextBuffer.h"
#include "raster/TextGradientPlan.h"

namespace TextGradientReference {

void paint(PictureSurface &canvas, const TextBuffer &buffer, const TextGradientPlan &plan)
{
    const QRect place = buffer.pixelRect();
    if (place.isEmpty())
        return;
    PictureSurface copy(place.width(), place.height());
    copy.PaintPicture(canvas.Image(), 0, 0, buffer.width, buffer.height, buffer.left, buffer.top,
        buffer.width, buffer.height);
    copy.setFont(buffer.font);
    const auto twips = [](int pixels) { return Twips::fromPixels(pixels); };
    for (const TextGradientPlan::Step &step : plan.steps) {
        copy.setForeColor(step.colour);
        copy.setCurrentX(0);
        copy.setCurrentY(0);
        copy.Print(buffer.text);
        const QRect from = TextBuffer::pixelsOf(step.x, step.y, step.width, step.height);
        if (from.isEmpty())
            continue;
        const QPoint to = place.topLeft() + from.topLeft();
        canvas.PaintPicture(copy.Image(), twips(to.x()), twips(to.y()), twips(from.width()),
            twips(from.height()), twips(from.x()), twips(from.y()), twips(from.width()),
            twips(from.height()));
    }
}

}
