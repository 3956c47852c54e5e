#pragma once

#include "base/ColourValue.h"

#include <QtGlobal>

// The raster operations that combine a pen or a source picture with what is
// already on a surface. Both kinds are evaluated from their truth tables, so
// every code behaves as its table says; the row kernels below take the table
// folded into a few constant words and use no branch or call per pixel.
namespace RasterOp {

// Pen modes (DrawMode 1..16), named after their binary raster operations.
enum DrawModeCode : int {
    R2_BLACK = 1,
    R2_NOTMERGEPEN,
    R2_MASKNOTPEN,
    R2_NOTCOPYPEN,
    R2_MASKPENNOT,
    R2_NOT,
    R2_XORPEN,
    R2_NOTMASKPEN,
    R2_MASKPEN,
    R2_NOTXORPEN,
    R2_NOP,
    R2_MERGENOTPEN,
    R2_COPYPEN,
    R2_MERGEPENNOT,
    R2_MERGEPEN,
    R2_WHITE,
};

// Ternary raster operation codes: the truth table is bits 16..23.
inline constexpr quint32 SRCCOPY = 0x00CC0020;
inline constexpr quint32 SRCPAINT = 0x00EE0086;
inline constexpr quint32 SRCAND = 0x008800C6;
inline constexpr quint32 SRCINVERT = 0x00660046;
inline constexpr quint32 SRCERASE = 0x00440328;
inline constexpr quint32 NOTSRCCOPY = 0x00330008;
inline constexpr quint32 NOTSRCERASE = 0x001100A6;
inline constexpr quint32 MERGECOPY = 0x00C000CA;
inline constexpr quint32 MERGEPAINT = 0x00BB0226;
inline constexpr quint32 PATCOPY = 0x00F00021;
inline constexpr quint32 PATPAINT = 0x00FB0A09;
inline constexpr quint32 PATINVERT = 0x005A0049;
inline constexpr quint32 DSTINVERT = 0x00550009;
inline constexpr quint32 BLACKNESS = 0x00000042;
inline constexpr quint32 WHITENESS = 0x00FF0062;

inline constexpr int truthTable(quint32 code)
{
    return int((code >> 16) & 0xFF);
}

inline constexpr quint32 ColourBits = 0x00FFFFFF;
inline constexpr quint32 OpaqueAlpha = 0xFF000000;

// A pen mode with its pen colour: bit by bit, the result is whereClear where
// the destination bit is 0 and whereSet where it is 1.
struct PenOperation
{
    quint32 whereClear = 0;
    quint32 whereSet = 0;

    // drawMode outside 1..16 is taken as R2_COPYPEN.
    static PenOperation make(int drawMode, ColourValue pen);

    // Pixels are opaque RGB32; the alpha byte always comes out 0xFF.
    quint32 apply(quint32 destination) const
    {
        return (~destination & whereClear) | (destination & whereSet);
    }
};

// A ternary operation with its pattern colour fixed: the result bit for each
// (source, destination) pair of bits is one of four constant words.
struct BlitOperation
{
    quint32 neither = 0; // source 0, destination 0
    quint32 destinationOnly = 0; // source 0, destination 1
    quint32 sourceOnly = 0; // source 1, destination 0
    quint32 both = 0; // source 1, destination 1

    static BlitOperation make(quint32 code, ColourValue pattern);

    quint32 apply(quint32 source, quint32 destination) const
    {
        const quint32 r = (~source & ~destination & neither)
            | (~source & destination & destinationOnly) | (source & ~destination & sourceOnly)
            | (source & destination & both);
        return (r & ColourBits) | OpaqueAlpha;
    }
};

// dst[i] = op(src[i], dst[i]) over one row.
void blitRow(quint32 *dst, const quint32 *src, int count, const BlitOperation &op);

// out[i] = op(src[i], dst[i]) over one row; out may be dst.
void blitRowInto(
    quint32 *out, const quint32 *src, const quint32 *dst, int count, const BlitOperation &op);

// dst[i] = op(src[columns[i]], dst[i]) over one row, for stretched and mirrored copies.
void blitRowGathered(
    quint32 *dst, const quint32 *src, const int *columns, int count, const BlitOperation &op);

}
