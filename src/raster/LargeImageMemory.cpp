#include "raster/LargeImageMemory.h"

#include <array>
#include <cstdlib>
#include <mutex>
#include <utility>

#include <sys/mman.h>

namespace {

constexpr size_t HugePage = size_t(2) << 20;

struct Block
{
    void *memory = nullptr;
    size_t bytes = 0;
};

std::mutex spareLock;
// Oldest first. A few sizes are kept (a canvas rewritten by a paste and the
// scale tool's enlargement of it), so one does not push the other out. Plain
// data, so an image let go while the program exits still finds it intact.
constexpr size_t MaxSpares = 3;
std::array<Block, MaxSpares> spares;
size_t spareCount = 0;

// A spare serves a request of at most its own size and at least half of it,
// so a small image does not pin a huge block.
bool fits(const Block &block, size_t bytes)
{
    return bytes <= block.bytes && bytes * 2 >= block.bytes;
}

// Takes spare `index` out of the list (the lock is held).
Block removeSpare(size_t index)
{
    const Block block = spares[index];
    std::move(spares.begin() + index + 1, spares.begin() + spareCount, spares.begin() + index);
    spares[--spareCount] = Block();
    return block;
}

Block takeBlock(size_t bytes)
{
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        // The smallest spare that fits.
        size_t best = spareCount;
        for (size_t i = 0; i < spareCount; ++i) {
            if (fits(spares[i], bytes)
                && (best == spareCount || spares[i].bytes < spares[best].bytes))
                best = i;
        }
        if (best < spareCount)
            return removeSpare(best);
    }
    Block block { std::aligned_alloc(HugePage, bytes), bytes };
#ifdef MADV_HUGEPAGE
    if (block.memory)
        madvise(block.memory, bytes, MADV_HUGEPAGE);
#endif
    return block;
}

// QImage's cleanup: the block becomes the newest spare, and the oldest goes
// when there are too many.
void giveBack(void *info)
{
    auto *block = static_cast<Block *>(info);
#ifdef MADV_FREE
    madvise(block->memory, block->bytes, MADV_FREE);
#endif
    Block dropped;
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        if (spareCount == MaxSpares)
            dropped = removeSpare(0);
        spares[spareCount++] = *block;
    }
    std::free(dropped.memory);
    delete block;
}

}

namespace LargeImageMemory {

QImage freshImage(int width, int height)
{
    const qsizetype bytesPerLine = qsizetype(width) * 4;
    const size_t bytes = size_t(bytesPerLine) * size_t(height);
    if (bytes < Threshold)
        return QImage(width, height, QImage::Format_RGB32);
    const size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
    const Block block = takeBlock(rounded);
    if (!block.memory)
        return {};
    return QImage(static_cast<uchar *>(block.memory), width, height, bytesPerLine,
        QImage::Format_RGB32, giveBack, new Block(block));
}

void releaseSpares()
{
    std::array<Block, MaxSpares> released;
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        released = std::exchange(spares, {});
        spareCount = 0;
    }
    for (const Block &block : released)
        std::free(block.memory);
}

size_t spareBytes()
{
    const std::lock_guard<std::mutex> hold(spareLock);
    size_t bytes = 0;
    for (size_t i = 0; i < spareCount; ++i)
        bytes += spares[i].bytes;
    return bytes;
}

}
