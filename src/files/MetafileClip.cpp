#include "files/MetafileClip.h"

#include "files/MetafileLimits.h"

namespace MetafileClip {

QPainterPath combined(
    const std::optional<QPainterPath> &current, const QPainterPath &area, int mode)
{
    constexpr qreal Limit = MetafileLimits::MaxDeviceCoordinate;
    QPainterPath whole;
    whole.addRect(QRectF(-Limit, -Limit, 2 * Limit, 2 * Limit));
    const QPainterPath now = current.value_or(whole);
    switch (mode) {
    case And:
        return current ? now.intersected(area) : area;
    case Or:
        return now.united(area);
    case Xor:
        return now.subtracted(area).united(area.subtracted(now));
    case Difference:
        return now.subtracted(area);
    default:
        return area;
    }
}

}
