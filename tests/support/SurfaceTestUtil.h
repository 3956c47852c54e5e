#pragma once

#include "base/Twips.h"
#include "raster/PictureSurface.h"

#include <QRandomGenerator>

// Pixels given in the tests are whole pixels; the surface takes twips.
inline constexpr double px(double pixels)
{
    return pixels * Twips::PerPixel;
}

inline QImage noiseImage(int width, int height, quint32 seed)
{
    QRandomGenerator rng(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            row[x] = 0xFF000000u | (rng.generate() & 0xFFFFFF);
    }
    return image;
}

inline bool isColour(const PictureSurface &s, int x, int y, ColourValue c)
{
    return s.Point(px(x), px(y)) == std::optional<ColourValue>(c);
}

inline int countColour(const QImage &image, const QRect &area, ColourValue c)
{
    int n = 0;
    const quint32 want = Colour::toPixel(c);
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += image.pixel(x, y) == want;
    return n;
}

#include <ostream>

// Failure messages name the image by its size rather than its bytes.
inline void PrintTo(const QImage &image, std::ostream *os)
{
    *os << "QImage " << image.width() << "x" << image.height();
}
