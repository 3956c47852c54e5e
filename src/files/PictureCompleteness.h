#pragma once

#include <QByteArrayView>

// Whether a file holds its whole picture, told from its structure alone.
// Qt's decoders fill what a cut-short JPEG or GIF lacks with grey or nothing
// and report success, so the reader walks the file itself: a picture whose
// file stops early is shown as incomplete, never as whole. Every walk is
// bounds-checked and linear in the file's length.
namespace PictureCompleteness {

enum class Verdict {
    Whole, // every part of the picture is in the file
    Cut, // the file stops before the picture ends
    Damaged, // a structure no such file has: the decoders cannot be trusted with it
};

// Markers from the start of image to its end (FFD9); the entropy-coded data
// of every scan is skipped up to the next marker.
Verdict ofJpeg(QByteArrayView bytes);

// The chunks up to IEND.
Verdict ofPng(QByteArrayView bytes);

// The blocks up to the first image, and that image's LZW codes: enough codes
// for all its pixels, and none naming a table entry that does not exist yet.
// Later frames do not count: the first one is the picture.
Verdict ofGif(QByteArrayView bytes);

// A run-length bitmap's commands (RLE8, or RLE4 when `fourBit`) from the
// start of its pixels: whole when they reach the end-of-bitmap command or the
// last row.
Verdict ofBmpRle(QByteArrayView pixels, qint64 height, bool fourBit);

}
