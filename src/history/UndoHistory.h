#pragma once

#include <QRectF>
#include <QtGlobal>

#include <memory>

class PictureSurface;

// One document's edit history: 50 undo and 50 redo rectangle snapshots of the
// canvas with the undo count, the ring position, the redo count and the order
// of the undo slots. Rectangles are in twips, as on the canvas.
//
// Snapshots are kept as shared, packed tiles (see Snapshot and TileStore), so
// a whole-canvas snapshot costs only the tiles that differ from the ones
// already held. The history of one document is held within a byte budget
// (512 MiB unless set otherwise); when storing a step passes it, the oldest
// undo steps are dropped first, then the oldest redo steps; the step just
// stored is always kept.
class UndoHistory
{
public:
    static constexpr int Slots = 50;

    UndoHistory();
    ~UndoHistory();
    UndoHistory(const UndoHistory &) = delete;
    UndoHistory &operator=(const UndoHistory &) = delete;

    // Saves the canvas pixels of the rectangle about to change; empties the redo list.
    void takeSnapshot(
        const PictureSurface &canvas, double x, double y, double width, double height);
    // Paints the newest undo step back, saving the pixels it covers as a redo
    // step. Does nothing when there is nothing to undo. Dropping a floating
    // selection or a fixed radius first is the document's part.
    void undo(PictureSurface &canvas);
    // Paints the newest redo step back. Does nothing when there is nothing to redo.
    void redo(PictureSurface &canvas);

    int undoCount() const;
    int redoCount() const;
    int ringPosition() const;
    bool canUndo() const { return undoCount() != 0; }
    bool canRedo() const { return redoCount() != 0; }

    // The undo slot (1..50) of UndoOrder entry `entry` (1..50); 0 when never set.
    int undoOrder(int entry) const;
    // The canvas rectangle (twips) an undo or redo slot (1..50) holds.
    QRectF undoSlotRect(int slot) const;
    QRectF redoSlotRect(int slot) const;

    // Bytes the stored snapshots take (tiles shared by several steps counted
    // once), and the budget beyond which the oldest steps are dropped.
    qint64 storedBytes() const;
    static qint64 byteBudget();

    // This history's own budget; byteBudget() until set. A new limit is
    // applied when the next snapshot or undo stores pixels.
    qint64 byteLimit() const;
    void setByteLimit(qint64 bytes);

private:
    struct State;
    std::unique_ptr<State> m_state;
};
