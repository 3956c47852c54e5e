#pragma once

#include <QImage>
#include <benchmark/benchmark.h>

#include <cstring>

// The floor the picture operations are measured against: one memcpy of a
// 2402 x 2002 RGB32 canvas.
inline void memcpyCanvas(benchmark::State &state)
{
    QImage from(2402, 2002, QImage::Format_RGB32);
    from.fill(0x123456);
    QImage to(2402, 2002, QImage::Format_RGB32);
    for (auto _ : state) {
        std::memcpy(to.bits(), from.constBits(), size_t(from.sizeInBytes()));
        benchmark::DoNotOptimize(to.bits());
        benchmark::ClobberMemory();
    }
}
