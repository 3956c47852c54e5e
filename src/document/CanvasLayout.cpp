#include "document/CanvasLayout.h"

#include "base/RoundHalfEven.h"

#include <algorithm>
#include <cmath>

namespace CanvasLayout {

namespace {

double clampExtent(double extent, double minimum, double maximum)
{
    if (!(extent > 0))
        return minimum;
    return std::min(extent, maximum);
}

}

double clampWidth(double width)
{
    return clampExtent(width, MinWidth, MaxWidth);
}

double clampHeight(double height)
{
    return clampExtent(height, MinHeight, MaxHeight);
}

QSizeF dragged(Handle handle, const QSizeF &canvas, double x, double y)
{
    QSizeF size = canvas;
    if (handle != Handle::Height)
        size.setWidth(clampWidth(canvas.width() + x));
    if (handle != Handle::Width)
        size.setHeight(clampHeight(canvas.height() + y));
    return size;
}

Handles handlesFor(const QRectF &canvas)
{
    Handles h;
    h.width = QRectF(canvas.left() + canvas.width(), canvas.top(), HandleStrip, canvas.height());
    h.height = QRectF(canvas.left(), canvas.top() + canvas.height(), canvas.width(), HandleStrip);
    h.both = QRectF(h.width.left(), h.height.top(), HandleCorner, HandleCorner);
    return h;
}

QSizeF initialCanvas(const QSizeF &inner, double scrollBarExtent)
{
    return QSizeF(clampWidth(inner.width() - scrollBarExtent - HandleStrip),
        clampHeight(inner.height() - scrollBarExtent - HandleStrip));
}

double scrollBarLength(double inner, double otherBar)
{
    const double length = inner - otherBar;
    return length > 30 ? length : 15;
}

int scrollMaximum(
    double canvasOffset, double canvasExtent, double inner, double otherBar, double handleExtent)
{
    const double hidden = canvasExtent - (inner - otherBar - handleExtent);
    const double steps = std::max(std::abs(canvasOffset), hidden) / ScrollStep;
    return int(std::clamp<std::int64_t>(roundHalfEven(steps), 0, 32767));
}

double offsetFor(int scrollValue)
{
    return -double(scrollValue) * ScrollStep;
}

}
