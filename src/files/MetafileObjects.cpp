#include "files/MetafileObjects.h"

#include "files/MetafileLimits.h"

#include <algorithm>

namespace {

constexpr quint32 StyleMask = 0x0F, CapMask = 0x0F00, JoinMask = 0xF000;
constexpr quint32 CapSquare = 0x0100, CapFlat = 0x0200;
constexpr quint32 JoinBevel = 0x1000, JoinMiter = 0x2000;

}

MetafilePen MetafilePen::fromStyle(quint32 style, qreal width, ColourValue colour)
{
    MetafilePen pen;
    switch (style & StyleMask) {
    case 1:
        pen.style = Style::Dash;
        break;
    case 2:
    case 8: // PS_ALTERNATE: every other pixel, the nearest is a dotted line
        pen.style = Style::Dot;
        break;
    case 3:
        pen.style = Style::DashDot;
        break;
    case 4:
        pen.style = Style::DashDotDot;
        break;
    case 5:
        pen.style = Style::Null;
        break;
    case 6:
        pen.style = Style::InsideFrame;
        break;
    default: // solid, and user styles drawn solid
        pen.style = Style::Solid;
        break;
    }
    const quint32 cap = style & CapMask;
    pen.cap = cap == CapSquare ? Qt::SquareCap : cap == CapFlat ? Qt::FlatCap : Qt::RoundCap;
    const quint32 join = style & JoinMask;
    pen.join = join == JoinBevel ? Qt::BevelJoin
        : join == JoinMiter      ? Qt::MiterJoin
                                 : Qt::RoundJoin;
    pen.width = std::max<qreal>(0, width);
    // A width is in logical units and follows the mapping; only 0 means one
    // device pixel whatever the mapping (a narrower geometric pen still
    // draws one pixel: the canvas never draws less).
    pen.cosmetic = pen.width == 0;
    pen.colour = colour & 0xFFFFFF;
    return pen;
}

MetafileBrush MetafileBrush::fromLogBrush(quint32 style, ColourValue colour, quint32 hatch)
{
    MetafileBrush brush;
    brush.colour = colour & 0xFFFFFF;
    switch (style) {
    case 1: // BS_NULL
        brush.style = Style::Null;
        break;
    case 2: // BS_HATCHED
        brush.style = hatch <= 5 ? Style::Hatched : Style::Solid;
        brush.hatch = int(hatch);
        break;
    default:
        brush.style = Style::Solid;
        break;
    }
    return brush;
}

MetafileObjectTable::MetafileObjectTable(qint64 capacity)
    : m_capacity(std::clamp<qint64>(capacity, 0, MetafileLimits::MaxObjects))
{ }

std::optional<quint32> MetafileObjectTable::addAtLowestFree(MetafileObject object)
{
    const auto free = std::find_if(
        m_slots.begin(), m_slots.end(), [](const auto &slot) { return !slot.has_value(); });
    if (free != m_slots.end()) {
        *free = std::move(object);
        return quint32(free - m_slots.begin());
    }
    if (qint64(m_slots.size()) >= m_capacity)
        return std::nullopt;
    m_slots.emplace_back(std::move(object));
    return quint32(m_slots.size() - 1);
}

bool MetafileObjectTable::put(quint32 index, MetafileObject object)
{
    if (qint64(index) >= m_capacity)
        return false;
    if (index >= m_slots.size())
        m_slots.resize(index + 1);
    m_slots[index] = std::move(object);
    return true;
}

const MetafileObject *MetafileObjectTable::at(quint32 index) const
{
    if (index >= m_slots.size() || !m_slots[index])
        return nullptr;
    return &*m_slots[index];
}

void MetafileObjectTable::remove(quint32 index)
{
    if (index < m_slots.size())
        m_slots[index].reset();
}
