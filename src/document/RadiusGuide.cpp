#include "document/RadiusGuide.h"

#include "base/Twips.h"
#include "raster/CoverageMask.h"
#include "raster/FigureRasterizer.h"

namespace {

CoverageMask maskOf(const QPointF &from, const QPointF &to)
{
    const QPoint a(Twips::toPixels(from.x()), Twips::toPixels(from.y()));
    const QPoint b(Twips::toPixels(to.x()), Twips::toPixels(to.y()));
    const QRect reach = QRect(a, b).normalized().adjusted(-1, -1, 1, 1);
    return FigureRasterizer(reach, PenStyle {}).segment(a, b);
}

}

template <typename Change> void RadiusGuide::update(Change change)
{
    const bool shown = m_line1 || m_line2;
    const QRegion before = shown ? linePixels() : QRegion();
    const bool wasBlinking = m_blinking;
    change();
    const QRegion after = (m_line1 || m_line2) ? linePixels() : QRegion();
    if (!(before | after).isEmpty())
        emit changed(before | after);
    if (wasBlinking != m_blinking)
        emit blinkingChanged(m_blinking);
}

void RadiusGuide::start(const QPointF &at)
{
    update([&] {
        m_first = m_second = at;
        m_line1 = true;
        m_line2 = false;
        m_blinking = true;
    });
}

void RadiusGuide::setSecond(const QPointF &at)
{
    update([&] { m_second = at; });
}

void RadiusGuide::hide()
{
    update([&] {
        m_line1 = m_line2 = false;
        m_blinking = false;
    });
}

void RadiusGuide::blink()
{
    update([&] {
        m_line1 = !m_line1;
        m_line2 = !m_line2;
    });
}

QRegion RadiusGuide::linePixels() const
{
    return maskOf(m_first, m_second).footprint(1);
}

void RadiusGuide::composeOnto(QImage &pixels, const QPoint &origin) const
{
    if (!m_line1 && !m_line2)
        return;
    const CoverageMask mask = maskOf(m_first, m_second);
    // Line2 lies over Line1.
    const quint32 value = m_line2 ? 0xFFFFFFFFu : 0xFF000000u;
    const QRect area = mask.bounds() & pixels.rect().translated(origin);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const uchar *marks = mask.row(y) - mask.bounds().left();
        auto *row = reinterpret_cast<quint32 *>(pixels.scanLine(y - origin.y())) - origin.x();
        for (int x = area.left(); x <= area.right(); ++x) {
            if (marks[x])
                row[x] = value;
        }
    }
}
