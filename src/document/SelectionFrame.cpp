#include "document/SelectionFrame.h"

#include <algorithm>

namespace SelectionFrame {

Layout layoutFor(const QRectF &picture)
{
    const double l = picture.left();
    const double t = picture.top();
    const double w = picture.width();
    const double h = picture.height();
    const double s = HandleSize;
    const auto at = [s](double x, double y) { return QRectF(x, y, s, s); };
    Layout layout;
    layout.outline
        = QRectF(l - OutlineInset, t - OutlineInset, w + OutlineGrowth, h + OutlineGrowth);
    layout.handles[int(Handle::LeftUp)] = at(l - s, t - s);
    layout.handles[int(Handle::Up)] = at(l + w / 2 - s / 2, t - s);
    layout.handles[int(Handle::RightUp)] = at(l + w, t - s);
    layout.handles[int(Handle::Left)] = at(l - s, t + h / 2 - s / 2);
    layout.handles[int(Handle::Right)] = at(l + w, t + h / 2 - s / 2);
    layout.handles[int(Handle::LeftDown)] = at(l - s, t + h);
    layout.handles[int(Handle::Down)] = at(l + w / 2 - s / 2, t + h);
    layout.handles[int(Handle::RightDown)] = at(l + w, t + h);
    return layout;
}

namespace {

// A near edge (left or top) moved by `offset`: the far edge stays put, and
// when the near one would pass it the extent is one twip and the near edge
// does not move at all.
void moveNearEdge(double &start, double &extent, double offset)
{
    if (extent - offset < 1) {
        extent = 1;
        return;
    }
    start += offset;
    extent -= offset;
}

void moveFarEdge(double &extent, double offset, double least)
{
    extent = std::max(least, extent + offset);
}

}

QRectF resized(const QRectF &picture, Handle handle, double x, double y)
{
    double l = picture.left();
    double t = picture.top();
    double w = picture.width();
    double h = picture.height();
    switch (handle) {
    case Handle::RightDown:
        moveFarEdge(w, x, 15);
        moveFarEdge(h, y, 15);
        break;
    case Handle::Right:
        moveFarEdge(w, x, 1);
        break;
    case Handle::Down:
        moveFarEdge(h, y, 1);
        break;
    case Handle::Left:
        moveNearEdge(l, w, x);
        break;
    case Handle::Up:
        moveNearEdge(t, h, y);
        break;
    case Handle::LeftUp:
        moveNearEdge(l, w, x);
        moveNearEdge(t, h, y);
        break;
    case Handle::RightUp:
        moveFarEdge(w, x, 1);
        moveNearEdge(t, h, y);
        break;
    case Handle::LeftDown:
        moveNearEdge(l, w, x);
        moveFarEdge(h, y, 1);
        break;
    }
    return QRectF(l, t, w, h);
}

}
