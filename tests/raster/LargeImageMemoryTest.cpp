// Large images reuse the memory of the last few let go, by size.
#include "raster/LargeImageMemory.h"

#include <gtest/gtest.h>

namespace {

// The memory of a large image that is let go at once.
const uchar *memoryOf(int width, int height)
{
    return LargeImageMemory::freshImage(width, height).constBits();
}

}

// A canvas rewritten by a paste and the scale tool's enlargement of it come
// and go in turn: each must find its own spare, not push the other out.
TEST(LargeImageMemory, SparesOfDifferentSizesServeTheirOwnSize)
{
    LargeImageMemory::releaseSpares();
    const uchar *canvas = memoryOf(4000, 1500);
    const uchar *enlarged = memoryOf(12000, 4500);
    const size_t enlargedBytes = size_t(12000) * 4500 * 4;
    EXPECT_GE(LargeImageMemory::spareBytes(), enlargedBytes + size_t(4000) * 1500 * 4);
    EXPECT_EQ(memoryOf(12000, 4500), enlarged);
    EXPECT_EQ(memoryOf(3900, 1500), canvas) << "a little smaller still fits";
    EXPECT_NE(memoryOf(2000, 1200), canvas) << "less than half does not pin the block";

    memoryOf(5000, 1500);
    EXPECT_LT(LargeImageMemory::spareBytes(), enlargedBytes)
        << "three newer spares pushed the oldest out";
    LargeImageMemory::releaseSpares();
    EXPECT_EQ(LargeImageMemory::spareBytes(), 0u);
}
