#pragma once

#include <QtGlobal>

// Turns a row of 32-bit pixels (0xAARRGGBB in memory order B, G, R, A) into the
// 3 bytes a pixel of a 24-bit bitmap row (B, G, R), dropping the alpha byte.
// Saving spends nearly all its time here, so there is a plain path every
// machine runs and an SSSE3 path chosen at run time; both give the same bytes.
namespace BmpRowPacker {

using PackRow = void (*)(const quint32 *source, qsizetype width, uchar *destination);

// Four pixels at a time as three 32-bit words.
void packPortable(const quint32 *source, qsizetype width, uchar *destination);

// Sixteen pixels at a time with byte shuffles; only where hasSsse3() says so.
void packSsse3(const quint32 *source, qsizetype width, uchar *destination);
bool hasSsse3();

// The fastest path this processor runs.
PackRow best();

}
