#pragma once

#include <QtGlobal>

// A 64-bit hash of a block of 32-bit pixels, read row by row, for finding
// blocks the edit history already holds. Equal blocks hash equally; a match is
// always confirmed by comparing the pixels, so collisions cost time, never
// correctness. Four independent lanes keep the multiplier busy: a 64 x 64 block
// hashes at several bytes per cycle.
namespace TileHash {

quint64 of(const quint32 *src, qsizetype stride, int width, int height);

}
