#include "raster/ThinLine.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Qt's 26.6 fixed point: the real value times 64, cut towards zero.
int toFixed(double v)
{
    return int(v * 64.);
}

// Cuts the line to the device widened by one pixel on the near sides and two
// on the far sides, in floating point, the way the rasteriser does; false
// when nothing is left. The order of the cuts matters for the rounding.
bool cut(double &x1, double &y1, double &x2, double &y2, const QSize &device)
{
    const double xmin = -1, xmax = device.width() + 1;
    const double ymin = -1, ymax = device.height() + 1;
    if (x1 < xmin) {
        if (x2 <= xmin)
            return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmin - x1);
        x1 = xmin;
    } else if (x1 > xmax) {
        if (x2 >= xmax)
            return false;
        y1 += (y2 - y1) / (x2 - x1) * (xmax - x1);
        x1 = xmax;
    }
    if (x2 < xmin) {
        y2 += (y2 - y1) / (x2 - x1) * (xmin - x2);
        x2 = xmin;
    } else if (x2 > xmax) {
        y2 += (y2 - y1) / (x2 - x1) * (xmax - x2);
        x2 = xmax;
    }
    if (y1 < ymin) {
        if (y2 <= ymin)
            return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymin - y1);
        y1 = ymin;
    } else if (y1 > ymax) {
        if (y2 >= ymax)
            return false;
        x1 += (x2 - x1) / (y2 - y1) * (ymax - y1);
        y1 = ymax;
    }
    if (y2 < ymin) {
        x2 += (x2 - x1) / (y2 - y1) * (ymin - y2);
        y2 = ymin;
    } else if (y2 > ymax) {
        x2 += (x2 - x1) / (y2 - y1) * (ymax - y2);
        y2 = ymax;
    }
    return true;
}

// The slope in 16.16, divided as the rasteriser divides (towards zero).
std::int64_t slope(int across, int along)
{
    return (std::int64_t(across) * 65536) / along;
}

}

namespace ThinLine {

QRect deviceFor(const QPoint &from, const QPoint &to, const QRect &surface)
{
    // The same reach as every figure of a one-pixel pen: three pixels around.
    constexpr int margin = 3;
    const QRect box(
        QPoint(std::min(from.x(), to.x()) - margin, std::min(from.y(), to.y()) - margin),
        QPoint(std::max(from.x(), to.x()) + margin, std::max(from.y(), to.y()) + margin));
    return box & surface;
}

namespace {

// Division rounding down, for a positive divisor.
std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - ((a % b != 0 && a < 0) ? 1 : 0);
}

std::int64_t ceilDiv(std::int64_t a, std::int64_t b)
{
    return -floorDiv(-a, b);
}

// The run of the line cut to the device (in the device's coordinates);
// false when nothing of it is left.
bool runOf(double rx1, double ry1, double rx2, double ry2, const QSize &device, Run &run)
{
    if (!cut(rx1, ry1, rx2, ry2, device))
        return false;
    int a1 = toFixed(rx1), b1 = toFixed(ry1);
    int a2 = toFixed(rx2), b2 = toFixed(ry2);
    // Step along the longer axis: `a` is across it, `b` along it.
    run.steep = std::abs(a2 - a1) < std::abs(b2 - b1);
    if (!run.steep) {
        std::swap(a1, b1);
        std::swap(a2, b2);
    }
    if (b1 > b2) {
        std::swap(a1, a2);
        std::swap(b1, b2);
    }
    if (b1 == b2)
        return false;
    const std::int64_t step = slope(a2 - a1, b2 - b1);
    std::int64_t minor = std::int64_t(a1) * 1024;
    // Square caps: half a pixel more at each end.
    b1 -= 32;
    minor -= step >> 1;
    b2 += 32;
    run.first = (b1 + 32) >> 6;
    run.last = (b2 + 32) >> 6;
    if (run.first == run.last)
        return false;
    const int round = step > 0 ? 32 : 0;
    minor += ((std::int64_t(run.first) * 64 + round - b1) * step) >> 6;
    run.minor = minor;
    run.step = step;
    return true;
}

}

Line::Line(const QPoint &from, const QPoint &to, const QRect &device)
    : m_device(device)
{
    // The rasteriser works in the device's own coordinates; its cut and its
    // rounding are reproduced there.
    if (device.isEmpty()
        || !runOf(from.x() - device.left(), from.y() - device.top(), to.x() - device.left(),
            to.y() - device.top(), device.size(), m_run))
        return;
    int top, bottom;
    if (m_run.steep) {
        top = m_run.first;
        bottom = m_run.last - 1;
    } else {
        const int a = int(m_run.minor >> 16);
        const int b = int((m_run.minor + (m_run.last - m_run.first - 1) * m_run.step) >> 16);
        top = std::min(a, b);
        bottom = std::max(a, b);
    }
    top = std::max(top, 0);
    bottom = std::min(bottom, device.height() - 1);
    if (top > bottom)
        return;
    m_top = top + device.top();
    m_bottom = bottom + device.top();
    m_empty = false;
}

Line::Cursor::Cursor(const Line &line)
{
    if (line.m_empty)
        return;
    const Run &run = line.m_run;
    const QRect &device = line.m_device;
    m_steep = run.steep;
    m_ox = device.left();
    m_oy = device.top();
    m_width = device.width();
    const int top = line.m_top - m_oy, bottom = line.m_bottom - m_oy;
    std::int64_t k0, k1;
    if (run.steep) {
        k0 = std::max(0, top - run.first);
        k1 = std::min(run.last - 1, bottom) - run.first;
    } else {
        std::tie(k0, k1) = line.minorRange(top, bottom);
        k0 = std::max<std::int64_t>(k0, -run.first);
        k1 = std::min<std::int64_t>(k1, std::int64_t(m_width) - 1 - run.first);
        k1 = std::min<std::int64_t>(k1, run.last - 1 - run.first);
    }
    if (k0 > k1)
        return;
    m_left = int(k1 - k0 + 1);
    if (!run.steep && run.step < 0) {
        m_major = run.first + int(k1);
        m_majorStep = -1;
        m_minor = run.minor + k1 * run.step;
        m_step = -run.step;
        return;
    }
    m_major = run.first + int(k0);
    m_minor = run.minor + k0 * run.step;
    m_step = run.step;
}

std::pair<std::int64_t, std::int64_t> Line::minorRange(int lo, int hi) const
{
    const std::int64_t count = m_run.last - m_run.first;
    const std::int64_t low = std::int64_t(lo) * 65536, high = (std::int64_t(hi) + 1) * 65536;
    const std::int64_t m0 = m_run.minor, step = m_run.step;
    std::int64_t k0 = 0, k1 = count - 1;
    if (step > 0) {
        k0 = ceilDiv(low - m0, step);
        k1 = ceilDiv(high - m0, step) - 1;
    } else if (step < 0) {
        k0 = floorDiv(m0 - high, -step) + 1;
        k1 = floorDiv(m0 - low, -step);
    } else if (m0 < low || m0 >= high) {
        return { 0, -1 };
    }
    return { std::max<std::int64_t>(k0, 0), std::min(k1, count - 1) };
}

}
