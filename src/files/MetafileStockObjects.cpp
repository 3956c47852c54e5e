#include "files/MetafileStockObjects.h"

namespace {

MetafileBrush solidBrush(ColourValue colour)
{
    return MetafileBrush::fromLogBrush(0, colour, 0);
}

}

namespace MetafileStockObjects {

std::optional<MetafileObject> object(quint32 number)
{
    switch (number) {
    case 0:
    case 18: // DC_BRUSH, white until set
        return solidBrush(0xFFFFFF);
    case 1:
        return solidBrush(0xC0C0C0);
    case 2:
        return solidBrush(0x808080);
    case 3:
        return solidBrush(0x404040);
    case 4:
        return solidBrush(0);
    case 5:
        return MetafileBrush::fromLogBrush(1, 0, 0);
    case 6:
        return MetafilePen::fromStyle(0, 0, 0xFFFFFF);
    case 7:
    case 19: // DC_PEN, black until set
        return MetafilePen::fromStyle(0, 0, 0);
    case 8:
        return MetafilePen::fromStyle(5, 0, 0);
    case 10:
    case 11:
    case 12:
    case 13:
    case 14:
    case 16:
    case 17:
        return MetafileFont {};
    default:
        return std::nullopt;
    }
}

}
