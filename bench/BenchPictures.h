#pragma once

#include <QImage>

// A photograph for the benchmarks: smooth shading with sensor noise, which no
// run-length coder shrinks and no JPEG encoder makes trivially small.
inline QImage photograph(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < height; ++y) {
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int noise = int(seed >> 29);
            row[x] = qRgb((x * 255 / width + noise) & 0xFF, (y * 255 / height + noise) & 0xFF,
                (128 + noise) & 0xFF);
        }
    }
    return image;
}
