#include "history/UndoHistory.h"

#include "history/HistoryBudget.h"
#include "history/Snapshot.h"
#include "history/TileStore.h"

#include <algorithm>
#include <array>

namespace {

int nextSlot(int slot)
{
    return slot == UndoHistory::Slots ? 1 : slot + 1;
}

}

// Which steps hold pixels that can still be reached:
// - undo entries 1..undoCount (the steps that can be undone);
// - undo entries undoCount+1..undoCount+redoCount: the undone steps. Redo
//   paints the redo step back and the following undo paints these again, so
//   each stays paired with a redo step: entry undoCount+k with redo slot
//   redoCount+1-k;
// - redo slots 1..redoCount.
// Everything else is released as soon as it becomes unreachable, so the
// memory held is exactly what undo and redo can still show.
struct UndoHistory::State
{
    // Declared first so that it outlives the snapshots, which release into it.
    TileStore store;
    std::array<Snapshot, Slots + 1> undo; // 1-based, as the slots are numbered
    std::array<Snapshot, Slots + 1> redo;
    std::array<int, Slots + 1> order {};
    // When each slot's step was stored, numbered across all histories of the budget.
    std::array<quint64, Slots + 1> undoNumber {};
    std::array<quint64, Slots + 1> redoNumber {};
    int undoCount = 0;
    int ringPosition = 0;
    int redoCount = 0;

    Snapshot &undoEntry(int entry) { return undo[size_t(order[size_t(entry)])]; }
    qint64 bytes() const;
    void discardRedo();
    void dropOldestUndo();
    void dropOldestRedo();
};

qint64 UndoHistory::State::bytes() const
{
    qint64 total = store.storedBytes();
    for (const Snapshot &s : undo)
        total += s.referenceBytes();
    for (const Snapshot &s : redo)
        total += s.referenceBytes();
    return total;
}

void UndoHistory::State::discardRedo()
{
    for (int k = 1; k <= redoCount; ++k) {
        redo[size_t(k)].releasePixels();
        undoEntry(undoCount + k).releasePixels();
    }
    redoCount = 0;
}

// The oldest undo step goes the way a full history loses it: entries 2..50 of
// UndoOrder move down to 1..49 and the undo count falls by one. The undone
// entries above the count move down with the rest, so each keeps its redo
// partner; entry 50 is cleared. The ring position names a slot, not an entry,
// so it still names the newest step's slot and the next snapshot goes into the
// slot after it, which is never one of the remaining steps.
void UndoHistory::State::dropOldestUndo()
{
    undoEntry(1).releasePixels();
    std::move(order.begin() + 2, order.end(), order.begin() + 1);
    order[Slots] = 0;
    --undoCount;
}

// The oldest redo step is the bottom of the stack, PictureRedo(1); with it goes
// its partner, the undone step furthest from the present (entry undoCount +
// redoCount), which only that redo could reach. Redo slots 2..redoCount move
// down by one so the newest stays at redoCount.
void UndoHistory::State::dropOldestRedo()
{
    undoEntry(undoCount + redoCount).releasePixels();
    for (int k = 1; k < redoCount; ++k) {
        redo[size_t(k)] = std::move(redo[size_t(k + 1)]);
        redoNumber[size_t(k)] = redoNumber[size_t(k + 1)];
    }
    redo[size_t(redoCount)].releasePixels();
    --redoCount;
}

UndoHistory::UndoHistory()
    : m_ownBudget(std::make_unique<HistoryBudget>())
    , m_budget(m_ownBudget.get())
    , m_state(std::make_unique<State>())
{
    m_budget->join(this);
}

UndoHistory::UndoHistory(HistoryBudget &budget)
    : m_budget(&budget)
    , m_state(std::make_unique<State>())
{
    m_budget->join(this);
}

UndoHistory::~UndoHistory()
{
    m_budget->leave(this);
}

quint64 UndoHistory::oldestStepNumber() const
{
    const State &s = *m_state;
    if (s.undoCount > 0)
        return s.undoNumber[size_t(s.order[1])];
    return s.redoCount > 0 ? s.redoNumber[1] : 0;
}

void UndoHistory::dropOldestStep()
{
    State &s = *m_state;
    if (s.undoCount > 0)
        s.dropOldestUndo();
    else if (s.redoCount > 0)
        s.dropOldestRedo();
}

