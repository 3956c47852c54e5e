#pragma once

#include "files/WriteOutcome.h"

#include <QByteArray>
#include <QImage>
#include <QString>

namespace PictureWriter {

// A whole BMP file of the image at 24 bits a pixel, bottom-up, at 96 dpi.
// Empty for a null image and for one whose file would pass 4 GiB, which the
// format's 32-bit size fields cannot describe.
QByteArray encodeBmp(const QImage &image);

// Writes the image as a BMP file without ever harming a file already at
// `path`: the bytes go to a temporary file in the same folder, reach the disk,
// and only then replace the old file, which keeps its permissions. On any
// failure the old file is as it was.
WriteOutcome writeBmpFile(const QString &path, const QImage &image);

}
