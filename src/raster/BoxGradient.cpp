// Concentric rectangles in one pass.
//
// A box outline is its outer rectangle less the rectangle inside the pen.
// Both only grow from step to step, and a rectangle is a column range times a
// row range, so the first step holding a pixel is the later of the first
// steps holding its column and its row; likewise for the inside. A pixel is
// drawn by every step from the first that holds it to the one before it lies
// inside, and takes the colour of the last of them.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/GradientPlan.h"
#include "raster/LineStyle.h"

#include <algorithm>
#include <cstdint>

namespace {

struct Range
{
    int first = 1;
    int last = 0;
    bool isEmpty() const { return last < first; }
};

// Fills first[] with the step at which each index of 0..size-1 joins the growing
// range, for the ranges given step by step; `never` where it does not.
class FirstStep
{
public:
    FirstStep(int size, int never)
        : m_first(size_t(std::max(size, 0)), never)
    { }

    void grow(const Range &range, int step)
    {
        const int lo = std::max(range.first, 0);
        const int hi = std::min(range.last, int(m_first.size()) - 1);
        if (lo > hi)
            return;
        if (m_covered.isEmpty()) {
            mark(lo, hi, step);
        } else {
            mark(lo, std::min(hi, m_covered.first - 1), step);
            mark(std::max(lo, m_covered.last + 1), hi, step);
        }
        m_covered = { m_covered.isEmpty() ? lo : std::min(lo, m_covered.first),
            m_covered.isEmpty() ? hi : std::max(hi, m_covered.last) };
    }
    const int *data() const { return m_first.data(); }

private:
    void mark(int from, int to, int step)
    {
        for (int i = from; i <= to; ++i)
            m_first[size_t(i)] = step;
    }
    std::vector<int> m_first;
    Range m_covered;
};

struct BoxRanges
{
    Range outerX, outerY, withinX, withinY;
};

// The same geometry as the rasteriser's box: a centred pen puts the wider
// half outside on even widths, the inside style keeps the pen in the box.
BoxRanges rangesOf(const GradientPlan::Step &s, const PenStyle &pen)
{
    const int ax = Twips::toPixels(s.x1), ay = Twips::toPixels(s.y1);
    const int bx = Twips::toPixels(s.x2), by = Twips::toPixels(s.y2);
    const int w = std::max(1, pen.drawWidth);
    const int outside = pen.drawStyle == LineStyle::InsideSolid ? 0 : w / 2;
    const int beyond = pen.drawStyle == LineStyle::InsideSolid ? 0 : w - 1 - outside;
    const Range ox { std::min(ax, bx) - outside, std::max(ax, bx) + beyond };
    const Range oy { std::min(ay, by) - outside, std::max(ay, by) + beyond };
    return { ox, oy, { ox.first + w, ox.last - w }, { oy.first + w, oy.last - w } };
}

}

namespace GradientPasses {

QRect boxes(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &pen,
    const std::vector<quint32> &pixels)
{
    if (begin >= end)
        return {};
    const int width = image.width(), height = image.height();
    const int never = end;
    FirstStep colIn(width, never), colWithin(width, never);
    FirstStep rowIn(height, never), rowWithin(height, never);
    Range spanX, spanY;
    for (int i = begin; i < end; ++i) {
        const BoxRanges r = rangesOf(plan.steps[size_t(i)], pen);
        colIn.grow(r.outerX, i);
        rowIn.grow(r.outerY, i);
        colWithin.grow(r.withinX, i);
        rowWithin.grow(r.withinY, i);
        spanX = r.outerX;
        spanY = r.outerY;
    }
    const QRect touched
        = QRect(QPoint(spanX.first, spanY.first), QPoint(spanX.last, spanY.last)) & image.rect();
    if (touched.isEmpty())
        return {};
    const int *cIn = colIn.data(), *cWithin = colWithin.data();
    const quint32 *value = pixels.data() - begin;
    for (int y = touched.top(); y <= touched.bottom(); ++y) {
        const int rIn = rowIn.data()[y], rWithin = rowWithin.data()[y];
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(y));
        for (int x = touched.left(); x <= touched.right(); ++x) {
            const int drawnFrom = std::max(cIn[x], rIn);
            const int insideFrom = std::max(cWithin[x], rWithin);
            if (drawnFrom < insideFrom)
                row[x] = value[insideFrom - 1];
        }
    }
    return touched;
}

}
