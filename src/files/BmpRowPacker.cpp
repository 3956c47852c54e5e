#include "files/BmpRowPacker.h"

#include <cstring>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#define TESSARA_HAVE_X86 1
#endif

namespace BmpRowPacker {

namespace {

inline void packOne(quint32 pixel, uchar *destination)
{
    destination[0] = uchar(pixel);
    destination[1] = uchar(pixel >> 8);
    destination[2] = uchar(pixel >> 16);
}

inline void storeWord(uchar *destination, quint32 word)
{
    // Little-endian words: the bytes land in B, G, R order on every host.
    destination[0] = uchar(word);
    destination[1] = uchar(word >> 8);
    destination[2] = uchar(word >> 16);
    destination[3] = uchar(word >> 24);
}

}

void packPortable(const quint32 *source, qsizetype width, uchar *destination)
{
    qsizetype x = 0;
    for (; x + 4 <= width; x += 4, source += 4, destination += 12) {
        const quint32 p0 = source[0], p1 = source[1], p2 = source[2], p3 = source[3];
        storeWord(destination, (p0 & 0xFFFFFF) | (p1 << 24));
        storeWord(destination + 4, ((p1 >> 8) & 0xFFFF) | (p2 << 16));
        storeWord(destination + 8, ((p2 >> 16) & 0xFF) | (p3 << 8));
    }
    for (; x < width; ++x, ++source, destination += 3)
        packOne(*source, destination);
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
