#include "raster/RasterOp.h"

#include "base/VectorUnits.h"

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

namespace {

// The loops below are plain code the compiler vectorises: at the baseline
// that is SSE2, and compiled again for AVX2 they do eight pixels a step,
// which matters because at SSE2 width the arithmetic, not the memory, bounds
// a whole-canvas paint.
[[gnu::always_inline]] inline void applyInPlace(
    quint32 *__restrict dst, const quint32 *__restrict src, int count, const BlitOperation &op)
{
    const BlitOperation o = op;
    for (int i = 0; i < count; ++i)
        dst[i] = o.apply(src[i], dst[i]);
}

// `src` may be `dst` (a picture put down over its own pixels); only `out`
// is written.
[[gnu::always_inline]] inline void applyInto(quint32 *__restrict out, const quint32 *src,
    const quint32 *dst, int count, const BlitOperation &op)
{
    const BlitOperation o = op;
    for (int i = 0; i < count; ++i)
        out[i] = o.apply(src[i], dst[i]);
}

#if TESSARA_AVX2_PATHS
TESSARA_AVX2 void applyInPlaceAvx2(
    quint32 *__restrict dst, const quint32 *__restrict src, int count, const BlitOperation &op)
{
    applyInPlace(dst, src, count, op);
}

TESSARA_AVX2 void applyIntoAvx2(quint32 *__restrict out, const quint32 *src, const quint32 *dst,
    int count, const BlitOperation &op)
{
    applyInto(out, src, dst, count, op);
}
#endif

}

void blitRow(quint32 *dst, const quint32 *src, int count, const BlitOperation &op)
{
#if TESSARA_AVX2_PATHS
    if (VectorUnits::avx2())
        return applyInPlaceAvx2(dst, src, count, op);
#endif
    applyInPlace(dst, src, count, op);
}

void blitRowInto(
    quint32 *out, const quint32 *src, const quint32 *dst, int count, const BlitOperation &op)
{
    if (out == dst)
        return blitRow(out, src, count, op);
#if TESSARA_AVX2_PATHS
    if (VectorUnits::avx2())
        return applyIntoAvx2(out, src, dst, count, op);
#endif
    applyInto(out, src, dst, count, op);
}

void blitRowGathered(quint32 *__restrict dst, const quint32 *__restrict src,
    const int *__restrict columns, int count, const BlitOperation &op)
{
    const BlitOperation o = op;
    for (int i = 0; i < count; ++i)
        dst[i] = o.apply(src[columns[i]], dst[i]);
}

}
