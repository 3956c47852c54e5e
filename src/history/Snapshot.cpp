#include "history/Snapshot.h"

#include "base/Twips.h"
#include "raster/PictureSurface.h"

#include <utility>

Snapshot::~Snapshot()
{
    releasePixels();
}

Snapshot::Snapshot(Snapshot &&other) noexcept
    : m_store(std::exchange(other.m_store, nullptr))
    , m_rect(std::exchange(other.m_rect, QRectF()))
    , m_pixels(std::exchange(other.m_pixels, QRect()))
    , m_columns(std::exchange(other.m_columns, 0))
    , m_rows(std::exchange(other.m_rows, 0))
    , m_tiles(std::exchange(other.m_tiles, {}))
    , m_held(std::exchange(other.m_held, QImage()))
{ }

Snapshot &Snapshot::operator=(Snapshot &&other) noexcept
{
    if (this != &other) {
        // The old tiles go after the new ones are in: a tile both hold stays stored.
        Snapshot old;
        std::swap(m_store, old.m_store);
        std::swap(m_tiles, old.m_tiles);
        m_store = std::exchange(other.m_store, nullptr);
        m_rect = std::exchange(other.m_rect, QRectF());
        m_pixels = std::exchange(other.m_pixels, QRect());
        m_columns = std::exchange(other.m_columns, 0);
        m_rows = std::exchange(other.m_rows, 0);
        m_tiles = std::exchange(other.m_tiles, {});
        m_held = std::exchange(other.m_held, QImage());
    }
    return *this;
}

bool Snapshot::frame(const QRectF &rect, const QRect &bounds)
{
    m_rect = rect;
    // Painting back uses the whole pixels taken here, so they go back where
    // they came from.
    const QRect wanted = Twips::toPixelRect(rect);
    if (wanted.isEmpty())
        return false;
    const QRect pixels = wanted & bounds;
    if (pixels.isEmpty())
        return false;
    m_pixels = pixels;
    m_columns = pixels.right() / TileSide - firstColumn() + 1;
    m_rows = pixels.bottom() / TileSide - firstRow() + 1;
    return true;
}

Snapshot Snapshot::take(
    TileStore &store, const PictureSurface &canvas, const QRectF &rect, const Snapshot *previous)
{
    Snapshot snapshot;
    snapshot.m_store = &store;
    if (snapshot.frame(rect, canvas.pixelRect()))
        snapshot.cutIntoTiles(canvas.Image(), previous);
    return snapshot;
}

Snapshot Snapshot::hold(TileStore &store, const PictureSurface &canvas, const QRectF &rect)
{
    Snapshot snapshot;
    snapshot.m_store = &store;
    if (snapshot.frame(rect, canvas.pixelRect()))
        snapshot.m_held = canvas.Image();
    return snapshot;
}

void Snapshot::pack(const Snapshot *previous)
{
    if (!isHeld())
        return;
    const QImage image = std::exchange(m_held, QImage());
    cutIntoTiles(image, previous);
}

void Snapshot::cutIntoTiles(const QImage &image, const Snapshot *previous)
{
    m_tiles.reserve(size_t(m_columns) * size_t(m_rows));
    const auto *origin = reinterpret_cast<const quint32 *>(image.constBits());
    const qsizetype stride = image.bytesPerLine() / 4;
    for (int r = 0; r < m_rows; ++r) {
        for (int c = 0; c < m_columns; ++c) {
            const int column = firstColumn() + c;
            const int row = firstRow() + r;
            const QRect area = tileRect(column, row);
            const TileId expected
                = previous ? previous->tileAt(column, row, area) : TileStore::NoTile;
            m_tiles.push_back(m_store->acquire(origin + area.top() * stride + area.left(), stride,
                area.width(), area.height(), expected));
        }
    }
}

QRect Snapshot::tileRect(int column, int row) const
{
    return QRect(column * TileSide, row * TileSide, TileSide, TileSide) & m_pixels;
}

TileId Snapshot::tileAt(int column, int row, const QRect &area) const
{
    if (m_tiles.empty())
        return TileStore::NoTile;
    const int c = column - firstColumn();
    const int r = row - firstRow();
    if (c < 0 || r < 0 || c >= m_columns || r >= m_rows || tileRect(column, row) != area)
        return TileStore::NoTile;
    return m_tiles[size_t(r) * size_t(m_columns) + size_t(c)];
}

void Snapshot::paintBack(PictureSurface &canvas, const Snapshot *showing) const
{
    if (isHeld()) {
        const double x = Twips::fromPixels(m_pixels.left());
        const double y = Twips::fromPixels(m_pixels.top());
        const double width = Twips::fromPixels(m_pixels.width());
        const double height = Twips::fromPixels(m_pixels.height());
        canvas.PaintPicture(m_held, x, y, width, height, x, y, width, height);
        return;
    }
    if (m_tiles.empty())
        return;
    // One band of tiles at a time: a band is a few hundred kilobytes that stay
    // in cache between unpacking and painting, and the canvas gets one
    // PaintPicture per stretch of tiles to paint instead of one per tile.
    QImage band(m_pixels.width(), std::min(TileSide, m_pixels.height()), QImage::Format_RGB32);
    auto *bandPixels = reinterpret_cast<quint32 *>(band.bits());
    const qsizetype bandStride = band.bytesPerLine() / 4;
    for (int r = 0; r < m_rows; ++r) {
        const int row = firstRow() + r;
        const QRect rowArea = tileRect(firstColumn(), row);
        if (rowArea.top() >= canvas.pixelHeight())
            break;
        const auto paintStretch = [&](int left, int right) {
            const double x = Twips::fromPixels(left - m_pixels.left());
            const double width = Twips::fromPixels(right - left + 1);
            const double height = Twips::fromPixels(rowArea.height());
            canvas.PaintPicture(band, Twips::fromPixels(left), Twips::fromPixels(rowArea.top()),
                width, height, x, 0, width, height);
        };
        int stretchLeft = -1;
        for (int c = 0; c < m_columns; ++c) {
            const int column = firstColumn() + c;
            const QRect area = tileRect(column, row);
            const TileId id = m_tiles[size_t(r) * size_t(m_columns) + size_t(c)];
            if (showing && showing->tileAt(column, row, area) == id) {
                if (stretchLeft >= 0)
                    paintStretch(stretchLeft, area.left() - 1);
                stretchLeft = -1;
                continue;
            }
            m_store->unpack(id, bandPixels + (area.left() - m_pixels.left()), bandStride);
            if (stretchLeft < 0)
                stretchLeft = area.left();
        }
        if (stretchLeft >= 0)
            paintStretch(stretchLeft, m_pixels.right());
    }
}

void Snapshot::releasePixels()
{
    for (TileId id : m_tiles)
        m_store->release(id);
    m_tiles = std::vector<TileId>(); // frees the capacity too, which {} would keep
    m_held = QImage();
    m_pixels = QRect();
    m_columns = m_rows = 0;
}
