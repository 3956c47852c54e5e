#include "files/PrintedPage.h"

#include <QPainter>

#include <algorithm>

namespace PrintedPage {

QRectF placement(QSize picture, QSizeF printable, double printerDpi)
{
    if (picture.isEmpty() || printable.isEmpty() || printerDpi <= 0)
        return {};
    const double natural = printerDpi / ScreenDpi;
    double width = picture.width() * natural;
    double height = picture.height() * natural;
    const double fit = std::min({ 1.0, printable.width() / width, printable.height() / height });
    width *= fit;
    height *= fit;
    return QRectF(
        (printable.width() - width) / 2, (printable.height() - height) / 2, width, height);
}

void paint(QPainter &painter, const QImage &picture, QSizeF printable, double printerDpi)
{
    const QRectF target = placement(picture.size(), printable, printerDpi);
    if (target.isEmpty())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.width() < picture.width());
    painter.drawImage(target, picture);
}

}
