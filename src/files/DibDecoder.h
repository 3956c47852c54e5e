#pragma once

#include <QByteArrayView>
#include <QImage>

// Device-independent bitmaps as metafiles carry them: a BITMAPINFOHEADER
// (or the older 12-byte core header, or a V4/V5 header) with its colour
// table, and the pixel rows, at 1, 4, 8, 16, 24 or 32 bits a pixel,
// uncompressed or with bit-field masks. Every read is checked against the
// bytes given; rows the bits do not hold are black. Run-length and embedded
// JPEG or PNG bitmaps are not decoded (a null image: the record draws nothing).
namespace DibDecoder {

enum class ColourUsage { Rgb, PaletteIndices };

// `info` is the header and colour table, `bits` the rows.
QImage decode(QByteArrayView info, QByteArrayView bits, qint64 pixelLimit,
    ColourUsage usage = ColourUsage::Rgb);

// A header, colour table and rows one after the other (a WMF's DIB records
// and pattern brushes).
QImage decodePacked(QByteArrayView dib, qint64 pixelLimit, ColourUsage usage = ColourUsage::Rgb);

}
