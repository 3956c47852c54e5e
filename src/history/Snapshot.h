#pragma once

#include "history/TileStore.h"

#include <QImage>
#include <QRect>
#include <QRectF>

#include <vector>

class PictureSurface;

// One undo or redo step: a canvas rectangle (twips) and the pixels of it that
// lay on the canvas when it was taken, held as tiles in a TileStore.
//
// Tiles sit on a grid fixed to the canvas (multiples of TileSide pixels), not
// to the rectangle, so snapshots of different rectangles still line up and
// share the tiles they have in common. A snapshot holds one reference to each
// of its tiles and gives them back when it is emptied, overwritten or destroyed;
// its store must outlive it.
class Snapshot
{
public:
    static constexpr int TileSide = 64;

    Snapshot() = default;
    ~Snapshot();
    Snapshot(Snapshot &&other) noexcept;
    Snapshot &operator=(Snapshot &&other) noexcept;
    Snapshot(const Snapshot &) = delete;
    Snapshot &operator=(const Snapshot &) = delete;

    // Takes the pixels of `rect` that lie on the canvas. Tiles are first
    // compared with `previous`'s at the same place, which are most often equal.
    static Snapshot take(TileStore &store, const PictureSurface &canvas, const QRectF &rect,
        const Snapshot *previous = nullptr);

    // Keeps the canvas image itself (shared, not copied) for `rect`, to be cut
    // into tiles later by pack(). Worth it only when the caller is about to
    // rewrite most of the canvas into a fresh buffer, as putting down a
    // whole-canvas selection does: the old buffer then becomes the step for
    // free. Drawing in place on a canvas that still shares its image with a
    // held step copies the whole image first.
    static Snapshot hold(TileStore &store, const PictureSurface &canvas, const QRectF &rect);
    // Cuts a held image into tiles, comparing them with `previous`'s first.
    void pack(const Snapshot *previous);
    bool isHeld() const { return !m_held.isNull(); }

    // Paints the pixels back where they were taken with a plain copy; what
    // now lies outside the canvas is clipped, and canvas pixels the snapshot
    // did not take (beyond the canvas as it was then) are left alone.
    // `showing`, if given, is a snapshot of the canvas as it is now: tiles it
    // shares with this one are already there and are not painted.
    void paintBack(PictureSurface &canvas, const Snapshot *showing = nullptr) const;

    // Gives the tiles back, keeping the rectangle.
    void releasePixels();

    QRectF rect() const { return m_rect; }
    // The part of the rectangle that was on the canvas, in pixels.
    QRect takenPixels() const { return m_pixels; }
    bool holdsPixels() const { return !m_tiles.empty() || isHeld(); }
    // What the snapshot itself takes besides its tiles: one tile reference
    // each, or the whole image it holds.
    qint64 referenceBytes() const
    {
        return qint64(m_tiles.capacity() * sizeof(TileId)) + m_held.sizeInBytes();
    }

private:
    // Sets the rectangle and the pixels of it that lie on an image of `bounds`.
    bool frame(const QRectF &rect, const QRect &bounds);
    void cutIntoTiles(const QImage &image, const Snapshot *previous);
    int firstColumn() const { return m_pixels.left() / TileSide; }
    int firstRow() const { return m_pixels.top() / TileSide; }
    // The pixels of the tile in grid column and row (canvas grid), within m_pixels.
    QRect tileRect(int column, int row) const;
    // The tile this snapshot holds at exactly `area` of the grid, if any.
    TileId tileAt(int column, int row, const QRect &area) const;

    TileStore *m_store = nullptr;
    QRectF m_rect;
    QRect m_pixels;
    int m_columns = 0;
    int m_rows = 0;
    std::vector<TileId> m_tiles; // row after row
    QImage m_held; // the whole canvas image, until pack()
};
