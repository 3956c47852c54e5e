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

    // Calls plot(x, y) once for each pixel of the line inside the device, in
    // surface coordinates.
    template <typename Plot> void trace(Plot plot) const;

    // The line handed out band after band, from the top down: each traceTo
    // plots the pixels of the rows up to `bottom` not yet plotted, going on
    // from where the last call stopped. Thousands of lines crossing a band
    // each find their first pixel in it for nothing, where searching for it
    // took two divisions a line and band.
    class Cursor
    {
    public:
        explicit Cursor(const Line &line);
        bool done() const { return m_left == 0; }
        template <typename Plot> void traceTo(int bottom, Plot plot);

    private:
        std::int64_t m_minor = 0;
        std::int64_t m_step = 0;
        int m_major = 0; // the run's major coordinate at the next pixel
        int m_majorStep = 1; // +1, or -1 for a flat line that climbs
        int m_left = 0; // pixels of the run still to go
        bool m_steep = false;
        int m_ox = 0, m_oy = 0, m_width = 0;
    };

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

template <typename Plot> void Line::trace(Plot plot) const
{
    Cursor(*this).traceTo(m_bottom, plot);
}

// Rows grow with every pixel of a steep line and of a flat line going down;
// a flat line going up is walked from its far end, so that its rows grow too.
// The walk runs on local copies: the plotted pixels could otherwise alias
// the cursor, which would be read and written back with every pixel.
template <typename Plot> void Line::Cursor::traceTo(int bottom, Plot plot)
{
    bottom -= m_oy;
    std::int64_t minor = m_minor;
    const std::int64_t step = m_step;
    int major = m_major, left = m_left;
    const int ox = m_ox, oy = m_oy;
    if (m_steep) {
        const int width = m_width;
        for (; left > 0 && major <= bottom; --left, ++major, minor += step) {
            const int m = int(minor >> 16);
            if (m >= 0 && m < width)
                plot(m + ox, major + oy);
        }
    } else {
        const int majorStep = m_majorStep;
        for (; left > 0; --left, major += majorStep, minor += step) {
            const int m = int(minor >> 16);
            if (m > bottom)
                break;
            plot(major + ox, m + oy);
        }
    }
    m_minor = minor;
    m_major = major;
    m_left = left;
}

}
