#include "document/FigureAnchors.h"

#include <algorithm>

namespace {

void growLow(double &low, double v)
{
    low = low == -1 ? v : std::min(low, v);
}

void growHigh(double &high, double v)
{
    high = high == -1 ? v : std::max(high, v);
}

}

void FigureAnchors::growFigureBox(double x, double y)
{
    growLow(hMinX, x);
    growLow(hMinY, y);
    growHigh(hMaxX, x);
    growHigh(hMaxY, y);
}
