#pragma once

#include <QSizeF>
#include <QString>

// Where the browser's preview picture sits in its viewport and how far the
// scroll bars pan it, all in twips.
struct PreviewGeometry
{
    double left = 0;
    double top = 0;
    int horizontalMaximum = 0;
    int verticalMaximum = 0;
};

namespace PreviewLayout {

// One scroll-bar step pans the preview by this many twips.
inline constexpr int ScrollStep = 20;

// `viewport` is the viewport's inner size, `scrollBars` the vertical bar's
// width and the horizontal bar's height, `picture` the picture's outer size.
// The picture is centred in the whole viewport along an axis where it fits
// beside the bar, and pinned to the edge along an axis where it does not;
// there the bar reaches the hidden part in 20-twip steps.
PreviewGeometry layout(QSizeF viewport, QSizeF scrollBars, QSizeF picture);

// The picture's edge for a scroll-bar value.
inline double panned(int value)
{
    return -double(ScrollStep) * value;
}

// "640 х 480": the picture's inner size in pixels around a Cyrillic "х".
QString sizeText(QSizeF pictureTwips);

// The whole-picture view's rule along one axis: centred when the picture fits
// in `room`, else at the edge.
double centreOrPin(double room, double size);

}
