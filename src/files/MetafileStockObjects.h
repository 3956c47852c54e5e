#pragma once

#include "files/MetafileObjects.h"

#include <optional>

// The stock objects a metafile selects by number (GetStockObject's, with the
// top bit set in an EMF): the six brushes, the three pens, the fonts (all
// drawn with the default font) and the DC brush and pen.
namespace MetafileStockObjects {

inline constexpr quint32 StockFlag = 0x80000000u;

std::optional<MetafileObject> object(quint32 number);

}
