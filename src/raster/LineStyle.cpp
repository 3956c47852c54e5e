#include "raster/LineStyle.h"

namespace LineStyle {

bool isDashed(int drawStyle)
{
    return drawStyle >= Dash && drawStyle <= DashDotDot;
}

std::vector<qreal> dashLengths(int drawStyle)
{
    switch (drawStyle) {
    case Dash:
        return { 18, 6 };
    case Dot:
        return { 3, 3 };
    case DashDot:
        return { 9, 6, 3, 6 };
    case DashDotDot:
        return { 9, 3, 3, 3, 3, 3 };
    default:
        return {};
    }
}

QPen penFor(int drawStyle, int width, Joins joins, qreal dashOffset)
{
    QPen pen(Qt::black);
    pen.setWidth(std::max(1, width));
    pen.setJoinStyle(joins == Joins::Round ? Qt::RoundJoin : Qt::MiterJoin);
    pen.setMiterLimit(4);
    if (!isDashed(drawStyle)) {
        pen.setCapStyle(width > 1 ? Qt::RoundCap : Qt::SquareCap);
        return pen;
    }
    // At width 1 a square cap gives the exact classic lengths; on wide pens a
    // square or round cap would lengthen each dash, so flat caps are used.
    pen.setCapStyle(width > 1 ? Qt::FlatCap : Qt::SquareCap);
    const auto lengths = dashLengths(drawStyle);
    pen.setDashPattern(QList<qreal>(lengths.begin(), lengths.end()));
    pen.setDashOffset(dashOffset / pen.widthF());
    return pen;
}

}
