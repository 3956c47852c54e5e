#include "raster/RasterOp.h"

namespace RasterOp {

namespace {

bool bit(int table, int index)
{
    return (table >> index) & 1;
}

// The word whose bits follow `table` at the two indices chosen by the pattern bit.
quint32 foldPattern(
    int table, int indexWherePatternSet, int indexWherePatternClear, quint32 pattern)
{
    return (bit(table, indexWherePatternSet) ? pattern : 0u)
        | (bit(table, indexWherePatternClear) ? ~pattern : 0u);
}

}

PenOperation PenOperation::make(int drawMode, ColourValue pen)
{
    if (drawMode < R2_BLACK || drawMode > R2_WHITE)
        drawMode = R2_COPYPEN;
    // Binary operation n has the truth table n - 1, indexed by pen * 2 + destination.
    const int table = drawMode - 1;
    const quint32 p = Colour::toPixel(pen) & ColourBits;
    PenOperation op;
    op.whereClear = foldPattern(table, 2, 0, p) & ColourBits;
    op.whereSet = foldPattern(table, 3, 1, p) | OpaqueAlpha;
    return op;
}

BlitOperation BlitOperation::make(quint32 code, ColourValue pattern)
{
    // Indexed by pattern * 4 + source * 2 + destination.
    const int table = truthTable(code);
    const quint32 p = Colour::toPixel(pattern) & ColourBits;
    BlitOperation op;
    op.neither = foldPattern(table, 4, 0, p);
    op.destinationOnly = foldPattern(table, 5, 1, p);
    op.sourceOnly = foldPattern(table, 6, 2, p);
    op.both = foldPattern(table, 7, 3, p);
    return op;
}

void blitRow(
    quint32 *__restrict dst, const quint32 *__restrict src, int count, const BlitOperation &op)
{
    const BlitOperation o = op;
    for (int i = 0; i < count; ++i)
        dst[i] = o.apply(src[i], dst[i]);
}

void blitRowInto(
    quint32 *out, const quint32 *src, const quint32 *dst, int count, const BlitOperation &op)
{
    if (out == dst) {
        blitRow(out, src, count, op);
        return;
    }
    const BlitOperation o = op;
    quint32 *__restrict o_out = out;
    for (int i = 0; i < count; ++i)
        o_out[i] = o.apply(src[i], dst[i]);
}

void blitRowGathered(quint32 *__restrict dst, const quint32 *__restrict src,
    const int *__restrict columns, int count, const BlitOperation &op)
{
    const BlitOperation o = op;
    for (int i = 0; i < count; ++i)
        dst[i] = o.apply(src[columns[i]], dst[i]);
}

}
