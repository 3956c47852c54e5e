#pragma once

#include <QPoint>
#include <QRect>

#include <algorithm>
#include <cstdint>
#include <tuple>
#include <utility>

// The pixels of a one-pixel solid line with square caps between two pixel
// points, exactly as the rasteriser's thin pen (Qt's aliased cosmetic line)
// lights them when the line is drawn into `device`: the surface pixels the
// figure may touch, against whose edges the line is first cut. Drawing the
// pixels here is many times faster than through a painter, which matters for
// the gradients that draw thousands of lines.
namespace ThinLine {

// The part of the surface a thin segment is rasterised in: the segment's box
// with a margin, cut to the surface (the rasteriser's own reach).
QRect deviceFor(const QPoint &from, const QPoint &to, const QRect &surface);

// One axis-major run of the line: `major` steps by whole pixels from `first`
// up to (not including) `last`; `minor` is 16.16 fixed point and moves by
// `step` per pixel. Device coordinates.
struct Run
{
    bool steep = false;
    int first = 0;
    int last = 0;
    std::int64_t minor = 0;
    std::int64_t step = 0;
};

// A line worked out once, then traced whole or a band of rows at a time: a
// picture written band by band stays in the cache, where a long steep line
// touches a new row, and a new page of memory, with every pixel.
class Line
{
public:
    // `from` and `to` differ; `device` as deviceFor gives it.
    Line(const QPoint &from, const QPoint &to, const QRect &device);

    bool isEmpty() const { return m_empty; }
    // The surface rows the line may touch.
    int top() const { return m_top; }
    int bottom() const { return m_bottom; }

    // Calls plot(x, y) once for each pixel of the line inside the device
    // whose row is in [top, bottom], in surface coordinates.
    template <typename Plot> void trace(int top, int bottom, Plot plot) const;
    template <typename Plot> void trace(Plot plot) const { trace(m_top, m_bottom, plot); }

private:
    // The steps k (0 = the run's first pixel) whose minor pixel lies in [lo, hi].
    std::pair<std::int64_t, std::int64_t> minorRange(int lo, int hi) const;

    Run m_run;
    QRect m_device;
    bool m_empty = true;
    int m_top = 0;
    int m_bottom = -1;
};

// Calls plot(x, y) once for each pixel of the line inside `device`, in
// surface coordinates. `from` and `to` differ.
template <typename Plot>
void trace(const QPoint &from, const QPoint &to, const QRect &device, Plot plot)
{
    Line(from, to, device).trace(plot);
}

template <typename Plot> void Line::trace(int top, int bottom, Plot plot) const
{
    if (m_empty)
        return;
    top = std::max(top, m_top) - m_device.top();
    bottom = std::min(bottom, m_bottom) - m_device.top();
    if (top > bottom)
        return;
    const int ox = m_device.left(), oy = m_device.top();
    const int width = m_device.width();
    std::int64_t k0, k1;
    if (m_run.steep) {
        k0 = std::max(0, top - m_run.first);
        k1 = std::min(m_run.last - 1, bottom) - m_run.first;
    } else {
        std::tie(k0, k1) = minorRange(top, bottom);
        k0 = std::max<std::int64_t>(k0, -m_run.first);
        k1 = std::min<std::int64_t>(k1, std::int64_t(width) - 1 - m_run.first);
        k1 = std::min<std::int64_t>(k1, m_run.last - 1 - m_run.first);
    }
    std::int64_t minor = m_run.minor + k0 * m_run.step;
    for (std::int64_t k = k0; k <= k1; ++k, minor += m_run.step) {
        const int m = int(minor >> 16);
        const int major = m_run.first + int(k);
        if (m_run.steep) {
            if (m >= 0 && m < width)
                plot(m + ox, major + oy);
        } else {
            plot(major + ox, m + oy);
        }
    }
}

}
