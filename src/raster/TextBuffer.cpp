#include "raster/TextBuffer.h"

#include "base/Twips.h"

TextBuffer TextBuffer::forBox(
    double left, double top, double width, double height, double canvasWidth, double canvasHeight)
{
    TextBuffer buffer;
    buffer.left = left;
    buffer.top = top;
    buffer.width = left + width > canvasWidth ? canvasWidth - left : width;
    buffer.height = top + height > canvasHeight ? canvasHeight - top : height;
    return buffer;
}

QRect TextBuffer::pixelRect() const
{
    return QRect(Twips::toPixels(left), Twips::toPixels(top), Twips::toPixels(width),
        Twips::toPixels(height));
}

QRect TextBuffer::pixelsOf(double x, double y, double width, double height)
{
    return Twips::toPixelRect(QRectF(x, y, width, height));
}
