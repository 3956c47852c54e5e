#pragma once

// Which vector instructions the pixel loops (raster operations, effect
// kernels) use. Every loop has a plain path; SSE2 is part of every x86-64
// processor and used whenever the compiler targets it; AVX2 (twice as wide) is
// used when the processor has it, which is asked once at run time, so one
// build runs everywhere.
// Functions with AVX2 code are compiled for it one by one; the rest of the
// program stays at the baseline instruction set.
#if defined(__x86_64__) && defined(__GNUC__)
#define TESSARA_AVX2_PATHS 1
#define TESSARA_AVX2 __attribute__((target("avx2")))
#else
#define TESSARA_AVX2_PATHS 0
#endif

namespace VectorUnits {

bool avx2();

// Turns the AVX2 paths off while it lives, so the tests can hold the SSE2
// paths to the reference on a processor that has AVX2.
class WithoutAvx2
{
public:
    WithoutAvx2();
    ~WithoutAvx2();
    WithoutAvx2(const WithoutAvx2 &) = delete;
    WithoutAvx2 &operator=(const WithoutAvx2 &) = delete;

private:
    bool m_was;
};

}
