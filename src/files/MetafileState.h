#pragma once

#include "files/MetafileObjects.h"
#include "raster/RasterOp.h"

#include <QPainterPath>
#include <QPointF>
#include <QSizeF>
#include <QTransform>

#include <optional>

// The drawing state of a playback (a device context): what SaveDC saves and
// RestoreDC brings back. Defaults are those of a fresh device context.
struct MetafileState
{
    enum MapMode : int {
        Text = 1,
        LoMetric,
        HiMetric,
        LoEnglish,
        HiEnglish,
        Twips,
        Isotropic,
        Anisotropic,
    };

    MetafilePen pen; // BLACK_PEN
    MetafileBrush brush; // WHITE_BRUSH
    MetafileFont font;
    ColourValue textColour = 0;
    ColourValue backgroundColour = 0xFFFFFF;
    bool opaqueBackground = true;
    quint32 textAlign = 0;
    int rop2 = RasterOp::R2_COPYPEN;
    Qt::FillRule fillRule = Qt::OddEvenFill;
    bool clockwiseArcs = false;
    qreal miterLimit = 10;

    int mapMode = Text;
    QPointF windowOrigin, viewportOrigin;
    QSizeF windowExtent { 1, 1 }, viewportExtent { 1, 1 };
    QTransform world;

    // In output pixels; none means the whole picture.
    std::optional<QPainterPath> clip;
    // Logical units.
    QPointF position;
};
