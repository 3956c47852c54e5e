#pragma once

#include "files/MetafileState.h"

#include <QTransform>

// The page transform of a mapping mode: logical units to device units.
// MM_TEXT is one to one; the metric and English modes use the device's
// resolution and point y up; MM_ISOTROPIC and MM_ANISOTROPIC map the window
// onto the viewport, the isotropic one with one scale on both axes (the
// smaller, keeping each axis's sign), as a device context does.
namespace MetafilePageMapping {

QTransform pageTransform(const MetafileState &state, qreal devicePixelsPerMm);

}
