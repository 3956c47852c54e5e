#include "base/VectorUnits.h"

namespace VectorUnits {

namespace {

bool processorHasAvx2()
{
#if defined(__x86_64__) && defined(__GNUC__)
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

bool &avx2Enabled()
{
    static bool enabled = processorHasAvx2();
    return enabled;
}

}

bool avx2()
{
    return avx2Enabled();
}

WithoutAvx2::WithoutAvx2()
    : m_was(avx2Enabled())
{
    avx2Enabled() = false;
}

WithoutAvx2::~WithoutAvx2()
{
    avx2Enabled() = m_was;
}

}
