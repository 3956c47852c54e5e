#pragma once

#include <QImage>
#include <QRectF>

class QPainter;

// How a picture lands on the printed page: at its screen size (96 pixels to
// the inch) converted to the printer's resolution, scaled down to fit when it
// is larger than the printable area, never enlarged and never cropped, and
// centred on that area.
namespace PrintedPage {

inline constexpr double ScreenDpi = 96.0;

// The picture's rectangle in the printable area's device pixels.
QRectF placement(QSize picture, QSizeF printable, double printerDpi);

// Paints `picture` onto a painter whose origin is the printable area's corner.
void paint(QPainter &painter, const QImage &picture, QSizeF printable, double printerDpi);

}
