// Parallel lines in one pass.
//
// Many consecutive steps (one a twip) fall on the same two end pixels and so
// draw the same pixels; only the last of such a group is drawn. Each distinct
// line is drawn once, with the rasteriser's own thin pen, into an image of
// step numbers, so where lines cross the later step wins; the numbers are
// then turned into the steps' pixel values.
#include "raster/GradientPasses.h"

#include "base/Twips.h"
#include "raster/GradientPlan.h"
#include "raster/LineStyle.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The step numbers are stored plus one, so that 0 means no step.
class StepImage
{
public:
    explicit StepImage(const QRect &area)
        : m_area(area)
        , m_image(area.size(), QImage::Format_RGB32)
    {
        m_image.fill(0);
    }

    void draw(const QPoint &from, const QPoint &to, int step)
    {
        const quint32 mark = quint32(step + 1) & 0xFFFFFF;
        if (from == to) {
            const QPoint at = from - m_area.topLeft();
            if (m_image.rect().contains(at))
                m_image.setPixel(at, 0xFF000000u | mark);
            return;
        }
        if (!m_painter.isActive()) {
            m_painter.begin(&m_image);
            m_painter.setRenderHint(QPainter::Antialiasing, false);
            m_painter.setCompositionMode(QPainter::CompositionMode_Source);
            m_painter.translate(-m_area.left(), -m_area.top());
            m_painter.setBrush(Qt::NoBrush);
        }
        const QPen style = LineStyle::penFor(LineStyle::Solid, 1, LineStyle::Joins::Round);
        m_painter.setPen(QPen(QColor::fromRgb(0xFF000000u | mark), 1, Qt::SolidLine, Qt::SquareCap,
            style.joinStyle()));
        // Drawn downwards: Qt draws an upward line many times slower, and the
        // same pixels either way (the tests hold this to the rasteriser).
        const bool upwards = to.y() < from.y();
        m_painter.drawLine(upwards ? to : from, upwards ? from : to);
    }

    const QImage &finish()
    {
        if (m_painter.isActive())
            m_painter.end();
        return m_image;
    }

private:
    QRect m_area;
    QImage m_image;
    QPainter m_painter;
};

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
    QRect reach;
    for (int i = begin; i < end; ++i) {
        const GradientPlan::Step &s = plan.steps[size_t(i)];
        const QPoint from(Twips::toPixels(s.x1), Twips::toPixels(s.y1));
        const QPoint to(Twips::toPixels(s.x2), Twips::toPixels(s.y2));
        if (!lines.empty() && lines.back().from == from && lines.back().to == to)
            lines.back().step = i;
        else
            lines.push_back({ from, to, i });
        reach |= QRect(from, to).normalized().adjusted(-2, -2, 2, 2);
    }
    const QRect area = reach & image.rect();
    if (area.isEmpty())
        return {};
    StepImage steps(area);
    for (const PixelLine &line : lines)
        steps.draw(line.from, line.to, line.step);
    const QImage &drawn = steps.finish();
    const quint32 *value = pixels.data() - begin - 1;
    for (int y = 0; y < area.height(); ++y) {
        const auto *marks = reinterpret_cast<const quint32 *>(drawn.constScanLine(y));
        auto *row = reinterpret_cast<quint32 *>(image.scanLine(area.top() + y)) + area.left();
        for (int x = 0; x < area.width(); ++x) {
            const quint32 mark = marks[x] & 0xFFFFFF;
            if (mark)
                row[x] = value[mark];
        }
    }
    return area;
}

}
