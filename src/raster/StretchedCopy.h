#pragma once

#include <QImage>

// A whole RGB32 image stretched to a new size with plain copies, sampling as
// PaintPicture's stretch does (StretchMap): the scale tool's ×3 and ÷3 of the
// canvas. Large results live in LargeImageMemory. Null when the memory for
// the result cannot be had.
QImage stretchedCopy(const QImage &source, int width, int height);
