#include "files/OpaquePicture.h"

#include <QPainter>

QImage opaquePicture(const QImage &decoded, ColourValue background)
{
    if (decoded.isNull())
        return {};
    if (!decoded.hasAlphaChannel())
        return decoded.format() == QImage::Format_RGB32
            ? decoded
            : decoded.convertToFormat(QImage::Format_RGB32);
    QImage canvas(decoded.size(), QImage::Format_RGB32);
    if (canvas.isNull())
        return {};
    canvas.fill(Colour::toPixel(background));
    QPainter painter(&canvas);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(0, 0, decoded);
    painter.end();
    return canvas;
}

void settleAlpha(QImage &image)
{
    if (image.format() != QImage::Format_RGB32)
        return;
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] |= 0xFF000000u;
    }
}
