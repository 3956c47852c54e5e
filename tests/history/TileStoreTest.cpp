// Tiles found by content: the hash only narrows the search, the pixels decide.
#include "history/TileStore.h"
#include "HistoryTestImages.h"
#include "history/Snapshot.h"
#include "history/TileHash.h"

#include <gtest/gtest.h>

using namespace HistoryTestImages;

namespace {

// Every tile collides with every other.
quint64 sameHashForAll(const quint32 *, qsizetype, int, int)
{
    return 42;
}

const quint32 *pixels(const QImage &image)
{
    return reinterpret_cast<const quint32 *>(image.constBits());
}

qsizetype stride(const QImage &image)
{
    return image.bytesPerLine() / 4;
}

QImage unpacked(const TileStore &store, TileId id)
{
    QImage image(store.width(id), store.height(id), QImage::Format_RGB32);
    store.unpack(id, reinterpret_cast<quint32 *>(image.bits()), stride(image));
    return image;
}

}

TEST(TileStore, TilesWithEqualHashesStayApart)
{
    TileStore store(sameHashForAll);
    const QImage a = randomImage(64, 64, 1);
    QImage b = a.copy();
    b.setPixel(63, 63, 0xFF000000u); // one pixel apart
    const TileId first = store.acquire(pixels(a), stride(a), 64, 64);
    const TileId second = store.acquire(pixels(b), stride(b), 64, 64);
    EXPECT_NE(first, second);
    EXPECT_EQ(store.tileCount(), 2);
    EXPECT_TRUE(samePixels(unpacked(store, first), a));
    EXPECT_TRUE(samePixels(unpacked(store, second), b));

    // An expected tile that does not hold the pixels is passed over too.
    EXPECT_EQ(store.acquire(pixels(b), stride(b), 64, 64, first), second);
    EXPECT_EQ(store.acquire(pixels(a), stride(a), 64, 64, second), first);
    EXPECT_EQ(store.tileCount(), 2) << "equal pixels are shared";

    // A tile freed among colliding ones leaves the other findable.
    for (int k = 0; k < 2; ++k)
        store.release(first);
    EXPECT_EQ(store.tileCount(), 1);
    EXPECT_EQ(store.acquire(pixels(b), stride(b), 64, 64), second);
}

TEST(TileStore, CollidingSnapshotsEachPaintBackTheirOwnPixels)
{
    TileStore store(sameHashForAll);
    PictureSurface canvas(150, 100);
    const QImage first = randomImage(150, 100, 2);
    const QImage second = mixedImage(150, 100, 3);
    const QRectF whole = twips(0, 0, 150, 100);
    canvas.setImage(first);
    const Snapshot one = Snapshot::take(store, canvas, whole);
    canvas.setImage(second);
    const Snapshot two = Snapshot::take(store, canvas, whole, &one);
    canvas.Cls();
    one.paintBack(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), first));
    two.paintBack(canvas);
    EXPECT_TRUE(samePixels(canvas.Image(), second));
}

TEST(TileHash, FollowsThePixelsAndTheShapeNotTheStride)
{
    const QImage wide = randomImage(67, 64, 4);
    const QImage narrow = wide.copy(0, 0, 61, 64);
    QImage packed(61, 64, QImage::Format_RGB32);
    for (int y = 0; y < 64; ++y)
        std::memcpy(packed.scanLine(y), narrow.constScanLine(y), 61 * 4);
    const auto hash = [](const QImage &image, int width, int height) {
        return TileHash::of(pixels(image), stride(image), width, height);
    };
    // The same block read from a wider image hashes the same.
    EXPECT_EQ(hash(wide, 61, 64), hash(packed, 61, 64));
    // Any pixel counts: the eight-wide body, the pair tail and the last odd column.
    for (const QPoint &p : { QPoint(0, 0), QPoint(5, 30), QPoint(58, 9), QPoint(60, 63) }) {
        QImage changed = packed.copy();
        changed.setPixel(p, changed.pixel(p) ^ 0x1);
        EXPECT_NE(hash(changed, 61, 64), hash(packed, 61, 64)) << p.x() << ", " << p.y();
    }
    // So does the shape: the same words as 61 x 64 and as 64 x 61 differ.
    const QImage flat = flatImage(64, 64, 0xFF808080);
    EXPECT_NE(hash(flat, 61, 64), hash(flat, 64, 61));
}
