#pragma once

#include <QtGlobal>

#include <vector>

class UndoHistory;

// The one byte budget that the edit histories of all open documents share.
//
// Whole-canvas steps of large pictures add up across documents, so the cap is
// on their sum: a quarter of the physical memory, at most 1 GiB. When a step
// just stored takes the sum past it, the oldest steps of the documents that
// are not active go first, oldest first across them; then the active
// document's oldest steps; and at last the new step itself, so the budget
// holds even against a step larger than all of it.
class HistoryBudget
{
public:
    static constexpr qint64 MaxByteLimit = qint64(1) << 30;

    // A quarter of the physical memory, capped at MaxByteLimit.
    static qint64 defaultByteLimit();
    static qint64 byteLimitFor(qint64 physicalBytes);

    explicit HistoryBudget(qint64 byteLimit = defaultByteLimit());
    ~HistoryBudget();
    HistoryBudget(const HistoryBudget &) = delete;
    HistoryBudget &operator=(const HistoryBudget &) = delete;

    // A new limit applies when the next step is stored.
    qint64 byteLimit() const { return m_byteLimit; }
    void setByteLimit(qint64 bytes);

    // What all member histories hold together.
    qint64 storedBytes() const;

    // The history of the active document, which loses steps last; none when
    // no document is open.
    void setActive(const UndoHistory *history) { m_active = history; }
    const UndoHistory *active() const { return m_active; }

private:
    friend class UndoHistory;

    void join(UndoHistory *history);
    void leave(UndoHistory *history);
    // Steps are numbered as they are stored, so the oldest across histories is known.
    quint64 nextStepNumber() { return ++m_stepNumber; }
    // Drops the oldest steps until the members fit.
    void keepWithinLimit();
    enum class Documents { Inactive, Active };
    // The member among these whose next step to drop is the oldest.
    UndoHistory *oldestAmong(Documents documents) const;

    qint64 m_byteLimit;
    const UndoHistory *m_active = nullptr;
    std::vector<UndoHistory *> m_members;
    quint64 m_stepNumber = 0;
};
