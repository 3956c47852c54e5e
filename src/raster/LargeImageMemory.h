#pragma once

#include <QImage>

// Memory for images of many megabytes written once from end to end: the
// scale tool's enlarged canvas, and the canvas a whole-canvas paint rewrites
// while the history keeps the old one.
//
// Fresh memory costs the kernel a fault and a zero fill per page before the
// first write, which for the enlarged canvas takes longer than writing it. So
// such images sit in 2 MiB pages (one fault where there would be 512), and
// when one is let go its memory is kept as a spare (the last few are),
// marked MADV_FREE: the kernel may take it back under memory pressure, and
// until then the next large image of about the same size reuses it with no
// faults and no zeroing.
namespace LargeImageMemory {

// Images below this many bytes come from QImage as usual.
inline constexpr size_t Threshold = size_t(8) << 20;

// An uninitialised RGB32 image; null when the memory cannot be had.
QImage freshImage(int width, int height);

// Frees the spares (for tests and for leaving the program tidy).
void releaseSpares();
// The bytes the spares hold.
size_t spareBytes();

}
