#include "history/HistoryBudget.h"

#include "history/UndoHistory.h"

#include <unistd.h>

#include <algorithm>

qint64 HistoryBudget::byteLimitFor(qint64 physicalBytes)
{
    // Unknown memory: a quarter of the largest budget is safe on any machine
    // this program runs on.
    if (physicalBytes <= 0)
        return MaxByteLimit / 4;
    return std::min(MaxByteLimit, physicalBytes / 4);
}

qint64 HistoryBudget::defaultByteLimit()
{
    const long pages = sysconf(_SC_PHYS_PAGES);
    const long pageSize = sysconf(_SC_PAGESIZE);
    return byteLimitFor(pages > 0 && pageSize > 0 ? qint64(pages) * pageSize : 0);
}

HistoryBudget::HistoryBudget(qint64 byteLimit)
    : m_byteLimit(std::max<qint64>(0, byteLimit))
{ }

HistoryBudget::~HistoryBudget()
{
    Q_ASSERT(m_members.empty());
}

void HistoryBudget::setByteLimit(qint64 bytes)
{
    m_byteLimit = std::max<qint64>(0, bytes);
}

qint64 HistoryBudget::storedBytes() const
{
    qint64 total = 0;
    for (const UndoHistory *history : m_members)
        total += history->storedBytes();
    return total;
}

void HistoryBudget::join(UndoHistory *history)
{
    m_members.push_back(history);
}

void HistoryBudget::leave(UndoHistory *history)
{
    std::erase(m_members, history);
    if (m_active == history)
        m_active = nullptr;
}

UndoHistory *HistoryBudget::oldestAmong(Documents documents) const
{
    UndoHistory *oldest = nullptr;
    for (UndoHistory *history : m_members) {
        const bool active = history == m_active;
        if (active != (documents == Documents::Active) || !history->holdsSteps())
            continue;
        if (!oldest || history->oldestStepNumber() < oldest->oldestStepNumber())
            oldest = history;
    }
    return oldest;
}

// Runs after a step is stored, since its cost is known only once its tiles
// have been compared with the ones already held.
void HistoryBudget::keepWithinLimit()
{
    while (storedBytes() > m_byteLimit) {
        UndoHistory *history = oldestAmong(Documents::Inactive);
        if (!history)
            history = oldestAmong(Documents::Active);
        if (!history)
            return;
        history->dropOldestStep();
    }
}
