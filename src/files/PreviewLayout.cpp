#include "files/PreviewLayout.h"

#include "base/RoundHalfEven.h"
#include "base/Twips.h"

#include <algorithm>
#include <limits>

namespace PreviewLayout {

namespace {

// Scroll-bar maxima are 16-bit; a picture too large for them stays reachable
// as far as they go.
int scrollMaximum(double hidden)
{
    if (hidden <= 0)
        return 0;
    const auto steps = roundHalfEven(hidden / ScrollStep);
    return int(std::min<std::int64_t>(steps, std::numeric_limits<qint16>::max()));
}

QString pixels(double twips)
{
    // Pictures are whole pixels; a real number would print as the shortest
    // single-precision text, which the 'g' form with 7 digits matches.
    return QString::number(float(twips / Twips::PerPixel), 'g', 7);
}

}

PreviewGeometry layout(QSizeF viewport, QSizeF scrollBars, QSizeF picture)
{
    const double roomWidth = viewport.width() - scrollBars.width();
    const double roomHeight = viewport.height() - scrollBars.height();
    PreviewGeometry g;
    if (roomWidth >= picture.width())
        g.left = viewport.width() / 2 - picture.width() / 2;
    if (roomHeight >= picture.height())
        g.top = viewport.height() / 2 - picture.height() / 2;
    g.verticalMaximum = scrollMaximum(picture.height() - roomHeight);
    g.horizontalMaximum = scrollMaximum(picture.width() - roomWidth);
    return g;
}

QString sizeText(QSizeF pictureTwips)
{
    return pixels(pictureTwips.width()) + QStringLiteral(" \u0445 ")
        + pixels(pictureTwips.height());
}

double centreOrPin(double room, double size)
{
    return room >= size ? (room - size) / 2 : 0.0;
}

}
