// Parallel lines in one pass.
//
// Many consecutive steps (one a twip) fall on the same two end pixels and so
// draw the same pixels; only the last of such a group is drawn. The distinct
// lines are then written straight into the picture in step order, each pixel
// taking the step's pixel value, so where lines cross the later step wins, as
// when every step is drawn. ThinLine gives exactly the rasteriser's pixels of
// each line without going through a painter.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/GradientPlan.h"
#include "raster/ThinLine.h"

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
    uchar *bits = image.bits();
    const qsizetype stride = image.bytesPerLine();
    QRect touched;
    for (const PixelLine &line : lines) {
        const quint32 value = pixels[size_t(line.step - begin)];
        const QRect device = ThinLine::deviceFor(line.from, line.to, surface);
        if (device.isEmpty())
            continue;
        touched |= device;
        if (line.from == line.to) {
            if (surface.contains(line.from))
                reinterpret_cast<quint32 *>(bits + line.from.y() * stride)[line.from.x()] = value;
            continue;
        }
        ThinLine::trace(line.from, line.to, device,
            [&](int x, int y) { reinterpret_cast<quint32 *>(bits + y * stride)[x] = value; });
    }
    return touched;
}

}
