#include "effects/Sharpen.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

quint32 sharpenedPixel(quint32 p, quint32 q)
{
    quint32 pixel = OpaqueAlpha;
    for (int shift = 0; shift < 24; shift += 8)
        pixel |= quint32(SharpenArithmetic::sharpened(
                     int((p >> shift) & 0xFF), int((q >> shift) & 0xFF)))
            << shift;
    return pixel;
}

void sharpenRowPortable(const quint32 *above, const quint32 *row, int from, int to, quint32 *out)
{
    for (int x = from; x < to; ++x)
        out[x] = sharpenedPixel(row[x], above[x - 1]);
}

#ifdef __SSE2__

// 3p - q, then the halving with ties to even, on 16-bit components.
__m128i sharpenedHalf(__m128i p, __m128i q)
{
    const __m128i one = _mm_set1_epi16(1);
    const __m128i t = _mm_sub_epi16(_mm_add_epi16(_mm_add_epi16(p, p), p), q);
    const __m128i evenBit = _mm_and_si128(_mm_srai_epi16(t, 1), one);
    return _mm_srai_epi16(_mm_add_epi16(t, evenBit), 1);
}

void sharpenRowSse2(const quint32 *above, const quint32 *row, int width, quint32 *out)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i alpha = _mm_set1_epi32(int(OpaqueAlpha));
    int x = 1;
    for (; x + 4 <= width - 1; x += 4) {
        const __m128i p = _mm_loadu_si128(reinterpret_cast<const __m128i *>(row + x));
        const __m128i q = _mm_loadu_si128(reinterpret_cast<const __m128i *>(above + x - 1));
        const __m128i lo = sharpenedHalf(_mm_unpacklo_epi8(p, zero), _mm_unpacklo_epi8(q, zero));
        const __m128i hi = sharpenedHalf(_mm_unpackhi_epi8(p, zero), _mm_unpackhi_epi8(q, zero));
        // The saturating pack is the clamp to 0..255.
        _mm_storeu_si128(
            reinterpret_cast<__m128i *>(out + x), _mm_or_si128(_mm_packus_epi16(lo, hi), alpha));
    }
    sharpenRowPortable(above, row, x, width - 1, out);
}

#endif

}

void sharpenPortable(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::frame(src, dst, 1);
    for (int y = 1; y < src.height - 1; ++y)
        sharpenRowPortable(src.row(y - 1), src.row(y), 1, src.width - 1, dst.row(y));
}

void sharpen(ConstPixelRows src, PixelRows dst)
{
#ifdef __SSE2__
    PixelRowsCopy::frame(src, dst, 1);
    for (int y = 1; y < src.height - 1; ++y)
        sharpenRowSse2(src.row(y - 1), src.row(y), src.width, dst.row(y));
#else
    sharpenPortable(src, dst);
#endif
}

void sharpenReference(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::rows(src, dst, 0, src.height);
    auto channel = [](double p, double q) {
        double v = p + (p - q) * 0.5;
        if (v > 255)
            v = 255;
        if (v < 0)
            v = 0;
        return int(roundHalfEven(v));
    };
    for (int y = 1; y <= src.height - 2; ++y) {
        for (int x = 1; x <= src.width - 2; ++x) {
            const QRgb p = src.row(y)[x];
            const QRgb q = src.row(y - 1)[x - 1];
            dst.row(y)[x] = qRgb(channel(qRed(p), qRed(q)), channel(qGreen(p), qGreen(q)),
                channel(qBlue(p), qBlue(q)));
        }
    }
}
