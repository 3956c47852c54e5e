#pragma once

#include "base/RoundHalfEven.h"

#include <QRect>
#include <QRectF>

#include <algorithm>

// The model's coordinate unit. A pixel is 15 twips; the pixel holding a point
// given in twips is the nearest whole number of pixels, ties to even, so that
// pixel n is exactly the point 15n and every place converts the same way.
namespace Twips {

inline constexpr int PerPixel = 15;

// Pixel coordinates are kept far inside int so that sums and widths computed
// from them cannot overflow; nothing real lies beyond a million pixels.
inline constexpr int PixelLimit = 1 << 20;

inline int toPixels(double twips)
{
    const auto pixels = roundHalfEven(twips / PerPixel);
    return static_cast<int>(std::clamp<std::int64_t>(pixels, -PixelLimit, PixelLimit));
}

// A length (radius, size) kept as a real number of pixels, pinned the same way.
inline double toPixelsReal(double twips)
{
    const double pixels = twips / PerPixel;
    if (!(pixels == pixels))
        return 0.0;
    return std::clamp(pixels, -double(PixelLimit), double(PixelLimit));
}

// The pixels a rectangle given in twips covers. Each edge goes to the pixel
// its own coordinate lies in (the right edge is x + width), so a rectangle at a
// fractional position keeps every column its far edge reaches, and rectangles
// that meet in twips meet in pixels, with no column between them or shared.
// Empty when the far edge does not pass the near one.
inline QRect toPixelRect(const QRectF &twips)
{
    const QPoint topLeft(toPixels(twips.left()), toPixels(twips.top()));
    const QPoint end(
        toPixels(twips.left() + twips.width()), toPixels(twips.top() + twips.height()));
    return QRect(topLeft, end - QPoint(1, 1));
}

inline constexpr double fromPixels(int pixels)
{
    return double(pixels) * PerPixel;
}

}
