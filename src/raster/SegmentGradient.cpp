// Parallel lines in one pass.
//
// Many consecutive steps (one a twip) fall on the same two end pixels and so
// draw the same pixels; only the last of such a group is drawn. The distinct
// lines are then written straight into the picture in step order, each pixel
// taking the step's pixel value, so where lines cross the later step wins, as
// when every step is drawn. ThinLine gives exactly the rasteriser's pixels of
// each line without going through a painter. The picture is written a band
// of rows at a time: a steep line touches a new row, and a new page of
// memory, with every pixel, which made writing line after line slow.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/GradientPlan.h"
#include "raster/ThinLine.h"

#include <algorithm>

namespace {

void prefetchRows(uchar *bits, qsizetype stride, const QRect &touched, int top, int bottom)
{
    for (int y = top; y <= bottom; ++y) {
        const uchar *row = bits + y * stride;
        for (int x = touched.left() * 4; x <= touched.right() * 4; x += 64)
            __builtin_prefetch(row + x, 1, 3);
    }
}

}

namespace GradientPasses {

QRect segments(QImage &image, const GradientPlan &plan, int begin, int end, const PenStyle &,
    const std::vector<quint32> &pixels)
{
    struct PixelLine
    {
        QPoint from, to;
        int step;
    };
    std::vector<PixelLine> lines;
    for (int i = begin; i < end; ++i) {
        const GradientPlan::Step &s = plan.steps[size_t(i)];
        const QPoint from(Twips::toPixels(s.x1), Twips::toPixels(s.y1));
        const QPoint to(Twips::toPixels(s.x2), Twips::toPixels(s.y2));
        if (!lines.empty() && lines.back().from == from && lines.back().to == to)
            lines.back().step = i;
        else
            lines.push_back({ from, to, i });
    }
    const QRect surface = image.rect();
    // Each line worked out once; a single pixel stands for a line whose ends
    // meet (a cursor that plots nothing, with the dot beside it).
    struct Drawn
    {
        ThinLine::Line::Cursor cursor;
        int top;
        QPoint dot;
        quint32 value;
    };
    std::vector<Drawn> drawn;
    drawn.reserve(lines.size());
    QRect touched;
    for (const PixelLine &l : lines) {
        const quint32 value = pixels[size_t(l.step - begin)];
        const QRect device = ThinLine::deviceFor(l.from, l.to, surface);
        if (device.isEmpty())
            continue;
        touched |= device;
        if (l.from == l.to) {
            if (surface.contains(l.from))
                drawn.push_back({ ThinLine::Line::Cursor(ThinLine::Line({}, {}, {})), l.from.y(),
                    l.from, value });
            continue;
        }
        const ThinLine::Line line(l.from, l.to, device);
        if (!line.isEmpty())
            drawn.push_back({ ThinLine::Line::Cursor(line), line.top(), QPoint(-1, -1), value });
    }
    if (drawn.empty())
        return touched;
    // Band by band, each band's lines in step order, so the later step wins.
    // Lines are dropped from the list once traced to their end.
    constexpr int BandRows = 32;
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    for (int top = touched.top(); top <= touched.bottom(); top += BandRows) {
        const int bottom = std::min(top + BandRows - 1, touched.bottom());
        prefetchRows(bits, stride, touched, top + BandRows,
            std::min(top + 2 * BandRows - 1, touched.bottom()));
        for (Drawn &d : drawn) {
            if (d.top > bottom)
                continue;
            if (d.dot.x() >= 0) {
                reinterpret_cast<quint32 *>(bits + d.dot.y() * stride)[d.dot.x()] = d.value;
                d.dot = QPoint(-1, -1);
                continue;
            }
            const quint32 value = d.value;
            d.cursor.traceTo(bottom, [bits, stride, value](int x, int y) {
                reinterpret_cast<quint32 *>(bits + y * stride)[x] = value;
            });
        }
        std::erase_if(drawn, [](const Drawn &d) { return d.cursor.done() && d.dot.x() < 0; });
    }
    return touched;
}

}
