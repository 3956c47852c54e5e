#pragma once

#include <QRect>
#include <QSize>

// Where the whole-picture view puts its picture and where the help window
// stands. Twips, as the windows' own measures are kept.
namespace ViewerLayout {

// The whole-picture view: centred along each axis on which the picture fits
// the window's inner size, pinned to the edge along one on which it does not.
QPoint pictureOrigin(QSize inner, QSize picture);

// The help window on load: along the screen's right edge, 30 twips from the
// top, 5325 wide and 750 short of the screen's height.
QRect helpPlacement(QSize screen);
// The least outer size the help window may be dragged to.
QSize helpMinimum();
// The guide's box inside the help window: margins of 120 left, 150 top and
// the same again on the far sides; an empty rectangle when the window's
// inner size is too small to hold it (the box is then left where it was).
QRect helpTextBox(QSize inner);

}
