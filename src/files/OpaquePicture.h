#pragma once

#include "base/ColourValue.h"

#include <QImage>

// The canvas holds opaque Format_RGB32 pixels: a decoded picture with
// transparency is composed over the background colour, as the canvas would
// show it; an opaque one is only converted.
QImage opaquePicture(const QImage &decoded, ColourValue background);

// Sets the unused alpha byte of every pixel of a Format_RGB32 image. Qt's GIF
// decoder leaves it 0 where the data ended early, and a canvas pixel whose
// top byte is not 0xFF would not compare equal to the colour it shows.
void settleAlpha(QImage &image);
