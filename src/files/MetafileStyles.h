#pragma once

#include "files/MetafileObjects.h"

#include <QBrush>
#include <QPen>

// How a metafile's pens and hatched brushes become Qt's, in picture pixels.
namespace MetafileStyles {

// A GDI hatch (HS_HORIZONTAL .. HS_DIAGCROSS) as the canvas draws its fill
// styles: 8 x 8 pixels anchored at the picture's origin, transparent between.
QBrush hatchBrush(int hatch, ColourValue colour);

// `scale` is picture pixels per logical unit. A pen never draws narrower
// than one pixel; dashes have the canvas's classic lengths.
QPen penFor(const MetafilePen &pen, qreal scale, qreal miterLimit);

}
