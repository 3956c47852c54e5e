#pragma once

#include "base/ColourValue.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

// Plays a WMF or EMF file into a picture of the metafile's own size:
// - EMF: its frame (0.01 mm) at 96 dpi;
// - placeable WMF: its box at 96 dpi, in its own units per inch;
// - WMF without the placeable header: its window extent (SETWINDOWEXT
//   before the first figure) as pixels when it fits 2402 x 2002, else read
//   at 1440 units per inch (twips, as such files are usually written);
//   with no extent, the bounds of what it draws, in its own device units.
// Unpainted areas are the background colour. A file whose records stop
// before the end record is incomplete: the picture holds what was complete.
namespace MetafilePlayer {

struct Playback
{
    enum class Outcome { Whole, Incomplete, Refused };
    Outcome outcome = Outcome::Refused;
    QImage image; // Format_RGB32, opaque; null when refused
    QString reason; // empty when whole
    qint64 records = 0;
    qint64 skippedRecords = 0; // unknown records, skipped
};

// `pixelLimit` bounds the picture and every bitmap inside it.
Playback play(QByteArrayView file, ColourValue background, qint64 pixelLimit);

enum class Kind { None, Wmf, Emf };
Kind kindOf(QByteArrayView file);

}
