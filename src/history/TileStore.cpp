#include "history/TileStore.h"

#include "history/TileHash.h"

#include <cstring>

TileStore::TileStore(HashFunction hash)
    : m_hash(hash ? hash : &TileHash::of)
{ }

TileStore::~TileStore() = default;

qint64 TileStore::bytesOf(const Tile &tile)
{
    // The packed words, the tile record, and roughly what the hash index entry
    // and the allocator's header take: what the tile really costs.
    constexpr qint64 Bookkeeping = qint64(sizeof(Tile)) + 48;
    return qint64(tile.wordCount) * 4 + Bookkeeping;
}

bool TileStore::holds(
    const Tile &tile, const quint32 *src, qsizetype stride, int width, int height) const
{
    return tile.references > 0 && tile.width == width && tile.height == height
        && TileCodec::matches(tile.words.get(), tile.packing, width, height, src, stride);
}

TileId TileStore::acquire(
    const quint32 *src, qsizetype stride, int width, int height, TileId expected)
{
    if (expected != NoTile && expected < m_tiles.size()
        && holds(m_tiles[expected], src, stride, width, height)) {
        ++m_tiles[expected].references;
        return expected;
    }
    const quint64 hash = m_hash(src, stride, width, height);
    const auto [first, last] = m_byHash.equal_range(hash);
    for (auto it = first; it != last; ++it) {
        if (holds(m_tiles[it->second], src, stride, width, height)) {
            ++m_tiles[it->second].references;
            return it->second;
        }
    }
    return store(src, stride, width, height, hash);
}

TileId TileStore::store(const quint32 *src, qsizetype stride, int width, int height, quint64 hash)
{
    const qsizetype rawWords = qsizetype(width) * height;
    if (qsizetype(m_scratch.size()) < rawWords)
        m_scratch.resize(size_t(rawWords));
    const TileCodec::Packed packed = TileCodec::pack(src, stride, width, height, m_scratch.data());

    TileId id;
    if (m_free.empty()) {
        id = TileId(m_tiles.size());
        m_tiles.emplace_back();
    } else {
        id = m_free.back();
        m_free.pop_back();
    }
    Tile &tile = m_tiles[id];
    tile.words = std::make_unique_for_overwrite<quint32[]>(size_t(packed.words));
    std::memcpy(tile.words.get(), m_scratch.data(), size_t(packed.words) * 4);
    tile.wordCount = packed.words;
    tile.packing = packed.packing;
    tile.hash = hash;
    tile.width = width;
    tile.height = height;
    tile.references = 1;
    m_byHash.emplace(hash, id);
    m_bytes += bytesOf(tile);
    return id;
}

void TileStore::release(TileId id)
{
    Tile &tile = m_tiles[id];
    Q_ASSERT(tile.references > 0);
    if (--tile.references > 0)
        return;
    const auto [first, last] = m_byHash.equal_range(tile.hash);
    for (auto it = first; it != last; ++it) {
        if (it->second == id) {
            m_byHash.erase(it);
            break;
        }
    }
    m_bytes -= bytesOf(tile);
    tile.words.reset();
    tile.wordCount = 0;
    m_free.push_back(id);
}

void TileStore::unpack(TileId id, quint32 *dst, qsizetype stride) const
{
    const Tile &tile = m_tiles[id];
    TileCodec::unpack(tile.words.get(), tile.packing, tile.width, tile.height, dst, stride);
}
