#include "files/MetafileStyles.h"

#include "files/MetafileLimits.h"
#include "raster/FillPattern.h"
#include "raster/LineStyle.h"

#include <QImage>

namespace {

Qt::PenStyle penStyleFor(MetafilePen::Style style)
{
    return style == MetafilePen::Style::Null ? Qt::NoPen : Qt::SolidLine;
}

int drawStyleFor(MetafilePen::Style style)
{
    switch (style) {
    case MetafilePen::Style::Dash:
        return LineStyle::Dash;
    case MetafilePen::Style::Dot:
        return LineStyle::Dot;
    case MetafilePen::Style::DashDot:
        return LineStyle::DashDot;
    case MetafilePen::Style::DashDotDot:
        return LineStyle::DashDotDot;
    default:
        return LineStyle::Solid;
    }
}

}

namespace MetafileStyles {

// GDI hatches are the program's own fill styles 2..7, 8 x 8 device pixels.
QBrush hatchBrush(int hatch, ColourValue colour)
{
    const FillPattern pattern = FillPattern::forFillStyle(hatch + 2);
    QImage tile(8, 8, QImage::Format_ARGB32_Premultiplied);
    tile.fill(Qt::transparent);
    const QRgb ink = Colour::toPixel(colour);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (pattern.paints(x, y))
                tile.setPixel(x, y, ink);
        }
    }
    return QBrush(tile);
}

QPen penFor(const MetafilePen &p, qreal scale, qreal miterLimit)
{
    qreal width = p.cosmetic ? 0 : std::min(p.width * scale, MetafileLimits::MaxPenWidth);
    // A device context never draws a line narrower than a pixel.
    if (!(width >= 1.5))
        width = 0;
    QPen pen(Colour::toQColor(p.colour), width, penStyleFor(p.style), p.cap, p.join);
    pen.setMiterLimit(miterLimit);
    const int drawStyle = drawStyleFor(p.style);
    if (LineStyle::isDashed(drawStyle)) {
        const auto lengths = LineStyle::dashLengths(drawStyle);
        pen.setDashPattern(QList<qreal>(lengths.begin(), lengths.end()));
        // At one pixel a square cap gives the classic lengths; wider, a flat
        // one keeps each dash as long as its share of the pattern.
        pen.setCapStyle(width > 1 ? Qt::FlatCap : Qt::SquareCap);
    }
    return pen;
}

}
