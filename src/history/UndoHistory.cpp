#include "history/UndoHistory.h"

#include "document/PictureSurface.h"
#include "document/Twips.h"

#include <array>
#include <cstring>

namespace {

struct Slot
{
    QRectF rect; // twips
    QImage pixels;
};

QImage copyRect(const PictureSurface &canvas, const QRectF &rect)
{
    const QRect pixels(Twips::toPixels(rect.left()), Twips::toPixels(rect.top()),
        Twips::toPixels(rect.width()), Twips::toPixels(rect.height()));
    if (pixels.width() <= 0 || pixels.height() <= 0)
        return {};
    // Outside the canvas stays the canvas background colour; only the part
    // inside is ever painted back.
    QImage copy(pixels.size(), QImage::Format_RGB32);
    copy.fill(Colour::toPixel(canvas.BackColor()));
    const QRect inside = pixels & canvas.pixelRect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        std::memcpy(copy.scanLine(y - pixels.top()) + 4 * (inside.left() - pixels.left()),
            canvas.Image().constScanLine(y) + 4 * inside.left(), size_t(inside.width()) * 4);
    return copy;
}

void paintBack(PictureSurface &canvas, const Slot &slot)
{
    if (slot.pixels.isNull())
        return;
    canvas.PaintPicture(slot.pixels, slot.rect.left(), slot.rect.top(), slot.rect.width(),
        slot.rect.height(), 0, 0, Twips::fromPixels(slot.pixels.width()),
        Twips::fromPixels(slot.pixels.height()));
}

}

struct UndoHistory::State
{
    std::array<Slot, Slots + 1> undo; // 1-based
    std::array<Slot, Slots + 1> redo;
    std::array<int, Slots + 1> order {};
    int undoCount = 0;
    int ringPosition = 0;
    int redoCount = 0;
};

UndoHistory::UndoHistory()
    : m_state(std::make_unique<State>())
{
}

UndoHistory::~UndoHistory() = default;

void UndoHistory::takeSnapshot(const PictureSurface &canvas, double x, double y, double width,
    double height)
{
    State &s = *m_state;
    s.redoCount = 0;
    const bool full = s.undoCount == Slots;
    if (!full)
        ++s.undoCount;
    s.ringPosition = s.ringPosition == Slots ? 1 : s.ringPosition + 1;
    Slot &slot = s.undo[size_t(s.ringPosition)];
    slot.rect = QRectF(x, y, width, height);
    slot.pixels = copyRect(canvas, slot.rect);
    if (full)
        std::move(s.order.begin() + 2, s.order.end(), s.order.begin() + 1);
    s.order[size_t(s.undoCount)] = s.ringPosition;
}

void UndoHistory::undo(PictureSurface &canvas)
{
    State &s = *m_state;
    if (s.undoCount == 0)
        return;
    const Slot &u = s.undo[size_t(s.order[size_t(s.undoCount)])];
    Slot &r = s.redo[size_t(s.redoCount + 1)];
    r.rect = u.rect;
    r.pixels = copyRect(canvas, u.rect);
    paintBack(canvas, u);
    ++s.redoCount;
    --s.undoCount;
    s.ringPosition = (s.undoCount > 0 && s.ringPosition == 1) ? Slots : s.ringPosition - 1;
}

void UndoHistory::redo(PictureSurface &canvas)
{
    State &s = *m_state;
    if (s.redoCount == 0)
        return;
    paintBack(canvas, s.redo[size_t(s.redoCount)]);
    --s.redoCount;
    s.undoCount = std::min(Slots, s.undoCount + 1);
    s.ringPosition = s.ringPosition == Slots ? 1 : s.ringPosition + 1;
}

int UndoHistory::undoCount() const { return m_state->undoCount; }
int UndoHistory::redoCount() const { return m_state->redoCount; }
int UndoHistory::ringPosition() const { return m_state->ringPosition; }

int UndoHistory::undoOrder(int entry) const
{
    return entry >= 1 && entry <= Slots ? m_state->order[size_t(entry)] : 0;
}

QRectF UndoHistory::undoSlotRect(int slot) const
{
    return slot >= 1 && slot <= Slots ? m_state->undo[size_t(slot)].rect : QRectF();
}

QRectF UndoHistory::redoSlotRect(int slot) const
{
    return slot >= 1 && slot <= Slots ? m_state->redo[size_t(slot)].rect : QRectF();
}

qint64 UndoHistory::storedBytes() const
{
    qint64 bytes = 0;
    for (const Slot &slot : m_state->undo)
        bytes += slot.pixels.sizeInBytes();
    for (const Slot &slot : m_state->redo)
        bytes += slot.pixels.sizeInBytes();
    return bytes;
}

qint64 UndoHistory::byteBudget()
{
    return qint64(1) << 30;
}
