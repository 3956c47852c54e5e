#pragma once

#include "base/ColourValue.h"

#include <QByteArray>
#include <QImage>
#include <QString>

// A picture file read for the canvas.
struct LoadedPicture
{
    enum class Outcome {
        Whole, // the picture as the file holds it
        Incomplete, // the file stops early: `image` holds what was complete, `reason` says so
        NotFound, // no such file
        Refused, // not a picture we read, damaged beyond use, or too large: `reason` says why
    };

    Outcome outcome = Outcome::Refused;
    // Format_RGB32, opaque: transparent pixels show the background colour.
    // Null unless Whole or Incomplete.
    QImage image;
    // A short Chinese sentence for the user, without the file name.
    QString reason;

    bool opened() const { return outcome == Outcome::Whole || outcome == Outcome::Incomplete; }
};

// Reads JPG, GIF, BMP, ICO and DIB files (and PNG, whatever the name) by their
// content, not their extension; metafiles go to a reader of their own.
namespace PictureReader {

// The most bytes a decoded picture may take (RGB32).
qint64 allocationLimit();

LoadedPicture readFile(const QString &path, ColourValue background);
LoadedPicture readBytes(const QByteArray &bytes, ColourValue background);

}
