#include "effects/Sharpen.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include "effects/UpperLeftPairs.h"

namespace {

// p + (p - q) / 2, per component. On bytes: of the saturated differences
// d = p - q and e = q - p one is zero. The value is p + d / 2 or p - e / 2:
// with b = p + floor(d / 2) - ceil(e / 2), it is b when |p - q| is even and
// b + 1/2 when odd, which rounds to b + (b & 1). Saturating b at 0 and 255
// keeps the clamp: a b below 0 means a value of at most -1/2, which becomes 0
// with the saturated b even; a b above 255 becomes 255 with any correction
// saturating.
struct Sharpened
{
    static quint32 one(quint32 p, quint32 q)
    {
        quint32 pixel = OpaqueAlpha;
        for (int shift = 0; shift < 24; shift += 8)
            pixel |= quint32(SharpenArithmetic::sharpened(
                         int((p >> shift) & 0xFF), int((q >> shift) & 0xFF)))
                << shift;
        return pixel;
    }

#ifdef __SSE2__
    static __m128i four(__m128i p, __m128i q)
    {
        const __m128i one = _mm_set1_epi8(1);
        const __m128i d = _mm_subs_epu8(p, q);
        const __m128i e = _mm_subs_epu8(q, p);
        const __m128i halfD = _mm_and_si128(_mm_srli_epi16(d, 1), _mm_set1_epi8(0x7F));
        const __m128i b
            = _mm_subs_epu8(_mm_adds_epu8(p, halfD), _mm_avg_epu8(e, _mm_setzero_si128()));
        const __m128i odd = _mm_and_si128(_mm_and_si128(_mm_or_si128(d, e), b), one);
        return _mm_or_si128(_mm_adds_epu8(b, odd), _mm_set1_epi32(int(OpaqueAlpha)));
    }
#endif

#if TESSARA_AVX2_PATHS
    static TESSARA_AVX2 __m256i eight(__m256i p, __m256i q)
    {
        const __m256i one = _mm256_set1_epi8(1);
        const __m256i d = _mm256_subs_epu8(p, q);
        const __m256i e = _mm256_subs_epu8(q, p);
        const __m256i halfD = _mm256_and_si256(_mm256_srli_epi16(d, 1), _mm256_set1_epi8(0x7F));
        const __m256i b = _mm256_subs_epu8(
            _mm256_adds_epu8(p, halfD), _mm256_avg_epu8(e, _mm256_setzero_si256()));
        const __m256i odd = _mm256_and_si256(_mm256_and_si256(_mm256_or_si256(d, e), b), one);
        return _mm256_or_si256(_mm256_adds_epu8(b, odd), _mm256_set1_epi32(int(OpaqueAlpha)));
    }
#endif
};

}

void sharpenPortable(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::frame(src, dst, 1);
    UpperLeftPairs::portable<Sharpened>(src, dst, src.height - 1, src.width - 1);
}

void sharpen(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::frame(src, dst, 1);
    UpperLeftPairs::apply<Sharpened>(src, dst, src.height - 1, src.width - 1);
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
