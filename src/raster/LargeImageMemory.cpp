#include "raster/LargeImageMemory.h"

#include <cstdlib>
#include <mutex>

#include <sys/mman.h>

namespace {

constexpr size_t HugePage = size_t(2) << 20;

struct Block
{
    void *memory = nullptr;
    size_t bytes = 0;
};

std::mutex spareLock;
Block spare;

// The spare serves a request of at most its own size and at least half of
// it, so a small image does not pin a huge block.
bool fits(const Block &block, size_t bytes)
{
    return block.memory && bytes <= block.bytes && bytes * 2 >= block.bytes;
}

Block takeBlock(size_t bytes)
{
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        if (fits(spare, bytes))
            return std::exchange(spare, Block());
    }
    Block block { std::aligned_alloc(HugePage, bytes), bytes };
#ifdef MADV_HUGEPAGE
    if (block.memory)
        madvise(block.memory, bytes, MADV_HUGEPAGE);
#endif
    return block;
}

// QImage's cleanup: the block becomes the spare unless one is kept already.
void giveBack(void *info)
{
    auto *block = static_cast<Block *>(info);
    bool kept = false;
    {
        const std::lock_guard<std::mutex> hold(spareLock);
        if (!spare.memory) {
#ifdef MADV_FREE
            madvise(block->memory, block->bytes, MADV_FREE);
#endif
            spare = *block;
            kept = true;
        }
    }
    if (!kept)
        std::free(block->memory);
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

void releaseSpare()
{
    const std::lock_guard<std::mutex> hold(spareLock);
    std::free(std::exchange(spare, Block()).memory);
}

size_t spareBytes()
{
    const std::lock_guard<std::mutex> hold(spareLock);
    return spare.bytes;
}

}
