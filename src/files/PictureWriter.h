#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The outcome of writing a picture file.
struct WriteOutcome
{
    enum class Status {
        Written,
        ReadOnly, // the file or its folder may not be written
        Failed, // anything else: `reason` is the system's description
    };

    Status status = Status::Failed;
    QString reason;

    bool written() const { return status == Status::Written; }
};

namespace PictureWriter {

// A whole BMP file of the image at 24 bits a pixel.
QByteArray encodeBmp(const QImage &image);

// Writes the image as a BMP file without ever harming a file already at
// `path`: the bytes go to a temporary file in the same folder, reach the disk,
// and only then replace the old file, which keeps its permissions. On any
// failure the old file is as it was.
WriteOutcome writeBmpFile(const QString &path, const QImage &image);

}