void UndoHistory::takeSnapshot(
    const PictureSurface &canvas, double x, double y, double width, double height)
{
    State &s = *m_state;
    // Taken before the redo steps are let go: right after an undo the canvas
    // shows the undone step's pixels, which can then be shared, not stored again.
    storeStep(Snapshot::take(s.store, canvas, QRectF(x, y, width, height),
        s.undoCount > 0 ? &s.undoEntry(s.undoCount) : nullptr));
}

void UndoHistory::holdSnapshot(
    const PictureSurface &canvas, double x, double y, double width, double height)
{
    storeStep(Snapshot::hold(m_state->store, canvas, QRectF(x, y, width, height)));
}

void UndoHistory::packHeldSnapshots()
{
    State &s = *m_state;
    // Oldest first, so each step is compared with the one before it, which
    // is by then in tiles.
    for (int entry = 1; entry <= s.undoCount + s.redoCount; ++entry) {
        Snapshot &step = s.undoEntry(entry);
        if (step.isHeld())
            step.pack(entry > 1 ? &s.undoEntry(entry - 1) : nullptr);
    }
}

bool UndoHistory::holdsHeldSnapshots() const
{
    const State &s = *m_state;
    for (int entry = 1; entry <= s.undoCount + s.redoCount; ++entry) {
        if (s.undo[size_t(s.order[size_t(entry)])].isHeld())
            return true;
    }
    return false;
}

void UndoHistory::storeStep(Snapshot &&taken)
{
    State &s = *m_state;
    s.discardRedo();
    const bool full = s.undoCount == Slots;
    if (!full)
        ++s.undoCount;
    s.ringPosition = nextSlot(s.ringPosition);
    // Overwriting the slot releases what it held: when the history is full,
    // that is the oldest step.
    s.undo[size_t(s.ringPosition)] = std::move(taken);
    s.undoNumber[size_t(s.ringPosition)] = m_budget->nextStepNumber();
    if (full)
        std::move(s.order.begin() + 2, s.order.end(), s.order.begin() + 1);
    s.order[size_t(s.undoCount)] = s.ringPosition;
    m_budget->keepWithinLimit();
}

void UndoHistory::undo(PictureSurface &canvas)
{
    State &s = *m_state;
    if (s.undoCount == 0)
        return;
    const Snapshot &step = s.undoEntry(s.undoCount);
    Snapshot &saved = s.redo[size_t(s.redoCount + 1)];
    saved = Snapshot::take(s.store, canvas, step.rect(), &step);
    s.redoNumber[size_t(s.redoCount + 1)] = m_budget->nextStepNumber();
    // The redo step is the canvas as it is, so the tiles it shares with the
    // step are already in place.
    step.paintBack(canvas, &saved);
    ++s.redoCount;
    --s.undoCount;
    s.ringPosition = (s.undoCount > 0 && s.ringPosition == 1) ? Slots : s.ringPosition - 1;
    m_budget->keepWithinLimit();
}

void UndoHistory::redo(PictureSurface &canvas)
{
    State &s = *m_state;
    if (s.redoCount == 0)
        return;
    Snapshot &step = s.redo[size_t(s.redoCount)];
    step.paintBack(canvas);
    // Nothing reaches this redo step again: the next undo takes a fresh one.
    step.releasePixels();
    --s.redoCount;
    s.undoCount = std::min(Slots, s.undoCount + 1);
    s.ringPosition = nextSlot(s.ringPosition);
}

int UndoHistory::undoCount() const
{
    return m_state->undoCount;
}
int UndoHistory::redoCount() const
{
    return m_state->redoCount;
}
int UndoHistory::ringPosition() const
{
    return m_state->ringPosition;
}

int UndoHistory::undoOrder(int entry) const
{
    return entry >= 1 && entry <= Slots ? m_state->order[size_t(entry)] : 0;
}

QRectF UndoHistory::undoSlotRect(int slot) const
{
    return slot >= 1 && slot <= Slots ? m_state->undo[size_t(slot)].rect() : QRectF();
}

QRectF UndoHistory::redoSlotRect(int slot) const
{
    return slot >= 1 && slot <= Slots ? m_state->redo[size_t(slot)].rect() : QRectF();
}

qint64 UndoHistory::storedBytes() const
{
    return m_state->bytes();
}
