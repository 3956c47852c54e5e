#pragma once

#include <QPoint>
#include <QRect>

#include <cstdint>

// The pixels of a one-pixel solid line with square caps between two pixel
// points, exactly as the rasteriser's thin pen (Qt's aliased cosmetic line)
// lights them when the line is drawn into `device`: the surface pixels the
// figure may touch, against whose edges the line is first cut. Drawing the
// pixels here is many times faster than through a painter, which matters for
// the gradients that draw thousands of lines.
namespace ThinLine {

// Calls plot(x, y) once for each pixel of the line inside `device`, in
// surface coordinates. `from` and `to` differ.
template <typename Plot>
void trace(const QPoint &from, const QPoint &to, const QRect &device, Plot plot);

// The part of the surface a thin segment is rasterised in: the segment's box
// with a margin, cut to the surface (the rasteriser's own reach).
QRect deviceFor(const QPoint &from, const QPoint &to, const QRect &surface);

namespace Detail {

// One axis-major run of the line in 26.6 fixed point: `major` steps by whole
// pixels from `first` up to (not including) `last`; `minor` is 16.16 and moves
// by `step` per pixel.
struct Run
{
    bool steep = false;
    int first = 0;
    int last = 0;
    std::int64_t minor = 0;
    std::int64_t step = 0;
};

// False when nothing of the line is left inside the device.
bool runOf(double x1, double y1, double x2, double y2, const QSize &device, Run &run);

}

template <typename Plot>
void trace(const QPoint &from, const QPoint &to, const QRect &device, Plot plot)
{
    if (device.isEmpty())
        return;
    // The rasteriser works in the device's own coordinates; its cut and its
    // rounding are reproduced there.
    Detail::Run run;
    if (!Detail::runOf(from.x() - device.left(), from.y() - device.top(), to.x() - device.left(),
            to.y() - device.top(), device.size(), run))
        return;
    const int width = device.width(), height = device.height();
    const int ox = device.left(), oy = device.top();
    std::int64_t minor = run.minor;
    for (int major = run.first; major < run.last; ++major, minor += run.step) {
        const int m = int(minor >> 16);
        const int x = run.steep ? m : major;
        const int y = run.steep ? major : m;
        if (x >= 0 && x < width && y >= 0 && y < height)
            plot(x + ox, y + oy);
    }
}

}
