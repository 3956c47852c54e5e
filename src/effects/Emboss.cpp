#include "effects/Emboss.h"

#include "base/RoundHalfEven.h"

#include <QColor>

#include <algorithm>

#include "effects/UpperLeftPairs.h"

namespace {

// Row 0 and column 0 are all an emboss leaves.
void copyUntouched(ConstPixelRows src, PixelRows dst)
{
    PixelRowsCopy::rows(src, dst, 0, std::min(1, src.height));
    for (int y = 1; y < src.height; ++y) {
        if (src.width > 0)
            dst.row(y)[0] = src.row(y)[0];
    }
}

// p - q + 128 clamped. On bytes: of the two saturated differences one is
// zero, so 128 plus the first (saturating at 255) minus the second (at 0) is
// the clamped value in both cases.
struct Embossed
{
    static quint32 one(quint32 p, quint32 q)
    {
        quint32 pixel = OpaqueAlpha;
        for (int shift = 0; shift < 24; shift += 8) {
            const int v = int((p >> shift) & 0xFF) - int((q >> shift) & 0xFF) + 128;
            pixel |= quint32(std::clamp(v, 0, 255)) << shift;
        }
        return pixel;
    }

#ifdef __SSE2__
    static __m128i four(__m128i p, __m128i q)
    {
        const __m128i grey = _mm_set1_epi8(char(0x80));
        const __m128i raised = _mm_adds_epu8(grey, _mm_subs_epu8(p, q));
        return _mm_or_si128(
            _mm_subs_epu8(raised, _mm_subs_epu8(q, p)), _mm_set1_epi32(int(OpaqueAlpha)));
    }
#endif

#if TESSARA_AVX2_PATHS
    static TESSARA_AVX2 __m256i eight(__m256i p, __m256i q)
    {
        const __m256i grey = _mm256_set1_epi8(char(0x80));
        const __m256i raised = _mm256_adds_epu8(grey, _mm256_subs_epu8(p, q));
        return _mm256_or_si256(
            _mm256_subs_epu8(raised, _mm256_subs_epu8(q, p)), _mm256_set1_epi32(int(OpaqueAlpha)));
    }
#endif
};

}

void embossPortable(ConstPixelRows src, PixelRows dst)
{
    copyUntouched(src, dst);
    UpperLeftPairs::portable<Embossed>(src, dst, src.height, src.width);
}

void emboss(ConstPixelRows src, PixelRows dst)
{
    copyUntouched(src, dst);
    UpperLeftPairs::apply<Embossed>(src, dst, src.height, src.width);
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
