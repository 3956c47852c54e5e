#include "document/LineStyle.h"

namespace LineStyle {

bool isDashed(int drawStyle)
{
    return drawStyle >= Dash && drawStyle <= DashDotDot;
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
    switch (drawStyle) {
    case Dash:
        pen.setDashPattern({ 18, 6 });
        break;
    case Dot:
        pen.setDashPattern({ 3, 3 });
        break;
    case DashDot:
        pen.setDashPattern({ 9, 6, 3, 6 });
        break;
    default:
        pen.setDashPattern({ 9, 3, 3, 3, 3, 3 });
        break;
    }
    pen.setDashOffset(dashOffset / pen.widthF());
    return pen;
}

}
