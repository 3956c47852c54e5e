#pragma once

#include <QImage>
#include <QtGlobal>

// A view of RGB32 rows that the effect kernels read: the first pixel, the
// distance from one row to the next in pixels, and the size. Kernels take
// views rather than images so that they hold no Qt state and never detach or
// copy a picture behind the caller's back.
struct ConstPixelRows
{
    const quint32 *pixels = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;

    const quint32 *row(int y) const { return pixels + qsizetype(y) * stride; }
};

// The rows a kernel writes. Every kernel writes every pixel of its
// destination (the ones the effect leaves alone are copied), so a fresh,
// uninitialised image is a valid destination.
struct PixelRows
{
    quint32 *pixels = nullptr;
    qsizetype stride = 0;
    int width = 0;
    int height = 0;

    quint32 *row(int y) const { return pixels + qsizetype(y) * stride; }
    operator ConstPixelRows() const { return { pixels, stride, width, height }; }
};

inline ConstPixelRows rowsOf(const QImage &image)
{
    return { reinterpret_cast<const quint32 *>(image.constBits()), image.bytesPerLine() / 4,
        image.width(), image.height() };
}

inline PixelRows rowsOf(QImage &image)
{
    return { reinterpret_cast<quint32 *>(image.bits()), image.bytesPerLine() / 4, image.width(),
        image.height() };
}

namespace PixelRowsCopy {

// Copies the frame `margin` pixels wide around the picture: what an effect
// reaching that far from each pixel leaves as it was. A picture with no
// inside is copied whole.
void frame(ConstPixelRows src, PixelRows dst, int margin);
// Copies the rows [top, bottom) whole.
void rows(ConstPixelRows src, PixelRows dst, int top, int bottom);

}

// Written pixels are opaque whatever the arithmetic did to the unused byte.
inline constexpr quint32 OpaqueAlpha = 0xFF000000u;
