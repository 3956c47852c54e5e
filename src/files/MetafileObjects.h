#pragma once

#include "base/ColourValue.h"

#include <QImage>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

// The drawing objects a metafile creates, selects and deletes, as the
// player keeps them: already decoded, so selecting one is a copy.

struct MetafilePen
{
    enum class Style { Solid, Dash, Dot, DashDot, DashDotDot, Null, InsideFrame };
    Style style = Style::Solid;
    qreal width = 0; // logical units; 0 (or a cosmetic pen) is one device pixel
    bool cosmetic = true;
    ColourValue colour = 0;
    Qt::PenCapStyle cap = Qt::RoundCap;
    Qt::PenJoinStyle join = Qt::RoundJoin;

    // From a LOGPEN / EXTLOGPEN style word (style, end cap, join, type).
    static MetafilePen fromStyle(quint32 style, qreal width, ColourValue colour);
};

struct MetafileBrush
{
    enum class Style { Solid, Null, Hatched, Pattern };
    Style style = Style::Solid;
    ColourValue colour = 0xFFFFFF;
    int hatch = 0; // HS_HORIZONTAL .. HS_DIAGCROSS
    QImage pattern; // Style::Pattern

    // From a LOGBRUSH (style, colour, hatch); a pattern brush is made apart.
    static MetafileBrush fromLogBrush(quint32 style, ColourValue colour, quint32 hatch);
};

struct MetafileFont
{
    qint32 height = 0; // logical units: negative is the em height, positive the cell height
    // The average character width is not used: with the faces substituted
    // here it would stretch text that the exporter meant to be plain (a
    // LibreOffice WMF gives the height as the width).
    qint32 width = 0;
    qint32 escapement = 0; // tenths of a degree, counter-clockwise
    qint32 weight = 400;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    quint8 charset = 0;
    QString face;
};

// A palette or a region: it takes a slot (so later objects keep their
// numbers) but draws nothing.
struct MetafilePlaceholder
{ };

using MetafileObject = std::variant<MetafilePen, MetafileBrush, MetafileFont, MetafilePlaceholder>;

// The object table of a playback. A WMF puts each new object in the lowest
// free slot; an EMF names the slot. The table grows only as slots are used,
// up to its capacity, so a header claiming 65535 objects costs nothing.
class MetafileObjectTable
{
public:
    explicit MetafileObjectTable(qint64 capacity);

    // The slot used, or nothing when the table is full.
    std::optional<quint32> addAtLowestFree(MetafileObject object);
    bool put(quint32 index, MetafileObject object);
    const MetafileObject *at(quint32 index) const;
    void remove(quint32 index);

private:
    std::vector<std::optional<MetafileObject>> m_slots;
    qint64 m_capacity = 0;
};
