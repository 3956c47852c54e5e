#include "files/BmpRowPacker.h"

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TESSARA_HAVE_X86 1
#endif

namespace BmpRowPacker {

void packPortable(const quint32 *source, qsizetype width, uchar *destination)
{
    // Byte by byte over restrict pointers, which GCC vectorises at -O3 with
    // baseline SSE2 (memory order B, G, R, A on a little-endian host).
    static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "pixels are read as bytes in memory order");
    const uchar *__restrict in = reinterpret_cast<const uchar *>(source);
    uchar *__restrict out = destination;
    for (qsizetype x = 0; x < width; ++x) {
        out[3 * x] = in[4 * x];
        out[3 * x + 1] = in[4 * x + 1];
        out[3 * x + 2] = in[4 * x + 2];
    }
}

#ifdef TESSARA_HAVE_X86

__attribute__((target("ssse3"))) void packSsse3(
    const quint32 *source, qsizetype width, uchar *destination)
{
    // Each shuffle keeps bytes 0-2 of four pixels in the low 12 bytes; the
    // shifts then butt four such runs together into three full vectors.
    const __m128i keepBgr = _mm_setr_epi8(0, 1, 2, 4, 5, 6, 8, 9, 10, 12, 13, 14, -1, -1, -1, -1);
    qsizetype x = 0;
    for (; x + 16 <= width; x += 16, source += 16, destination += 48) {
        const auto *in = reinterpret_cast<const __m128i *>(source);
        const __m128i a = _mm_shuffle_epi8(_mm_loadu_si128(in), keepBgr);
        const __m128i b = _mm_shuffle_epi8(_mm_loadu_si128(in + 1), keepBgr);
        const __m128i c = _mm_shuffle_epi8(_mm_loadu_si128(in + 2), keepBgr);
        const __m128i d = _mm_shuffle_epi8(_mm_loadu_si128(in + 3), keepBgr);
        auto *out = reinterpret_cast<__m128i *>(destination);
        _mm_storeu_si128(out, _mm_or_si128(a, _mm_slli_si128(b, 12)));
        _mm_storeu_si128(out + 1, _mm_or_si128(_mm_srli_si128(b, 4), _mm_slli_si128(c, 8)));
        _mm_storeu_si128(out + 2, _mm_or_si128(_mm_srli_si128(c, 8), _mm_slli_si128(d, 4)));
    }
    packPortable(source, width - x, destination);
}

bool hasSsse3()
{
    return __builtin_cpu_supports("ssse3");
}

#else

void packSsse3(const quint32 *source, qsizetype width, uchar *destination)
{
    packPortable(source, width, destination);
}

bool hasSsse3()
{
    return false;
}

#endif

PackRow best()
{
    static const PackRow chosen = hasSsse3() ? packSsse3 : packPortable;
    return chosen;
}

}
