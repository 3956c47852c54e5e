#include "files/MetafilePageMapping.h"

#include <cmath>

namespace {

// Millimetres per logical unit of the fixed modes.
qreal millimetresPerUnit(int mapMode)
{
    switch (mapMode) {
    case MetafileState::LoMetric:
        return 0.1;
    case MetafileState::HiMetric:
        return 0.01;
    case MetafileState::LoEnglish:
        return 0.254;
    case MetafileState::HiEnglish:
        return 0.0254;
    case MetafileState::Twips:
        return 25.4 / 1440;
    default:
        return 0;
    }
}

qreal ratio(qreal viewport, qreal window)
{
    return window == 0 ? 0 : viewport / window;
}

}

namespace MetafilePageMapping {

QTransform pageTransform(const MetafileState &state, qreal devicePixelsPerMm)
{
    const QPointF wo = state.windowOrigin, vo = state.viewportOrigin;
    qreal sx = 1, sy = 1;
    switch (state.mapMode) {
    case MetafileState::Isotropic:
    case MetafileState::Anisotropic: {
        sx = ratio(state.viewportExtent.width(), state.windowExtent.width());
        sy = ratio(state.viewportExtent.height(), state.windowExtent.height());
        if (state.mapMode == MetafileState::Isotropic) {
            const qreal least = std::min(std::abs(sx), std::abs(sy));
            sx = std::copysign(least, sx);
            sy = std::copysign(least, sy);
        }
        break;
    }
    case MetafileState::Text:
        break;
    default: {
        const qreal scale = millimetresPerUnit(state.mapMode) * devicePixelsPerMm;
        sx = scale;
        sy = -scale;
        break;
    }
    }
    return QTransform(sx, 0, 0, sy, vo.x() - wo.x() * sx, vo.y() - wo.y() * sy);
}

}
