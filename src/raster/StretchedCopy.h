#pragma once

#include <QImage>

// A whole RGB32 image stretched to a new size with plain copies, sampling as
// PaintPicture's stretch does (StretchMap): the scale tool's ×3 and ÷3 of the
// canvas. A destination row that takes the same source row as the one above
// is copied from it, so an enlargement gathers each source row only once.
QImage stretchedCopy(const QImage &source, int width, int height);
