#pragma once

#include "history/TileCodec.h"

#include <QtGlobal>

#include <memory>
#include <unordered_map>
#include <vector>

using TileId = quint32;

// The pixels of one document's history, cut into tiles, each distinct tile
// stored once, packed, and counted by reference.
//
// A stroke changes a few tiles of a picture, so consecutive whole-canvas
// snapshots share nearly all their tiles; here they pay only for the tiles that
// differ. Tiles are found by content: first the tile a caller expects (the same
// place in an earlier snapshot), which spares hashing in the common case, then
// by hash. A match is always confirmed pixel for pixel.
class TileStore
{
public:
    static constexpr TileId NoTile = ~TileId(0);
    // How tiles are hashed; TileHash::of unless a test needs collisions.
    using HashFunction = quint64 (*)(const quint32 *src, qsizetype stride, int width, int height);

    explicit TileStore(HashFunction hash = nullptr);
    ~TileStore();
    TileStore(const TileStore &) = delete;
    TileStore &operator=(const TileStore &) = delete;

    // A new reference to a tile holding these pixels (stride in pixels),
    // storing them if no tile does yet. `expected` may name a tile that likely
    // holds them; it is checked first.
    TileId acquire(
        const quint32 *src, qsizetype stride, int width, int height, TileId expected = NoTile);
    // Drops a reference; the last one frees the tile.
    void release(TileId id);
    // Writes the tile's pixels to `dst` (stride in pixels).
    void unpack(TileId id, quint32 *dst, qsizetype stride) const;

    int width(TileId id) const { return m_tiles[id].width; }
    int height(TileId id) const { return m_tiles[id].height; }
    // Distinct tiles stored, and the bytes they take with their bookkeeping.
    int tileCount() const { return int(m_tiles.size() - m_free.size()); }
    qint64 storedBytes() const { return m_bytes; }

private:
    struct Tile
    {
        std::unique_ptr<quint32[]> words;
        qsizetype wordCount = 0;
        quint64 hash = 0;
        quint32 references = 0;
        int width = 0;
        int height = 0;
        TileCodec::Packing packing = TileCodec::Packing::Raw;
    };

    bool holds(const Tile &tile, const quint32 *src, qsizetype stride, int width, int height) const;
    TileId store(const quint32 *src, qsizetype stride, int width, int height, quint64 hash);
    static qint64 bytesOf(const Tile &tile);

    HashFunction m_hash;
    std::vector<Tile> m_tiles;
    std::vector<TileId> m_free;
    std::unordered_multimap<quint64, TileId> m_byHash;
    std::vector<quint32> m_scratch;
    qint64 m_bytes = 0;
};
