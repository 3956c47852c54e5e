#pragma once

#include <QtGlobal>

// Lossless packing of one block of 32-bit pixels for the edit history.
//
// Drawings are mostly flat areas, so a block is run-length coded over whole
// pixels, its rows read as one sequence (a run carries on into the next row).
// The packed form is a list of 32-bit words: a header (count << 1 | 1 for a run)
// followed by the run's pixel, or (count << 1) followed by `count` pixels taken
// as they are. A block that would not get smaller is kept raw, row after row,
// so a photograph costs no more than its pixels.
//
// Strides are in pixels. Packing is deterministic: equal blocks pack equally.
namespace TileCodec {

enum class Packing { Raw, RunLength };

struct Packed
{
    Packing packing = Packing::Raw;
    qsizetype words = 0;
};

// Packs width x height pixels into `out`, which has room for width * height words.
Packed pack(const quint32 *src, qsizetype stride, int width, int height, quint32 *out);

void unpack(
    const quint32 *packed, Packing packing, int width, int height, quint32 *dst, qsizetype stride);

// True when the pixels at `src` are exactly the ones `packed` was made from;
// compares without unpacking.
bool matches(const quint32 *packed, Packing packing, int width, int height, const quint32 *src,
    qsizetype stride);

}
