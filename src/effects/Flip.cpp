#include "effects/Flip.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "base/VectorUnits.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if TESSARA_AVX2_PATHS
#include <immintrin.h>
#endif

namespace {

void reverseRowPortable(const quint32 *from, int width, quint32 *to)
{
    for (int x = 0; x < width; ++x)
        to[width - 1 - x] = from[x];
}

void reverseRow(const quint32 *from, int width, quint32 *to)
{
#ifdef __SSE2__
    int x = 0;
    for (; x + 4 <= width; x += 4) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i *>(from + x));
        _mm_storeu_si128(reinterpret_cast<__m128i *>(to + width - 4 - x),
            _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3)));
    }
    for (; x < width; ++x)
        to[width - 1 - x] = from[x];
#else
    reverseRowPortable(from, width, to);
#endif
}

#if TESSARA_AVX2_PATHS

// A large picture's vertical flip is a copy of rows too many for the caches.
// Its rows are written around them: an ordinary store would first read each
// line it lands in, a third stream of memory traffic beside the two of the
// copy. (The kernels that compute their pixels lost more than they gained by
// it; this plain copy gains.) The next row's source is asked for ahead.
constexpr qint64 StreamedFlipBytes = qint64(8) << 20;

TESSARA_AVX2 void streamRowAvx2(const quint32 *from, int width, quint32 *to, const quint32 *next)
{
    int x = 0;
    for (; x < width && (reinterpret_cast<quintptr>(to + x) & 31) != 0; ++x)
        to[x] = from[x];
    for (; x + 8 <= width; x += 8) {
        if ((x & 15) == 0)
            _mm_prefetch(reinterpret_cast<const char *>(next + x), _MM_HINT_T0);
        _mm256_stream_si256(reinterpret_cast<__m256i *>(to + x),
            _mm256_loadu_si256(reinterpret_cast<const __m256i *>(from + x)));
    }
    for (; x < width; ++x)
        to[x] = from[x];
}

TESSARA_AVX2 void flipVerticalStreamedAvx2(ConstPixelRows src, PixelRows dst)
{
    for (int y = 0; y < src.height; ++y)
        streamRowAvx2(src.row(y), src.width, dst.row(src.height - 1 - y),
            src.row(std::min(y + 1, src.height - 1)));
    _mm_sfence();
}

#endif

template <typename Reverse>
void flipWith(ConstPixelRows src, PixelRows dst, FlipKind kind, Reverse reverse)
{
    const size_t rowBytes = size_t(src.width) * sizeof(quint32);
    for (int y = 0; y < src.height; ++y) {
        const int target = kind == FlipKind::Horizontal ? y : src.height - 1 - y;
        if (kind == FlipKind::Vertical)
            std::memcpy(dst.row(target), src.row(y), rowBytes);
        else
            reverse(src.row(y), src.width, dst.row(target));
    }
}

// The work picture of the reference, with pixel access by position.
struct Work
{
    int width;
    int height;
    std::vector<quint32> pixels;
    quint32 &at(int x, int y) { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
};

// H-step: the picture mirrored left to right, then its first column copied
// onto the last column.
void mirrorAcross(ConstPixelRows from, Work &work)
{
    for (int y = 0; y < work.height; ++y)
        for (int x = 0; x < work.width; ++x)
            work.at(x, y) = from.row(y)[work.width - 1 - x];
    for (int y = 0; y < work.height; ++y)
        work.at(work.width - 1, y) = from.row(y)[0];
}

// V-step: the same top to bottom.
void mirrorDown(ConstPixelRows from, Work &work)
{
    for (int y = 0; y < work.height; ++y)
        for (int x = 0; x < work.width; ++x)
            work.at(x, y) = from.row(work.height - 1 - y)[x];
    for (int x = 0; x < work.width; ++x)
        work.at(x, work.height - 1) = from.row(0)[x];
}

// W-step: the work picture back into the selection.
void writeBack(Work &work, PixelRows to)
{
    for (int y = 0; y < work.height; ++y)
        for (int x = 0; x < work.width; ++x)
            to.row(y)[x] = work.at(x, y);
}

}

void flip(ConstPixelRows src, PixelRows dst, FlipKind kind)
{
#if TESSARA_AVX2_PATHS
    if (kind == FlipKind::Vertical && VectorUnits::avx2()
        && qint64(src.height) * dst.stride * qint64(sizeof(quint32)) >= StreamedFlipBytes) {
        flipVerticalStreamedAvx2(src, dst);
        return;
    }
#endif
    flipWith(src, dst, kind, reverseRow);
}

void flipPortable(ConstPixelRows src, PixelRows dst, FlipKind kind)
{
    flipWith(src, dst, kind, reverseRowPortable);
}

void flipReference(ConstPixelRows src, PixelRows dst, FlipKind kind)
{
    if (src.width <= 0 || src.height <= 0)
        return;
    Work work { src.width, src.height,
        std::vector<quint32>(size_t(src.width) * size_t(src.height)) };
    PixelRowsCopy::rows(src, dst, 0, src.height);
    if (kind == FlipKind::Vertical) {
        mirrorDown(dst, work);
    } else {
        mirrorAcross(dst, work);
        if (kind == FlipKind::Diagonal) {
            writeBack(work, dst);
            mirrorDown(dst, work);
        }
    }
    writeBack(work, dst);
}
