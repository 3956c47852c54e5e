#pragma once

// Pictures for the history tests and a pixel-exact comparison that names the
// first pixel that differs.
#include "base/Twips.h"
#include "raster/PictureSurface.h"

#include <QImage>
#include <gtest/gtest.h>

#include <cstring>
#include <random>

namespace HistoryTestImages {

inline QRectF twips(int x, int y, int width, int height)
{
    return QRectF(Twips::fromPixels(x), Twips::fromPixels(y), Twips::fromPixels(width),
        Twips::fromPixels(height));
}

// Every pixel drawn from `colours` distinct values (0 = all 2^24).
inline QImage randomImage(int width, int height, unsigned seed, int colours = 0)
{
    QImage image(width, height, QImage::Format_RGB32);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const quint32 v
                = colours ? quint32(random() % unsigned(colours)) * 0x010203u : quint32(random());
            row[x] = 0xFF000000u | (v & 0xFFFFFFu);
        }
    }
    return image;
}

inline QImage flatImage(int width, int height, QRgb colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// Flat on top, noise at the bottom right, a hatched box across the middle.
inline QImage mixedImage(int width, int height, unsigned seed)
{
    QImage image = flatImage(width, height, 0xFFFFFFFF);
    const QImage noise = randomImage(width / 2, height / 2, seed);
    for (int y = 0; y < noise.height(); ++y)
        std::memcpy(image.scanLine(height - noise.height() + y) + 4 * (width - noise.width()),
            noise.constScanLine(y), size_t(noise.width()) * 4);
    for (int y = height / 4; y < height * 3 / 4; ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = width / 8; x < width * 7 / 8; ++x)
            row[x] = ((x + y) % 6 == 0 || y % 9 == 0) ? 0xFF103070u : 0xFFE0E0C0u;
    }
    return image;
}

inline ::testing::AssertionResult samePixels(const QImage &actual, const QImage &expected)
{
    if (actual.size() != expected.size())
        return ::testing::AssertionFailure()
            << "size " << actual.width() << "x" << actual.height() << ", expected "
            << expected.width() << "x" << expected.height();
    for (int y = 0; y < actual.height(); ++y) {
        const auto *a = reinterpret_cast<const quint32 *>(actual.constScanLine(y));
        const auto *e = reinterpret_cast<const quint32 *>(expected.constScanLine(y));
        for (int x = 0; x < actual.width(); ++x) {
            if (a[x] != e[x])
                return ::testing::AssertionFailure() << "pixel (" << x << ", " << y << ") is "
                                                     << std::hex << a[x] << ", expected " << e[x];
        }
    }
    return ::testing::AssertionSuccess();
}

}
