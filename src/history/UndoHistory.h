#pragma once

#include <QRectF>
#include <QtGlobal>

#include <memory>

class HistoryBudget;
class PictureSurface;
class Snapshot;

// One document's edit history: 50 undo and 50 redo rectangle snapshots of the
// canvas with the undo count, the ring position, the redo count and the order
// of the undo slots. Rectangles are in twips, as on the canvas.
//
// Snapshots are kept as shared, packed tiles (see Snapshot and TileStore), so
// a whole-canvas snapshot costs only the tiles that differ from the ones
// already held. The histories of all documents share one HistoryBudget, which
// drops their oldest steps when storing a step passes it.
class UndoHistory
{
public:
    static constexpr int Slots = 50;

    // A history with a budget of its own (HistoryBudget::defaultByteLimit()).
    UndoHistory();
    // A history sharing `budget`, which must outlive it.
    explicit UndoHistory(HistoryBudget &budget);
    ~UndoHistory();
    UndoHistory(const UndoHistory &) = delete;
    UndoHistory &operator=(const UndoHistory &) = delete;

    // Saves the canvas pixels of the rectangle about to change; empties the redo list.
    void takeSnapshot(
        const PictureSurface &canvas, double x, double y, double width, double height);
    // The same step, keeping the canvas image itself (shared) until
    // packHeldSnapshots(): for a caller about to rewrite most of the canvas
    // into a fresh buffer (see Snapshot::hold).
    void holdSnapshot(
        const PictureSurface &canvas, double x, double y, double width, double height);
    // Cuts held steps into shared tiles. Meant for when the program is idle.
    void packHeldSnapshots();
    bool holdsHeldSnapshots() const;
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
    // once).
    qint64 storedBytes() const;
    HistoryBudget &budget() const { return *m_budget; }

private:
    friend class HistoryBudget;

    void storeStep(Snapshot &&taken);
    bool holdsSteps() const { return canUndo() || canRedo(); }
    // The number of the step dropOldestStep would drop: the oldest undo
    // step, or the oldest redo step when no undo step is left.
    quint64 oldestStepNumber() const;
    void dropOldestStep();

    std::unique_ptr<HistoryBudget> m_ownBudget;
    HistoryBudget *m_budget;
    struct State;
    std::unique_ptr<State> m_state;
};
