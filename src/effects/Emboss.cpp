#include "effects/Emboss.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include <algorithm>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

quint32 embossedPixel(quint32 p, quint32 q)
{
    quint32 pixel = OpaqueAlpha;
    for (int shift = 0; shift < 24; shift += 8) {
        const int v = int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF) + 128;
        pixel |= quint32(std::clamp(v, 0, 255)) << shift;
    }
    return pixel;
}

void embossRowPortable(const quint32 *above, const quint32 *row, int from, int to, quint32 *out)
{
    for (int x = from; x < to; ++x)
        out[x] = embossedPixel(row[x], above[x - 1]);
}

// Row 0 and column 0 are all an emboss leaves.
void copyUntouched(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::rows(src, dst, 0, std::min(1, src.height));
    for (int y = 1; y < src.height; ++y) {
        if (src.width > 0)
            dst.row(y)[0] = src.row(y)[0];
    }
}

#ifdef __SSE2__

void embossRowSse2(const quint32 *above, const quint32 *row, int width, quint32 *out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i grey = _mm_set1_epi16(128);
    const __m128i alpha = _mm_set1_epi32(int(OpaqueAlpha));
    int x = 1;
    for (; x + 4 <= width; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i *>(row + x));
        const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i *>(above + x - 1));
        const __m128i lo = _mm_add_epi16(
            _mm_sub_epi16(_mm_unpacklo_epi8(p, zero), _mm_unpacklo_epi8(q, zero)), grey);
        const __m128i hi = _mm_add_epi16(
            _mm_sub_epi16(_mm_unpackhi_epi8(p, zero), _mm_unpackhi_epi8(q, zero)), grey);
        _mm_storeu_si128(
            reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
    }
    embossRowPortable(above, row, x, width, out);
}

#endif

}

void embossPortable(ConstPixelRows src, PixelRows dst)
{
    copyUntouched(src, dst);
    for (int y = 1; y < src.height; ++y)
        embossRowPortable(src.row(y - 1), src.row(y), 1, src.width, dst.row(y));
}

void emboss(ConstPixelRows src, PixelRows dst)
{
#ifdef __SSE2__
    copyUntouched(src, dst);
    for (int y = 1; y < src.height; ++y)
        embossRowSse2(src.row(y - 1), src.row(y), src.width, dst.row(y));
#else
    embossPortable(src, dst);
#endif
}

void embossReference(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    auto channel = [](double p, double q) {
        double v = (p - q) + 128;
        if (v > 255)
            v = 255;
        if (v < 0)
            v = 0;
        return int(roundHalfEven(v));
    };
    // The loops run one step past the last row and column, as the surface's
    // writes there fall outside and change nothing; stopping at the edge is the same.
    for (int y = 1; y <= src.height - 1; ++y) {
        for (int x = 1; x <= src.width - 1; ++x) {
            const QRgb p = src.row(y)[x];
            const QRgb q = src.row(y - 1)[x - 1];
            dst.row(y)[x] = qRgb(channel(qRed(p), qRed(q)), channel(qGreen(p), qGreen(q)),
                channel(qBlue(p), qBlue(q)));
        }
    }
}
